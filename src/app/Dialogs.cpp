#include "app/Dialogs.h"

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
