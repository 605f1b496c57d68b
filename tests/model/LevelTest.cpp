#include <gtest/gtest.h>

#include "model/Level.h"

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
    EXPECT_EQ(level.overview().pixel(5, 5), qRgb(255, 0, 255));
    EXPECT_EQ(level.getTile(1020, 1021), 219);
    EXPECT_EQ(level.getTile(1023, 1023), -1);
    EXPECT_EQ(level.getTile(1019, 1021), 0);
    EXPECT_EQ(level.getTile(1023, 1020), 0);
}
