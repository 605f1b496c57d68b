#include <gtest/gtest.h>

#include <array>

#include "history/Changes.h"

// Covered cells share their packing with tile 0, so the mark must survive the round trip at the grid's far corner.
TEST(Changes, EntriesGiveBackEveryRecordedCellAndValue) {
    const std::array<int16_t, 3> entries[] = {{300, 17, 5}, {5, 5, -1}, {1023, 1023, 255}, {1023, 1023, -1}, {0, 0, 0}};
    Changes c;
    for (const auto& e : entries) {
        c.record(e[0], e[1], e[2]);
    }
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(c.entry(i), entries[i]) << i;
    }
}
