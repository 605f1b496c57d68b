#include <gtest/gtest.h>

#include "model/Level.h"
#include "model/LevelEdit.h"
#include "model/ObjectProcedures.h"
#include "selection/BlockEdits.h"
#include "selection/TileText.h"

namespace {

std::vector<int16_t> cellsOf(const std::optional<TileBlock>& block) {
    std::vector<int16_t> v;
    for (int y = 0; block && y < block->height(); ++y) {
        for (int x = 0; x < block->width(); ++x) {
            v.push_back(block->at(x, y));
        }
    }
    return v;
}

}  // namespace

TEST(TileTextFormat, WritesRowsFromTheTopWithCoveredCells) {
    Level level;
    LevelEdit batch(level);
    ObjectProcedures::placeObject(batch, 217, 0, 0, false);
    batch.commit();
    level.putTile(2, 0, 255);
    EXPECT_EQ(TileText::format(level, {0, 0, 2, 1}), QStringLiteral("QuarnTiles:3:2:217:-1:255:-1:-1:0:"));
}

// What is written of any part of a map, the whole map or a part reaching past the grid, reads back
// as the block the selection lifts from there: its cells, 0 past the grid, special tiles made whole.
TEST(TileTextParse, ReadsBackTheBlockLiftedFromAnyPartOfAMap) {
    Level level;
    for (int i = 0; i < Level::Size * Level::Size; i += 7) {
        level.putTile(static_cast<int16_t>(i % Level::Size), static_cast<int16_t>(i / Level::Size),
                      static_cast<int16_t>(i % 257 - 1));
    }
    for (const CellRect part : {CellRect{0, 0, 1023, 1023}, CellRect{1020, 1019, 1030, 1023}, CellRect{-3, -2, 4, 5}}) {
        const auto block = TileText::parse(TileText::format(level, part));
        EXPECT_EQ(cellsOf(block), cellsOf(BlockEdits::readBlock(level, part))) << part.x1 << ", " << part.y1;
    }
}

TEST(TileTextParse, ReadsFieldsAsNumbersAndMakesSpecialTilesWhole) {
    const std::pair<const char16_t*, std::vector<int16_t>> cases[] = {
        // Values outside the cell range read as empty.
        {u"QuarnTiles:4:1:300:7:-2:99999999999999999999:", {0, 7, 0, 0}},
        // Numbers round half to even; text that is no number reads as 0.
        {u"QuarnTiles:6:1:2.5:3.5: 12:abc:8xyz:+4:", {2, 4, 12, 0, 8, 4}},
        {u"QuarnTiles:2.4:1:5:6:", {5, 6}},
        // Extra fields are ignored and the last colon is optional.
        {u"QuarnTiles:1:1:5:6:7:", {5}},
        {u"QuarnTiles:2:1:5:6", {5, 6}},
        // A covered cell without its anchor, and a 2 x 2 tile whose square leaves the block.
        {u"QuarnTiles:3:1:-1:5:217:", {0, 5, 0}},
        // An anchor whose square holds other values gets its covered cells back.
        {u"QuarnTiles:3:2:217:9:1:4:4:2:", {217, -1, 1, -1, -1, 2}},
        // A second anchor whose square overlaps the first one's is dropped.
        {u"QuarnTiles:3:3:0:217:0:217:0:0:0:0:0:", {0, 217, -1, 0, -1, -1, 0, 0, 0}},
    };
    for (const auto& [text, cells] : cases) {
        EXPECT_EQ(cellsOf(TileText::parse(QStringView(text))), cells) << QString::fromUtf16(text).toStdString();
    }
}

TEST(TileTextParse, RefusesTextsThatAreNotABlock) {
    const char16_t* hostile[] = {
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
        u" QuarnTiles:1:1:5:",
    };
    for (const char16_t* text : hostile) {
        EXPECT_FALSE(TileText::parse(QStringView(text))) << QString::fromUtf16(text).toStdString();
    }
}
