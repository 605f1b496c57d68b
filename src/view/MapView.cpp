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
      document(level),
      viewHost(host),
      surface(new PictureBox(this)),
      hBar(new QScrollBar(Qt::Horizontal, this)),
      vBar(new QScrollBar(Qt::Vertical, this)) {
    surface->setObjectName(QStringLiteral("picpreview"));
    hBar->setObjectName(QStringLiteral("hScr"));
    vBar->setObjectName(QStringLiteral("vscr"));
    connect(hBar, &QScrollBar::valueChanged, this, [this] { hScrollBarChanged(); });
    connect(vBar, &QScrollBar::valueChanged, this, [this] { vScrollBarChanged(); });
    // A thumb drag, a click on the bar or its keys land on a cell boundary before the value is taken.
    for (QScrollBar* bar : {hBar, vBar}) {
        connect(bar, &QScrollBar::actionTriggered, this,
                [this, bar] { bar->setSliderPosition(onCell(bar, bar->sliderPosition())); });
    }
    connect(surface, &PictureBox::wheel, this, [this](QWheelEvent* e) { viewWheel(e); });
    resize(sizeHint());
    // No drawing yet: the window that hosts this view is still being built.
    layOut();
}

QSize MapView::sizeHint() const {
    return {673 + ScrollBarSize, 505 + ScrollBarSize};
}

ViewTransform MapView::transform() const {
    ViewTransform t;
    t.zoom = viewHost.zoomFactor();
    t.hValue = hBar->value();
    t.vValue = vBar->value();
    t.width = surface->width();
    t.height = surface->height();
    return t;
}

int MapView::cellSize() const {
    return ViewTransform::nearest(viewHost.zoomFactor() * 16.0);
}

int MapView::onCell(const QScrollBar* bar, int value) const {
    const int cell = cellSize();
    const int snapped = ViewTransform::nearest(static_cast<double>(value) / cell) * cell;
    return std::clamp(snapped, bar->minimum(), bar->maximum());
}

void MapView::updateScrollBars(bool refresh) {
    scrollWithoutRedraw = !refresh;
    const double t = viewHost.zoomFactor() * 16.0;
    setScrollRange(hBar, scrollMax(cellSize(), surface->width()), t);
    setScrollRange(vBar, scrollMax(cellSize(), surface->height()), t);
}

void MapView::setScrollBarValues(int h, int v, bool refresh) {
    scrollWithoutRedraw = !refresh;
    updateScrollBars(refresh);
    hBar->setValue(h > hBar->maximum() ? hBar->maximum() : h);
    vBar->setValue(v > vBar->maximum() ? vBar->maximum() : v);
    scrollWithoutRedraw = false;
}

void MapView::centreView() {
    scrollWithoutRedraw = true;
    updateScrollBars(false);
    const int cell = cellSize();
    auto centre = [cell](int max) { return cell * static_cast<int>(std::floor(std::floor(max / 2.0) / cell)); };
    hBar->setValue(centre(hBar->maximum()));
    vBar->setValue(centre(vBar->maximum()));
    scrollWithoutRedraw = false;
}

void MapView::redrawView() {
    if (levelPicture.size() != surface->size()) {
        levelPicture = QImage(surface->size(), QImage::Format_RGB32);
    }
    renderer.drawLevel(levelPicture, document, transform(), viewHost.showTileNumbers());
    levelChanged = levelPicture.rect();
    if (viewHost.selectionState() == SelectionState::Selected) {
        viewHost.drawSelectionOnPreview(true);
    }
    updatePreview(true);
    if (dormant) {
        levelPicture = QImage();
    }
}

void MapView::setDormant(bool on) {
    dormant = on;
    if (on) {
        levelPicture = QImage();
    }
}

void MapView::redrawCell(int X, int Y, bool refresh) {
    if (!Level::inGrid(X, Y)) {
        return;
    }
    // The level keeps the overview in step already; a direct call is brought in step here too.
    document.overview().setCell(X, Y, document.getTile(X, Y));
    const ViewTransform tf = transform();
    if (X < tf.startX() || X > tf.endX() || Y < tf.startY() || Y > tf.endY()) {
        return;
    }
    if (levelPicture.isNull()) {
        redrawView();
        return;
    }
    // At the one-pixel zoom the view is the overview image: its one changed pixel is copied
    // instead of the whole view, which is what a full redraw would come to.
    levelChanged |= renderer.drawCell(levelPicture, document, tf, X, Y, viewHost.showTileNumbers());
    if (!refresh) {
        return;
    }
    if (tf.usingPixels() && viewHost.selectionState() == SelectionState::Selected) {
        viewHost.drawSelectionOnPreview(true);
    }
    updatePreview(true);
}

