#include "app/PreferencesDialog.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QSpinBox>

#include "app/DocumentManager.h"
#include "app/MapWindow.h"
#include "app/Preferences.h"
#include "app/RecoveryCopies.h"
#include "history/UndoRedoStack.h"

PreferencesDialog::PreferencesDialog(DocumentManager& documents, RecoveryCopies& recovery)
    : QDialog(documents.window()),
      undoSteps(new QSpinBox(this)),
      recoveryDelay(new QDoubleSpinBox(this)),
      buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)),
      documents(documents),
      recovery(recovery) {
    setObjectName(QStringLiteral("frmPreferences"));
    setWindowTitle(tr("Preferences"));
    undoSteps->setObjectName(QStringLiteral("undoSteps"));
    undoSteps->setRange(Preferences::MinUndoSteps, Preferences::MaxUndoSteps);
    undoSteps->setValue(Preferences::undoSteps());
    undoSteps->setToolTip(tr("Each step keeps 4 bytes for every cell it changed; a level's history never holds "
                             "more than %1 MiB, its oldest steps go first.")
                              .arg(UndoRedoStack::DefaultByteLimit >> 20));
    recoveryDelay->setObjectName(QStringLiteral("recoveryDelay"));
    recoveryDelay->setDecimals(1);
    recoveryDelay->setRange(0.1, 3600);
    recoveryDelay->setSuffix(tr(" s"));
    recoveryDelay->setValue(Preferences::recoveryDelaySeconds());
    recoveryDelay->setToolTip(tr("How long after the last edit a copy of a changed level is kept for recovery"));
    auto* form = new QFormLayout(this);
    form->addRow(tr("Undo steps:"), undoSteps);
    form->addRow(tr("Recovery copy after:"), recoveryDelay);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void PreferencesDialog::accept() {
    Preferences::setUndoSteps(undoSteps->value());
    Preferences::setRecoveryDelaySeconds(recoveryDelay->value());
    for (MapWindow* map : documents.openMaps()) {
        map->level().undoStack().setDepth(Preferences::undoSteps());
    }
    recovery.setTiming(RecoveryCopies::Timing::fromUserSettings());
    QDialog::accept();
}
