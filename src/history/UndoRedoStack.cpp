#include "history/UndoRedoStack.h"

#include <algorithm>

#include "history/EditTarget.h"
#include "history/EditTransaction.h"

void UndoRedoStack::pushUndo(std::unique_ptr<Changes> undochanges) {
    undostack.push_back(std::move(undochanges));
    trim();
    notify();
}

void UndoRedoStack::pushRedo(std::unique_ptr<Changes> redochanges) {
    redostack.push_back(std::move(redochanges));
    trim();
    notify();
}

void UndoRedoStack::undo() {
    if (undostack.empty()) {
        return;
    }
    // Taken off the stack first: Process pushes onto the redo stack, never onto this one.
    std::unique_ptr<Changes> batch = std::move(undostack.back());
    undostack.pop_back();
    replay(*batch, true);
    notify();
}

void UndoRedoStack::redo() {
    if (redostack.empty()) {
        return;
    }
    std::unique_ptr<Changes> batch = std::move(redostack.back());
    redostack.pop_back();
    replay(*batch, false);
    notify();
}

void UndoRedoStack::clearRedo() {
    redostack.clear();
    if (cleanIndex > index()) {
        cleanIndex = Unreachable;
    }
    notify();
}

void UndoRedoStack::clearUndo() {
    cleanIndex = cleanIndex >= index() ? cleanIndex - index() : Unreachable;
    undostack.clear();
    notify();
}

void UndoRedoStack::setClean() {
    cleanIndex = index();
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
    if (undostack.empty()) {
        if (redostack.empty()) {
            return 0;
        }
        // The step redo reaches last is the farthest place ahead; a save there is lost with it.
        if (cleanIndex == static_cast<int>(redostack.size())) {
            cleanIndex = Unreachable;
        }
        const std::size_t freed = redostack.front()->bytes();
        redostack.pop_front();
        return freed;
    }
    // Every place in the history moves down by one; a save at the dropped bottom is lost.
    cleanIndex = cleanIndex > 0 ? cleanIndex - 1 : Unreachable;
    const std::size_t freed = undostack.front()->bytes();
    undostack.pop_front();
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

void UndoRedoStack::replay(const Changes& change, bool Undo) {
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
