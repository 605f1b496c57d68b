#include "history/EditTransaction.h"

#include "history/EditTarget.h"
#include "history/UndoRedoStack.h"

EditTransaction::EditTransaction(EditTarget& target, Kind kind)
    : target(target), kind(kind), changes(std::make_unique<Changes>()) {
    if (kind == Kind::Edit) {
        target.undoStack().ResetRedo();
    }
}

void EditTransaction::mark(Mark rule) {
    if (rule == Mark::Always || (changes && changes->UBnd() >= 0)) {
        target.markChanged();
    }
}

void EditTransaction::commit(Mark rule, Redraw redraw) {
    if (!changes) {
        return;
    }
    if (changes->UBnd() < 0) {
        // An edit that changed no cell is no step: it would take an undo place, and its undo would
        // mark an unchanged level changed.
        changes.reset();
        if (redraw == Redraw::Whole) {
            target.UpdateLevel();
        }
        return;
    }
    // Marked before the push: the push tells the window, which shows the mark in its caption.
    mark(rule);
    if (kind == Kind::Undo) {
        target.undoStack().AddToRedo(std::move(changes));
    } else {
        target.undoStack().AddToUndo(std::move(changes));
    }
    if (redraw == Redraw::Whole) {
        target.UpdateLevel();
    }
}
