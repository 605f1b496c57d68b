#include "history/UndoRedoStack.h"

#include "history/EditTarget.h"
#include "history/EditTransaction.h"

void UndoRedoStack::slice(Stack& stack) {
    for (int i = 1; i < Depth; ++i) {
        stack[static_cast<size_t>(i - 1)] = std::move(stack[static_cast<size_t>(i)]);
    }
    stack[Depth - 1].reset();
}

void UndoRedoStack::dropOldestUndo() {
    slice(undostack);
    --undoCount;
    cleanIndex = cleanIndex > 0 ? cleanIndex - 1 : Unreachable;
}

void UndoRedoStack::dropOldestRedo() {
    // The oldest redo step is the one furthest ahead; with the step being pushed in front of the
    // others, it lies redoCount + 1 steps ahead.
    if (cleanIndex == undoCount + redoCount + 1) {
        cleanIndex = Unreachable;
    }
    slice(redostack);
    --redoCount;
}

void UndoRedoStack::AddToUndo(std::unique_ptr<Changes> undochanges) {
    if (undoCount == Depth) {
        dropOldestUndo();
    }
    undostack[static_cast<size_t>(undoCount++)] = std::move(undochanges);
    notify();
}

void UndoRedoStack::AddToRedo(std::unique_ptr<Changes> redochanges) {
    if (redoCount == Depth) {
        dropOldestRedo();
    }
    redostack[static_cast<size_t>(redoCount++)] = std::move(redochanges);
    notify();
}

void UndoRedoStack::Undo() {
    if (undoCount == 0) {
        return;
    }
    // Taken off the stack first: Process pushes onto the redo stack, never onto this one.
    std::unique_ptr<Changes> batch = std::move(undostack[static_cast<size_t>(undoCount - 1)]);
    --undoCount;
    Process(*batch, true);
    notify();
}

void UndoRedoStack::Redo() {
    if (redoCount == 0) {
        return;
    }
    std::unique_ptr<Changes> batch = std::move(redostack[static_cast<size_t>(redoCount - 1)]);
    --redoCount;
    Process(*batch, false);
    notify();
}

void UndoRedoStack::ResetRedo() {
    for (auto& slot : redostack) {
        slot.reset();
    }
    redoCount = 0;
    if (cleanIndex > undoCount) {
        cleanIndex = Unreachable;
    }
    notify();
}

void UndoRedoStack::ResetUndo() {
    for (auto& slot : undostack) {
        slot.reset();
    }
    cleanIndex = cleanIndex >= undoCount ? cleanIndex - undoCount : Unreachable;
    undoCount = 0;
    notify();
}

void UndoRedoStack::setClean() {
    cleanIndex = undoCount;
    notify();
}

void UndoRedoStack::Process(const Changes& change, bool Undo) {
    using Edit = EditTransaction;
    Edit replay(*main, Undo ? Edit::Kind::Undo : Edit::Kind::Redo);
    main->writeBack(change, replay.batch());
    replay.commit();
}

void UndoRedoStack::notify() const {
    if (main) {
        main->undoRedoChanged(canUndo(), canRedo());
    }
}
