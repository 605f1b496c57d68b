#include <gtest/gtest.h>

#include <set>

#include "history/Changes.h"
#include "model/Level.h"
#include "model/ObjectProcedures.h"
#include "view/LevelRenderer.h"

namespace {

constexpr QRgb Black = 0xFF000000u;
constexpr QRgb White = 0xFFFFFFFFu;

class LevelRendererTest : public ::testing::Test {
protected:
    // A 673 x 505 view (the initial window) whose first visible cell is (column, row).
    ViewTransform viewAt(float zoom, int column, int row, int width = 673, int height = 505) {
        level.tileset.setZoom(zoom);
        ViewTransform v;
        v.Zoom = zoom;
        v.hValue = static_cast<int>(column * zoom * 16);
        v.vValue = static_cast<int>(row * zoom * 16);
        v.width = width;
        v.height = height;
        return v;
    }
    QImage draw(const ViewTransform& v, bool numbers = false) {
        QImage image(v.width, v.height, QImage::Format_RGB32);
        image.fill(Qt::red);  // anything left unpainted shows up
        renderer.drawLevel(image, level, v, numbers);
        return image;
    }
    void place(int16_t tile, int16_t x, int16_t y) { ObjectProcedures::PlaceObject(level, tile, x, y, batch, false); }
    static bool allBlack(const QImage& image, const QRect& area) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (image.pixel(x, y) != Black) {
                    return false;
                }
            }
        }
        return true;
    }

    Level level;
    Changes batch;
    LevelRenderer renderer;
};

TEST_F(LevelRendererTest, OrdinaryTileIsCopiedFromItsPlaceInTheZoomedTileset) {
    level.putTile(3, 2, 218);  // an ordinary tile: column 8, row 11 of the tileset
    level.putTile(4, 2, 1);
    for (const float zoom : {0.25f, 0.5f, 1.0f, 2.0f}) {
        const QImage image = draw(viewAt(zoom, 0, 0), false);
        const int t = static_cast<int>(zoom * 16);
        const QImage& tiles = level.tileset.piczoomtileset();
        ASSERT_NE(tiles.copy(8 * t, 11 * t, t, t), tiles.copy(0, 0, t, t)) << "tiles must be told apart";
        EXPECT_EQ(image.copy(3 * t, 2 * t, t, t), tiles.copy(8 * t, 11 * t, t, t)) << zoom;
        EXPECT_EQ(image.copy(4 * t, 2 * t, t, t), tiles.copy(0, 0, t, t)) << zoom;
        EXPECT_TRUE(allBlack(image, QRect(5 * t, 0, 673 - 5 * t, 505))) << zoom;
    }
}

TEST_F(LevelRendererTest, SpecialTileCoversItsSquareFromTheAnchorAndCoveredCellsDrawNothing) {
    place(219, 10, 10);
    const QImage image = draw(viewAt(1.0f, 8, 8));
    EXPECT_EQ(image.copy(32, 32, 96, 96), Tileset::picspecial().copy(128, 0, 96, 96).convertToFormat(image.format()));
    EXPECT_TRUE(allBlack(image, QRect(0, 0, 673, 32)));
    EXPECT_TRUE(allBlack(image, QRect(0, 32, 32, 96)));
    EXPECT_TRUE(allBlack(image, QRect(128, 32, 545, 96)));
    EXPECT_TRUE(allBlack(image, QRect(0, 128, 673, 377)));

    // Only the anchor draws the picture: scrolled past it, the visible part of the square is empty.
    EXPECT_TRUE(allBlack(draw(viewAt(1.0f, 11, 11)), QRect(0, 0, 673, 505)));
}

TEST_F(LevelRendererTest, SpecialTilesAreStretchedToTheirSquareAtEveryZoom) {
    place(217, 0, 0);
    place(220, 4, 0);
    const QImage twice = draw(viewAt(2.0f, 0, 0));
    const QImage& special = Tileset::picspecial();
    for (int i = 0; i < 32; i += 5) {
        for (int j = 0; j < 32; j += 3) {
            EXPECT_EQ(twice.pixel(2 * i + 1, 2 * j), special.pixel(16 + i, j));        // 217: 32 -> 64
            EXPECT_EQ(twice.pixel(128 + 2 * i, 2 * j + 1), special.pixel(48 + i, j));  // 220: 80 -> 160
        }
    }
    EXPECT_EQ(twice.pixel(127, 70), Black);  // 217 ends after two cells of 32 pixels...
    EXPECT_EQ(twice.pixel(64, 10), Black);
    EXPECT_EQ(twice.pixel(128 + 159, 159), special.pixel(48 + 79, 79));  // ... 220 after five
    EXPECT_EQ(twice.pixel(128 + 160, 159), Black);

    ViewTransform half = viewAt(0.5f, 0, 0);
    QImage shrunk(half.width, half.height, QImage::Format_RGB32);
    shrunk.fill(Qt::black);
    EXPECT_EQ(renderer.drawCell(shrunk, level, half, 4, 0, false), QRect(32, 0, 40, 40));
}

TEST_F(LevelRendererTest, CellValuesArePrintedLikeNumbersOnASurface) {
    EXPECT_EQ(LevelRenderer::cellText(0), " 0");
    EXPECT_EQ(LevelRenderer::cellText(255), " 255");
    EXPECT_EQ(LevelRenderer::cellText(-1), "-1");
}

