#pragma once

// The designer's choices from Edit > Preferences, kept in the user's settings file. A value that is
// missing or out of range there reads as the nearest one the editor accepts.
namespace Preferences {

constexpr int MinUndoSteps = 10;
constexpr int MaxUndoSteps = 1000;

// How many steps each level's undo and redo keep together.
int undoSteps();
void setUndoSteps(int steps);
// Seconds from the last edit to the recovery copy of its level.
double recoveryDelaySeconds();
void setRecoveryDelaySeconds(double seconds);

}  // namespace Preferences
