#pragma once

#include <algorithm>

// A rectangle of cells with inclusive bounds. It may reach past the grid; the operations that read
// or write cells clip it first.
struct CellRect {
    int x1 = 0;
    int y1 = 0;
    int x2 = -1;
    int y2 = -1;

    int width() const { return x2 - x1 + 1; }
    int height() const { return y2 - y1 + 1; }
    bool isEmpty() const { return x2 < x1 || y2 < y1; }
    bool contains(int x, int y) const { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }
    // The part of the rectangle that lies in a grid of `size` x `size` cells (maybe empty).
    CellRect clipped(int size) const {
        return {std::max(x1, 0), std::max(y1, 0), std::min(x2, size - 1), std::min(y2, size - 1)};
    }
    bool operator==(const CellRect&) const = default;
};
