#include "view/Magnifier.h"

#include <QScrollBar>
#include <cmath>

#include "model/Level.h"
#include "view/MapView.h"
#include "view/MapViewHost.h"
#include "view/PictureBox.h"

namespace {

bool selecting(const MapView& view) {
    return view.host.selectionState() != SelectionState::None;
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
    view->host.clearMouseIsDown();
    if (button == Qt::LeftButton) {
        ZoomIn(x, y);
    } else {
        ZoomOut(x, y);
    }
}

void Magnifier::ZoomIn(int X, int Y) {
    if (zoom == Largest) {
        return;
    }
    if (zoom == Smallest) {
        zoom = 0.25f;
        // A selection drawn one pixel per cell does not survive the change to tiles.
        if (selecting(*view)) {
            view->host.stopSelecting(true);
        }
        usingPixels = false;
    } else {
        zoom *= 2;
    }
    view->UpdateScrollBars(false);
    const QPoint origin = centredOrigin(X, Y);
    view->setScrollBarValues(origin.x(), origin.y(), false);
    view->level.tileset.setZoom(zoom);
    view->UpdateLevel();
    view->updatePreview(true);
}

void Magnifier::ZoomOut(int X, int Y) {
    if (zoom == Smallest) {
        return;
    }
    if (zoom == 0.25f) {
        usingPixels = true;
        if (selecting(*view)) {
            view->host.stopSelecting(false);
        }
        zoom = Smallest;
    }
    // The one-pixel step draws no tiles, so the tileset keeps its last scaling there.
    if (!usingPixels) {
        zoom /= 2;
        view->level.tileset.setZoom(zoom);
    }
    // Clamped by the ranges of the previous zoom; setScrollBarValues then lowers it to the new ones.
    const QPoint origin = centredOrigin(X, Y);
    view->setScrollBarValues(origin.x(), origin.y(), false);
    view->UpdateLevel();
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
    return {axis(X, view->picpreview->width(), view->hScrollBar->maximum()),
            axis(Y, view->picpreview->height(), view->vScrollBar->maximum())};
}