TEST_F(LevelRendererTest, NumbersAreWhiteAndOnlyAtZoomOneAndTwo) {
    place(219, 10, 10);
    for (const float zoom : {1.0f, 2.0f}) {
        const ViewTransform v = viewAt(zoom, 8, 8);
        const QImage plain = draw(v, false);
        const QImage numbered = draw(v, true);
        const int t = static_cast<int>(zoom * 16);
        // Where the text lies within an empty cell and within a covered one, relative to the cell.
        std::set<std::pair<int, int>> emptyText;
        std::set<std::pair<int, int>> coveredText;
        for (int y = 0; y < 505; ++y) {
            for (int x = 0; x < 673; ++x) {
                if (plain.pixel(x, y) == numbered.pixel(x, y)) {
                    continue;
                }
                ASSERT_EQ(numbered.pixel(x, y), White) << x << "," << y;
                if (QRect(0, 0, t, t).contains(x, y)) {
                    emptyText.insert({x, y});
                }
                if (QRect(3 * t, 2 * t, t, t).contains(x, y)) {
                    coveredText.insert({x - 3 * t, y - 2 * t});
                }
            }
        }
        EXPECT_FALSE(emptyText.empty()) << "an empty cell shows its 0";
        EXPECT_FALSE(coveredText.empty()) << "a covered cell shows -1 over the special tile";
        EXPECT_NE(emptyText, coveredText) << "0 and -1 read differently";
    }
    const ViewTransform half = viewAt(0.5f, 8, 8);
    EXPECT_EQ(draw(half, true), draw(half, false));
}

TEST_F(LevelRendererTest, OneCellRedrawBlanksAnEmptiedCellAndStaysInsideTheView) {
    const ViewTransform v = viewAt(1.0f, 8, 8);
    level.putTile(9, 9, 5);
    QImage image = draw(v);
    ASSERT_FALSE(allBlack(image, QRect(16, 16, 16, 16)));
    level.putTile(9, 9, 0);
    EXPECT_EQ(renderer.drawCell(image, level, v, 9, 9, false), QRect(16, 16, 16, 16));
    EXPECT_TRUE(allBlack(image, image.rect()));

    level.putTile(7, 9, 5);   // left of the view
    level.putTile(60, 9, 5);  // right of it
    EXPECT_TRUE(renderer.drawCell(image, level, v, 7, 9, false).isNull());
    EXPECT_TRUE(renderer.drawCell(image, level, v, 60, 9, false).isNull());
    EXPECT_TRUE(renderer.drawCell(image, level, v, 1024, 9, false).isNull());
    EXPECT_TRUE(allBlack(image, image.rect()));
}

TEST_F(LevelRendererTest, OnePixelZoomShowsTheOverviewAlsoWithANegativeOrigin) {
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{5, 3}, std::pair{1023, 1023}}) {
        level.putTile(static_cast<int16_t>(x), static_cast<int16_t>(y), 172);
        level.UpdateLevelTile(static_cast<int16_t>(x), static_cast<int16_t>(y));
    }
    const QRgb red = qRgb(255, 0, 0);
    ViewTransform wide = viewAt(1.0f / 16, 0, 0, 1100, 1100);
    wide.hValue = -10;  // a view wider than the map: its scroll maximum is negative
    wide.vValue = -20;
    const QImage image = draw(wide, true);
    EXPECT_EQ(image.pixel(10, 20), red);
    EXPECT_EQ(image.pixel(15, 23), red);
    EXPECT_EQ(image.pixel(1033, 1043), red);
    EXPECT_EQ(image.pixel(9, 20), Black);
    EXPECT_EQ(image.pixel(1034, 1043), Black);

    const QImage shifted = draw(viewAt(1.0f / 16, 3, 2));
    EXPECT_EQ(shifted.pixel(2, 1), red);
    EXPECT_EQ(shifted.pixel(0, 0), Black);
}

TEST_F(LevelRendererTest, GridLinesLieOnCellEdgesFromPixelZero) {
    const ViewTransform v = viewAt(1.0f, 3, 3);
    QImage image(673, 505, QImage::Format_RGB32);
    image.fill(Qt::black);
    LevelRenderer::DrawGrid(image, v, image.rect());
    const QRgb grey = qRgb(80, 80, 80);
    for (int x = 0; x < 673; ++x) {
        EXPECT_EQ(image.pixel(x, 7), x % 16 == 0 ? grey : Black) << x;  // last line at 672
    }
    for (int y = 0; y < 505; ++y) {
        EXPECT_EQ(image.pixel(7, y), y % 16 == 0 ? grey : Black) << y;
    }

    QImage clipped(673, 505, QImage::Format_RGB32);
    clipped.fill(Qt::black);
    LevelRenderer::DrawGrid(clipped, v, QRect(20, 20, 40, 40));
    EXPECT_EQ(clipped.pixel(32, 25), grey);
    EXPECT_EQ(clipped.pixel(32, 19), Black);
    EXPECT_EQ(clipped.pixel(64, 32), Black);

    QImage pixels(673, 505, QImage::Format_RGB32);
    pixels.fill(Qt::black);
    LevelRenderer::DrawGrid(pixels, viewAt(1.0f / 16, 0, 0), pixels.rect());
    EXPECT_TRUE(allBlack(pixels, pixels.rect()));
}

}  // namespace
