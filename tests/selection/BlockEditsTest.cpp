#include <gtest/gtest.h>

#include "history/Changes.h"
#include "model/Level.h"
#include "model/ObjectProcedures.h"
#include "selection/BlockEdits.h"

using ObjectProcedures::PlaceObject;

namespace {

int16_t at(const Level& level, int x, int y) {
    return level.getTile(static_cast<int16_t>(x), static_cast<int16_t>(y));
}

void put(Level& level, int x, int y, int v) {
    level.putTile(static_cast<int16_t>(x), static_cast<int16_t>(y), static_cast<int16_t>(v));
}

int countValue(const Level& level, int16_t value) {
    int n = 0;
    for (int i = 0; i < Level::Size * Level::Size; ++i) {
        n += level.cells()[i] == value ? 1 : 0;
    }
    return n;
}

// Every covered cell belongs to an anchor whose square holds it.
bool specialTilesWhole(const Level& level) {
    std::vector<bool> covered(static_cast<size_t>(Level::Size) * Level::Size, false);
    for (int y = 0; y < Level::Size; ++y) {
        for (int x = 0; x < Level::Size; ++x) {
            const int e = ObjectProcedures::ObjectExtent(at(level, x, y));
            for (int r = y; e && r <= std::min(y + e, 1023); ++r) {
                for (int c = x; c <= std::min(x + e, 1023); ++c) {
                    if (r != y || c != x) {
                        if (at(level, c, r) != -1) {
                            return false;
                        }
                        covered[static_cast<size_t>(r) * Level::Size + c] = true;
                    }
                }
            }
        }
    }
    for (int i = 0; i < Level::Size * Level::Size; ++i) {
        if (level.cells()[i] == -1 && !covered[static_cast<size_t>(i)]) {
            return false;
        }
    }
    return true;
}

class BlockEditsTest : public ::testing::Test {
protected:
    Level level;
    Changes batch;
};

}  // namespace

TEST_F(BlockEditsTest, GrowthTakesInEveryCutSpecialTileAndKeepsGrowing) {
    PlaceObject(level, 219, 10, 10, batch, false);  // 10..15
    PlaceObject(level, 217, 16, 15, batch, false);  // 16..17 x 15..16, touched once the 219 is in
    CellRect r{12, 12, 13, 13};
    BlockEdits::growToSpecialTiles(level, r);
    EXPECT_EQ(r, (CellRect{10, 10, 15, 15}));
    CellRect wide{12, 12, 16, 13};
    BlockEdits::growToSpecialTiles(level, wide);
    EXPECT_EQ(wide, (CellRect{10, 10, 17, 16}));
}

TEST_F(BlockEditsTest, GrowthLeavesARectangleOfOrdinaryCellsAlone) {
    put(level, 5, 5, 9);
    CellRect r{4, 4, 6, 6};
    BlockEdits::growToSpecialTiles(level, r);
    EXPECT_EQ(r, (CellRect{4, 4, 6, 6}));
}

TEST_F(BlockEditsTest, MirrorReversesRowsAndMovesSpecialTilesWhole) {
    put(level, 0, 5, 1);
    put(level, 1, 5, 2);
    put(level, 2, 5, 3);
    const CellRect done = BlockEdits::Mirror(level, {0, 5, 2, 5}, batch);
    EXPECT_EQ(done, (CellRect{0, 5, 2, 5}));
    EXPECT_EQ(at(level, 0, 5), 3);
    EXPECT_EQ(at(level, 1, 5), 2);
    EXPECT_EQ(at(level, 2, 5), 1);

    PlaceObject(level, 217, 0, 0, batch, false);
    put(level, 2, 0, 7);
    BlockEdits::Mirror(level, {0, 0, 5, 1}, batch);
    EXPECT_EQ(at(level, 4, 0), 217);
    EXPECT_EQ(at(level, 5, 0), -1);
    EXPECT_EQ(at(level, 4, 1), -1);
    EXPECT_EQ(at(level, 3, 0), 7);
    EXPECT_EQ(at(level, 0, 0), 0);
    EXPECT_EQ(at(level, 1, 1), 0);
    EXPECT_TRUE(specialTilesWhole(level));
}

TEST_F(BlockEditsTest, FlipReversesColumnsAndTwiceRestores) {
    put(level, 7, 0, 4);
    put(level, 7, 1, 5);
    PlaceObject(level, 220, 8, 0, batch, false);  // 8..12 x 0..4
    put(level, 9, 6, 11);
    const CellRect r{7, 0, 12, 6};
    const std::vector<int16_t> before(level.cells(), level.cells() + Level::Size * Level::Size);
    BlockEdits::Flip(level, r, batch);
    EXPECT_EQ(at(level, 7, 6), 4);
    EXPECT_EQ(at(level, 7, 5), 5);
    EXPECT_EQ(at(level, 9, 0), 11);
    EXPECT_EQ(at(level, 8, 2), 220);  // square rows 0..4 land on rows 2..6
    EXPECT_EQ(at(level, 12, 6), -1);
    EXPECT_TRUE(specialTilesWhole(level));
    BlockEdits::Flip(level, r, batch);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), level.cells()));
}

