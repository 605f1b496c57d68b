#pragma once

class Changes;
class UndoRedoStack;

// What an edit transaction and the undo and redo stacks work on: one level. Keeps the history free
// of the level's class.
class EditTarget {
public:
    virtual ~EditTarget() = default;
    virtual UndoRedoStack& undoStack() = 0;
    // Writes every entry of `batch` back, last entry first, recording what each write overwrites
    // into `reverse`, and redraws each written cell.
    virtual void writeBack(const Changes& batch, Changes& reverse) = 0;
    // Redraws everything visible.
    virtual void redrawView() = 0;
    // The undo or redo stack became empty or non-empty, or the level reached or left its clean state.
    virtual void undoRedoChanged(bool canUndo, bool canRedo) = 0;
};
