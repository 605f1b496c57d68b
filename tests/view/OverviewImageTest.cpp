#include <gtest/gtest.h>

#include "history/Changes.h"
#include "model/Level.h"
#include "view/RadarColor.h"

TEST(RadarColor, FollowsTheCellValueBands) {
    EXPECT_EQ(RadarColor(0), qRgb(0, 0, 0));
    EXPECT_EQ(RadarColor(1), qRgb(192, 192, 192));
    EXPECT_EQ(RadarColor(161), qRgb(192, 192, 192));
    EXPECT_EQ(RadarColor(162), qRgb(0, 0, 255));
    EXPECT_EQ(RadarColor(170), qRgb(255, 255, 0));
    EXPECT_EQ(RadarColor(171), qRgb(0, 255, 0));
    EXPECT_EQ(RadarColor(172), qRgb(255, 0, 0));
    EXPECT_EQ(RadarColor(190), qRgb(0, 255, 255));
    EXPECT_EQ(RadarColor(191), qRgb(0, 0, 0));
    EXPECT_EQ(RadarColor(215), qRgb(0, 0, 0));
    EXPECT_EQ(RadarColor(216), qRgb(255, 0, 255));
    EXPECT_EQ(RadarColor(-1), qRgb(255, 0, 255));
    EXPECT_EQ(RadarColor(300), qRgb(0, 0, 0));
}

TEST(OverviewImage, FollowsEveryRecordedCellWrite) {
    Level level;
    Changes batch;
    level.setTile(7, 9, 172, batch, true);
    level.UpdateLevelTile(7, 9);
    EXPECT_EQ(level.pic1024.pixel(7, 9), qRgb(255, 0, 0));
    level.setTile(7, 9, 0, batch, true);
    level.UpdateLevelTile(7, 9);
    EXPECT_EQ(level.pic1024.pixel(7, 9), qRgb(0, 0, 0));
}
