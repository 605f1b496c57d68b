#include <gtest/gtest.h>

#include <algorithm>

#include "model/Level.h"
#include "model/LevelEdit.h"
#include "model/ObjectProcedures.h"

using namespace ObjectProcedures;

namespace {

int countValue(const Level& level, int16_t value) {
    return static_cast<int>(std::count(level.cells(), level.cells() + Level::Size * Level::Size, value));
}

}  // namespace

TEST(ObjectProcedures, PlacingOverlappingObjectRemovesTheOldOneWholeAndObjectsNeverLeaveTheGrid) {
    Level level;
    LevelEdit batch(level);
    placeObject(batch, 219, 10, 10, false);
    EXPECT_EQ(countValue(level, -1), 35);
    placeObject(batch, 217, 15, 15, false);  // touches one corner cell of the 6 x 6
    EXPECT_EQ(level.getTile(10, 10), 0);
    EXPECT_EQ(level.getTile(15, 15), 217);
    EXPECT_EQ(countValue(level, -1), 3);
    EXPECT_EQ(level.overview().pixel(10, 10), qRgb(0, 0, 0));
    EXPECT_EQ(level.overview().pixel(16, 16), qRgb(255, 0, 255));

    batch.commit();
    LevelEdit none(level);
    placeObject(none, 219, 1020, 10, false);
    EXPECT_FALSE(none.changedCells());
    EXPECT_EQ(level.getTile(1020, 10), 0);
    placeObject(none, 219, 1018, 10, false);
    EXPECT_EQ(level.getTile(1018, 10), 219);
    EXPECT_EQ(level.getTile(1023, 15), -1);
    none.commit();
}

TEST(ObjectProcedures, OrdinaryTileOnACoveredCellTakesTheWholeObjectAndACellWithoutAnchorIsClearedAlone) {
    Level level;
    LevelEdit batch(level);
    EXPECT_EQ(getObjectOrigin(level, 3, 3), (std::array<int, 2>{3, 3}));
    EXPECT_FALSE(isObjectCell(level, -1, 11));
    EXPECT_FALSE(isObjectCell(level, 1024, 0));

    // An ordinary tile placed on a covered cell takes the whole object away first.
    placeObject(batch, 217, 40, 40, false);
    placeObject(batch, 5, 41, 41, false);
    EXPECT_EQ(level.getTile(40, 40), 0);
    EXPECT_EQ(level.getTile(41, 41), 5);

    // A covered cell without its anchor has no origin and is cleared alone.
    level.putTile(500, 500, -1);
    EXPECT_FALSE(getObjectOrigin(level, 500, 500).has_value());
    removeObjectAt(batch, 500, 500, false);
    EXPECT_EQ(level.getTile(500, 500), 0);
    batch.commit();
}
