#include "tools/PolylineTool.h"

#include "model/ObjectProcedures.h"
#include "tools/LineTool.h"
#include "tools/MapHost.h"

void PolylineTool::MouseDown(int16_t Button, float X, float Y) {
    const Cell cell = cellAt(X, Y);
    const int16_t tile = tileFor(Button);
    if (!cell.inGrid() || ObjectProcedures::isSpecialTile(tile)) {
        return;
    }
    if (Button == 1) {
        if (drawing) {
            map->lines().DrawLine(tile, vertexX, vertexY, cell.x, cell.y, batch(), false, true);
            markChanged();
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

void PolylineTool::MouseMove(int16_t, float X, float Y) {
    const Cell cell = cellAt(X, Y);
    if (!cell.inGrid() || !drawing || ObjectProcedures::isSpecialTile(polylineTile)) {
        return;
    }
    if (cell.x == bandX && cell.y == bandY) {
        return;
    }
    map->updatePreview(true);
    map->lines().DrawLine(polylineTile, vertexX, vertexY, cell.x, cell.y, nullptr, true, true);
    bandX = cell.x;
    bandY = cell.y;
}

void PolylineTool::MouseUp(int16_t, float, float) {}

void PolylineTool::EndPolyline() {
    if (!drawing) {
        return;
    }
    drawing = false;
    pushBatch();
    // Wipes the rubber band, which would otherwise stay on the view until the next redraw.
    redraw();
}
