#include "app/Preferences.h"

#include <algorithm>

#include "app/RecoveryCopies.h"
#include "history/UndoRedoStack.h"
#include "model/UserSettings.h"

namespace {

const QString UndoStepsKey = QStringLiteral("History/undoSteps");
const QString RecoveryDelayKey = QStringLiteral("Recovery/delaySeconds");

}  // namespace

namespace Preferences {

int undoSteps() {
    bool ok = false;
    const int steps = userSettings()->value(UndoStepsKey).toInt(&ok);
    return ok ? std::clamp(steps, MinUndoSteps, MaxUndoSteps) : UndoRedoStack::DefaultDepth;
}

void setUndoSteps(int steps) {
    userSettings()->setValue(UndoStepsKey, std::clamp(steps, MinUndoSteps, MaxUndoSteps));
}

double recoveryDelaySeconds() {
    // Read as the recovery copies read it, so the dialog shows the delay in force.
    return RecoveryCopies::Timing::fromUserSettings().delayMs / 1000.0;
}

void setRecoveryDelaySeconds(double seconds) {
    userSettings()->setValue(RecoveryDelayKey, seconds);
}

}  // namespace Preferences
