#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "history/Changes.h"

class EditTarget;

// The last 10 undoable steps of one level, and the 10 steps that can be redone, with the step at
// which the level was last saved (its clean state, as QUndoStack keeps it).
class UndoRedoStack {
public:
    static constexpr int Depth = 10;

    // Hands the stacks the level they replay into.
    void setParent(EditTarget* main) { this->main = main; }

    // Pushes a finished batch; the oldest of a full stack is dropped.
    void AddToUndo(std::unique_ptr<Changes> undochanges);
    void AddToRedo(std::unique_ptr<Changes> redochanges);
    void Undo();
    void Redo();
    void ResetRedo();
    void ResetUndo();

    bool canUndo() const { return undoCount > 0; }
    bool canRedo() const { return redoCount > 0; }
    // The number of steps that can be undone: the level's place in its history.
    int index() const { return undoCount; }
    // The level now is what its file holds; undoing or redoing back here finds it so again.
    void setClean();
    // Whether the level is at the step it was last saved at. Once that step has fallen off either
    // stack, or a new edit discarded the redo steps leading to it, it is never reached again.
    bool isClean() const { return cleanIndex == undoCount; }

    // Tells the level's window whether Undo and Redo have anything to do.
    void notify() const;

private:
    using Stack = std::array<std::unique_ptr<Changes>, Depth>;
    static constexpr int Unreachable = -1;

    // Drops the oldest step of a full undo stack: every place in the history moves down by one.
    void dropOldestUndo();
    // Drops the oldest step of a full redo stack: the step furthest ahead can no longer be reached.
    void dropOldestRedo();
    static void slice(Stack& stack);
    // Applies a batch backwards and pushes what it overwrote onto the other stack.
    void Process(const Changes& change, bool Undo);

    EditTarget* main = nullptr;
    Stack undostack;
    Stack redostack;
    int16_t undoCount = 0;
    int16_t redoCount = 0;
    // The value of index() at the last save, or Unreachable.
    int cleanIndex = 0;
};
