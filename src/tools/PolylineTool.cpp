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
            drawSegment(tile, cell.x, cell.y, openEdit());
        } else {
            startBatch(event.button);
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
    drawSegment(polylineTile, cell.x, cell.y, nullptr);
    bandX = cell.x;
    bandY = cell.y;
}

void PolylineTool::drawSegment(int16_t tile, int endx, int endy, LevelEdit* into) {
    LineTool& lines = map->lines();
    if (brush.paintsWalls()) {
        lines.drawWalls(brush, lines.lineCells(vertexX, vertexY, endx, endy), into);
        return;
    }
    lines.setBrush(&brush);
    lines.drawLine(tile, vertexX, vertexY, endx, endy, into, into == nullptr, true);
}

void PolylineTool::endGesture() {
    if (!drawing) {
        return;
    }
    drawing = false;
    pushBatch();
    redraw();
}
