#include "selection/SelectionShape.h"

#include <QPainter>
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

void SelectionShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 0));
    p.drawRect(0, 0, width() - 1, height() - 1);
    // A dashed dark line inside the white one keeps the outline visible over light tiles.
    if (width() > 4 && height() > 4) {
        p.setPen(QPen(Qt::black, 0, Qt::DashLine));
        p.drawRect(1, 1, width() - 3, height() - 3);
    }
}
