#include "tools/hand.h"

#include <QScrollBar>
#include <cmath>

#include "view/MapView.h"

namespace {

// New scroll origin after the pointer moved `cells` whole cells: the map moves with the pointer.
int dragged(const QScrollBar& bar, int cells, float t) {
    if (cells == 0) {
        return bar.value();
    }
    const double v = bar.value() - cells * static_cast<double>(t);
    if (v < 0) {
        return 0;
    }
    if (v > bar.maximum()) {
        return bar.maximum();
    }
    return ViewTransform::nearest(v);
}

}  // namespace

void hand::MouseDown(int16_t, float X, float Y) {
    const float t = transform().T();
    lastX = static_cast<int16_t>(std::floor(X / t));
    lastY = static_cast<int16_t>(std::floor(Y / t));
}

void hand::MouseMove(int16_t, float X, float Y) {
    const Cell cell = cellAt(X, Y);
    if (!cell.inGrid() || !mouseIsDown()) {
        return;
    }
    const float t = transform().T();
    const auto cx = static_cast<int16_t>(std::floor(X / t));
    const auto cy = static_cast<int16_t>(std::floor(Y / t));
    MapView& v = view();
    const int h = dragged(*v.hScr, cx - lastX, t);
    const int w = dragged(*v.vscr, cy - lastY, t);
    v.setScrollBarValues(h, w, false);
    if (cx != lastX || cy != lastY) {
        v.UpdateLevel();
    }
    lastX = cx;
    lastY = cy;
}
