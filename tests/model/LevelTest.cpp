#include <gtest/gtest.h>

#include "model/Level.h"
#include "model/LevelEdit.h"

TEST(Level, AnEditRecordsOnlyRealChangesAndUndoGivesBackTheFirstValue) {
    Level level;
    LevelEdit edit(level);
    edit.setTile(3, 4, 0);
    EXPECT_FALSE(edit.changedCells()) << "writing the value a cell holds records nothing";
    edit.setTile(3, 4, 12);
    edit.setTile(3, 4, 13);
    EXPECT_TRUE(edit.changedCells());
    edit.commit();
    EXPECT_EQ(level.getTile(3, 4), 13);
    level.undoredo.Undo();
    EXPECT_EQ(level.getTile(3, 4), 0);
    level.putTile(3, 4, 13);
    level.EraseTiles();
    EXPECT_EQ(level.getTile(3, 4), 0);
}

TEST(Level, CompletingSpecialTilesInRowOrderLetsEarlierObjectsWinAndKeepsEdgeObjectsInside) {
    Level level;
    level.putTile(0, 0, 219);
    level.putTile(2, 2, 220);
    level.putTile(1020, 1021, 219);
    level.completeAfterLoad();
    EXPECT_EQ(level.getTile(0, 0), 219);
    EXPECT_EQ(level.getTile(2, 2), -1) << "the 220 inside the 219's square is gone";
    EXPECT_EQ(level.getTile(5, 5), -1);
    EXPECT_EQ(level.getTile(6, 6), 0) << "nothing of the lost 220 remains outside the 219";
    EXPECT_EQ(level.pic1024.pixel(5, 5), qRgb(255, 0, 255));
    EXPECT_EQ(level.getTile(1020, 1021), 219);
    EXPECT_EQ(level.getTile(1023, 1023), -1);
    EXPECT_EQ(level.getTile(1019, 1021), 0);
    EXPECT_EQ(level.getTile(1023, 1020), 0);
}
