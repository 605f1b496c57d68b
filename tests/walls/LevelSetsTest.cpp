#include <gtest/gtest.h>

#include "walls/LevelSets.h"

TEST(LevelSets, ATileJoinsOneWallSetAndTheCurrentSetsFollowAdditionsAndRemovals) {
    LevelSets sets;
    EXPECT_EQ(sets.currentWallSet(), -1);
    ASSERT_TRUE(sets.addWallSet(WallSet("A", {1, 2, 3})));
    ASSERT_TRUE(sets.addWallSet(WallSet("B", {4, 5, 0, 0, 217})));
    EXPECT_FALSE(sets.addWallSet(WallSet("C", {9, 3})));
    EXPECT_EQ(sets.conflictingWallSet(WallSet("C", {9, 3})), "A");
    EXPECT_TRUE(sets.conflictingWallSet(WallSet("A2", {3, 1}), 0).isEmpty());
    EXPECT_FALSE(sets.replaceWallSet(1, WallSet("B2", {4, 1})));
    EXPECT_EQ(sets.wallSetOf(5), 1);
    EXPECT_EQ(sets.wallSetOf(217), -1);
    EXPECT_EQ(sets.wallSetOf(0), -1);
    EXPECT_EQ(sets.currentWallSet(), 0);
    sets.setCurrentWallSet(1);
    sets.removeWallSet(0);
    EXPECT_EQ(sets.currentWallSet(), 0);
    EXPECT_EQ(sets.wallSetOf(5), 0);
    EXPECT_EQ(sets.wallSetOf(2), -1);
    sets.removeWallSet(0);
    EXPECT_EQ(sets.currentWallSet(), -1);

    sets.markSaved();
    sets.setCurrentRandomSet(0);
    EXPECT_FALSE(sets.changed());
    ASSERT_TRUE(sets.addRandomSet(RandomSet("R", {{3, 1}})));
    EXPECT_TRUE(sets.changed());
    EXPECT_EQ(sets.currentRandomSet(), 0);
}
