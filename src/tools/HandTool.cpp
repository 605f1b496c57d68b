#include "tools/HandTool.h"

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

void HandTool::press(const ToolEvent& event) {
    const ViewTransform t = transform();
    lastX = t.cellsIn(event.x());
    lastY = t.cellsIn(event.y());
}

void HandTool::move(const ToolEvent& event) {
    const float X = event.x();
    const float Y = event.y();
    const Cell cell = cellAt(X, Y);
    if (!cell.inGrid() || event.button == Qt::NoButton) {
        return;
    }
    const ViewTransform t = transform();
    const int cx = t.cellsIn(X);
    const int cy = t.cellsIn(Y);
    MapView& v = view();
    const int h = dragged(*v.hScrollBar(), cx - lastX, t.cellSize());
    const int w = dragged(*v.vScrollBar(), cy - lastY, t.cellSize());
    v.setScrollBarValues(h, w, false);
    if (cx != lastX || cy != lastY) {
        v.redrawView();
    }
    lastX = cx;
    lastY = cy;
}
