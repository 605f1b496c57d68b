#include "walls/WallPainter.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

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

// Joins walls of any set to the walls of their own set, with each set's pieces looked up once.
class AnySetJoiner {
public:
    explicit AnySetJoiner(const LevelSets& sets) : sets(sets) {
        for (const WallSet& set : sets.wallSets()) {
            std::array<int16_t, WallSet::Entries> byMask{};
            for (int mask = 0; mask < WallSet::Entries; ++mask) {
                byMask[static_cast<size_t>(mask)] = set.tileForMask(mask);
            }
            pieces.push_back(byMask);
        }
    }

    // Joins (x, y), when it is a wall at all.
    void join(LevelEdit& edit, const int16_t* cells, int x, int y) const {
        const int owner = sets.wallSetOf(rowOf(cells, y)[x]);
        if (owner < 0) {
            return;
        }
        const int mask = maskAt(cells, x, y, [&](int16_t tile) { return sets.wallSetOf(tile) == owner; });
        edit.setTile(x, y, pieces[static_cast<size_t>(owner)][static_cast<size_t>(mask)]);
    }

private:
    const LevelSets& sets;
    std::vector<std::array<int16_t, WallSet::Entries>> pieces;  // by set, then by mask
};

constexpr std::array<QPoint, 4> sides = {QPoint(0, -1), QPoint(1, 0), QPoint(0, 1), QPoint(-1, 0)};

}  // namespace

