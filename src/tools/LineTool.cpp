#include "tools/LineTool.h"

#include <cmath>
#include <cstdlib>
#include <utility>

#include "model/Level.h"
#include "model/ObjectProcedures.h"
#include "model/RadarColor.h"
#include "model/Tileset.h"
#include "tools/ToolContext.h"
#include "view/MapView.h"
#include "view/PictureBox.h"

LineTool::PreviewScope::PreviewScope(LineTool& line) : line(line) {
    if (line.previewDepth++ == 0) {
        line.previewTransform = line.transform();
        line.painter = std::make_unique<QPainter>(&line.view().viewSurface()->image());
    }
}

LineTool::PreviewScope::~PreviewScope() {
    if (--line.previewDepth == 0) {
        line.painter.reset();
    }
}

void LineTool::press(const ToolEvent& event) {
    const Cell cell = cellAt(event.x(), event.y());
    const int16_t tile = tileFor(event.button);
    if (!cell.inGrid() || ObjectProcedures::isSpecialTile(tile)) {
        return;
    }
    startBatch(event.button);
    startX = cell.x;
    startY = cell.y;
    // The press draws the first preview, so a move back onto this cell needs no new one; a cell
    // left over from an earlier gesture would hold back the first preview of this one.
    lastX = startX;
    lastY = startY;
    setBrush(&brush);
    if (brush.paintsWalls()) {
        drawWallShape(startX, startY, nullptr, event.modifiers & Qt::ShiftModifier);
        return;
    }
    drawShape(tile, startX, startY, nullptr, true);
}

void LineTool::move(const ToolEvent& event) {
    const Cell cell = cellAt(event.x(), event.y());
    const int16_t tile = tileFor(event.button);
    if (!cell.inGrid() || event.button == Qt::NoButton || !edit || ObjectProcedures::isSpecialTile(tile)) {
        return;
    }
    if (cell.x == lastX && cell.y == lastY) {
        return;
    }
    map->updatePreview(true);
    setBrush(&brush);
    if (brush.paintsWalls()) {
        drawWallShape(cell.x, cell.y, nullptr, event.modifiers & Qt::ShiftModifier);
    } else {
        drawShape(tile, cell.x, cell.y, nullptr, true);
    }
    lastX = cell.x;
    lastY = cell.y;
}

void LineTool::release(const ToolEvent& event) {
    if (!edit) {
        return;
    }
    const Cell cell = cellAt(event.x(), event.y());
    const int16_t tile = tileFor(event.button);
    if (!cell.inGrid() || ObjectProcedures::isSpecialTile(tile)) {
        endGesture();
        return;
    }
    setBrush(&brush);
    if (brush.paintsWalls()) {
        drawWallShape(cell.x, cell.y, openEdit(), event.modifiers & Qt::ShiftModifier);
    } else {
        drawShape(tile, cell.x, cell.y, openEdit(), false);
        redraw();
    }
    pushBatch();
}

void LineTool::endGesture() {
    if (!edit) {
        return;
    }
    // Nothing is written before the release, so the dropped edit holds nothing; the preview would
    // otherwise show cells that were never written.
    edit.reset();
    map->updatePreview(true);
}

std::vector<QPoint> LineTool::lineCells(int startx, int starty, int endx, int endy) {
    std::vector<QPoint> cells;
    collected = &cells;
    drawLine(0, startx, starty, endx, endy, nullptr, false, false);
    collected = nullptr;
    return cells;
}

