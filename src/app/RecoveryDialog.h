#pragma once

#include <QDialog>
#include <QList>

#include "app/Dialogs.h"
#include "model/RecoveryCopy.h"

class QPushButton;
class QTreeWidget;

// Lists the recovery copies found at start (level, its file, time of the copy, and whether the file
// was saved since), each with a check box, and lets the user restore or discard the ticked ones or
// keep them all for the next start.
class RecoveryDialog : public QDialog {
    Q_OBJECT
public:
    // `dialogs` asks before copies are discarded.
    RecoveryDialog(const QList<RecoveryCopy>& copies, Dialogs& dialogs, QWidget* parent = nullptr);

    // What the user chose; Later when the dialog was closed without a choice.
    AppDialogs::RecoveryChoice choice() const { return chosen; }
    // The copies ticked when the dialog closed.
    QList<RecoveryCopy> picked() const;
    // Why a copy will not be bound to its level's file again, as one sentence; empty when it will.
    static QString fileNote(const RecoveryCopy& copy);

    QTreeWidget* copyList() const { return ui.copyList; }
    QPushButton* restoreButton() const { return ui.restoreButton; }
    QPushButton* discardButton() const { return ui.discardButton; }

private:
    void updateButtons();
    void discard();

    QList<RecoveryCopy> found;
    Dialogs& dialogs;
    AppDialogs::RecoveryChoice chosen = AppDialogs::RecoveryChoice::Later;

    // The parts built in the constructor.
    struct Ui {
        QTreeWidget* copyList;
        QPushButton* restoreButton;
        QPushButton* discardButton;
    } ui;
};
