#include "view/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>

#include "view/DialogFolder.h"
#include "view/NameOnlyIconProvider.h"

namespace {

// "lvl" from "*.lvl (*.lvl)", or an empty string.
QString firstSuffix(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.(\\w+)"));
    return pattern.match(filter).captured(1);
}

// What every file dialog of the program is given: the Qt dialog (the platform's would choose its
// icons as it likes, reading files to do so) and an icon provider that never reads a file.
void prepareFileDialog(QFileDialog& dialog, QAbstractFileIconProvider& icons) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(&icons);
}

QString runFileDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
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
    NameOnlyIconProvider icons;
    QFileDialog dialog(parent, title, DialogFolder::last(), filter);
    prepareFileDialog(dialog, icons);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runFileDialog(dialog);
}

QString Dialogs::saveFile(QWidget* parent, const QString& title, const QString& filter, const QString& start) {
    NameOnlyIconProvider icons;
    QFileDialog dialog(parent, title, DialogFolder::last(), filter);
    prepareFileDialog(dialog, icons);
    if (!start.isEmpty()) {
        dialog.setDirectory(QFileInfo(start).absolutePath());
        dialog.selectFile(QFileInfo(start).fileName());
    }
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(firstSuffix(filter));
    return runFileDialog(dialog);
}