void LineTool::drawWallShape(int endx, int endy, LevelEdit* into, bool filled) {
    const QRect box = QRect(QPoint(startX, startY), QPoint(endx, endy)).normalized();
    if (filled && currentTool() == ToolId::Rectangle) {
        if (into) {
            brush.wallPainter().paintRect(*into, CellRect{box.left(), box.top(), box.right(), box.bottom()});
            showWritten(box);
            return;
        }
        // Only the cells the view shows need a preview, and a block can be as large as the map.
        const ViewTransform t = transform();
        const QRect seen = box & QRect(QPoint(t.startX() - 2, t.startY() - 2), QPoint(t.endX() + 2, t.endY() + 2));
        std::vector<QPoint> cells;
        cells.reserve(static_cast<size_t>(std::max(0, seen.width() * seen.height())));
        for (int y = seen.top(); y <= seen.bottom(); ++y) {
            for (int x = seen.left(); x <= seen.right(); ++x) {
                cells.emplace_back(x, y);
            }
        }
        drawWalls(brush, cells, nullptr);
        return;
    }
    std::vector<QPoint> cells;
    collected = &cells;
    drawShape(0, endx, endy, nullptr, false);
    collected = nullptr;
    drawWalls(brush, cells, into);
}

void LineTool::drawWalls(const Brush& walls, std::span<const QPoint> cells, LevelEdit* into) {
    if (into) {
        walls.wallPainter().paint(*into, cells);
        showWritten(cells);
        return;
    }
    const auto result = walls.wallPainter().preview(level(), cells);
    {
        PreviewScope scope(*this);
        for (const auto& [cell, tile] : result) {
            plotPreview(cell.x(), cell.y(), tile);
        }
    }
    show(true);
}

void LineTool::drawShape(int16_t tile, int endx, int endy, LevelEdit* into, bool onpreview) {
    switch (currentTool()) {
        case ToolId::Line:
            drawLine(tile, startX, startY, endx, endy, into, onpreview, true);
            break;
        case ToolId::Rectangle:
            drawTileRectangle(tile, startX, startY, endx, endy, into, onpreview);
            break;
        case ToolId::Ellipse:
            drawEllipse(tile, startX, startY, endx, endy, into, onpreview);
            break;
        default:
            break;
    }
}

void LineTool::drawLine(int16_t tilenr, int startx, int starty, int endx, int endy, LevelEdit* into, bool onpreview,
                        bool refresh) {
    const int w = linew;
    if (w <= 1) {
        drawBaseLine(tilenr, startx, starty, endx, endy, into, onpreview, refresh);
        return;
    }
    std::unique_ptr<PreviewScope> scope = onpreview ? std::make_unique<PreviewScope>(*this) : nullptr;
    for (int dy = brushFirst(w); dy <= brushLast(w); ++dy) {
        for (int dx = brushFirst(w); dx <= brushLast(w); ++dx) {
            drawBaseLine(tilenr, startx + dx, starty + dy, endx + dx, endy + dy, into, onpreview, false);
        }
    }
    scope.reset();
    // One refresh for the whole thick line: the offsets are one stroke to the user.
    if (refresh) {
        show(onpreview);
    }
}

void LineTool::drawBaseLine(int16_t tilenr, int startx, int starty, int endx, int endy, LevelEdit* into, bool onpreview,
                            bool refresh) {
    std::unique_ptr<PreviewScope> scope = onpreview ? std::make_unique<PreviewScope>(*this) : nullptr;
    int x = startx;
    int y = starty;
    int dx = std::abs(endx - startx);
    int sx = endx - startx < 1 ? -1 : 1;
    int dy = std::abs(endy - starty);
    int sy = endy - starty < 1 ? -1 : 1;
    const bool steep = dy > dx;
    if (steep) {
        std::swap(x, y);
        std::swap(dx, dy);
        std::swap(sx, sy);
    }
    int e = 2 * dy - dx;
    for (int i = 0; i < dx; ++i) {
        if (steep) {
            plot(y, x, tilenr, into, onpreview);
        } else {
            plot(x, y, tilenr, into, onpreview);
        }
        while (e >= 0) {
            y += sy;
            e -= 2 * dx;
        }
        x += sx;
        e += 2 * dy;
    }
    plot(endx, endy, tilenr, into, onpreview);
    scope.reset();
    if (refresh) {
        show(onpreview);
    }
}

