#include <gtest/gtest.h>

#include <array>

#include "history/Changes.h"

// Covered cells share their packing with tile 0, so the mark must survive the round trip at the grid's far corner.
TEST(Changes, EntriesGiveBackEveryRecordedCellAndValue) {
    Changes c;
    EXPECT_EQ(c.UBnd(), -1);
    c.AddChange(300, 17, 5);
    c.AddChange(5, 5, -1);
    c.AddChange(1023, 1023, 255);
    c.AddChange(1023, 1023, -1);
    c.AddChange(0, 0, 0);
    EXPECT_EQ(c.UBnd(), 4);
    EXPECT_EQ(c.GetChange(0), (std::array<int16_t, 3>{300, 17, 5}));
    EXPECT_EQ(c.GetChange(1), (std::array<int16_t, 3>{5, 5, -1}));
    EXPECT_EQ(c.GetChange(2), (std::array<int16_t, 3>{1023, 1023, 255}));
    EXPECT_EQ(c.GetChange(3), (std::array<int16_t, 3>{1023, 1023, -1}));
    EXPECT_EQ(c.GetChange(4), (std::array<int16_t, 3>{0, 0, 0}));
}
