#include "selection/BlockEdits.h"

#include <vector>

#include "model/Level.h"
#include "model/LevelEdit.h"
#include "model/ObjectProcedures.h"

namespace BlockEdits {

namespace {

using ObjectProcedures::isObjectCell;
using ObjectProcedures::objectExtent;

void write(LevelEdit& edit, int x, int y, int16_t v) {
    if (edit.getTile(x, y) != v) {
        edit.setTile(x, y, v);
        edit.level().redrawCell(x, y);
    }
}

// Anchor and extent of the special tile covering an object cell; nothing for an orphaned covered cell.
bool objectAt(const Level& level, int x, int y, int& ax, int& ay, int& e) {
    const auto origin = ObjectProcedures::getObjectOrigin(level, x, y);
    if (!origin) {
        return false;
    }
    ax = (*origin)[0];
    ay = (*origin)[1];
    e = objectExtent(level.getTile(ax, ay));
    return e != 0;
}

// One growth pass; true when a bound moved (the pass stops there and the caller starts another).
bool growOnce(const Level& level, CellRect& r) {
    int ax = 0;
    int ay = 0;
    int e = 0;
    auto first = [&](int x, int y) {
        if (isObjectCell(level, x, y) && objectAt(level, x, y, ax, ay, e)) {
            if (ax < r.x1) {
                r.x1 = ax;
                return true;
            }
            if (ay < r.y1) {
                r.y1 = ay;
                return true;
            }
        }
        return false;
    };
    auto last = [&](int x, int y) {
        if (isObjectCell(level, x, y) && objectAt(level, x, y, ax, ay, e)) {
            if (ax + e > r.x2) {
                r.x2 = ax + e;
                return true;
            }
            if (ay + e > r.y2) {
                r.y2 = ay + e;
                return true;
            }
        }
        return false;
    };
    for (int x = r.x1; x <= r.x2; ++x) {
        if (first(x, r.y1) || last(x, r.y2)) {
            return true;
        }
    }
    for (int y = r.y1; y <= r.y2; ++y) {
        if (first(r.x1, y) || last(r.x2, y)) {
            return true;
        }
    }
    return false;
}

// mirror (`horizontal`) or flip of the area, computed in a buffer and written cell by cell.
CellRect reverse(LevelEdit& edit, const CellRect& rect, bool horizontal) {
    const Level& level = edit.level();
    CellRect r = rect.clipped(Level::Size);
    if (r.isEmpty()) {
        return r;
    }
    growToSpecialTiles(level, r);
    r = r.clipped(Level::Size);
    const int w = r.width();
    const int h = r.height();
    std::vector<int16_t> in(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            in[static_cast<size_t>(y) * w + x] = level.getTile(r.x1 + x, r.y1 + y);
        }
    }
    auto cellIn = [&](int x, int y) { return in[static_cast<size_t>(y) * w + x]; };
    std::vector<int16_t> out(in.size(), 0);
    auto stamp = [&](int16_t tile, int x, int y, int e) {
        for (int yy = y; yy <= y + e; ++yy) {
            for (int xx = x; xx <= x + e; ++xx) {
                out[static_cast<size_t>(yy) * w + xx] = (xx == x && yy == y) ? tile : int16_t{-1};
            }
        }
    };
    // Ordinary cells move to their mirror place; the squares of special tiles are left empty here
    // and placed whole below, anchored where the mirrored square's top-left corner falls.
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int mx = horizontal ? w - 1 - x : x;
            const int my = horizontal ? y : h - 1 - y;
            const int16_t v = cellIn(mx, my);
            if (v != -1 && objectExtent(v) == 0) {
                out[static_cast<size_t>(y) * w + x] = v;
            }
        }
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int16_t v = cellIn(x, y);
            const int e = objectExtent(v);
            if (e == 0) {
                continue;
            }
            if (x + e < w && y + e < h) {
                stamp(v, horizontal ? w - 1 - (x + e) : x, horizontal ? y : h - 1 - (y + e), e);
            } else {
                // Only a tile whose square reaches past the grid's edge (as a loaded level may
                // hold) cannot be reversed inside the area; it keeps its place.
                stamp(v, x, y, std::min(e, std::min(w - 1 - x, h - 1 - y)));
            }
        }
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            write(edit, r.x1 + x, r.y1 + y, out[static_cast<size_t>(y) * w + x]);
        }
    }
    return r;
}

}  // namespace

