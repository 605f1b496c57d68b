#pragma once

#include <QColor>

class QPainter;

// Outline of the rectangle (x1, y1)-(x2, y2) grown by `offset` on every side, in `colour`, with
// the painter's line style. The painter's pen colour is the same afterwards.
void drawRectangle(QPainter& surface, int x1, int x2, int y1, int y2, const QColor& colour, int offset = 0);
