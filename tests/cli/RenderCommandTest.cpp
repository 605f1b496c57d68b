#include <gtest/gtest.h>

#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <tuple>

#include "TestFiles.h"
#include "model/Level.h"
#include "model/LevelFile.h"
#include "view/LevelRenderer.h"

namespace {

class RenderCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        QByteArray records;
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 40; ++x) {
                records += TestFiles::record(x, y, 1 + (x * 7 + y * 13) % 200);
            }
        }
        records += TestFiles::record(12, 12, 219) + TestFiles::record(30, 8, 217) + TestFiles::record(2, 30, 220);
        // Across the first two bands of rows that a picture is drawn in.
        records += TestFiles::record(50, 125, 219);
        TestFiles::write(file, records);
    }

    // What the editor's view shows for the cells of `region`, drawn by its own code.
    QImage viewDrawing(float zoom, const QRect& region, bool grid, bool numbers) {
        Level level;
        EXPECT_TRUE(LevelFile::openLevel(level, file).ok());
        level.tileset().setZoom(zoom);
        const int t = static_cast<int>(zoom * 16);
        const ViewTransform view{zoom, region.x() * t, region.y() * t, region.width() * t, region.height() * t};
        QImage image(view.width, view.height, QImage::Format_RGB32);
        LevelRenderer renderer;
        renderer.drawLevel(image, level, view, numbers);
        if (grid) {
            LevelRenderer::drawGrid(image, view, image.rect());
        }
        return image;
    }

    static int colourCount(const QImage& image) {
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            colours.unite(QSet<QRgb>(row, row + image.width()));
        }
        return static_cast<int>(colours.size());
    }

    QTemporaryDir dir;
    QString file = dir.filePath("level.lvl");
    QString out = dir.filePath("out.png");
};

TEST_F(RenderCommandTest, RegionMatchesTheViewsDrawingPixelForPixelAndFewColoursMakeAPaletteImage) {
    // The first region starts inside the 6 x 6 tile at (12, 12), so only part of it is drawn, as in the view.
    const std::tuple<QStringList, float, QRect, bool, bool> cases[] = {
        {{"--zoom", "1", "--grid", "--numbers", "--region", "5,6,30,20"}, 1.0f, {5, 6, 30, 20}, true, true},
        {{"--zoom", "1/2", "--region", "0,0,60,140"}, 0.5f, {0, 0, 60, 140}, false, false},
        {{"--zoom", "1/16"}, 1.0f / 16, {0, 0, 1024, 1024}, false, false},
        // Smoothed tiles mix more colours than a palette holds.
        {{"--zoom", "1/4", "--region", "0,0,40,40"}, 0.25f, {0, 0, 40, 40}, false, false},
    };
    for (const auto& [options, zoom, region, grid, numbers] : cases) {
        ASSERT_EQ(TestFiles::quarnLvl(QStringList{"render", file, out} + options).status, 0) << zoom;
        const QImage written(out);
        const QImage drawn = viewDrawing(zoom, region, grid, numbers);
        EXPECT_EQ(written.format(), colourCount(drawn) <= 256 ? QImage::Format_Indexed8 : QImage::Format_RGB32) << zoom;
        EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), drawn) << zoom;
    }
}

}  // namespace
