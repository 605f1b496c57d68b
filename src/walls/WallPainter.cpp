#include "walls/WallPainter.h"

#include "model/Level.h"
#include "model/LevelEdit.h"
#include "model/ObjectProcedures.h"
#include "walls/LevelSets.h"

namespace {

constexpr int Size = Level::Size;

const int16_t* rowOf(const int16_t* cells, int y) {
    return cells + static_cast<size_t>(y) * Size;
}

// The mask of (x, y) among the cells for which `isWall` holds; outside the grid is no wall.
template <typename IsWall>
int maskAt(const int16_t* cells, int x, int y, IsWall isWall) {
    const int16_t* row = rowOf(cells, y);
    int mask = 0;
    if (y > 0 && isWall(rowOf(cells, y - 1)[x])) {
        mask |= WallSet::North;
    }
    if (x + 1 < Size && isWall(row[x + 1])) {
        mask |= WallSet::East;
    }
    if (y + 1 < Size && isWall(rowOf(cells, y + 1)[x])) {
        mask |= WallSet::South;
    }
    if (x > 0 && isWall(row[x - 1])) {
        mask |= WallSet::West;
    }
    return mask;
}

// Joins (x, y) to the walls of its own set, when it is a wall at all.
void joinAny(LevelEdit& edit, const LevelSets& sets, const int16_t* cells, int x, int y) {
    const int owner = sets.wallSetOf(rowOf(cells, y)[x]);
    if (owner < 0) {
        return;
    }
    const int mask = maskAt(cells, x, y, [&](int16_t tile) { return sets.wallSetOf(tile) == owner; });
    edit.setTile(x, y, sets.wallSets()[static_cast<size_t>(owner)].tileForMask(mask));
}

constexpr std::array<QPoint, 4> sides = {QPoint(0, -1), QPoint(1, 0), QPoint(0, 1), QPoint(-1, 0)};

}  // namespace

WallPainter::WallPainter(const LevelSets& sets, int index) {
    kinds.fill(Fixed);
    if (index < 0 || index >= static_cast<int>(sets.wallSets().size())) {
        return;
    }
    set = sets.wallSets()[static_cast<size_t>(index)];
    if (!set.hasTiles()) {
        return;
    }
    for (int tile = 0; tile < 256; ++tile) {
        const auto value = static_cast<int16_t>(tile);
        const int owner = sets.wallSetOf(value);
        kinds[static_cast<size_t>(tile + 1)] = owner == index                           ? Own
                                               : owner >= 0                             ? Fixed
                                               : ObjectProcedures::isSpecialTile(value) ? Fixed
                                                                                        : Free;
    }
}

bool WallPainter::ownAt(const int16_t* cells, int x, int y) const {
    return Level::inGrid(x, y) && kindOf(rowOf(cells, y)[x]) == Own;
}

void WallPainter::join(LevelEdit& edit, const int16_t* cells, int x, int y) const {
    const int mask = maskAt(cells, x, y, [this](int16_t tile) { return kindOf(tile) == Own; });
    edit.setTile(x, y, set.tileForMask(mask));
}

void WallPainter::paint(LevelEdit& edit, std::span<const QPoint> cells) const {
    const int16_t* grid = edit.level().cells();
    const int16_t placeholder = set.tileForMask(0);
    // Every cell is a wall before any is joined, so each piece sees its final neighbours.
    for (const QPoint& cell : cells) {
        if (Level::inGrid(cell.x(), cell.y()) && kindOf(rowOf(grid, cell.y())[cell.x()]) == Free) {
            edit.setTile(cell.x(), cell.y(), placeholder);
        }
    }
    for (const QPoint& cell : cells) {
        if (!ownAt(grid, cell.x(), cell.y())) {
            continue;
        }
        join(edit, grid, cell.x(), cell.y());
        for (const QPoint& side : sides) {
            const QPoint next = cell + side;
            if (ownAt(grid, next.x(), next.y())) {
                join(edit, grid, next.x(), next.y());
            }
        }
    }
}

