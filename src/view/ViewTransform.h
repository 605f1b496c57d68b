#pragma once

#include <cmath>
#include <cstdint>

// The mapping between view pixels and cells for one zoom and scroll origin. The first visible cell
// is always drawn at pixel 0: a scroll value that is not a multiple of the tile size does not shift
// the drawing by the remainder, while the pointer-to-cell rule does take it into account.
struct ViewTransform {
    float zoom = 1.0f;  // 1/16, 1/4, 1/2, 1 or 2
    int hValue = 0;     // scroll origin in view pixels
    int vValue = 0;
    int width = 0;  // view size in pixels
    int height = 0;

    // Nearest integer, halves to the even neighbour.
    static int nearest(double v) { return static_cast<int>(std::nearbyint(v)); }
    static int floorDiv(double a, double b) { return static_cast<int>(std::floor(a / b)); }

    float cellSize() const { return zoom * 16.0f; }
    bool usingPixels() const { return zoom < 0.25f; }

    // Whole cells in a span of view pixels, rounded down: view-relative positions snap to cells.
    int cellsIn(double pixels) const { return floorDiv(pixels, cellSize()); }
    int cellX(double x) const { return floorDiv(hValue + x, cellSize()); }
    int cellY(double y) const { return floorDiv(vValue + y, cellSize()); }
    int startX() const { return floorDiv(hValue, cellSize()); }
    int startY() const { return floorDiv(vValue, cellSize()); }
    int endX() const { return floorDiv(hValue + width, cellSize()); }
    int endY() const { return floorDiv(vValue + height, cellSize()); }
    // Top-left view pixel of a cell.
    int pixelX(int column) const { return static_cast<int>(cellSize() * static_cast<float>(column - startX())); }
    int pixelY(int row) const { return static_cast<int>(cellSize() * static_cast<float>(row - startY())); }
};
