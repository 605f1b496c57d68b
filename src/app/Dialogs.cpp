#include "app/Dialogs.h"

#include <QCoreApplication>
#include <QInputDialog>

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
