#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "TestFiles.h"
#include "model/Level.h"
#include "model/Tileset.h"
#include "model/TilesetFile.h"

TEST(Tileset, TileGeometry) {
    EXPECT_EQ(Tileset::tileSource(1, 16), QRect(0, 0, 16, 16));
    EXPECT_EQ(Tileset::tileSource(19, 16), QRect(288, 0, 16, 16));
    EXPECT_EQ(Tileset::tileSource(20, 16), QRect(0, 16, 16, 16));
    EXPECT_EQ(Tileset::tileSource(218, 32), QRect(32 * 8, 32 * 11, 32, 32));
    EXPECT_EQ(Tileset::tileAt(20, 3), 2);
    EXPECT_EQ(Tileset::tileAt(5, 20), 20);
    EXPECT_EQ(Tileset::tileAt(303, 159), 190);
}

TEST(Tileset, DefaultTilesetGetsTheExtraStripBelow) {
    Tileset t;
    ASSERT_EQ(t.pictileset().size(), QSize(304, 224));
    const QImage& strip = Tileset::picextratiles();
    ASSERT_EQ(strip.size(), QSize(304, 64));
    EXPECT_EQ(Tileset::picspecial().size(), QSize(224, 96));
    // Tile 191 is the strip's first cell.
    const QRect r = Tileset::tileSource(191, 16);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            ASSERT_EQ(t.pictileset().pixel(r.x() + x, r.y() + y), strip.pixel(x, y)) << x << "," << y;
        }
    }
    t.setZoom(2.0f);
    EXPECT_EQ(t.piczoomtileset().size(), QSize(608, 448));
    t.setZoom(0.25f);
    EXPECT_EQ(t.piczoomtileset().size(), QSize(76, 56));
}

TEST(Tileset, ImportRefusesLowDepthAndNonBitmapsAndKeepsTheLevelAsItWas) {
    QTemporaryDir dir;
    TestFiles::write(dir.filePath("low.bmp"), TestFiles::bmp8().replace(28, 1, "\x04"));
    TestFiles::write(dir.filePath("text.bmp"), "not a bitmap at all");
    Level level;
    EXPECT_EQ(TilesetFile::ImportTileset(level, dir.filePath("low.bmp")),
              QStringLiteral("Tilesets are required to have 8-bit or 24-bit color depth!"));
    EXPECT_TRUE(TilesetFile::ImportTileset(level, dir.filePath("text.bmp")).contains(QStringLiteral("text.bmp")));
    EXPECT_TRUE(level.usingDefaultTileset);
    EXPECT_FALSE(level.mapchanged);

    TestFiles::write(dir.filePath("rgb.bmp"), TestFiles::bmp24(304, 32));
    ASSERT_EQ(TilesetFile::ImportTileset(level, dir.filePath("rgb.bmp")), QString());
    EXPECT_FALSE(level.usingDefaultTileset);
    EXPECT_TRUE(level.mapchanged);
    EXPECT_EQ(level.tileset.pictileset().height(), 32 + 64);
    EXPECT_EQ(level.tilesetBlock.bytes, TestFiles::bmp24(304, 32));
}