void WallPainter::paintRect(LevelEdit& edit, const CellRect& rect) const {
    const CellRect r = rect.clipped(Size);
    if (r.isEmpty() || !set.hasTiles()) {
        return;
    }
    const int16_t* grid = edit.level().cells();
    // Inside the rectangle a cell is (or is about to be) a wall unless it is one that is never painted
    // over, whether the row-order pass has reached it yet or not; outside only the set's own walls count.
    for (int y = r.y1; y <= r.y2; ++y) {
        const int16_t* row = rowOf(grid, y);
        const int16_t* above = y > 0 ? rowOf(grid, y - 1) : nullptr;
        const int16_t* below = y + 1 < Size ? rowOf(grid, y + 1) : nullptr;
        const bool northInside = y > r.y1;
        const bool southInside = y < r.y2;
        for (int x = r.x1; x <= r.x2; ++x) {
            if (kindOf(row[x]) == Fixed) {
                continue;
            }
            int mask = 0;
            if (above && (northInside ? kindOf(above[x]) != Fixed : kindOf(above[x]) == Own)) {
                mask |= WallSet::North;
            }
            if (below && (southInside ? kindOf(below[x]) != Fixed : kindOf(below[x]) == Own)) {
                mask |= WallSet::South;
            }
            if (x + 1 < Size && (x < r.x2 ? kindOf(row[x + 1]) != Fixed : kindOf(row[x + 1]) == Own)) {
                mask |= WallSet::East;
            }
            if (x > 0 && (x > r.x1 ? kindOf(row[x - 1]) != Fixed : kindOf(row[x - 1]) == Own)) {
                mask |= WallSet::West;
            }
            edit.setTile(x, y, set.tileForMask(mask));
        }
    }
    // The walls around the rectangle gain a neighbour on its side.
    const auto joinOutside = [&](int x, int y) {
        if (ownAt(grid, x, y)) {
            join(edit, grid, x, y);
        }
    };
    for (int x = r.x1; x <= r.x2; ++x) {
        joinOutside(x, r.y1 - 1);
        joinOutside(x, r.y2 + 1);
    }
    for (int y = r.y1; y <= r.y2; ++y) {
        joinOutside(r.x1 - 1, y);
        joinOutside(r.x2 + 1, y);
    }
}

void WallPainter::erase(LevelEdit& edit, const LevelSets& sets, std::span<const QPoint> cells, int16_t replacement) {
    if (replacement < 0 || replacement > 255 || ObjectProcedures::isSpecialTile(replacement)) {
        replacement = 0;
    }
    const int16_t* grid = edit.level().cells();
    for (const QPoint& cell : cells) {
        if (Level::inGrid(cell.x(), cell.y()) && sets.wallSetOf(rowOf(grid, cell.y())[cell.x()]) >= 0) {
            edit.setTile(cell.x(), cell.y(), replacement);
        }
    }
    for (const QPoint& cell : cells) {
        if (!Level::inGrid(cell.x(), cell.y())) {
            continue;
        }
        joinAny(edit, sets, grid, cell.x(), cell.y());
        for (const QPoint& side : sides) {
            const QPoint next = cell + side;
            if (Level::inGrid(next.x(), next.y())) {
                joinAny(edit, sets, grid, next.x(), next.y());
            }
        }
    }
}

void WallPainter::retile(LevelEdit& edit, const LevelSets& sets, const CellRect& rect) {
    const CellRect r = rect.clipped(Size);
    const int16_t* grid = edit.level().cells();
    // Joining changes a wall's piece but never which set it belongs to, so the order does not matter.
    for (int y = r.y1; y <= r.y2; ++y) {
        for (int x = r.x1; x <= r.x2; ++x) {
            joinAny(edit, sets, grid, x, y);
        }
    }
}

void WallPainter::retile(LevelEdit& edit, const LevelSets& sets) {
    retile(edit, sets, CellRect{0, 0, Size - 1, Size - 1});
}
