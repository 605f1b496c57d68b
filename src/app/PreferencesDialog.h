#pragma once

#include <QDialog>

class MainWindow;
class QDialogButtonBox;
class QDoubleSpinBox;
class QSpinBox;

// Edit > Preferences: the undo depth of the levels and the delay of their recovery copies. OK writes
// both to the user's settings file and applies them at once, to the levels already open too.
class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    explicit PreferencesDialog(MainWindow& general);

    void accept() override;

    QSpinBox* undoSteps;
    QDoubleSpinBox* recoveryDelay;
    QDialogButtonBox* buttons;

private:
    MainWindow& general;
};
