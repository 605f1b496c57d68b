#include <gtest/gtest.h>

#include <array>

#include "history/Changes.h"

TEST(Changes, PacksEntriesLikeCellRecords) {
    Changes c;
    EXPECT_EQ(c.UBnd(), -1);
    c.AddChange(300, 17, 5);
    c.AddChange(5, 5, -1);
    c.AddChange(1023, 1023, 255);
    c.AddChange(1023, 1023, -1);
    EXPECT_EQ(c.entry(0), 83956012);
    EXPECT_EQ(c.entry(1), 0x5005 | 0x800) << "a covered cell is tile 0 marked in the column's unused bit 11";
    EXPECT_EQ(c.entry(2), -12585985);
    EXPECT_EQ(c.UBnd(), 3);
    EXPECT_EQ(c.GetChange(0), (std::array<int16_t, 3>{300, 17, 5}));
    EXPECT_EQ(c.GetChange(1), (std::array<int16_t, 3>{5, 5, -1}));
    EXPECT_EQ(c.GetChange(2), (std::array<int16_t, 3>{1023, 1023, 255}));
    EXPECT_EQ(c.GetChange(3), (std::array<int16_t, 3>{1023, 1023, -1}));
}

TEST(Changes, BytesToNumExReadsSignedAndUnsignedAndRejectsBadRanges) {
    const std::array<uint8_t, 2> ff{0xFF, 0xFF};
    EXPECT_EQ(Changes::BytesToNumEx(ff, 0, 1, false), -1);
    EXPECT_EQ(Changes::BytesToNumEx(ff, 0, 1, true), 65535);
    const std::array<uint8_t, 4> bytes{0x2C, 0x11, 0x01, 0x05};
    EXPECT_EQ(Changes::BytesToNumEx(bytes, 0, 0, false), 0x2C + 0x11 * 256 + 0x01 * 65536 + 0x05 * 16777216)
        << "an end below 1 means the last byte";
    bool error = false;
    EXPECT_EQ(Changes::BytesToNumEx(bytes, 3, 1, false, &error), -1);
    EXPECT_TRUE(error);
    EXPECT_EQ(Changes::BytesToNumEx(bytes, 0, 9, false, &error), -1) << "never reads past the array";
    EXPECT_TRUE(error);
    EXPECT_EQ(Changes::LongToByteArray(-12585985), (std::array<uint8_t, 4>{0xFF, 0xF3, 0x3F, 0xFF}));
}
