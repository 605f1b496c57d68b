#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <tuple>

#include "TestFiles.h"
#include "model/Level.h"
#include "model/Tileset.h"
#include "model/TilesetFile.h"

TEST(Tileset, DefaultTilesetGetsTheExtraStripBelow) {
    Tileset t;
    const QImage& strip = Tileset::extraTiles();
    // Tile 191 is the strip's first cell.
    const QRect r = Tileset::tileSource(191, 16);
    EXPECT_EQ(t.tilesetPicture().copy(r).convertToFormat(QImage::Format_RGB32),
              strip.copy(0, 0, 16, 16).convertToFormat(QImage::Format_RGB32));
}

TEST(Tileset, ImportRefusesLowDepthKeepingTheLevelAsItWasAndTakesTwentyFourBitPictures) {
    QTemporaryDir dir;
    TestFiles::write(dir.filePath("low.bmp"), TestFiles::bmp8().replace(28, 1, "\x04"));
    Level level;
    EXPECT_EQ(TilesetFile::importTileset(level, dir.filePath("low.bmp")),
              QStringLiteral("Tilesets are required to have 8-bit or 24-bit color depth!"));
    EXPECT_TRUE(level.usingDefaultTileset());
    EXPECT_FALSE(level.changed());

    TestFiles::write(dir.filePath("rgb.bmp"), TestFiles::bmp24(304, 32));
    ASSERT_EQ(TilesetFile::importTileset(level, dir.filePath("rgb.bmp")), QString());
    EXPECT_EQ(level.tileset().tilesetPicture().height(), 32 + 64);
    EXPECT_EQ(level.tilesetBlock().bytes(), TestFiles::bmp24(304, 32));
}

TEST(Tileset, OversizedOrUnreadablePicturesShowTheDefaultTilesetAtEveryZoom) {
    // Run-length pictures need no pixel bytes to claim any size; the first two once took Qt's
    // smooth scaling down, or a minute of work.
    const QByteArray endOfRuns("\0\1", 2);
    const std::tuple<const char*, QByteArray, const char*> cases[] = {
        {"1048066 x 16", TestFiles::bmp(1048066, 16, 8, 1, endOfRuns), "at most 16384 pixels on a side"},
        {"32 x 1048576", TestFiles::bmp(32, 1048576, 8, 1, endOfRuns), "at most 16384 pixels on a side"},
        {"2048 x 1024", TestFiles::bmp(2048, 1024, 8, 1, endOfRuns), "at most 1048576 pixels"},
        {"no pixels", TestFiles::bmp(0, 16, 8, 0, {}), "no pixels"},
        {"top-down runs", TestFiles::bmp(16, -16, 8, 1, endOfRuns), "does not read"},
        {"cut off", TestFiles::bmp(64, 64, 24, 0, QByteArray(100, 'x')), "cut off"},
    };
    for (const auto& [what, bmp, reason] : cases) {
        Tileset t;
        const QString problem = t.initTileset(bmp);
        EXPECT_TRUE(problem.contains(QLatin1String(reason))) << what << ": " << problem.toStdString();
        EXPECT_EQ(t.tilesetPicture().size(), QSize(304, 224)) << what;
        for (const float zoom : {1.0f / 16, 0.25f, 0.5f, 1.0f, 2.0f}) {
            t.setZoom(zoom);
        }
        EXPECT_EQ(t.zoomedTiles().size(), QSize(608, 448)) << what;
    }
}

TEST(Tileset, EveryPixelIsDefinedWhateverTheColourTableOrTheRunsLeaveOut) {
    // 16 x 16 pixels holding the indexes 0..255 while the header claims only 108 colours.
    QByteArray indexes;
    for (int i = 0; i < 256; ++i) {
        indexes += static_cast<char>(i);
    }
    Tileset table;
    EXPECT_EQ(table.initTileset(TestFiles::bmp(16, 16, 8, 0, indexes, 108)), QString()) << "no note: it is shown";
    // Rows are stored bottom-up, so index i lies at column i % 16 of row 15 - i / 16.
    for (const int i : {0, 107, 108, 200, 255}) {
        EXPECT_EQ(table.tilesetPicture().pixel(i % 16, 15 - i / 16),
                  i < 108 ? TestFiles::paletteColour(i) : qRgb(0, 0, 0))
            << "index " << i;
    }

    // Runs that end after four pixels of the bottom row: every other pixel takes colour index 0.
    Tileset runs;
    EXPECT_EQ(runs.initTileset(TestFiles::bmp(32, 32, 8, 1, QByteArray("\x04\x09\x00\x01", 4))), QString());
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb expected = TestFiles::paletteColour(y == 31 && x < 4 ? 9 : 0);
            ASSERT_EQ(runs.tilesetPicture().pixel(x, y), expected) << x << "," << y;
        }
    }
}
