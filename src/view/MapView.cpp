#include "view/MapView.h"

#include <QApplication>
#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "model/Level.h"
#include "view/Blit.h"
#include "view/Magnifier.h"
#include "view/MapViewHost.h"
#include "view/PictureBox.h"
#include "view/Radar.h"

namespace {

constexpr int ScrollBarSize = 17;
constexpr int WheelNotch = 120;  // QWheelEvent's angle delta of one notch

// The largest origin: the first boundary from which the last column (row) shows in full. Scroll
// values are 16-bit, so a range never reaches past 32767.
int scrollMax(int cell, int viewSize) {
    const int max = cell * static_cast<int>(std::ceil(static_cast<double>(cell * 1024 - viewSize) / cell));
    return std::min(32767 / cell * cell, max);
}

void setScrollRange(QScrollBar* bar, int max, double t) {
    // The minimum stays 0; only a view larger than the whole map has a negative maximum.
    bar->setRange(std::min(0, max), max);
    bar->setSingleStep(ViewTransform::nearest(t));
    bar->setPageStep(ViewTransform::nearest(t * 10));
}

}  // namespace

MapView::MapView(Level& level, MapViewHost& host, QWidget* parent)
    : QWidget(parent),
      level(level),
      host(host),
      picpreview(new PictureBox(this)),
      hScrollBar(new QScrollBar(Qt::Horizontal, this)),
      vScrollBar(new QScrollBar(Qt::Vertical, this)) {
    picpreview->setObjectName(QStringLiteral("picpreview"));
    hScrollBar->setObjectName(QStringLiteral("hScr"));
    vScrollBar->setObjectName(QStringLiteral("vscr"));
    connect(hScrollBar, &QScrollBar::valueChanged, this, [this] { hScrollBarChanged(); });
    connect(vScrollBar, &QScrollBar::valueChanged, this, [this] { vScrollBarChanged(); });
    // A thumb drag, a click on the bar or its keys land on a cell boundary before the value is taken.
    for (QScrollBar* bar : {hScrollBar, vScrollBar}) {
        connect(bar, &QScrollBar::actionTriggered, this,
                [this, bar] { bar->setSliderPosition(onCell(bar, bar->sliderPosition())); });
    }
    connect(picpreview, &PictureBox::wheel, this, [this](QWheelEvent* e) { picpreview_Wheel(e); });
    resize(sizeHint());
    // No drawing yet: the window that hosts this view is still being built.
    layOut();
}

QSize MapView::sizeHint() const {
    return {673 + ScrollBarSize, 505 + ScrollBarSize};
}

ViewTransform MapView::transform() const {
    ViewTransform t;
    t.Zoom = host.zoomFactor();
    t.hValue = hScrollBar->value();
    t.vValue = vScrollBar->value();
    t.width = picpreview->width();
    t.height = picpreview->height();
    return t;
}

int MapView::cellSize() const {
    return ViewTransform::nearest(host.zoomFactor() * 16.0);
}

int MapView::onCell(const QScrollBar* bar, int value) const {
    const int cell = cellSize();
    const int snapped = ViewTransform::nearest(static_cast<double>(value) / cell) * cell;
    return std::clamp(snapped, bar->minimum(), bar->maximum());
}

void MapView::UpdateScrollBars(bool refresh) {
    noScrollRedraw = !refresh;
    const double t = host.zoomFactor() * 16.0;
    setScrollRange(hScrollBar, scrollMax(cellSize(), picpreview->width()), t);
    setScrollRange(vScrollBar, scrollMax(cellSize(), picpreview->height()), t);
}

void MapView::setScrollBarValues(int h, int v, bool refresh) {
    noScrollRedraw = !refresh;
    UpdateScrollBars(refresh);
    hScrollBar->setValue(h > hScrollBar->maximum() ? hScrollBar->maximum() : h);
    vScrollBar->setValue(v > vScrollBar->maximum() ? vScrollBar->maximum() : v);
    noScrollRedraw = false;
}