void MapView::updatePreview(bool refresh) {
    if (levelPicture.isNull()) {
        redrawView();
        return;
    }
    QImage& out = surface->image();
    const ViewTransform tf = transform();
    const bool grid = viewHost.showGrid();
    const bool whole = previewStale || out.cacheKey() != previewKey || out.size() != levelPicture.size() ||
                       grid != previewGrid || tf.zoom != previewZoom;
    // What the selection drew over the view last time is copied back too, so the block can move;
    // except where the block is drawn again at once, which for a drag is most of it.
    const QRect area = whole ? out.rect() : (levelChanged | selectionDrawn) & out.rect();
    const bool selected = viewHost.selectionState() == SelectionState::Selected;
    const QRect cover = selected && !whole ? viewHost.selectionCover() & area : QRect();
    restore(QRegion(area) - cover, tf, grid);
    levelChanged = {};
    selectionDrawn = {};
    screenChanged |= area;
    previewStale = false;
    previewGrid = grid;
    previewZoom = tf.zoom;
    if (selected) {
        selectionDrawn = viewHost.drawSelectionOnPreview(false);
        screenChanged |= selectionDrawn;
    }
    // Whatever of the cover the selection did not draw after all still shows the old picture.
    restore(QRegion(cover) - selectionDrawn, tf, grid);
    // A painter left open on the view can draw without the image noticing.
    previewStale = previewStale || out.paintingActive();
    previewKey = out.cacheKey();
    if (refresh && !screenChanged.isEmpty()) {
        surface->refresh(screenChanged);
        screenChanged = {};
    }
    drawRadar();
}

void MapView::restore(const QRegion& region, const ViewTransform& tf, bool grid) {
    for (const QRect& r : region) {
        Blit::copy(surface->image(), r.topLeft(), levelPicture, r);
        if (grid) {
            LevelRenderer::drawGrid(surface->image(), tf, r);
        }
    }
}

void MapView::drawGrid() {
    LevelRenderer::drawGrid(surface->image(), transform(), surface->image().rect());
}

void MapView::drawRadar() {
    PictureBox* radar = viewHost.radar();
    if (!radar) {
        return;
    }
    const QPoint origin = Radar::draw(radar->image(), document.overview().picture(), document.overview().version(),
                                      radarBase, transform(), viewHost.radarSelectionFrame());
    radarLeft = static_cast<int16_t>(origin.x());
    radarTop = static_cast<int16_t>(origin.y());
    radar->refresh();
}

void MapView::radarClick(double X, double Y) {
    const QPoint origin =
        Radar::originForClick(transform(), QPoint(radarLeft, radarTop), X, Y, hBar->maximum(), vBar->maximum());
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
    hBar->setGeometry(0, h - ScrollBarSize, std::max(0, w - ScrollBarSize), ScrollBarSize);
    vBar->setGeometry(w - ScrollBarSize, 0, ScrollBarSize, std::max(0, h - ScrollBarSize));
    surface->setGeometry(0, 0, std::max(1, w - ScrollBarSize), std::max(1, h - ScrollBarSize));
    surface->resizeImage(surface->size());
    if (levelPicture.size() != surface->size() && !dormant) {
        levelPicture = QImage(surface->size(), QImage::Format_RGB32);
        levelPicture.fill(Qt::black);
    }
    previewStale = true;
}

void MapView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutSurfaces();
}

void MapView::hScrollBarChanged() {
    scrolled(hBar);
}

void MapView::vScrollBarChanged() {
    scrolled(vBar);
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
    if (!scrollWithoutRedraw) {
        redrawView();
    }
    surface->setFocus();
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
    QScrollBar* bar = sideways ? hBar : vBar;
    const int value = bar->value() - notches * QApplication::wheelScrollLines() * bar->singleStep();
    // Through the scroll bar, as if the user had moved it: one redraw when the value changes.
    bar->setValue(std::max(0, std::min(value, bar->maximum())));
}
