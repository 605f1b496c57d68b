#pragma once

#include <QPainter>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "tools/ToolBase.h"

// The line, rectangle and ellipse tools of a map (the current tool tells which), and the line
// primitives the pencil and the polyline share: a shape is previewed on the view while dragging
// and written as one undo step on release.
class LineTool : public ToolBase {
public:
    // Width of every stroke drawn in this map: 1, 3 or 5.
    int width() const { return linew; }
    void setWidth(int cells) { linew = static_cast<int16_t>(cells); }

    void press(const ToolEvent& event) override;
    void move(const ToolEvent& event) override;
    void release(const ToolEvent& event) override;
    // A shape is written only by its release: an interrupted one is dropped with its preview.
    void endGesture() override;

    // The brush the next drawings write with: the gesture's brush of the tool that draws, or null for
    // plain tiles. The pencil and the polyline draw their lines here with their own brush.
    void setBrush(const Brush* gestureBrush) { drawingBrush = gestureBrush; }
    // The cells a line `linew` cells wide covers, in drawing order (repeats possible).
    std::vector<QPoint> lineCells(int startx, int starty, int endx, int endy);
    // Draws walls of the brush's set over `cells`: written through `into`, or with `into` null shown
    // on the view as they would join, neighbours included.
    void drawWalls(const Brush& walls, std::span<const QPoint> cells, LevelEdit* into);

    // A line `linew` cells wide: the one-cell line repeated at every offset of the brush square.
    // Cells are written through `into`; with `onpreview` the tiles are drawn onto the view only and no
    // cell changes.
    void drawLine(int16_t tilenr, int startx, int starty, int endx, int endy, LevelEdit* into, bool onpreview,
                  bool refresh);
    // A one-cell line (Bresenham); cells outside the grid are skipped.
    void drawBaseLine(int16_t tilenr, int startx, int starty, int endx, int endy, LevelEdit* into, bool onpreview,
                      bool refresh);
    // The outline of the rectangle with the two corners.
    void drawTileRectangle(int16_t tilenr, int startx, int starty, int endx, int endy, LevelEdit* into, bool onpreview);
    // The ellipse inscribed in the box with corners (X, Y) and (xx, yy), as 126 line segments.
    void drawEllipse(int16_t tilenr, int X, int Y, int xx, int yy, LevelEdit* into, bool onpreview);

    // First and last offset of the brush square of width `w` (w > 1): the square reaches one cell
    // further right and down than left and up.
    static int brushFirst(int w) { return 1 - w / 2; }
    static int brushLast(int w) { return w / 2; }

private:
    // Keeps one painter on the view image for a whole preview drawing instead of one per cell.
    class PreviewScope {
    public:
        explicit PreviewScope(LineTool& line);
        ~PreviewScope();
        PreviewScope(const PreviewScope&) = delete;
        PreviewScope& operator=(const PreviewScope&) = delete;

    private:
        LineTool& line;
    };

    void drawShape(int16_t tile, int endx, int endy, LevelEdit* into, bool onpreview);
    // The shape's walls: a rectangle is a closed room, or with Shift a filled block.
    void drawWallShape(int endx, int endy, LevelEdit* into, bool filled);
    void plot(int c, int r, int16_t tilenr, LevelEdit* into, bool onpreview);
    void plotPreview(int c, int r, int16_t tilenr);
    // Brings a finished drawing to the screen.
    void show(bool onpreview);

    int16_t linew = 1;
    int startX = 0;
    int startY = 0;
    int lastX = 0;
    int lastY = 0;

    std::unique_ptr<QPainter> painter;
    ViewTransform previewTransform;
    int previewDepth = 0;
    const Brush* drawingBrush = nullptr;
    // While set, plot() only lists the cells a drawing would write.
    std::vector<QPoint>* collected = nullptr;
};