WallPainter::WallPainter(const LevelSets& sets, int index) {
    kinds.fill(Fixed);
    if (index < 0 || index >= static_cast<int>(sets.wallSets().size())) {
        return;
    }
    const WallSet& set = sets.wallSets()[static_cast<size_t>(index)];
    if (!set.hasTiles()) {
        return;
    }
    for (int mask = 0; mask < WallSet::Entries; ++mask) {
        pieces[static_cast<size_t>(mask)] = set.tileForMask(mask);
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
    edit.setTile(x, y, pieces[static_cast<size_t>(mask)]);
}

void WallPainter::paint(LevelEdit& edit, std::span<const QPoint> cells) const {
    const int16_t* grid = edit.level().cells();
    const int16_t placeholder = pieces[0];
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

std::vector<std::pair<QPoint, int16_t>> WallPainter::preview(const Level& level, std::span<const QPoint> cells) const {
    std::vector<std::pair<QPoint, int16_t>> result;
    if (pieces[0] == 0) {
        return result;
    }
    const int16_t* grid = level.cells();
    const auto key = [](int x, int y) { return y * Size + x; };
    std::unordered_set<int> painted;
    for (const QPoint& cell : cells) {
        if (Level::inGrid(cell.x(), cell.y()) && kindOf(rowOf(grid, cell.y())[cell.x()]) != Fixed) {
            painted.insert(key(cell.x(), cell.y()));
        }
    }
    const auto wallAt = [&](int x, int y) {
        return Level::inGrid(x, y) && (painted.contains(key(x, y)) || kindOf(rowOf(grid, y)[x]) == Own);
    };
    std::unordered_set<int> done;
    const auto add = [&](int x, int y) {
        if (!wallAt(x, y) || !done.insert(key(x, y)).second) {
            return;
        }
        const int mask = (wallAt(x, y - 1) ? WallSet::North : 0) | (wallAt(x + 1, y) ? WallSet::East : 0) |
                         (wallAt(x, y + 1) ? WallSet::South : 0) | (wallAt(x - 1, y) ? WallSet::West : 0);
        const int16_t tile = pieces[static_cast<size_t>(mask)];
        if (tile != rowOf(grid, y)[x]) {
            result.emplace_back(QPoint(x, y), tile);
        }
    };
    for (const int at : painted) {
        const int x = at % Size;
        const int y = at / Size;
        add(x, y);
        for (const QPoint& side : sides) {
            add(x + side.x(), y + side.y());
        }
    }
    return result;
}

// Flattened: the per-cell write must stay inline in a pass over every cell of the map.
[[gnu::flatten]] void WallPainter::paintRect(LevelEdit& edit, const CellRect& rect) const {
    const CellRect r = rect.clipped(Size);
    if (r.isEmpty() || pieces[0] == 0) {
        return;
    }
    const int16_t* grid = edit.level().cells();
    // One wall flag per cell of a row, from column x1 - 1 to x2 + 1. Inside the rectangle a cell is
    // (or is about to be) a wall unless it is one that is never painted over, so the flags of a row
    // hold before and after the pass writes it; outside only the set's own walls count.
    const auto flagsOf = [&](std::vector<uint8_t>& flags, int y) {
        std::fill(flags.begin(), flags.end(), uint8_t{0});
        if (y < 0 || y >= Size) {
            return;
        }
        const int16_t* row = rowOf(grid, y);
        const bool inside = y >= r.y1 && y <= r.y2;
        for (int x = r.x1; x <= r.x2; ++x) {
            const Kind kind = kindOf(row[x]);
            flags[static_cast<size_t>(x - r.x1 + 1)] = inside ? kind != Fixed : kind == Own;
        }
        flags.front() = r.x1 > 0 && kindOf(row[r.x1 - 1]) == Own;
        flags.back() = r.x2 + 1 < Size && kindOf(row[r.x2 + 1]) == Own;
    };
    const auto width = static_cast<size_t>(r.width() + 2);
    std::vector<uint8_t> above(width);
    std::vector<uint8_t> here(width);
    std::vector<uint8_t> below(width);
    // No piece is negative, so this marks the cells of a row that are left alone.
    constexpr int16_t Unpainted = -2;
    std::vector<int16_t> rowPieces(width);
    flagsOf(here, r.y1 - 1);
    flagsOf(below, r.y1);
    for (int y = r.y1; y <= r.y2; ++y) {
        std::swap(above, here);
        std::swap(here, below);
        flagsOf(below, y + 1);
        // The row's pieces first, then the writes in a loop of their own: small enough for the
        // compiler to keep the write inline, which a whole-map room spends most of its time in.
        for (size_t i = 1; i + 1 < width; ++i) {
            const int mask = above[i] * WallSet::North | here[i + 1] * WallSet::East | below[i] * WallSet::South |
                             here[i - 1] * WallSet::West;
            rowPieces[i] = here[i] != 0 ? pieces[static_cast<size_t>(mask)] : Unpainted;
        }
        for (size_t i = 1; i + 1 < width; ++i) {
            if (rowPieces[i] != Unpainted) {
                edit.setTile(r.x1 + static_cast<int>(i) - 1, y, rowPieces[i]);
            }
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
    const AnySetJoiner joiner(sets);
    for (const QPoint& cell : cells) {
        if (Level::inGrid(cell.x(), cell.y()) && sets.wallSetOf(rowOf(grid, cell.y())[cell.x()]) >= 0) {
            edit.setTile(cell.x(), cell.y(), replacement);
        }
    }
    for (const QPoint& cell : cells) {
        if (!Level::inGrid(cell.x(), cell.y())) {
            continue;
        }
        joiner.join(edit, grid, cell.x(), cell.y());
        for (const QPoint& side : sides) {
            const QPoint next = cell + side;
            if (Level::inGrid(next.x(), next.y())) {
                joiner.join(edit, grid, next.x(), next.y());
            }
        }
    }
}

void WallPainter::retile(LevelEdit& edit, const LevelSets& sets, const CellRect& rect) {
    const CellRect r = rect.clipped(Size);
    const int16_t* grid = edit.level().cells();
    const AnySetJoiner joiner(sets);
    // Joining changes a wall's piece but never which set it belongs to, so the order does not matter.
    for (int y = r.y1; y <= r.y2; ++y) {
        for (int x = r.x1; x <= r.x2; ++x) {
            joiner.join(edit, grid, x, y);
        }
    }
}

void WallPainter::retile(LevelEdit& edit, const LevelSets& sets) {
    retile(edit, sets, CellRect{0, 0, Size - 1, Size - 1});
}
