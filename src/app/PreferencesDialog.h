#pragma once

#include <QDialog>

class DocumentManager;
class RecoveryCopies;
class QDialogButtonBox;
class QDoubleSpinBox;
class QSpinBox;

// Edit > Preferences: the undo depth of the levels and the delay of their recovery copies. OK writes
// both to the user's settings file and applies them at once, to the levels already open too.
class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    // Applies to the levels of `documents` and to `recovery`; a child of the documents' window.
    PreferencesDialog(DocumentManager& documents, RecoveryCopies& recovery);

    void accept() override;

    QSpinBox* undoStepsBox() const { return undoSteps; }
    QDoubleSpinBox* recoveryDelayBox() const { return recoveryDelay; }
    QDialogButtonBox* buttonBox() const { return buttons; }

private:
    QSpinBox* undoSteps;
    QDoubleSpinBox* recoveryDelay;
    QDialogButtonBox* buttons;
    DocumentManager& documents;
    RecoveryCopies& recovery;
};
