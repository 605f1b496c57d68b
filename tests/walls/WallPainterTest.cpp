#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <algorithm>
#include <iterator>
#include <random>
#include <vector>

#include "model/Level.h"
#include "model/LevelEdit.h"
#include "walls/CellPath.h"
#include "walls/LevelSets.h"
#include "walls/WallPainter.h"

namespace {

constexpr int Brick = 0;
constexpr int Stone = 1;

WallSet numberedSet(const char* name, int16_t first) {
    std::array<int16_t, WallSet::Entries> tiles{};
    for (int i = 0; i < WallSet::Entries; ++i) {
        tiles[static_cast<size_t>(i)] = static_cast<int16_t>(first + i);
    }
    return WallSet(name, tiles);
}

std::vector<int16_t> snapshot(const Level& level) {
    return {level.cells(), level.cells() + Level::Size * Level::Size};
}

class WallPainting : public ::testing::Test {
protected:
    WallPainting() {
        sets.addWallSet(numberedSet("Brick", 101));
        sets.addWallSet(numberedSet("Stone", 121));
    }

    int16_t piece(int set, int mask) const { return sets.wallSets()[static_cast<size_t>(set)].tileForMask(mask); }

    // Every wall of every set shows the piece of its actual neighbours.
    void expectJoined(const Level& map, int x1, int y1, int x2, int y2) const {
        for (int y = std::max(y1, 0); y <= std::min(y2, Level::Size - 1); ++y) {
            for (int x = std::max(x1, 0); x <= std::min(x2, Level::Size - 1); ++x) {
                const int set = sets.wallSetOf(map.getTile(x, y));
                if (set < 0) {
                    continue;
                }
                const auto same = [&](int nx, int ny) {
                    return Level::inGrid(nx, ny) && sets.wallSetOf(map.getTile(nx, ny)) == set;
                };
                const int mask = (same(x, y - 1) ? 1 : 0) | (same(x + 1, y) ? 2 : 0) | (same(x, y + 1) ? 4 : 0) |
                                 (same(x - 1, y) ? 8 : 0);
                ASSERT_EQ(map.getTile(x, y), piece(set, mask)) << x << "," << y;
            }
        }
    }

    LevelSets sets;
    Level level;
};

}  // namespace

// The block drawn as the room it stands for (the 3 x 3 square, the upright and level lines and the
// post, one cell apart) is what re-tiling makes of it, and it holds every mask once.
TEST_F(WallPainting, TheBlockLaidOutAsItsRoomComesBackUnchangedAndHoldsEveryMask) {
    const WallSet& set = sets.wallSets()[Brick];
    std::vector<int> masks;
    for (int entry = 0; entry < WallSet::Entries; ++entry) {
        const int column = entry % 4;
        const int row = entry / 4;
        level.putTile(500 + column + (column == 3 ? 1 : 0), 0 + row + (row == 3 ? 1 : 0), set.tile(entry));
        masks.push_back(WallSet::maskOfEntry(entry));
        EXPECT_EQ(WallSet::entryOfMask(WallSet::maskOfEntry(entry)), entry);
    }
    std::sort(masks.begin(), masks.end());
    EXPECT_EQ(std::unique(masks.begin(), masks.end()), masks.end());
    const std::vector<int16_t> laidOut = snapshot(level);
    LevelEdit edit(level);
    WallPainter::retile(edit, sets);
    EXPECT_FALSE(edit.changedCells());
    edit.commit();
    EXPECT_EQ(snapshot(level), laidOut);
}

TEST_F(WallPainting, PaintingJoinsItsOwnSetOnlyAndSparesSpecialTilesOtherSetsAndTheEdge) {
    level.putTile(2, 1, 217);
    level.completeSpecialTiles(2, 1);
    level.putTile(5, 0, piece(Stone, 0));
    level.putTile(0, 1, piece(Brick, 0));
    level.putTile(1, 0, 7);  // an ordinary tile is painted over
    const std::vector<QPoint> cells = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {2, 1}, {3, 1}, {-1, 0}};
    LevelEdit edit(level);
    WallPainter(sets, Brick).paint(edit, cells);
    edit.commit();
    EXPECT_EQ(level.getTile(0, 0), piece(Brick, WallSet::East | WallSet::South));
    EXPECT_EQ(level.getTile(0, 1), piece(Brick, WallSet::North));
    EXPECT_EQ(level.getTile(1, 0), piece(Brick, WallSet::East | WallSet::West));
    EXPECT_EQ(level.getTile(4, 0), piece(Brick, WallSet::West));
    EXPECT_EQ(level.getTile(5, 0), piece(Stone, 0));
    EXPECT_EQ(level.getTile(2, 1), 217);
    EXPECT_EQ(level.getTile(3, 1), -1);
}

