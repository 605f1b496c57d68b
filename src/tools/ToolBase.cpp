#include "tools/ToolBase.h"

#include "model/Level.h"
#include "tools/ToolContext.h"
#include "tools/WindowServices.h"
#include "view/MapView.h"

ToolBase::~ToolBase() {
    // A window torn down without its close event (the program's own end) still leaves every
    // written cell in a step; the level goes after its tools.
    pushBatch();
}

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

int16_t ToolBase::tileFor(Qt::MouseButton button) const {
    return button == Qt::LeftButton ? map->tilesetLeft() : map->tilesetRight();
}

ToolId ToolBase::currentTool() const {
    return services->currentTool();
}

SelectionHooks& ToolBase::selection() const {
    return map->selection();
}

void ToolBase::startBatch() {
    pushBatch();
    edit.emplace(map->level());
}

void ToolBase::pushBatch() {
    if (edit) {
        edit->commit(EditTransaction::Redraw::None);
        edit.reset();
    }
}

void ToolBase::redraw() const {
    if (usingPixels()) {
        map->redrawView();
    } else {
        map->updatePreview(true);
    }
}
