#include "selection/SelectionShape.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

SelectionShape::SelectionShape(QWidget* surface) : QWidget(surface) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    QWidget::setVisible(false);
    place();
}

void SelectionShape::setLeft(float v) {
    left = v;
    place();
}

void SelectionShape::setTop(float v) {
    top = v;
    place();
}

void SelectionShape::setWidth(float v) {
    w = v;
    place();
}

void SelectionShape::setHeight(float v) {
    h = v;
    place();
}

void SelectionShape::setVisible(bool visible) {
    shown = visible;
    QWidget::setVisible(visible);
}

void SelectionShape::hideShape() {
    setVisible(false);
    left = 0;
    top = 0;
    w = 1;
    h = 1;
    place();
}

QRect SelectionShape::outline() const {
    return {static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)), static_cast<int>(std::lround(w)),
            static_cast<int>(std::lround(h))};
}

bool SelectionShape::contains(float X, float Y) const {
    return left - 2 <= X && X <= left + w + 3 && top - 2 <= Y && Y <= top + h + 3;
}

void SelectionShape::place() {
    setGeometry(outline());
}

void SelectionShape::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect exposed = event->rect();
    strokeEdges(p, QRect(0, 0, width(), height()), QPen(Qt::white, 0), exposed);
    // A dashed dark line inside the white one keeps the outline visible over light tiles.
    if (width() > 4 && height() > 4) {
        strokeEdges(p, QRect(1, 1, width() - 2, height() - 2), QPen(Qt::black, 0, Qt::DashLine), exposed);
    }
}

void SelectionShape::strokeEdges(QPainter& p, const QRect& r, QPen pen, const QRect& exposed) {
    // A block larger than the view has most of its outline out of sight, and a dashed pen is laid
    // out over a line's whole length before clipping: each edge is stroked over its exposed part only,
    // with the dashes kept in step with the edge's start.
    const auto stroke = [&](QPoint from, QPoint to, int skipped) {
        pen.setDashOffset(skipped);
        p.setPen(pen);
        p.drawLine(from, to);
    };
    const int x0 = std::max(r.left(), exposed.left());
    const int x1 = std::min(r.right(), exposed.right());
    const int y0 = std::max(r.top(), exposed.top());
    const int y1 = std::min(r.bottom(), exposed.bottom());
    if (x0 <= x1) {
        for (const int y : {r.top(), r.bottom()}) {
            if (exposed.top() <= y && y <= exposed.bottom()) {
                stroke({x0, y}, {x1, y}, x0 - r.left());
            }
        }
    }
    if (y0 <= y1) {
        for (const int x : {r.left(), r.right()}) {
            if (exposed.left() <= x && x <= exposed.right()) {
                stroke({x, y0}, {x, y1}, y0 - r.top());
            }
        }
    }
}
