#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "walls/RandomDraw.h"

TEST(RandomDraw, DrawsRepeatablyByWeightNeverWeightZeroOrSpecialTiles) {
    const RandomDraw draw(RandomSet("Floor", {{21, 10}, {22, 3}, {23, 0}, {217, 50}, {24, 1}}));
    std::map<int16_t, int> counts;
    int changedByGesture = 0;
    std::vector<int16_t> row(1024);
    for (int y = 0; y < 256; ++y) {
        // A fill draws a run of a row at once, and must draw what single cells get.
        draw.drawRow(99, y, 4, y % 7, 1023 - y % 5, row.data());
        for (int x = 0; x < 1024; ++x) {
            const int16_t tile = draw.tileAt(99, x, y, 4);
            if (x >= y % 7 && x <= 1023 - y % 5) {
                ASSERT_EQ(row[static_cast<size_t>(x)], tile) << x << "," << y;
            }
            ++counts[tile];
            ASSERT_EQ(tile, draw.tileAt(99, x, y, 4));
            changedByGesture += tile != draw.tileAt(99, x, y, 5) ? 1 : 0;
        }
    }
    const double cells = 256.0 * 1024;
    // A new seed draws anew as a new gesture does.
    int changedBySeed = 0;
    for (int x = 0; x < 1024; ++x) {
        changedBySeed += draw.tileAt(99, x, 0, 4) != draw.tileAt(100, x, 0, 4) ? 1 : 0;
    }
    EXPECT_GT(changedBySeed, 400);
    EXPECT_EQ(counts.count(23), 0u);
    EXPECT_EQ(counts.count(217), 0u);
    EXPECT_NEAR(counts[21] / cells, 10.0 / 14, 0.005);
    EXPECT_NEAR(counts[22] / cells, 3.0 / 14, 0.005);
    EXPECT_NEAR(counts[24] / cells, 1.0 / 14, 0.005);
    // Two tiles drawn independently differ with probability 1 - sum of squares, about 0.48.
    EXPECT_NEAR(changedByGesture / cells, 1 - (100.0 + 9 + 1) / 196, 0.01);

    const RandomDraw none(RandomSet("None", {{23, 0}, {219, 4}}));
    EXPECT_TRUE(none.isEmpty());
    EXPECT_EQ(none.tileAt(1, 2, 3, 4), 0);
}
