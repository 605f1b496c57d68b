#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "history/Changes.h"

class EditTarget;

// The last 10 undoable steps of one level, and the 10 steps that can be redone.
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

    // Tells the level's window whether Undo and Redo have anything to do.
    void notify() const;

private:
    using Stack = std::array<std::unique_ptr<Changes>, Depth>;

    static void slice(Stack& stack);
    // Applies a batch backwards and pushes what it overwrote onto the other stack.
    void Process(const Changes& change, bool Undo);

    EditTarget* main = nullptr;
    Stack undostack;
    Stack redostack;
    int16_t undoCount = 0;
    int16_t redoCount = 0;
};
