#include "app/Dialogs.h"

#include <QApplication>
#include <QMessageBox>

#include "app/ExportImageDialog.h"
#include "app/RecoveryDialog.h"

AppDialogs::RecoveryChoice AppDialogs::offerRecovery(QWidget* parent, const QList<RecoveryCopy>& copies) {
    RecoveryDialog dialog(copies, parent);
    dialog.exec();
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

AppDialogs::CloseChoice AppDialogs::askToClose(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Save, parent);
    box.setDefaultButton(QMessageBox::No);
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
