#pragma once

#include <memory>

#include "history/Changes.h"

class EditTarget;

// One edit of a level as one undo step. Opening it empties the redo stack (nothing can be redone
// past a new edit) and starts a batch; commit pushes the batch and redraws. An edit that changed no
// cell pushes nothing. Destroyed without a commit it writes every recorded cell back: an edit left
// open is a programming error, so debug builds stop there.
class EditTransaction {
public:
    // What the batch is: a new edit, or the replay of an undo or a redo step.
    enum class Kind { Edit, Undo, Redo };
    // Whether commit redraws everything visible, or the caller has drawn what it changed.
    enum class Redraw { Whole, None };

    explicit EditTransaction(EditTarget& target, Kind kind = Kind::Edit);
    ~EditTransaction();
    EditTransaction(const EditTransaction&) = delete;
    EditTransaction& operator=(const EditTransaction&) = delete;

    // The batch every write of this edit records into; valid until the commit.
    Changes& batch() { return *changes; }
    // Whether a write so far changed a cell.
    bool changedCells() const { return changes && changes->lastIndex() >= 0; }
    // Pushes the batch onto its stack (redo for an undo step, undo otherwise) unless it is empty,
    // then redraws as asked. A transaction is committed at most once.
    void commit(Redraw redraw = Redraw::Whole);

private:
    EditTarget& target;
    Kind kind;
    std::unique_ptr<Changes> changes;
};
