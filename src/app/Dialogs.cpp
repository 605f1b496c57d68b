#include "app/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "app/ExportImageDialog.h"
#include "app/RecoveryDialog.h"

AppDialogs::RecoveryChoice AppDialogs::offerRecovery(QWidget* parent, QList<RecoveryCopy>& copies) {
    RecoveryDialog dialog(copies, *this, parent);
    dialog.exec();
    copies = dialog.picked();
    return dialog.choice();
}

bool AppDialogs::exportImageOptions(QWidget* parent, ExportImageOptions& options) {
    ExportImageDialog dialog(parent, options);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    options = dialog.options();
    return true;
}

QString AppDialogs::chooseLayer(QWidget* parent, const QString& mapName, const QStringList& layers) {
    bool ok = false;
    const QString layer = QInputDialog::getItem(
        parent, QCoreApplication::translate("AppDialogs", "Import Map"),
        QCoreApplication::translate("AppDialogs", "%1 has several tile layers. Which one becomes the level?")
            .arg(mapName),
        layers, 0, false, &ok);
    return ok ? layer : QString();
}

AppDialogs::CloseChoice AppDialogs::askToClose(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Save, parent);
    box.setDefaultButton(QMessageBox::No);
    // Yes and No answer to Alt+Y and Alt+N; Save should answer to its letter as well.
    box.button(QMessageBox::Save)->setText(QCoreApplication::translate("AppDialogs", "&Save"));
    box.setEscapeButton(QMessageBox::No);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return CloseChoice::Proceed;
        case QMessageBox::Save:
            return CloseChoice::Save;
        default:
            return CloseChoice::Stay;
    }
}
