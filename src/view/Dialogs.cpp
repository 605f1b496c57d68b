#include "view/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>

#include "model/UserSettings.h"

namespace {

// The folder the open and save dialogs start in, kept from one run to the next.
const QString LastFolderKey = QStringLiteral("Dialogs/lastFolder");

QString lastFolder() {
    return userSettings()->value(LastFolderKey).toString();
}

void setLastFolder(const QString& folder) {
    userSettings()->setValue(LastFolderKey, folder);
}

// "lvl" from "*.lvl (*.lvl)", or an empty string.
QString firstSuffix(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.(\\w+)"));
    return pattern.match(filter).captured(1);
}

}  // namespace

void Dialogs::message(QWidget* parent, const QString& text, Icon icon) {
    QMessageBox box(parent);
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setText(text);
    switch (icon) {
        case Icon::None:
            break;
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Icon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case Icon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
    }
    box.exec();
}

bool Dialogs::ask(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    // Every question risks something on Yes, so Enter and Escape both keep things as they are.
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString Dialogs::openFile(QWidget* parent, const QString& title, const QString& filter) {
    const QString name = QFileDialog::getOpenFileName(parent, title, lastFolder(), filter);
    if (!name.isEmpty()) {
        setLastFolder(QFileInfo(name).absolutePath());
    }
    return name;
}

QString Dialogs::saveFile(QWidget* parent, const QString& title, const QString& filter, const QString& start) {
    QFileDialog dialog(parent, title, lastFolder(), filter);
    if (!start.isEmpty()) {
        dialog.setDirectory(QFileInfo(start).absolutePath());
        dialog.selectFile(QFileInfo(start).fileName());
    }
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(firstSuffix(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    const QString name = dialog.selectedFiles().constFirst();
    setLastFolder(QFileInfo(name).absolutePath());
    return name;
}
