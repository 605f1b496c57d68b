#pragma once

class Changes;

// What the undo and redo stacks replay their batches into: one level. Keeps the history free of
// the level's class.
class UndoTarget {
public:
    virtual ~UndoTarget() = default;
    // Writes every entry of `batch` back, last entry first, recording what each write overwrites
    // into `reverse`, and redraws each written cell.
    virtual void writeBack(const Changes& batch, Changes& reverse) = 0;
    // An undo or redo changed the level: it counts as changed and is redrawn whole.
    virtual void replayed() = 0;
    // The undo or redo stack became empty or non-empty.
    virtual void undoRedoChanged(bool canUndo, bool canRedo) = 0;
};
