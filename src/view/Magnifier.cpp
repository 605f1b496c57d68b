#include "view/Magnifier.h"

#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "model/Level.h"
#include "view/MapView.h"
#include "view/MapViewHost.h"
#include "view/PictureBox.h"

namespace {

bool selecting(const MapView& view) {
    return view.host().selectionState() != SelectionState::None;
}

}  // namespace

void Magnifier::setParent(MapView* myparent) {
    view = myparent;
    view->setMagnifier(this);
}

void Magnifier::click(Qt::MouseButton button, float X, float Y) {
    const int x = view->cellX(X);
    const int y = view->cellY(Y);
    if (!Level::inGrid(x, y)) {
        return;
    }
    view->host().clearMouseIsDown();
    if (button == Qt::LeftButton) {
        zoomIn(x, y);
    } else {
        zoomOut(x, y);
    }
}

void Magnifier::zoomIn(int X, int Y, std::optional<QPointF> pointer) {
    if (zoom == Largest) {
        return;
    }
    if (zoom == Smallest) {
        zoom = 0.25f;
        // A selection drawn one pixel per cell does not survive the change to tiles.
        if (selecting(*view)) {
            view->host().stopSelecting(true);
        }
        usingPixels = false;
    } else {
        zoom *= 2;
    }
    view->updateScrollBars(false);
    const QPoint origin = newOrigin(X, Y, pointer);
    view->setScrollBarValues(origin.x(), origin.y(), false);
    view->level().tileset().setZoom(zoom);
    view->redrawView();
    view->updatePreview(true);
}

void Magnifier::zoomOut(int X, int Y, std::optional<QPointF> pointer) {
    if (zoom == Smallest) {
        return;
    }
    if (zoom == 0.25f) {
        usingPixels = true;
        if (selecting(*view)) {
            view->host().stopSelecting(false);
        }
        zoom = Smallest;
    }
    // The one-pixel step draws no tiles, so the tileset keeps its last scaling there.
    if (!usingPixels) {
        zoom /= 2;
        view->level().tileset().setZoom(zoom);
    }
    // Clamped by the ranges of the previous zoom; setScrollBarValues then lowers it to the new ones.
    const QPoint origin = newOrigin(X, Y, pointer);
    view->setScrollBarValues(origin.x(), origin.y(), false);
    view->redrawView();
}

QPoint Magnifier::newOrigin(int X, int Y, std::optional<QPointF> pointer) const {
    if (!pointer) {
        return centredOrigin(X, Y);
    }
    // Origins lie on cell boundaries, so the cell stays under the pointer when as many whole cells
    // lie before the pointer as before. setScrollBarValues lowers a value past the new range.
    const int t = ViewTransform::nearest(zoom * 16.0);
    const auto axis = [t](int cell, double at) { return std::max(0, (cell - static_cast<int>(at) / t) * t); };
    return {axis(X, pointer->x()), axis(Y, pointer->y())};
}

QPoint Magnifier::centredOrigin(int X, int Y) const {
    const double T = zoom * 16.0;
    const double t = std::floor(T);
    auto axis = [T, t](int16_t cell, int viewSize, int max) {
        double v = t * cell - std::floor(viewSize / 2.0);
        if (v < 0) {
            v = 0;
        } else if (v > max) {
            v = max;
        } else {
            v = ViewTransform::nearest(v);
        }
        return ViewTransform::nearest(std::floor(v / T) * T);
    };
    return {axis(X, view->viewSurface()->width(), view->hScrollBar()->maximum()),
            axis(Y, view->viewSurface()->height(), view->vScrollBar()->maximum())};
}
