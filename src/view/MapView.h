#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QWidget>
#include <cstdint>

#include "view/LevelRenderer.h"
#include "view/Radar.h"
#include "view/ViewTransform.h"

class Level;
class MapViewHost;
class PictureBox;
class QScrollBar;
class QWheelEvent;
class Magnifier;

// The visible part of one level: the view surface `viewSurface()` with its scroll bars, the hidden
// view image `levelImage()` it is drawn from, and the redraw operations every edit calls.
// Tools may draw previews straight onto the surface's image; the next updatePreview wipes them.
class MapView : public QWidget {
    Q_OBJECT
public:
    MapView(Level& level, MapViewHost& host, QWidget* parent = nullptr);

    Level& level() const { return document; }
    MapViewHost& host() const { return viewHost; }
    PictureBox* viewSurface() const { return surface; }
    QScrollBar* hScrollBar() const { return hBar; }
    QScrollBar* vScrollBar() const { return vBar; }
    const QImage& levelImage() const { return levelPicture; }
    // Set while the scroll bars are changed by the program without a redraw of their own.
    bool noScrollRedraw() const { return scrollWithoutRedraw; }
    void setNoScrollRedraw(bool on) { scrollWithoutRedraw = on; }
    // Overview column and row at the radar's top-left corner in this map's last radar drawing.
    QPoint radarOrigin() const { return {radarLeft, radarTop}; }

    ViewTransform transform() const;
    // Cell under a view point (may lie outside the grid).
    int cellX(double x) const { return transform().cellX(x); }
    int cellY(double y) const { return transform().cellY(y); }

    // Scroll ranges and steps for the current zoom and view size; with `refresh` false a value
    // lowered by the new range does not redraw.
    void updateScrollBars(bool refresh);
    // New scroll origin in view pixels, lowered to the range; callers redraw afterwards. Scroll
    // values always lie on cell boundaries (the nearest one is taken), so the first visible cell is
    // drawn at pixel 0 exactly where the pointer-to-cell rule finds it.
    void setScrollBarValues(int h, int v, bool refresh);
    // Re-ranges the scroll bars and centres the view, as after loading or creating a level.
    void centreView();
    // Redraws every visible cell, then the preview and the radar.
    void redrawView();
    // Redraws one written cell if it is visible; `refresh` brings it to the screen.
    void redrawCell(int X, int Y, bool refresh);
    // Copies the level image to the view with the grid and the selection, and redraws the radar.
    void updatePreview(bool refresh);
    void drawGrid();
    // A view in the background keeps only what is on screen: its level image is dropped after each redraw
    // and drawn anew when needed, which saves a view-sized picture for every map that is not active.
    void setDormant(bool on);
    // Lays the window out for its current size and redraws.
    void layoutSurfaces();
    // A press on radar pixel (X, Y) of this map's last radar drawing: centres the view there.
    void radarClick(double X, double Y);
    // The zoom tool that Ctrl + mouse wheel drives; set by the magnifier itself.
    void setMagnifier(Magnifier* zoomTool) { zoomer = zoomTool; }
    // A new map window shows a 673 x 505 view with its scroll bars.
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOut();
    void hScrollBarChanged();
    void vScrollBarChanged();
    void scrolled(QScrollBar* bar);
    // View pixels per cell side at the current zoom.
    int cellSize() const;
    // `value` moved to the nearest cell boundary within the bar's range.
    int onCell(const QScrollBar* bar, int value) const;
    void viewWheel(QWheelEvent* event);
    void drawRadar();
    // Copies the level picture, with the grid when shown, back over `region` of the view.
    void restore(const QRegion& region, const ViewTransform& tf, bool grid);

    Level& document;
    MapViewHost& viewHost;
    PictureBox* surface;
    QScrollBar* hBar;
    QScrollBar* vBar;
    QImage levelPicture;
    bool scrollWithoutRedraw = false;
    bool dormant = false;
    int16_t radarLeft = 0;
    int16_t radarTop = 0;

    LevelRenderer renderer;
    Magnifier* zoomer = nullptr;
    int wheelTurn = 0;  // wheel movement not yet used, in eighths of a degree

    // What viewSurface still shows of the last updatePreview, so that a single changed cell is
    // copied alone. Any other write to the view image (a tool's preview) changes its cache key,
    // and then the whole view is copied again.
    QRect levelChanged;
    QRect screenChanged;
    QRect selectionDrawn;
    Radar::Base radarBase;
    bool previewStale = true;
    qint64 previewKey = 0;
    bool previewGrid = false;
    float previewZoom = 0.0f;
};
