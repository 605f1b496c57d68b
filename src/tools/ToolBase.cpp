#include "tools/ToolBase.h"

#include "model/Level.h"
#include "tools/MapHost.h"
#include "view/MapView.h"

Level& ToolBase::level() const {
    return map->level();
}

MapView& ToolBase::view() const {
    return map->view();
}

ViewTransform ToolBase::transform() const {
    return map->view().transform();
}

ToolBase::Cell ToolBase::cellAt(float X, float Y) const {
    const ViewTransform t = transform();
    return {t.cellX(X), t.cellY(Y)};
}

bool ToolBase::usingPixels() const {
    return transform().usingPixels();
}

int16_t ToolBase::tileFor(int16_t Button) const {
    return Button == 1 ? map->tilesetLeft() : map->tilesetRight();
}

ToolId ToolBase::currentTool() const {
    return map->currentTool();
}

bool ToolBase::mouseIsDown() const {
    return map->mouseIsDown();
}

void ToolBase::clearMouseIsDown() const {
    map->setMouseIsDown(false);
}

SelectionHooks& ToolBase::selection() const {
    return map->selection();
}

void ToolBase::startBatch() {
    map->level().undoredo.ResetRedo();
    batch = std::make_unique<Changes>();
}

void ToolBase::pushBatch() {
    if (batch) {
        markChanged();
        map->level().undoredo.AddToUndo(std::move(batch));
    }
}

void ToolBase::markChanged() const {
    // A gesture that wrote no other value (a tile painted over itself) must not make closing the
    // window ask to save.
    if (batch && batch->UBnd() >= 0) {
        map->level().mapchanged = true;
    }
}

void ToolBase::redraw() const {
    if (usingPixels()) {
        map->UpdateLevel();
    } else {
        map->updatePreview(true);
    }
}