void MapView::centreView() {
    noScrollRedraw = true;
    UpdateScrollBars(false);
    const int cell = cellSize();
    auto centre = [cell](int max) { return cell * static_cast<int>(std::floor(std::floor(max / 2.0) / cell)); };
    hScrollBar->setValue(centre(hScrollBar->maximum()));
    vScrollBar->setValue(centre(vScrollBar->maximum()));
    noScrollRedraw = false;
}

void MapView::UpdateLevel() {
    if (piclevel.size() != picpreview->size()) {
        piclevel = QImage(picpreview->size(), QImage::Format_RGB32);
    }
    renderer.drawLevel(piclevel, level, transform(), host.showTileNumbers());
    levelChanged = piclevel.rect();
    if (host.selectionState() == SelectionState::Selected) {
        host.UpdateSelectionOnPreview(true);
    }
    updatePreview(true);
    if (dormant) {
        piclevel = QImage();
    }
}

void MapView::setDormant(bool on) {
    dormant = on;
    if (on) {
        piclevel = QImage();
    }
}

void MapView::UpdateLevelTile(int X, int Y, bool refresh) {
    if (!Level::inGrid(X, Y)) {
        return;
    }
    // The level keeps the overview in step already; a direct call is brought in step here too.
    level.pic1024.setCell(X, Y, level.getTile(X, Y));
    const ViewTransform tf = transform();
    if (X < tf.startX() || X > tf.endX() || Y < tf.startY() || Y > tf.endY()) {
        return;
    }
    if (piclevel.isNull()) {
        UpdateLevel();
        return;
    }
    // At the one-pixel zoom the view is the overview image: its one changed pixel is copied
    // instead of the whole view, which is what a full redraw would come to.
    levelChanged |= renderer.drawCell(piclevel, level, tf, X, Y, host.showTileNumbers());
    if (!refresh) {
        return;
    }
    if (tf.usingPixels() && host.selectionState() == SelectionState::Selected) {
        host.UpdateSelectionOnPreview(true);
    }
    updatePreview(true);
}

void MapView::updatePreview(bool refresh) {
    if (piclevel.isNull()) {
        UpdateLevel();
        return;
    }
    QImage& out = picpreview->image;
    const ViewTransform tf = transform();
    const bool grid = host.showGrid();
    const bool whole = previewStale || out.cacheKey() != previewKey || out.size() != piclevel.size() ||
                       grid != previewGrid || tf.Zoom != previewZoom;
    // What the selection drew over the view last time is copied back too, so the block can move;
    // except where the block is drawn again at once, which for a drag is most of it.
    const QRect area = whole ? out.rect() : (levelChanged | selectionDrawn) & out.rect();
    const bool selected = host.selectionState() == SelectionState::Selected;
    const QRect cover = selected && !whole ? host.selectionCover() & area : QRect();
    restore(QRegion(area) - cover, tf, grid);
    levelChanged = {};
    selectionDrawn = {};
    screenChanged |= area;
    previewStale = false;
    previewGrid = grid;
    previewZoom = tf.Zoom;
    if (selected) {
        selectionDrawn = host.UpdateSelectionOnPreview(false);
        screenChanged |= selectionDrawn;
    }
    // Whatever of the cover the selection did not draw after all still shows the old picture.
    restore(QRegion(cover) - selectionDrawn, tf, grid);
    // A painter left open on the view can draw without the image noticing.
    previewStale = previewStale || out.paintingActive();
    previewKey = out.cacheKey();
    if (refresh && !screenChanged.isEmpty()) {
        picpreview->refresh(screenChanged);
        screenChanged = {};
    }
    drawRadar();
}

void MapView::restore(const QRegion& region, const ViewTransform& tf, bool grid) {
    for (const QRect& r : region) {
        Blit::copy(picpreview->image, r.topLeft(), piclevel, r);
        if (grid) {
            LevelRenderer::DrawGrid(picpreview->image, tf, r);
        }
    }
}

