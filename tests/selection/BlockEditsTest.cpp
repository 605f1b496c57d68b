#include <gtest/gtest.h>
#include <algorithm>

#include "model/Level.h"
#include "model/LevelEdit.h"
#include "model/ObjectProcedures.h"
#include "selection/BlockEdits.h"
#include "selection/TileText.h"

using ObjectProcedures::placeObject;

namespace {

class BlockEditsTest : public ::testing::Test {
protected:
    int16_t at(int x, int y) const { return level.getTile(static_cast<int16_t>(x), static_cast<int16_t>(y)); }
    void put(int x, int y, int v) {
        level.putTile(static_cast<int16_t>(x), static_cast<int16_t>(y), static_cast<int16_t>(v));
    }
    int countValue(int16_t value) const {
        return static_cast<int>(std::count(level.cells(), level.cells() + Level::Size * Level::Size, value));
    }
    // Every covered cell belongs to an anchor whose square holds it, and every such square is whole:
    // the grid is a block that making consistent leaves as it is.
    bool specialTilesWhole() const {
        TileBlock whole = BlockEdits::readBlock(level, {0, 0, Level::Size - 1, Level::Size - 1});
        return std::equal(level.cells(), level.cells() + Level::Size * Level::Size, whole.data());
    }

    void TearDown() override { batch.commit(); }

    Level level;
    LevelEdit batch{level};
};

}  // namespace

// A rectangle that cuts a special tile works on the area widened to take it in whole.
TEST_F(BlockEditsTest, MirrorAndFlipMoveSpecialTilesWholeAndTwiceRestore) {
    placeObject(batch, 217, 0, 0, false);
    put(2, 0, 7);
    EXPECT_EQ(BlockEdits::mirror(batch, {1, 0, 5, 1}), (CellRect{0, 0, 5, 1}));
    EXPECT_EQ(at(4, 0), 217);
    EXPECT_EQ(at(3, 0), 7);
    EXPECT_EQ(at(0, 0), 0);
    EXPECT_TRUE(specialTilesWhole()) << "no covered cell is left behind";

    put(7, 0, 4);
    put(7, 1, 5);
    placeObject(batch, 220, 8, 0, false);  // 8..12 x 0..4
    put(9, 6, 11);
    const CellRect r{7, 0, 12, 6};
    const std::vector<int16_t> before(level.cells(), level.cells() + Level::Size * Level::Size);
    BlockEdits::flip(batch, r);
    EXPECT_EQ(at(7, 6), 4);
    EXPECT_EQ(at(7, 5), 5);
    EXPECT_EQ(at(9, 0), 11);
    EXPECT_EQ(at(8, 2), 220);  // square rows 0..4 land on rows 2..6
    EXPECT_TRUE(specialTilesWhole());
    BlockEdits::flip(batch, r);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), level.cells()));
}

TEST_F(BlockEditsTest, MirrorAndFlipPastTheGridEdgeTouchOnlyGridCells) {
    put(1022, 1023, 1);
    put(1023, 1023, 2);
    EXPECT_EQ(BlockEdits::mirror(batch, {1022, 1020, 1030, 1030}), (CellRect{1022, 1020, 1023, 1023}));
    EXPECT_EQ(at(1022, 1023), 2);
    EXPECT_EQ(at(1023, 1023), 1);
    BlockEdits::flip(batch, {1022, 1020, 1030, 1030});
    EXPECT_EQ(at(1022, 1020), 2);
    EXPECT_TRUE(BlockEdits::mirror(batch, {2000, 0, 2005, 3}).isEmpty());
}

TEST_F(BlockEditsTest, DropWritesOnlyGridCellsAndNeverOrphansCoveredCells) {
    const TileBlock block = *TileText::parse(u"QuarnTiles:3:2:217:-1:8:-1:-1:9:");
    // Anchor left of the grid: its covered cells would land in column 0 without it, as orphans.
    BlockEdits::dropBlock(batch, block, -1, 0);
    EXPECT_EQ(at(1, 0), 8);
    // Square past the right edge: not placed, as PlaceObject would not place it.
    BlockEdits::dropBlock(batch, block, 1023, 500);
    EXPECT_EQ(at(1023, 500), 0);
    BlockEdits::dropBlock(batch, block, 100, 100);
    EXPECT_EQ(at(100, 100), 217);
    EXPECT_TRUE(specialTilesWhole());
}

TEST_F(BlockEditsTest, EmptyingARectangleRemovesSpecialTilesItCuts) {
    placeObject(batch, 219, 10, 10, false);
    put(9, 9, 3);
    batch.commit();
    LevelEdit erase(level);
    BlockEdits::emptyCells(erase, {9, 9, 11, 11});
    erase.commit();
    EXPECT_EQ(countValue(0), Level::Size * Level::Size) << "the 3 and the whole special tile are gone";
    level.undoStack().undo();
    EXPECT_EQ(at(9, 9) * 1000 + at(10, 10), 3219);
    EXPECT_EQ(countValue(-1), 35);
}
