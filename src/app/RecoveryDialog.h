#pragma once

#include <QDialog>
#include <QList>

#include "app/Dialogs.h"

class QTreeWidget;

// Lists the recovery copies found at start (caption, original file, time of the copy) and lets the
// user restore them, discard them, or keep them for the next start.
class RecoveryDialog : public QDialog {
    Q_OBJECT
public:
    explicit RecoveryDialog(const QList<RecoveryCopy>& copies, QWidget* parent = nullptr);

    // What the user chose; Later when the dialog was closed without a choice.
    AppDialogs::RecoveryChoice choice() const { return chosen; }

    QTreeWidget* lstCopies;

private:
    AppDialogs::RecoveryChoice chosen = AppDialogs::RecoveryChoice::Later;
};
