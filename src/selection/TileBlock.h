#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A block of cell values lifted from a grid or read from the clipboard, stored row by row.
class TileBlock {
public:
    TileBlock() = default;
    TileBlock(int width, int height);

    int width() const { return W; }
    int height() const { return H; }
    // The value at column `x`, row `y` of the block; 0 outside it.
    int16_t at(int x, int y) const {
        return x >= 0 && x < W && y >= 0 && y < H ? cells[static_cast<size_t>(y) * W + x] : int16_t{0};
    }
    void set(int x, int y, int16_t value) { cells[static_cast<size_t>(y) * W + x] = value; }
    int16_t* data() { return cells.data(); }

    // Makes every special tile of the block whole: a special tile whose square does not fit in the
    // block or overlaps an earlier one becomes 0, its square is covered with -1, and a covered cell
    // that belongs to no special tile of the block becomes 0.
    void makeConsistent();

private:
    int W = 0;
    int H = 0;
    std::vector<int16_t> cells;
};
