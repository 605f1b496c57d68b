#include <gtest/gtest.h>

#include "history/Changes.h"
#include "model/Level.h"
#include "model/ObjectProcedures.h"
#include "selection/TileText.h"

namespace {

std::vector<int16_t> cellsOf(const TileBlock& block) {
    std::vector<int16_t> v;
    for (int y = 0; y < block.height(); ++y) {
        for (int x = 0; x < block.width(); ++x) {
            v.push_back(block.at(x, y));
        }
    }
    return v;
}

}  // namespace

TEST(TileTextFormat, WritesRowsFromTheTopEachValueFollowedByAColon) {
    Level level;
    for (int i = 0; i < 6; ++i) {
        level.putTile(static_cast<int16_t>(10 + i % 3), static_cast<int16_t>(20 + i / 3), static_cast<int16_t>(i + 1));
    }
    EXPECT_EQ(TileText::format(level, {10, 20, 12, 21}), QStringLiteral("QuarnTiles:3:2:1:2:3:4:5:6:"));
}

TEST(TileTextFormat, WritesSpecialTilesWithTheirCoveredCells) {
    Level level;
    Changes batch;
    ObjectProcedures::PlaceObject(level, 217, 0, 0, batch, false);
    level.putTile(2, 0, 255);
    EXPECT_EQ(TileText::format(level, {0, 0, 2, 1}), QStringLiteral("QuarnTiles:3:2:217:-1:255:-1:-1:0:"));
}

TEST(TileTextFormat, CellsPastTheGridEdgeAreWrittenAsZeroAndStillCounted) {
    Level level;
    level.putTile(1023, 1023, 9);
    EXPECT_EQ(TileText::format(level, {1023, 1022, 1024, 1023}), QStringLiteral("QuarnTiles:2:2:0:0:9:0:"));
}

TEST(TileTextParse, ReadsTheBlockTheEditorWrites) {
    const auto block = TileText::parse(u"QuarnTiles:2:2:217:-1:-1:-1:");
    ASSERT_TRUE(block);
    EXPECT_EQ(block->width(), 2);
    EXPECT_EQ(block->height(), 2);
    EXPECT_EQ(cellsOf(*block), (std::vector<int16_t>{217, -1, -1, -1}));
}

TEST(TileTextParse, RoundTripsAWholeMapCopy) {
    Level level;
    for (int i = 0; i < Level::Size * Level::Size; i += 7) {
        level.putTile(static_cast<int16_t>(i % Level::Size), static_cast<int16_t>(i / Level::Size),
                      static_cast<int16_t>(i % 216));
    }
    const auto block = TileText::parse(TileText::format(level, {0, 0, 1023, 1023}));
    ASSERT_TRUE(block);
    for (int y = 0; y < Level::Size; y += 13) {
        for (int x = 0; x < Level::Size; ++x) {
            ASSERT_EQ(block->at(x, y), level.getTile(static_cast<int16_t>(x), static_cast<int16_t>(y)));
        }
    }
}

TEST(TileTextParse, ValuesOutsideTheCellRangeReadAsEmpty) {
    const auto block = TileText::parse(u"QuarnTiles:4:1:300:7:-2:99999999999999999999:");
    ASSERT_TRUE(block);
    EXPECT_EQ(cellsOf(*block), (std::vector<int16_t>{0, 7, 0, 0}));
}

TEST(TileTextParse, FieldsAreReadAsNumbersRoundingHalvesToEven) {
    const auto block = TileText::parse(u"QuarnTiles:6:1:2.5:3.5: 12:abc:8xyz:+4:");
    ASSERT_TRUE(block);
    EXPECT_EQ(cellsOf(*block), (std::vector<int16_t>{2, 4, 12, 0, 8, 4}));
    EXPECT_EQ(TileText::parse(u"QuarnTiles:2.4:1:5:6:")->width(), 2);
}

TEST(TileTextParse, ExtraFieldsAreIgnoredAndTheLastColonIsOptional) {
    const auto extra = TileText::parse(u"QuarnTiles:1:1:5:6:7:");
    ASSERT_TRUE(extra);
    EXPECT_EQ(cellsOf(*extra), (std::vector<int16_t>{5}));
    const auto bare = TileText::parse(u"QuarnTiles:2:1:5:6");
    ASSERT_TRUE(bare);
    EXPECT_EQ(cellsOf(*bare), (std::vector<int16_t>{5, 6}));
}

TEST(TileTextParse, RefusesTextsThatAreNotABlock) {
    const char16_t* hostile[] = {
        u"",
        u"quarntiles:1:1:5:",             // keyword differs in case
        u"QuarnTiles",                    // no sizes
        u"QuarnTiles:1",                  // no height
        u"QuarnTiles:2:1:5:",             // fewer cells than W x H
        u"QuarnTiles:2:2:1:2:3",          // one cell missing at the end
        u"QuarnTiles:0:5:",               // empty width
        u"QuarnTiles:-3:2:1:2:3:4:5:6:",  // negative width
        u"QuarnTiles:1025:1:",            // wider than a map
        u"QuarnTiles:1:1025:",
        u"QuarnTiles:65537:65537:1:",  // would need gigabytes
        u"QuarnTiles:99999999999999:1:1:",
        u"QuarnTiles:x:y:1:",
        u" QuarnTiles:1:1:5:",
    };
    for (const char16_t* text : hostile) {
        EXPECT_FALSE(TileText::parse(QStringView(text))) << QString::fromUtf16(text).toStdString();
    }
}

TEST(TileTextParse, RefusesTextLongerThanAnyBlock) {
    QString text = QStringLiteral("QuarnTiles:1:1:5:");
    text += QString(TileText::MaxLength, QLatin1Char(':'));
    EXPECT_FALSE(TileText::parse(text));
}

TEST(TileTextParse, SpecialTilesAreMadeWholeOrDropped) {
    // A covered cell without its anchor, and a 2 x 2 tile whose square leaves the block.
    const auto orphan = TileText::parse(u"QuarnTiles:3:1:-1:5:217:");
    ASSERT_TRUE(orphan);
    EXPECT_EQ(cellsOf(*orphan), (std::vector<int16_t>{0, 5, 0}));
    // An anchor whose square holds other values gets its covered cells back.
    const auto covered = TileText::parse(u"QuarnTiles:3:2:217:9:1:4:4:2:");
    ASSERT_TRUE(covered);
    EXPECT_EQ(cellsOf(*covered), (std::vector<int16_t>{217, -1, 1, -1, -1, 2}));
    // A second anchor whose square overlaps the first one's is dropped.
    const auto overlap = TileText::parse(u"QuarnTiles:3:3:0:217:0:217:0:0:0:0:0:");
    ASSERT_TRUE(overlap);
    EXPECT_EQ(cellsOf(*overlap), (std::vector<int16_t>{0, 217, -1, 0, -1, -1, 0, 0, 0}));
}

TEST(TileTextKeyword, OnlyTheExactFirstFieldCounts) {
    EXPECT_TRUE(TileText::hasKeyword(u"QuarnTiles:junk"));
    EXPECT_TRUE(TileText::hasKeyword(u"QuarnTiles"));
    EXPECT_FALSE(TileText::hasKeyword(u"QuarnTilesX:1:1:5:"));
    EXPECT_FALSE(TileText::hasKeyword(u"hello"));
}
