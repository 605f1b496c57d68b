#include "selection/TileBlock.h"

#include "model/ObjectProcedures.h"

TileBlock::TileBlock(int width, int height)
    : W(width), H(height), cells(static_cast<size_t>(width) * static_cast<size_t>(height), 0) {}

void TileBlock::makeConsistent() {
    std::vector<bool> claimed(cells.size(), false);
    bool anySpecial = false;
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const int16_t v = at(x, y);
            const int e = ObjectProcedures::objectExtent(v);
            if (e == 0) {
                anySpecial = anySpecial || v == -1;
                continue;
            }
            anySpecial = true;
            bool fits = x + e < W && y + e < H;
            for (int r = y; fits && r <= y + e; ++r) {
                for (int c = x; c <= x + e; ++c) {
                    if (claimed[static_cast<size_t>(r) * W + c]) {
                        fits = false;
                        break;
                    }
                }
            }
            if (!fits) {
                set(x, y, 0);
                continue;
            }
            for (int r = y; r <= y + e; ++r) {
                for (int c = x; c <= x + e; ++c) {
                    claimed[static_cast<size_t>(r) * W + c] = true;
                    if (r != y || c != x) {
                        set(c, r, -1);
                    }
                }
            }
        }
    }
    if (!anySpecial) {
        return;
    }
    for (size_t i = 0; i < cells.size(); ++i) {
        if (cells[i] == -1 && !claimed[i]) {
            cells[i] = 0;
        }
    }
}
