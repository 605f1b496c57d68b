#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>

#include "history/Changes.h"

class EditTarget;

// The undoable steps of one level and the steps that can be redone: together at most `depth()` steps
// and `byteLimit()` bytes of change records, the oldest steps dropped first. It also knows the step at
// which the level was last saved (its clean state, as QUndoStack keeps it).
class UndoRedoStack {
public:
    static constexpr int DefaultDepth = 10;
    // A step costs 4 bytes a changed cell: this keeps a deep history of whole-map edits in memory.
    static constexpr std::size_t DefaultByteLimit = std::size_t{256} << 20;

    // Hands the stacks the level they replay into.
    void setParent(EditTarget* main) { this->main = main; }

    // Pushes a finished batch; the oldest steps go when the history grows past its limits.
    void pushUndo(std::unique_ptr<Changes> undochanges);
    void pushRedo(std::unique_ptr<Changes> redochanges);
    void undo();
    void redo();
    void clearRedo();
    void clearUndo();

    bool canUndo() const { return !undostack.empty(); }
    bool canRedo() const { return !redostack.empty(); }
    // The number of steps that can be undone: the level's place in its history.
    int index() const { return static_cast<int>(undostack.size()); }
    // The level now is what its file holds; undoing or redoing back here finds it so again.
    void setClean();
    // Whether the level is at the step it was last saved at. Once that step has fallen off either
    // stack, or a new edit discarded the redo steps leading to it, it is never reached again.
    bool isClean() const { return cleanIndex == index(); }

    // How many steps undo and redo may hold together (at least 1); a lower depth drops steps at once.
    void setDepth(int steps);
    int depth() const { return maxSteps; }
    // The most bytes of change records the history keeps; it always keeps its newest step.
    void setByteLimit(std::size_t bytes);
    // Bytes of change records held by both stacks.
    std::size_t bytes() const;

    // Tells the level's window whether Undo and Redo have anything to do.
    void notify() const;

private:
    using Stack = std::deque<std::unique_ptr<Changes>>;
    static constexpr int Unreachable = -1;

    // Drops the step farthest from the present: the oldest undo step, or the last step redo would
    // reach when nothing is left to undo. Returns the bytes of records it freed.
    std::size_t dropOldest();
    // Drops the oldest steps until the history is within its depth and byte limit.
    void trim();
    // Applies a batch backwards and pushes what it overwrote onto the other stack.
    void replay(const Changes& change, bool Undo);

    EditTarget* main = nullptr;
    Stack undostack;  // oldest first
    Stack redostack;  // the step redo reaches last first
    int maxSteps = DefaultDepth;
    std::size_t maxBytes = DefaultByteLimit;
    // The value of index() at the last save, or Unreachable.
    int cleanIndex = 0;
};
