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
      viewSurface(new PictureBox(this)),
      hScrollBar(new QScrollBar(Qt::Horizontal, this)),
      vScrollBar(new QScrollBar(Qt::Vertical, this)) {
    viewSurface->setObjectName(QStringLiteral("picpreview"));
    hScrollBar->setObjectName(QStringLiteral("hScr"));
    vScrollBar->setObjectName(QStringLiteral("vscr"));
    connect(hScrollBar, &QScrollBar::valueChanged, this, [this] { hScrollBarChanged(); });
    connect(vScrollBar, &QScrollBar::valueChanged, this, [this] { vScrollBarChanged(); });
    // A thumb drag, a click on the bar or its keys land on a cell boundary before the value is taken.
    for (QScrollBar* bar : {hScrollBar, vScrollBar}) {
        connect(bar, &QScrollBar::actionTriggered, this,
                [this, bar] { bar->setSliderPosition(onCell(bar, bar->sliderPosition())); });
    }
    connect(viewSurface, &PictureBox::wheel, this, [this](QWheelEvent* e) { viewWheel(e); });
    resize(sizeHint());
    // No drawing yet: the window that hosts this view is still being built.
    layOut();
}

QSize MapView::sizeHint() const {
    return {673 + ScrollBarSize, 505 + ScrollBarSize};
}

