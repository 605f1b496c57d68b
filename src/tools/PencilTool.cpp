#include "tools/PencilTool.h"

#include "model/Level.h"
#include "model/ObjectProcedures.h"
#include "tools/LineTool.h"
#include "tools/ToolContext.h"
#include "tools/WindowServices.h"
#include "walls/CellPath.h"
#include "walls/LevelSets.h"

void PencilTool::press(const ToolEvent& event) {
    const Cell cell = cellAt(event.x(), event.y());
    if (!cell.inGrid()) {
        return;
    }
    startBatch(event.button);
    placed.clear();
    lastX = cell.x;
    lastY = cell.y;
    const int16_t tile = strokeTile(event.button);
    erasingWalls = false;
    if (currentTool() == ToolId::Eraser) {
        // The eraser never draws at random; in Walls mode it takes walls away and joins what is left.
        erasingWalls = services->paintMode() == PaintMode::Walls && !map->levelSets().wallSets().empty();
        brush = Brush();
    }
    if (erasingWalls || brush.paintsWalls()) {
        paintWalls(cell.x, cell.y);
        return;
    }
    if (ObjectProcedures::isSpecialTile(tile)) {
        placeObject(tile, cell.x, cell.y);
        return;
    }
    paintPoint(tile, cell.x, cell.y);
    // At the one-pixel zoom the kept view image is not redrawn per cell, so only a full redraw
    // shows what was just painted.
    redraw();
}

void PencilTool::move(const ToolEvent& event) {
    const Cell cell = cellAt(event.x(), event.y());
    if (!cell.inGrid()) {
        return;
    }
    const int16_t tile = strokeTile(event.button);
    if (event.button != Qt::NoButton && edit) {
        if (erasingWalls || brush.paintsWalls()) {
            paintWalls(cell.x, cell.y);
        } else if (ObjectProcedures::isSpecialTile(tile)) {
            placeObject(tile, cell.x, cell.y);
        } else {
            map->lines().setBrush(&brush);
            map->lines().drawLine(tile, lastX, lastY, cell.x, cell.y, openEdit(), false, false);
        }
    }
    redraw();
    lastX = cell.x;
    lastY = cell.y;
}

void PencilTool::release(const ToolEvent&) {
    pushBatch();
}

void PencilTool::paintWalls(int column, int row) {
    if (erasingWalls) {
        const std::vector<QPoint> cells = map->lines().lineCells(lastX, lastY, column, row);
        WallPainter::erase(*edit, map->levelSets(), cells);
        showWritten(cells);
        return;
    }
    // Side by side steps only: a diagonal step would leave two pieces that touch at a corner and
    // join to nothing.
    const std::vector<QPoint> cells = CellPath::fourConnected(QPoint(lastX, lastY), QPoint(column, row));
    brush.wallPainter().paint(*edit, cells);
    showWritten(cells);
}

int16_t PencilTool::strokeTile(Qt::MouseButton button) const {
    return currentTool() == ToolId::Eraser ? int16_t{0} : tileFor(button);
}

void PencilTool::placeObject(int16_t tile, int column, int row) {
    const int side = ObjectProcedures::objectExtent(tile) + 1;
    const QRect square(column, row, side, side);
    for (const QRect& earlier : placed) {
        if (earlier.intersects(square)) {
            return;
        }
    }
    ObjectProcedures::placeObject(*edit, tile, column, row, true);
    // A square that would leave the grid is not placed and keeps nothing else from being placed.
    if (level().getTile(column, row) == tile) {
        placed.push_back(square);
    }
}

void PencilTool::paintPoint(int16_t tile, int column, int row) {
    const int w = map->lines().width();
    const int first = w > 1 ? LineTool::brushFirst(w) : 0;
    const int last = w > 1 ? LineTool::brushLast(w) : 0;
    Level& lv = level();
    for (int y = row + first; y <= row + last; ++y) {
        for (int x = column + first; x <= column + last; ++x) {
            if (!Level::inGrid(x, y)) {
                continue;
            }
            // Every cell of the square, not just its centre: a tile written into a special tile's
            // square would otherwise leave the object with a hole that the next load covers again.
            if (ObjectProcedures::isObjectCell(lv, x, y)) {
                ObjectProcedures::removeObjectAt(*edit, x, y, false);
            }
            edit->setTile(x, y, brush.tileAt(x, y, tile));
            lv.redrawCell(x, y, false);
        }
    }
}