void MapView::DrawGrid() {
    LevelRenderer::DrawGrid(picpreview->image, transform(), picpreview->image.rect());
}

void MapView::drawRadar() {
    PictureBox* radar = host.radar();
    if (!radar) {
        return;
    }
    const QPoint origin = Radar::draw(radar->image, level.pic1024.picture(), level.pic1024.version(), radarBase,
                                      transform(), host.radarSelectionFrame());
    radar_left = static_cast<int16_t>(origin.x());
    radar_top = static_cast<int16_t>(origin.y());
    radar->refresh();
}

void MapView::radarClick(double X, double Y) {
    const QPoint origin = Radar::originForClick(transform(), QPoint(radar_left, radar_top), X, Y, hScrollBar->maximum(),
                                                vScrollBar->maximum());
    setScrollBarValues(origin.x(), origin.y(), false);
    UpdateLevel();
}

void MapView::Form_Resize() {
    for (const QWidget* w = this; w; w = w->parentWidget()) {
        if (w->isMinimized()) {
            return;
        }
    }
    layOut();
    UpdateLevel();
}

void MapView::layOut() {
    const int w = width();
    const int h = height();
    // A window too small for the scroll bars keeps a one-pixel view rather than failing.
    hScrollBar->setGeometry(0, h - ScrollBarSize, std::max(0, w - ScrollBarSize), ScrollBarSize);
    vScrollBar->setGeometry(w - ScrollBarSize, 0, ScrollBarSize, std::max(0, h - ScrollBarSize));
    picpreview->setGeometry(0, 0, std::max(1, w - ScrollBarSize), std::max(1, h - ScrollBarSize));
    picpreview->resizeImage(picpreview->size());
    if (piclevel.size() != picpreview->size() && !dormant) {
        piclevel = QImage(picpreview->size(), QImage::Format_RGB32);
        piclevel.fill(Qt::black);
    }
    previewStale = true;
}

void MapView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void MapView::hScrollBarChanged() {
    scrolled(hScrollBar);
}

void MapView::vScrollBarChanged() {
    scrolled(vScrollBar);
}

void MapView::scrolled(QScrollBar* bar) {
    // The drawing starts at a whole cell; a value between two boundaries (set by code) is moved
    // onto one first, so the pointer, the tools and the picture always agree. The nested change
    // does the redraw.
    const int snapped = onCell(bar, bar->value());
    if (snapped != bar->value()) {
        bar->setValue(snapped);
        return;
    }
    if (!noScrollRedraw) {
        UpdateLevel();
    }
    picpreview->setFocus();
}

void MapView::picpreview_Wheel(QWheelEvent* event) {
    const QPoint turn = event->angleDelta();
    const bool zoom = event->modifiers().testFlag(Qt::ControlModifier);
    const bool sideways = event->modifiers().testFlag(Qt::ShiftModifier) || (turn.y() == 0 && turn.x() != 0);
    event->accept();
    // Fine-grained wheels send fractions of a notch; they add up to whole steps.
    wheelTurn += turn.y() != 0 ? turn.y() : turn.x();
    const int notches = wheelTurn / WheelNotch;
    wheelTurn -= notches * WheelNotch;
    if (notches == 0) {
        return;
    }
    if (zoom) {
        const int x = cellX(event->position().x());
        const int y = cellY(event->position().y());
        if (!zoomer || !Level::inGrid(x, y)) {
            return;
        }
        for (int i = 0; i < std::abs(notches); ++i) {
            if (notches > 0) {
                zoomer->ZoomIn(x, y, event->position());
            } else {
                zoomer->ZoomOut(x, y, event->position());
            }
        }
        return;
    }
    QScrollBar* bar = sideways ? hScrollBar : vScrollBar;
    const int value = bar->value() - notches * QApplication::wheelScrollLines() * bar->singleStep();
    // Through the scroll bar, as if the user had moved it: one redraw when the value changes.
    bar->setValue(std::max(0, std::min(value, bar->maximum())));
}
