#pragma once

#include <cstdint>

#include "history/EditTransaction.h"
#include "model/Level.h"

// The one way to change the cells of a level: an open edit of it, which records every write. Commit
// makes the edit one undo step (none when no cell changed); destroyed without a commit it puts every
// written cell back. Commands hold one for their own scope, tools for the length of a gesture.
class LevelEdit {
public:
    explicit LevelEdit(Level& level) : target(level), transaction(level) {}

    Level& level() const { return target; }
    int16_t getTile(int tileX, int tileY) const { return target.getTile(tileX, tileY); }
    // Writes a cell; writing the value a cell already holds records nothing.
    // Inline: every fill, stroke and block edit writes each of its cells through it.
    void setTile(int tileX, int tileY, int16_t value) { target.setTile(tileX, tileY, value, transaction.batch()); }
    // Whether a write so far changed a cell.
    bool changedCells() const { return transaction.changedCells(); }
    // Pushes the edit as one undo step, then redraws everything visible unless told the caller has
    // drawn what it changed.
    void commit(EditTransaction::Redraw redraw = EditTransaction::Redraw::Whole) { transaction.commit(redraw); }

private:
    Level& target;
    EditTransaction transaction;
};
