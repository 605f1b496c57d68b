#include "view/Radar.h"

#include <QPainter>
#include <cmath>

#include "view/Blit.h"
#include "view/DrawRectangle.h"

namespace {

int nearest(double v) {
    return ViewTransform::nearest(v);
}

}  // namespace

QPoint Radar::draw(QImage& radar, const QImage& overview, quint64 overviewVersion, Base& base,
                   const ViewTransform& view, const std::optional<QRectF>& selection) {
    const double T = view.cellSize();
    const double W = view.width;
    const double H = view.height;
    const double RW = radar.width();
    const double RH = radar.height();

    const int cx = nearest(view.hValue / T + W / T / 2);
    const int cy = nearest(view.vValue / T + H / T / 2);
    // Stored as 16-bit values, as the click reads them back.
    const auto left = static_cast<int16_t>(nearest(cx - RW / 2 - 2));
    const auto top = static_cast<int16_t>(nearest(cy - RH / 2 - 2));
    const QRect window(left, top, radar.width(), radar.height());
    if (!base.image.isNull() && base.image.size() == radar.size() && base.origin == window.topLeft() &&
        base.overviewVersion == overviewVersion) {
        Blit::copy(radar, {0, 0}, base.image, radar.rect());
    } else {
        // Only a radar that reaches past the map's edge has parts the overview does not cover.
        if (!overview.rect().contains(window)) {
            radar.fill(Qt::black);
        }
        Blit::copy(radar, {0, 0}, overview, window);
        base = {radar.copy(), window.topLeft(), overviewVersion};
    }

    QPainter p(&radar);
    const int hw = nearest(W / T / 2 - 1);
    const int hh = nearest(H / T / 2 - 1);
    drawRectangle(p, nearest(RW / 2 - hw), nearest(RW / 2 + hw + 2), nearest(RH / 2 - hh), nearest(RH / 2 + hh + 2),
                  QColor(255, 0, 0));

    if (selection) {
        const QRectF& s = *selection;
        p.setPen(QPen(p.pen().color(), 1, Qt::DotLine));
        drawRectangle(p, nearest(s.left() / T + RW / 2 - hw), nearest((s.left() + s.width()) / T + RW / 2 - hw),
                      nearest(s.top() / T + RH / 2 - hh), nearest((s.top() + s.height()) / T + RH / 2 - hh),
                      QColor(255, 255, 0));
        p.setPen(QPen(p.pen().color(), 1, Qt::SolidLine));
    }

    p.setPen(QColor(255, 255, 255));
    const int size = 1024;
    if (left < 0) {
        p.drawLine(-left, 0, -left, radar.height());
    }
    if (top < 0) {
        p.drawLine(0, -top, radar.width(), -top);
    }
    if (left + RW > size) {
        const int x = nearest(RW - (left + RW - size) - 2);
        p.drawLine(x, 0, x, radar.height());
    }
    if (top + RH > size) {
        const int y = nearest(RH - (top + RH - size) - 2);
        p.drawLine(0, y, radar.width(), y);
    }
    return {left, top};
}

QPoint Radar::originForClick(const ViewTransform& view, QPoint radarOrigin, double X, double Y, int hMax, int vMax) {
    const double t = std::floor(view.cellSize());
    auto origin = [t](double first, double pointer, int viewSize, int max) {
        int v = static_cast<int>(std::floor(t * ((first + pointer) - std::floor(viewSize / t / 2))));
        if (v < 0) {
            v = 0;
        } else if (v > max) {
            v = max;
        }
        return v;
    };
    return {origin(radarOrigin.x(), X, view.width, hMax), origin(radarOrigin.y(), Y, view.height, vMax)};
}
