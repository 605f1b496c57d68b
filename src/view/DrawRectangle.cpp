#include "view/DrawRectangle.h"

#include <QPainter>

void drawRectangle(QPainter& surface, int x1, int x2, int y1, int y2, const QColor& colour, int offset) {
    QPen pen = surface.pen();
    const QColor remembered = pen.color();
    pen.setColor(colour);
    surface.setPen(pen);
    const int o = offset;
    surface.drawLine(x1 - o, y1 - o, x2 + o, y1 - o);
    surface.drawLine(x2 + o, y1 - o, x2 + o, y2 + o);
    surface.drawLine(x2 + o, y2 + o, x1 - o, y2 + o);
    surface.drawLine(x1 - o, y2 + o, x1 - o, y1 - o);
    pen.setColor(remembered);
    surface.setPen(pen);
}
