#pragma once

#include <memory>

#include "history/Changes.h"

class EditTarget;

// One edit of a level as one undo step. Opening it empties the redo stack (nothing can be redone
// past a new edit) and starts a batch; commit pushes the batch, marks the level changed by the
// given rule and redraws. Destroyed without a commit it pushes nothing.
class EditTransaction {
public:
    // What the batch is: a new edit, or the replay of an undo or a redo step.
    enum class Kind { Edit, Undo, Redo };
    // When a committed batch marks the level changed.
    enum class Mark {
        // Only when the batch recorded a change: an edit that wrote every cell's own value leaves
        // the level as it was, and closing it must not ask to save.
        IfCellsChanged,
        // Undo and redo change the level like any edit, even back to what the file holds.
        Always,
    };
    // Whether commit redraws everything visible, or the caller has drawn what it changed.
    enum class Redraw { Whole, None };

    explicit EditTransaction(EditTarget& target, Kind kind = Kind::Edit);
    EditTransaction(const EditTransaction&) = delete;
    EditTransaction& operator=(const EditTransaction&) = delete;

    // The batch every write of this edit records into; valid until the commit.
    Changes& batch() { return *changes; }
    // Applies the mark rule now, for an edit that stays open across several events.
    void mark(Mark rule);
    // Pushes the batch onto its stack (redo for an undo step, undo otherwise) after marking the
    // level by `rule`, then redraws as asked. A transaction is committed at most once.
    void commit(Mark rule = Mark::IfCellsChanged, Redraw redraw = Redraw::Whole);

private:
    EditTarget& target;
    Kind kind;
    std::unique_ptr<Changes> changes;
};
