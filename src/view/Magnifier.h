#pragma once

#include <QPoint>
#include <QPointF>
#include <Qt>
#include <cstdint>
#include <optional>

class MapView;

// The zoom of one map window and its zoom tool (tool 1): a left click zooms in, any other button
// out, bringing the clicked cell to the middle of the view. The zoom changes nowhere else.
class Magnifier {
public:
    static constexpr float Smallest = 1.0f / 16;  // one pixel per cell
    static constexpr float Largest = 2.0f;

    // Hands the magnifier the view of its map window; called once when the window is built.
    void setParent(MapView* myparent);

    // Zoom factor: 1/16, 1/4, 1/2, 1 or 2; each cell is Zoom x 16 pixels wide.
    float zoomFactor() const { return zoom; }

    // A click of the zoom tool at view pixel (X, Y): the left button zooms in, any other out.
    void click(Qt::MouseButton button, float X, float Y);

    // One zoom step in (up to 2) or out (down to 1/16) around cell (X, Y); the origin lands on a
    // cell boundary as near to centring the cell as the map's edges allow.
    // With `pointer` (a view pixel over the cell) the cell stays under it instead, as far as the
    // scroll ranges allow.
    void zoomIn(int X, int Y, std::optional<QPointF> pointer = std::nullopt);
    void zoomOut(int X, int Y, std::optional<QPointF> pointer = std::nullopt);

private:
    // Scroll origin that centres cell (X, Y) at the current zoom, within the scroll ranges as set,
    // or that keeps it under `pointer`.
    QPoint newOrigin(int X, int Y, std::optional<QPointF> pointer) const;
    QPoint centredOrigin(int X, int Y) const;

    MapView* view = nullptr;
    float zoom = 1.0f;
    bool usingPixels = false;
};
