#include "history/EditTransaction.h"

#include <QtGlobal>

#include "history/EditTarget.h"
#include "history/UndoRedoStack.h"

EditTransaction::EditTransaction(EditTarget& target, Kind kind)
    : target(target), kind(kind), changes(std::make_unique<Changes>()) {
    if (kind == Kind::Edit) {
        target.undoStack().clearRedo();
    }
}

EditTransaction::~EditTransaction() {
    if (!changedCells()) {
        return;
    }
    // The cells go back first: a release build goes on with the level as it was before the edit.
    Changes discarded;
    target.writeBack(*changes, discarded);
    target.redrawView();
    Q_ASSERT_X(false, "EditTransaction", "an edit that wrote cells was never committed");
}

void EditTransaction::commit(Redraw redraw) {
    if (!changes) {
        return;
    }
    // An edit that changed no cell is no step: it would take an undo place for nothing.
    if (changes->lastIndex() >= 0) {
        if (kind == Kind::Undo) {
            target.undoStack().pushRedo(std::move(changes));
        } else {
            target.undoStack().pushUndo(std::move(changes));
        }
    }
    changes.reset();
    if (redraw == Redraw::Whole) {
        target.redrawView();
    }
}
