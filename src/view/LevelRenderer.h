#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <array>
#include <cstdint>

#include "view/ViewTransform.h"

class Level;

// Draws the cells of a level into a view image: tiles from the tileset scaled to the zoom, the
// three special tiles stretched over their squares, cell numbers, the one-pixel zoom and the grid.
// The editor's view and `quarn-lvl render` both draw through it. The level's tileset must be
// scaled to the view's zoom (Tileset::setZoom) before drawing.
class LevelRenderer {
public:
    LevelRenderer();

    // A cell value as it is printed on the view: a blank in place of the sign of a non-negative
    // number, so 5 reads " 5" and a covered cell "-1".
    static QString cellText(int16_t value);
    // Whether cell numbers are drawn at this zoom (only where a cell is 16 or 32 pixels wide).
    static bool numbersShown(const ViewTransform& view) { return view.zoom >= 1.0f; }

    // Draws every visible cell into `target` from scratch (cleared to black first); at the
    // one-pixel zoom the overview image is copied instead.
    void drawLevel(QImage& target, const Level& level, const ViewTransform& view, bool numbers);
    // Draws cell (x, y) at its place in `target`, blanking it first when it is empty, and returns
    // the area of `target` it wrote. Cells outside the view or the grid write nothing.
    QRect drawCell(QImage& target, const Level& level, const ViewTransform& view, int x, int y, bool numbers);
    // Grid lines in (80, 80, 80) on a view image, one per cell edge from pixel 0; only the part of
    // the lines inside `clip` is drawn. Nothing at the one-pixel zoom.
    static void drawGrid(QImage& target, const ViewTransform& view, const QRect& clip);
    static QRgb gridColour() { return qRgb(80, 80, 80); }

private:
    QRect drawValue(QImage& target, const Level& level, int16_t n, QPoint at, int t, bool blankEmpty);
    const QImage& specialPicture(int16_t n, int t);
    const QImage& numberPicture(int16_t value);
    QRect drawNumber(QImage& target, int16_t value, QPoint at);

    int specialsSize = 0;
    std::array<QImage, 3> specials;   // 217, 219, 220 at tile size `specialsSize`
    std::array<QImage, 257> numbers;  // the text of -1..255, drawn once
    QImage otherNumber;
};