void LineTool::drawTileRectangle(int16_t tilenr, int startx, int starty, int endx, int endy, LevelEdit* into,
                                 bool onpreview) {
    {
        std::unique_ptr<PreviewScope> scope = onpreview ? std::make_unique<PreviewScope>(*this) : nullptr;
        drawLine(tilenr, startx, starty, endx, starty, into, onpreview, false);
        drawLine(tilenr, endx, starty, endx, endy, into, onpreview, false);
        drawLine(tilenr, endx, endy, startx, endy, into, onpreview, false);
        drawLine(tilenr, startx, endy, startx, starty, into, onpreview, false);
    }
    show(onpreview);
}

void LineTool::drawEllipse(int16_t tilenr, int X, int Y, int xx, int yy, LevelEdit* into, bool onpreview) {
    {
        std::unique_ptr<PreviewScope> scope = onpreview ? std::make_unique<PreviewScope>(*this) : nullptr;
        const double rx = (xx - X) / 2.0;
        const double ry = (yy - Y) / 2.0;
        const double cx = rx + X;
        const double cy = ry + Y;
        double prevX = 0;
        double prevY = 0;
        // Stepped by repeated addition like the outline has always been: 127 points, the last just
        // past a full turn, so the polygon closes.
        for (double t = 0; t <= 6.33; t += 0.05) {
            const double px = std::cos(t) * rx + cx;
            const double py = std::sin(t) * ry + cy;
            if (t != 0) {
                drawLine(tilenr, ViewTransform::nearest(px), ViewTransform::nearest(py), ViewTransform::nearest(prevX),
                         ViewTransform::nearest(prevY), into, onpreview, false);
            }
            prevX = px;
            prevY = py;
        }
    }
    show(onpreview);
}

void LineTool::plot(int c, int r, int16_t tilenr, LevelEdit* into, bool onpreview) {
    if (collected) {
        collected->emplace_back(c, r);
        return;
    }
    if (drawingBrush) {
        tilenr = drawingBrush->tileAt(c, r, tilenr);
    }
    if (onpreview) {
        plotPreview(c, r, tilenr);
        return;
    }
    if (!Level::inGrid(c, r) || !into) {
        return;
    }
    if (ObjectProcedures::isObjectCell(into->level(), c, r)) {
        ObjectProcedures::removeObjectAt(*into, c, r, false);
    }
    into->setTile(c, r, tilenr);
    into->level().redrawCell(c, r, false);
}

void LineTool::plotPreview(int c, int r, int16_t tilenr) {
    const ViewTransform& t = previewTransform;
    QImage& image = view().viewSurface()->image();
    if (t.usingPixels()) {
        const int px = c - t.startX();
        const int py = r - t.startY();
        if (px >= 0 && py >= 0 && px < image.width() && py < image.height()) {
            image.setPixel(px, py, radarColor(tilenr) | 0xFF000000u);
        }
        return;
    }
    const int size = ViewTransform::nearest(t.cellSize());
    const int px = ViewTransform::nearest(static_cast<double>(c - t.startX()) * t.cellSize());
    const int py = ViewTransform::nearest(static_cast<double>(r - t.startY()) * t.cellSize());
    if (px >= image.width() || py >= image.height() || px + size <= 0 || py + size <= 0) {
        return;
    }
    if (tilenr <= 0) {
        // An empty cell looks as the rendered view shows it: black.
        painter->fillRect(px, py, size, size, Qt::black);
        return;
    }
    painter->drawImage(QPoint(px, py), level().tileset().zoomedTiles(), Tileset::tileSource(tilenr, size));
}

void LineTool::show(bool onpreview) {
    if (collected) {
        return;
    }
    if (onpreview) {
        view().viewSurface()->refresh();
    } else {
        map->updatePreview(true);
    }
}
