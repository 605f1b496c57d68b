#include "tools/PolylineTool.h"

#include "model/ObjectProcedures.h"
#include "tools/LineTool.h"
#include "tools/ToolContext.h"

void PolylineTool::press(const ToolEvent& event) {
    const Cell cell = cellAt(event.x(), event.y());
    const int16_t tile = tileFor(event.button);
    if (!cell.inGrid() || ObjectProcedures::isSpecialTile(tile)) {
        return;
    }
    if (event.button == Qt::LeftButton) {
        if (drawing) {
            map->lines().drawLine(tile, vertexX, vertexY, cell.x, cell.y, openEdit(), false, true);
        } else {
            startBatch();
            drawing = true;
            polylineTile = tile;
        }
    } else if (drawing) {
        drawing = false;
        pushBatch();
    }
    vertexX = cell.x;
    vertexY = cell.y;
    redraw();
}

void PolylineTool::move(const ToolEvent& event) {
    const Cell cell = cellAt(event.x(), event.y());
    if (!cell.inGrid() || !drawing || ObjectProcedures::isSpecialTile(polylineTile)) {
        return;
    }
    if (cell.x == bandX && cell.y == bandY) {
        return;
    }
    map->updatePreview(true);
    map->lines().drawLine(polylineTile, vertexX, vertexY, cell.x, cell.y, nullptr, true, true);
    bandX = cell.x;
    bandY = cell.y;
}

void PolylineTool::endGesture() {
    if (!drawing) {
        return;
    }
    drawing = false;
    pushBatch();
    redraw();
}