// On a busy, joined neighbourhood the rectangle's one pass and the cell-by-cell paint agree and keep
// every wall joined; so does erasing some of the cells, with an empty cell or another set's tile.
TEST_F(WallPainting, RectanglesCellListsAndErasingKeepEveryWallJoined) {
    QRandomGenerator random(7);
    Level other;
    const int16_t scatter[] = {0, 0, 9, piece(Brick, 0), piece(Brick, 5), piece(Stone, 3)};
    for (int round = 0; round < 20; ++round) {
        const int x1 = random.bounded(-3, 1020);
        const int y1 = random.bounded(-3, 1020);
        const CellRect rect{x1, y1, x1 + random.bounded(0, 8), y1 + random.bounded(0, 8)};
        level.eraseTiles();
        other.eraseTiles();
        const CellRect around{rect.x1 - 2, rect.y1 - 2, rect.x2 + 2, rect.y2 + 2};
        for (int y = std::max(around.y1, 0); y <= std::min(around.y2, 1023); ++y) {
            for (int x = std::max(around.x1, 0); x <= std::min(around.x2, 1023); ++x) {
                level.putTile(x, y, scatter[random.bounded(6)]);
            }
        }
        level.putTile(std::max(rect.x1, 0), std::max(rect.y1, 0), 217);
        {
            LevelEdit joined(level);
            WallPainter::retile(joined, sets, around);
            joined.commit();
        }
        for (int y = std::max(around.y1, 0); y <= std::min(around.y2, 1023); ++y) {
            for (int x = std::max(around.x1, 0); x <= std::min(around.x2, 1023); ++x) {
                other.putTile(x, y, level.getTile(x, y));
            }
        }
        std::vector<QPoint> cells;
        for (int y = rect.y1; y <= rect.y2; ++y) {
            for (int x = rect.x1; x <= rect.x2; ++x) {
                cells.emplace_back(x, y);
            }
        }
        // The preview of a shape shows exactly what painting it writes, joined neighbours included.
        const auto preview = WallPainter(sets, Brick).preview(other, cells);
        const std::vector<int16_t> unpainted = snapshot(other);
        {
            LevelEdit byRect(level);
            WallPainter(sets, Brick).paintRect(byRect, rect);
            byRect.commit();
            LevelEdit byCells(other);
            WallPainter(sets, Brick).paint(byCells, cells);
            byCells.commit();
        }
        ASSERT_EQ(snapshot(level), snapshot(other)) << "round " << round;
        std::vector<int16_t> previewed = unpainted;
        for (const auto& [cell, tile] : preview) {
            previewed[static_cast<size_t>(cell.y() * Level::Size + cell.x())] = tile;
        }
        ASSERT_EQ(previewed, snapshot(other)) << "round " << round;
        expectJoined(level, rect.x1 - 3, rect.y1 - 3, rect.x2 + 3, rect.y2 + 3);

        std::vector<QPoint> erased;
        std::sample(cells.begin(), cells.end(), std::back_inserter(erased), cells.size() / 3, std::mt19937(round));
        LevelEdit erase(level);
        WallPainter::erase(erase, sets, erased, round % 2 == 0 ? int16_t{0} : piece(Stone, 0));
        erase.commit();
        expectJoined(level, rect.x1 - 3, rect.y1 - 3, rect.x2 + 3, rect.y2 + 3);
        EXPECT_EQ(level.getTile(std::max(rect.x1, 0), std::max(rect.y1, 0)), 217);
    }
}

TEST_F(WallPainting, UndoOfAPaintRestoresTheNeighboursItJoined) {
    level.putTile(10, 9, piece(Brick, 0));
    level.putTile(12, 10, piece(Brick, 0));
    const std::vector<int16_t> before = snapshot(level);
    LevelEdit edit(level);
    WallPainter(sets, Brick).paint(edit, CellPath::fourConnected({9, 10}, {11, 10}));
    edit.commit();
    EXPECT_EQ(level.getTile(10, 9), piece(Brick, WallSet::South));
    EXPECT_EQ(level.getTile(12, 10), piece(Brick, WallSet::West));
    level.undoStack().undo();
    EXPECT_EQ(snapshot(level), before);
}

TEST(CellPath, FastDragsBecomeUnbrokenLinesOfSideBySideSteps) {
    for (const auto& [from, to] : {std::pair{QPoint(0, 0), QPoint(7, 3)},
                                   {QPoint(5, 9), QPoint(1, 1)},
                                   {QPoint(3, 3), QPoint(3, -4)},
                                   {QPoint(2, 2), QPoint(2, 2)}}) {
        const std::vector<QPoint> path = CellPath::fourConnected(from, to);
        ASSERT_EQ(path.front(), from);
        ASSERT_EQ(path.back(), to);
        EXPECT_EQ(static_cast<int>(path.size()), (to - from).manhattanLength() + 1);
        for (size_t i = 1; i < path.size(); ++i) {
            EXPECT_EQ((path[i] - path[i - 1]).manhattanLength(), 1);
            // Close to the straight line: never more than one cell off it.
            const QPoint d = to - from;
            const QPoint p = path[i] - from;
            EXPECT_LE(std::abs(p.x() * d.y() - p.y() * d.x()), std::max(std::abs(d.x()), std::abs(d.y())));
        }
    }
}