TEST_F(BlockEditsTest, MirrorAndFlipPastTheGridEdgeTouchOnlyGridCells) {
    put(level, 1022, 1023, 1);
    put(level, 1023, 1023, 2);
    const CellRect done = BlockEdits::Mirror(level, {1022, 1020, 1030, 1030}, batch);
    EXPECT_EQ(done, (CellRect{1022, 1020, 1023, 1023}));
    EXPECT_EQ(at(level, 1022, 1023), 2);
    EXPECT_EQ(at(level, 1023, 1023), 1);
    BlockEdits::Flip(level, {1022, 1020, 1030, 1030}, batch);
    EXPECT_EQ(at(level, 1022, 1020), 2);
    EXPECT_TRUE(BlockEdits::Mirror(level, {2000, 0, 2005, 3}, batch).isEmpty());
}

TEST_F(BlockEditsTest, MirrorWidensToSpecialTilesCutByTheRectangle) {
    PlaceObject(level, 217, 1, 0, batch, false);  // columns 1..2
    put(level, 0, 0, 5);
    const CellRect done = BlockEdits::Mirror(level, {0, 0, 1, 1}, batch);
    EXPECT_EQ(done, (CellRect{0, 0, 2, 1}));
    EXPECT_EQ(at(level, 0, 0), 217);
    EXPECT_EQ(at(level, 2, 0), 5);
    EXPECT_TRUE(specialTilesWhole(level));
}

TEST_F(BlockEditsTest, SwitchInARectangleLeavesCellsOutsideIt) {
    for (int x = 0; x < 6; ++x) {
        put(level, x, 0, x % 2 ? 5 : 9);
    }
    BlockEdits::SwitchOrReplace(level, {1, 0, 3, 0}, 5, 9, false, batch);
    EXPECT_EQ(at(level, 0, 0), 9);
    EXPECT_EQ(at(level, 1, 0), 9);
    EXPECT_EQ(at(level, 2, 0), 5);
    EXPECT_EQ(at(level, 3, 0), 9);
    EXPECT_EQ(at(level, 5, 0), 5);
    BlockEdits::SwitchOrReplace(level, {0, 0, 5, 0}, 9, 7, true, batch);
    EXPECT_EQ(countValue(level, 9), 0);
    EXPECT_EQ(at(level, 2, 0), 5);
}

TEST_F(BlockEditsTest, DropWritesOnlyGridCellsAndNeverOrphansCoveredCells) {
    TileBlock block(3, 2);
    block.set(0, 0, 217);
    block.set(1, 0, -1);
    block.set(0, 1, -1);
    block.set(1, 1, -1);
    block.set(2, 0, 8);
    block.set(2, 1, 9);
    // Anchor left of the grid: its covered cells would land in column 0 without it.
    BlockEdits::dropBlock(level, block, -1, 0, batch, true);
    EXPECT_EQ(at(level, 0, 0), 0);
    EXPECT_EQ(at(level, 0, 1), 0);
    EXPECT_EQ(at(level, 1, 0), 8);
    // Square past the right edge: not placed, as PlaceObject would not place it.
    BlockEdits::dropBlock(level, block, 1023, 500, batch, true);
    EXPECT_EQ(at(level, 1023, 500), 0);
    BlockEdits::dropBlock(level, block, 100, 100, batch, true);
    EXPECT_EQ(at(level, 100, 100), 217);
    EXPECT_EQ(at(level, 101, 101), -1);
    EXPECT_TRUE(specialTilesWhole(level));
}

TEST_F(BlockEditsTest, EmptyingARectangleRemovesSpecialTilesItCuts) {
    PlaceObject(level, 219, 10, 10, batch, false);
    put(level, 9, 9, 3);
    Changes erase;
    BlockEdits::emptyCells(level, {9, 9, 11, 11}, erase, true);
    EXPECT_EQ(countValue(level, -1), 0);
    EXPECT_EQ(countValue(level, 219), 0);
    EXPECT_EQ(at(level, 9, 9), 0);
    EXPECT_EQ(erase.UBnd(), 36);  // the 3 and every cell of the 6 x 6
}

TEST_F(BlockEditsTest, EditsRecordWhatTheyOverwroteForUndo) {
    put(level, 3, 3, 1);
    put(level, 4, 3, 2);
    auto mirror = std::make_unique<Changes>();
    BlockEdits::Mirror(level, {3, 3, 4, 3}, *mirror);
    EXPECT_EQ(mirror->UBnd(), 1);
    level.undoredo.AddToUndo(std::move(mirror));
    level.undoredo.Undo();
    EXPECT_EQ(at(level, 3, 3), 1);
    EXPECT_EQ(at(level, 4, 3), 2);
}
