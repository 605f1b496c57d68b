#include "view/MapView.h"

#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>

#include "model/Level.h"
#include "view/MapViewHost.h"
#include "view/PictureBox.h"

namespace {
constexpr int ScrollBarSize = 17;
}

MapView::MapView(Level& level, MapViewHost& host, QWidget* parent)
    : QWidget(parent),
      picpreview(new PictureBox(this)),
      hScr(new QScrollBar(Qt::Horizontal, this)),
      vscr(new QScrollBar(Qt::Vertical, this)),
      level(level),
      host(host) {
    connect(hScr, &QScrollBar::valueChanged, this, [this] { hScr_Change(); });
    connect(vscr, &QScrollBar::valueChanged, this, [this] { vscr_Change(); });
    resize(673 + ScrollBarSize, 505 + ScrollBarSize);
    Form_Resize();
}

ViewTransform MapView::transform() const {
    ViewTransform t;
    t.Zoom = host.zoomFactor();
    t.hValue = hScr->value();
    t.vValue = vscr->value();
    t.width = picpreview->width();
    t.height = picpreview->height();
    return t;
}

void MapView::UpdateScrollBars(bool refresh) {
    noScrollRedraw = !refresh;
    const double t = host.zoomFactor() * 16.0;
    // Scroll values are 16-bit, so the range stops at 32767.
    hScr->setMaximum(std::min(32767, ViewTransform::nearest(t * 1024 - picpreview->width() + t / 2)));
    vscr->setMaximum(std::min(32767, ViewTransform::nearest(t * 1024 - picpreview->height() + t / 2)));
    hScr->setSingleStep(ViewTransform::nearest(t));
    vscr->setSingleStep(ViewTransform::nearest(t));
    hScr->setPageStep(ViewTransform::nearest(t * 10));
    vscr->setPageStep(ViewTransform::nearest(t * 10));
}

void MapView::setScrollBarValues(int h, int v, bool refresh) {
    noScrollRedraw = !refresh;
    UpdateScrollBars(refresh);
    hScr->setValue(h > hScr->maximum() ? hScr->maximum() : h);
    vscr->setValue(v > vscr->maximum() ? vscr->maximum() : v);
    noScrollRedraw = false;
}

void MapView::centreView() {
    noScrollRedraw = true;
    UpdateScrollBars(false);
    hScr->setValue(hScr->maximum() / 2 / 16 * 16);
    vscr->setValue(vscr->maximum() / 2 / 16 * 16);
    noScrollRedraw = false;
}

void MapView::UpdateLevel() {
    const ViewTransform tf = transform();
    piclevel.fill(Qt::black);
    QPainter p(&piclevel);
    const QImage& tiles = level.tileset.piczoomtileset();
    const int t = static_cast<int>(tf.T());
    for (int y = std::max(0, tf.startY()); y <= std::min(1023, tf.endY()); ++y) {
        for (int x = std::max(0, tf.startX()); x <= std::min(1023, tf.endX()); ++x) {
            const int16_t n = level.getTile(static_cast<int16_t>(x), static_cast<int16_t>(y));
            if (n > 0) {
                p.drawImage(tf.pixelX(x), tf.pixelY(y), tiles, t * ((n - 1) % 19), t * ((n - 1) / 19), t, t);
            }
        }
    }
    p.end();
    updatePreview(true);
}

void MapView::UpdateLevelTile(int16_t X, int16_t Y, bool refresh) {
    (void)X;
    (void)Y;
    if (refresh) {
        UpdateLevel();
    }
}

void MapView::updatePreview(bool refresh) {
    picpreview->image = piclevel.copy();
    if (refresh) {
        picpreview->refresh();
    }
}

void MapView::DrawGrid() {}

void MapView::Form_Resize() {
    const int w = width();
    const int h = height();
    hScr->setGeometry(0, h - ScrollBarSize, std::max(0, w - ScrollBarSize), ScrollBarSize);
    vscr->setGeometry(w - ScrollBarSize, 0, ScrollBarSize, std::max(0, h - ScrollBarSize));
    picpreview->setGeometry(0, 0, std::max(1, w - ScrollBarSize), std::max(1, h - ScrollBarSize));
    picpreview->resizeImage(picpreview->size());
    piclevel = QImage(picpreview->size(), QImage::Format_RGB32);
    UpdateLevel();
}

void MapView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void MapView::hScr_Change() {
    if (!noScrollRedraw) {
        UpdateLevel();
    }
    picpreview->setFocus();
}

void MapView::vscr_Change() {
    if (!noScrollRedraw) {
        UpdateLevel();
    }
    picpreview->setFocus();
}
