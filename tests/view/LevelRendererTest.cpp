#include <gtest/gtest.h>

#include <QPainter>

#include "model/Level.h"
#include "model/LevelEdit.h"
#include "model/ObjectProcedures.h"
#include "view/LevelRenderer.h"
#include "view/Pixels.h"

namespace {

using namespace Pixels;

class LevelRendererTest : public ::testing::Test {
protected:
    // A 673 x 505 view (the initial window) whose first visible cell is (column, row).
    ViewTransform viewAt(float zoom, int column, int row, int width = 673, int height = 505) {
        level.tileset().setZoom(zoom);
        return {zoom, static_cast<int>(column * zoom * 16), static_cast<int>(row * zoom * 16), width, height};
    }
    QImage draw(const ViewTransform& v, bool numbers = false) {
        QImage image(v.width, v.height, QImage::Format_RGB32);
        image.fill(Qt::red);  // anything left unpainted shows up
        renderer.drawLevel(image, level, v, numbers);
        return image;
    }
    void place(int16_t tile, int16_t x, int16_t y) {
        LevelEdit edit(level);
        ObjectProcedures::placeObject(edit, tile, x, y, false);
        edit.commit();
    }
    // Whether everything of `image` outside the `kept` areas is black.
    static bool blackOutside(QImage image, std::initializer_list<QRect> kept) {
        QPainter painter(&image);
        for (const QRect& r : kept) {
            painter.fillRect(r, Qt::black);
        }
        painter.end();
        return all(image, image.rect(), Black);
    }
    // The special-tiles picture's `from` square stretched pixel by pixel to `size`.
    static QImage stretched(const QRect& from, int size) {
        return Tileset::specialTiles().copy(from).scaled(size, size).convertToFormat(QImage::Format_RGB32);
    }

    Level level;
    LevelRenderer renderer;
};

TEST_F(LevelRendererTest, OrdinaryTileIsCopiedFromItsPlaceInTheZoomedTileset) {
    level.putTile(3, 2, 218);  // an ordinary tile: column 8, row 11 of the tileset
    level.putTile(4, 2, 1);
    for (const float zoom : {0.25f, 0.5f, 1.0f, 2.0f}) {
        const QImage image = draw(viewAt(zoom, 0, 0));
        const int t = static_cast<int>(zoom * 16);
        const QImage& tiles = level.tileset().zoomedTiles();
        ASSERT_NE(tiles.copy(8 * t, 11 * t, t, t), tiles.copy(0, 0, t, t)) << "tiles must be told apart";
        EXPECT_EQ(image.copy(3 * t, 2 * t, t, t), tiles.copy(8 * t, 11 * t, t, t)) << zoom;
        EXPECT_EQ(image.copy(4 * t, 2 * t, t, t), tiles.copy(0, 0, t, t)) << zoom;
        EXPECT_TRUE(blackOutside(image, {QRect(3 * t, 2 * t, 2 * t, t)})) << zoom;
    }
}

TEST_F(LevelRendererTest, SpecialTileIsDrawnFromItsAnchorStretchedToItsSquare) {
    place(219, 10, 10);
    const QImage image = draw(viewAt(1.0f, 8, 8));
    EXPECT_EQ(image.copy(32, 32, 96, 96), stretched(QRect(128, 0, 96, 96), 96));
    EXPECT_TRUE(blackOutside(image, {QRect(32, 32, 96, 96)}));
    // Scrolled past the anchor, the visible part of the square is empty: covered cells draw nothing.
    EXPECT_TRUE(all(draw(viewAt(1.0f, 11, 11)), QRect(0, 0, 673, 505), Black));

    place(217, 0, 0);
    place(220, 4, 0);
    const QImage twice = draw(viewAt(2.0f, 0, 0));
    EXPECT_EQ(twice.copy(0, 0, 64, 64), stretched(QRect(16, 0, 32, 32), 64));
    EXPECT_EQ(twice.copy(128, 0, 160, 160), stretched(QRect(48, 0, 80, 80), 160));
    EXPECT_TRUE(blackOutside(twice, {QRect(0, 0, 64, 64), QRect(128, 0, 160, 160), QRect(320, 320, 192, 192)}));
}

TEST_F(LevelRendererTest, NumbersAreWhiteAndOnlyAtZoomOneAndTwo) {
    EXPECT_EQ(LevelRenderer::cellText(0), " 0");
    EXPECT_EQ(LevelRenderer::cellText(255), " 255");
    EXPECT_EQ(LevelRenderer::cellText(-1), "-1");
    place(219, 10, 10);
    for (const float zoom : {1.0f, 2.0f}) {
        const ViewTransform v = viewAt(zoom, 8, 8);
        const QImage plain = draw(v, false);
        const QImage numbered = draw(v, true);
        const int t = static_cast<int>(zoom * 16);
        // The text alone, white on black; cell (8, 8) is empty, (11, 10) is covered by the special tile.
        QImage text(numbered.size(), QImage::Format_RGB32);
        text.fill(Qt::black);
        for (int y = 0; y < 505; ++y) {
            for (int x = 0; x < 673; ++x) {
                if (plain.pixel(x, y) != numbered.pixel(x, y)) {
                    ASSERT_EQ(numbered.pixel(x, y), White) << x << "," << y;
                    text.setPixel(x, y, White);
                }
            }
        }
        EXPECT_FALSE(all(text, QRect(0, 0, t, t), Black)) << "an empty cell shows its 0";
        EXPECT_FALSE(all(text, QRect(3 * t, 2 * t, t, t), Black)) << "a covered cell shows -1";
        EXPECT_NE(text.copy(0, 0, t, t), text.copy(3 * t, 2 * t, t, t)) << "0 and -1 read differently";
    }
    const ViewTransform half = viewAt(0.5f, 8, 8);
    EXPECT_EQ(draw(half, true), draw(half, false));
}

TEST_F(LevelRendererTest, OnePixelZoomShowsTheOverviewFromTheFirstVisibleCell) {
    level.putTile(5, 3, 172);
    level.redrawCell(5, 3);
    const QImage image = draw(viewAt(1.0f / 16, 3, 2), true);
    EXPECT_EQ(image.pixel(2, 1), Red);
    EXPECT_EQ(count(image, image.rect(), Red), 1) << "no numbers, no unpainted pixels";
}

TEST_F(LevelRendererTest, GridLinesLieOnCellEdgesFromPixelZero) {
    const QRgb grey = qRgb(80, 80, 80);
    const auto grid = [](const ViewTransform& v, const QRect& area) {
        QImage image(673, 505, QImage::Format_RGB32);
        image.fill(Qt::black);
        LevelRenderer::drawGrid(image, v, area);
        return image;
    };
    const ViewTransform v = viewAt(1.0f, 3, 3);
    const QImage image = grid(v, QRect(0, 0, 673, 505));
    for (int x = 0; x < 673; ++x) {
        EXPECT_EQ(image.pixel(x, 7), x % 16 == 0 ? grey : Black) << x;  // last line at 672
    }
    for (int y = 0; y < 505; ++y) {
        EXPECT_EQ(image.pixel(7, y), y % 16 == 0 ? grey : Black) << y;
    }

    const QImage clipped = grid(v, QRect(20, 20, 40, 40));
    EXPECT_EQ(clipped.pixel(32, 25), grey);
    EXPECT_EQ(clipped.pixel(32, 19), Black);
    EXPECT_EQ(clipped.pixel(64, 32), Black);
    EXPECT_TRUE(all(grid(viewAt(1.0f / 16, 0, 0), QRect(0, 0, 673, 505)), QRect(0, 0, 673, 505), Black));
}

}  // namespace