void growToSpecialTiles(const Level& level, CellRect& rect) {
    while (growOnce(level, rect)) {
    }
}

TileBlock readBlock(const Level& level, const CellRect& rect) {
    TileBlock block(rect.width(), rect.height());
    const CellRect in = rect.clipped(Level::Size);
    for (int y = in.y1; y <= in.y2; ++y) {
        for (int x = in.x1; x <= in.x2; ++x) {
            block.set(x - rect.x1, y - rect.y1, level.getTile(x, y));
        }
    }
    block.makeConsistent();
    return block;
}

void removePartialObjects(LevelEdit& edit, const CellRect& rect) {
    const Level& level = edit.level();
    const CellRect in = rect.clipped(Level::Size);
    int ax = 0;
    int ay = 0;
    int e = 0;
    for (int y = in.y1; y <= in.y2; ++y) {
        for (int x = in.x1; x <= in.x2; ++x) {
            if (!isObjectCell(level, x, y) || !objectAt(level, x, y, ax, ay, e)) {
                continue;
            }
            if (!rect.contains(ax, ay) || !rect.contains(ax + e, ay + e)) {
                ObjectProcedures::removeObjectAt(edit, ax, ay, false);
            }
        }
    }
}

void emptyCells(LevelEdit& edit, const CellRect& rect) {
    removePartialObjects(edit, rect);
    const CellRect in = rect.clipped(Level::Size);
    for (int y = in.y1; y <= in.y2; ++y) {
        for (int x = in.x1; x <= in.x2; ++x) {
            write(edit, x, y, 0);
        }
    }
}

void removeObjectsUnder(LevelEdit& edit, const CellRect& rect) {
    const Level& level = edit.level();
    const CellRect in = rect.clipped(Level::Size);
    for (int y = in.y1; y <= in.y2; ++y) {
        for (int x = in.x1; x <= in.x2; ++x) {
            if (isObjectCell(level, x, y)) {
                ObjectProcedures::removeObjectAt(edit, x, y, false);
            }
        }
    }
}

void dropBlock(LevelEdit& edit, const TileBlock& block, int x, int y) {
    const int w = block.width();
    const int h = block.height();
    std::vector<bool> dropped;
    for (int by = 0; by < h; ++by) {
        for (int bx = 0; bx < w; ++bx) {
            const int e = objectExtent(block.at(bx, by));
            if (e == 0 || (Level::inGrid(x + bx, y + by) && Level::inGrid(x + bx + e, y + by + e))) {
                continue;
            }
            dropped.resize(static_cast<size_t>(w) * h, false);
            for (int r = by; r <= by + e && r < h; ++r) {
                for (int c = bx; c <= bx + e && c < w; ++c) {
                    dropped[static_cast<size_t>(r) * w + c] = true;
                }
            }
        }
    }
    const CellRect in = CellRect{x, y, x + w - 1, y + h - 1}.clipped(Level::Size);
    for (int ty = in.y1; ty <= in.y2; ++ty) {
        for (int tx = in.x1; tx <= in.x2; ++tx) {
            const int bx = tx - x;
            const int by = ty - y;
            const bool gone = !dropped.empty() && dropped[static_cast<size_t>(by) * w + bx];
            write(edit, tx, ty, gone ? int16_t{0} : block.at(bx, by));
        }
    }
}

void switchOrReplace(LevelEdit& edit, const CellRect& rect, int16_t src, int16_t dest, bool replace) {
    const CellRect in = rect.clipped(Level::Size);
    for (int y = in.y1; y <= in.y2; ++y) {
        for (int x = in.x1; x <= in.x2; ++x) {
            const int16_t v = edit.getTile(x, y);
            if (v == src) {
                write(edit, x, y, dest);
            } else if (!replace && v == dest) {
                write(edit, x, y, src);
            }
        }
    }
}

CellRect mirror(LevelEdit& edit, const CellRect& rect) {
    return reverse(edit, rect, true);
}

CellRect flip(LevelEdit& edit, const CellRect& rect) {
    return reverse(edit, rect, false);
}

}  // namespace BlockEdits