ViewTransform MapView::transform() const {
    ViewTransform t;
    t.zoom = host.zoomFactor();
    t.hValue = hScrollBar->value();
    t.vValue = vScrollBar->value();
    t.width = viewSurface->width();
    t.height = viewSurface->height();
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

void MapView::updateScrollBars(bool refresh) {
    noScrollRedraw = !refresh;
    const double t = host.zoomFactor() * 16.0;
    setScrollRange(hScrollBar, scrollMax(cellSize(), viewSurface->width()), t);
    setScrollRange(vScrollBar, scrollMax(cellSize(), viewSurface->height()), t);
}

void MapView::setScrollBarValues(int h, int v, bool refresh) {
    noScrollRedraw = !refresh;
    updateScrollBars(refresh);
    hScrollBar->setValue(h > hScrollBar->maximum() ? hScrollBar->maximum() : h);
    vScrollBar->setValue(v > vScrollBar->maximum() ? vScrollBar->maximum() : v);
    noScrollRedraw = false;
}

void MapView::centreView() {
    noScrollRedraw = true;
    updateScrollBars(false);
    const int cell = cellSize();
    auto centre = [cell](int max) { return cell * static_cast<int>(std::floor(std::floor(max / 2.0) / cell)); };
    hScrollBar->setValue(centre(hScrollBar->maximum()));
    vScrollBar->setValue(centre(vScrollBar->maximum()));
    noScrollRedraw = false;
}

void MapView::redrawView() {
    if (levelImage.size() != viewSurface->size()) {
        levelImage = QImage(viewSurface->size(), QImage::Format_RGB32);
    }
    renderer.drawLevel(levelImage, level, transform(), host.showTileNumbers());
    levelChanged = levelImage.rect();
    if (host.selectionState() == SelectionState::Selected) {
        host.drawSelectionOnPreview(true);
    }
    updatePreview(true);
    if (dormant) {
        levelImage = QImage();
    }
}

void MapView::setDormant(bool on) {
    dormant = on;
    if (on) {
        levelImage = QImage();
    }
}

void MapView::redrawCell(int X, int Y, bool refresh) {
    if (!Level::inGrid(X, Y)) {
        return;
    }
    // The level keeps the overview in step already; a direct call is brought in step here too.
    level.overviewImage.setCell(X, Y, level.getTile(X, Y));
    const ViewTransform tf = transform();
    if (X < tf.startX() || X > tf.endX() || Y < tf.startY() || Y > tf.endY()) {
        return;
    }
    if (levelImage.isNull()) {
        redrawView();
        return;
    }
    // At the one-pixel zoom the view is the overview image: its one changed pixel is copied
    // instead of the whole view, which is what a full redraw would come to.
    levelChanged |= renderer.drawCell(levelImage, level, tf, X, Y, host.showTileNumbers());
    if (!refresh) {
        return;
    }
    if (tf.usingPixels() && host.selectionState() == SelectionState::Selected) {
        host.drawSelectionOnPreview(true);
    }
    updatePreview(true);
}

void MapView::updatePreview(bool refresh) {
    if (levelImage.isNull()) {
        redrawView();
        return;
    }
    QImage& out = viewSurface->image;
    const ViewTransform tf = transform();
    const bool grid = host.showGrid();
    const bool whole = previewStale || out.cacheKey() != previewKey || out.size() != levelImage.size() ||
                       grid != previewGrid || tf.zoom != previewZoom;
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
    previewZoom = tf.zoom;
    if (selected) {
        selectionDrawn = host.drawSelectionOnPreview(false);
        screenChanged |= selectionDrawn;
    }
    // Whatever of the cover the selection did not draw after all still shows the old picture.
    restore(QRegion(cover) - selectionDrawn, tf, grid);
    // A painter left open on the view can draw without the image noticing.
    previewStale = previewStale || out.paintingActive();
    previewKey = out.cacheKey();
    if (refresh && !screenChanged.isEmpty()) {
        viewSurface->refresh(screenChanged);
        screenChanged = {};
    }
    drawRadar();
}

void MapView::restore(const QRegion& region, const ViewTransform& tf, bool grid) {
    for (const QRect& r : region) {
        Blit::copy(viewSurface->image, r.topLeft(), levelImage, r);
        if (grid) {
            LevelRenderer::drawGrid(viewSurface->image, tf, r);
        }
    }
}

void MapView::drawGrid() {
    LevelRenderer::drawGrid(viewSurface->image, transform(), viewSurface->image.rect());
}

void MapView::drawRadar() {
    PictureBox* radar = host.radar();
    if (!radar) {
        return;
    }
    const QPoint origin = Radar::draw(radar->image, level.overviewImage.picture(), level.overviewImage.version(),
                                      radarBase, transform(), host.radarSelectionFrame());
    radar_left = static_cast<int16_t>(origin.x());
    radar_top = static_cast<int16_t>(origin.y());
    radar->refresh();
}

void MapView::radarClick(double X, double Y) {
    const QPoint origin = Radar::originForClick(transform(), QPoint(radar_left, radar_top), X, Y, hScrollBar->maximum(),
                                                vScrollBar->maximum());
    setScrollBarValues(origin.x(), origin.y(), false);
    redrawView();
}

void MapView::layoutSurfaces() {
    for (const QWidget* w = this; w; w = w->parentWidget()) {
        if (w->isMinimized()) {
            return;
        }
    }
    layOut();
    redrawView();
}

void MapView::layOut() {
    const int w = width();
    const int h = height();
    // A window too small for the scroll bars keeps a one-pixel view rather than failing.
    hScrollBar->setGeometry(0, h - ScrollBarSize, std::max(0, w - ScrollBarSize), ScrollBarSize);
    vScrollBar->setGeometry(w - ScrollBarSize, 0, ScrollBarSize, std::max(0, h - ScrollBarSize));
    viewSurface->setGeometry(0, 0, std::max(1, w - ScrollBarSize), std::max(1, h - ScrollBarSize));
    viewSurface->resizeImage(viewSurface->size());
    if (levelImage.size() != viewSurface->size() && !dormant) {
        levelImage = QImage(viewSurface->size(), QImage::Format_RGB32);
        levelImage.fill(Qt::black);
    }
    previewStale = true;
}

void MapView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutSurfaces();
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
        redrawView();
    }
    viewSurface->setFocus();
}

void MapView::viewWheel(QWheelEvent* event) {
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
                zoomer->zoomIn(x, y, event->position());
            } else {
                zoomer->zoomOut(x, y, event->position());
            }
        }
        return;
    }
    QScrollBar* bar = sideways ? hScrollBar : vScrollBar;
    const int value = bar->value() - notches * QApplication::wheelScrollLines() * bar->singleStep();
    // Through the scroll bar, as if the user had moved it: one redraw when the value changes.
    bar->setValue(std::max(0, std::min(value, bar->maximum())));
}
