#include "history/UndoRedoStack.h"

#include <algorithm>

#include "history/EditTarget.h"
#include "history/EditTransaction.h"

void UndoRedoStack::AddToUndo(std::unique_ptr<Changes> undochanges) {
    undostack.push_back(std::move(undochanges));
    trim();
    notify();
}

void UndoRedoStack::AddToRedo(std::unique_ptr<Changes> redochanges) {
    redostack.push_back(std::move(redochanges));
    trim();
    notify();
}

void UndoRedoStack::Undo() {
    if (undostack.empty()) {
        return;
    }
    // Taken off the stack first: Process pushes onto the redo stack, never onto this one.
    std::unique_ptr<Changes> batch = std::move(undostack.back());
    undostack.pop_back();
    Process(*batch, true);
    notify();
}

void UndoRedoStack::Redo() {
    if (redostack.empty()) {
        return;
    }
    std::unique_ptr<Changes> batch = std::move(redostack.back());
    redostack.pop_back();
    Process(*batch, false);
    notify();
}

void UndoRedoStack::ResetRedo() {
    redostack.clear();
    notify();
}

void UndoRedoStack::ResetUndo() {
    undostack.clear();
    notify();
}

void UndoRedoStack::setDepth(int steps) {
    maxSteps = std::max(1, steps);
    trim();
    notify();
}

void UndoRedoStack::setByteLimit(std::size_t bytes) {
    maxBytes = bytes;
    trim();
    notify();
}

std::size_t UndoRedoStack::bytes() const {
    std::size_t sum = 0;
    for (const Stack* stack : {&undostack, &redostack}) {
        for (const auto& batch : *stack) {
            sum += batch->bytes();
        }
    }
    return sum;
}

std::size_t UndoRedoStack::dropOldest() {
    Stack& stack = undostack.empty() ? redostack : undostack;
    if (stack.empty()) {
        return 0;
    }
    const std::size_t freed = stack.front()->bytes();
    stack.pop_front();
    return freed;
}

void UndoRedoStack::trim() {
    while (undostack.size() + redostack.size() > static_cast<std::size_t>(maxSteps)) {
        dropOldest();
    }
    // The newest step stays whatever it costs: an edit that cannot be undone at all would surprise
    // the designer more than one step's worth of memory over the limit.
    for (std::size_t held = bytes(); held > maxBytes && undostack.size() + redostack.size() > 1;) {
        held -= dropOldest();
    }
}

void UndoRedoStack::Process(const Changes& change, bool Undo) {
    using Edit = EditTransaction;
    Edit replay(*main, Undo ? Edit::Kind::Undo : Edit::Kind::Redo);
    main->writeBack(change, replay.batch());
    replay.commit(Edit::Mark::Always);
}

void UndoRedoStack::notify() const {
    if (main) {
        main->undoRedoChanged(canUndo(), canRedo());
    }
}
