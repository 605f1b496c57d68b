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

void ToolBase::startBatch(Qt::MouseButton button) {
    pushBatch();
    edit.emplace(map->level());
    brush = Brush::forGesture(services->paintMode(), map->levelSets(), button);
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

void ToolBase::showWritten(std::span<const QPoint> cells) const {
    if (cells.empty()) {
        return;
    }
    QRect box(cells.front(), cells.front());
    for (const QPoint& cell : cells) {
        box |= QRect(cell, cell);
    }
    showWritten(box);
}

void ToolBase::showWritten(const QRect& area) const {
    // One cell around: a wall joins its neighbours.
    const QRect cells = area.adjusted(-1, -1, 1, 1) & QRect(0, 0, Level::Size, Level::Size);
    Level& lv = level();
    for (int y = cells.top(); y <= cells.bottom(); ++y) {
        for (int x = cells.left(); x <= cells.right(); ++x) {
            lv.overview().setCell(x, y, lv.getTile(x, y));
        }
    }
    map->redrawView();
}
