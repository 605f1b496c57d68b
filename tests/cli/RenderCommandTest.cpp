#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "TestFiles.h"
#include "model/Level.h"
#include "model/LevelFile.h"
#include "view/LevelRenderer.h"

namespace {

int render(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(QUARN_LVL_PATH), QStringList{"render"} + args);
    p.waitForFinished(60000);
    return p.exitCode();
}

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
        TestFiles::write(file, records);
    }

    // What the editor's view shows for the cells of `region`, drawn by its own code.
    QImage viewDrawing(float zoom, const QRect& region, bool grid, bool numbers) {
        Level level;
        EXPECT_TRUE(LevelFile::OpenMap(level, file).ok());
        level.tileset.setZoom(zoom);
        const int t = static_cast<int>(zoom * 16);
        ViewTransform view;
        view.Zoom = zoom;
        view.hValue = region.x() * t;
        view.vValue = region.y() * t;
        view.width = region.width() * t;
        view.height = region.height() * t;
        QImage image(view.width, view.height, QImage::Format_RGB32);
        LevelRenderer renderer;
        renderer.drawLevel(image, level, view, numbers);
        if (grid) {
            LevelRenderer::DrawGrid(image, view, image.rect());
        }
        return image;
    }

    QTemporaryDir dir;
    QString file = dir.filePath("level.lvl");
    QString out = dir.filePath("out.png");
};

TEST_F(RenderCommandTest, RegionMatchesTheViewsDrawingPixelForPixel) {
    // The region starts inside the 6 x 6 tile at (12, 12), so only part of it is drawn, as in the view.
    const QRect region(5, 6, 30, 20);
    ASSERT_EQ(render({file, out, "--zoom", "1", "--grid", "--numbers", "--region", "5,6,30,20"}), 0);
    const QImage written(out);
    ASSERT_EQ(written.size(), QSize(480, 320));
    EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), viewDrawing(1.0f, region, true, true));

    ASSERT_EQ(render({file, out, "--zoom", "1/2", "--region", "0,0,40,40"}), 0);
    EXPECT_EQ(QImage(out).convertToFormat(QImage::Format_RGB32), viewDrawing(0.5f, {0, 0, 40, 40}, false, false));
}

TEST_F(RenderCommandTest, FewColoursAreWrittenAsAPaletteImage) {
    ASSERT_EQ(render({file, out, "--zoom", "1/16"}), 0);
    const QImage written(out);
    EXPECT_EQ(written.format(), QImage::Format_Indexed8);
    ASSERT_EQ(written.size(), QSize(1024, 1024));
    EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), viewDrawing(1.0f / 16, {0, 0, 1024, 1024}, false, false));
}

TEST_F(RenderCommandTest, BadOptionsAreUsageErrorsAndBadFilesInputErrors) {
    EXPECT_EQ(render({file, out, "--zoom", "3"}), 2);
    EXPECT_EQ(render({file, out, "--zoom"}), 2);
    EXPECT_EQ(render({file, out, "--region", "1020,0,10,10"}), 2);
    EXPECT_EQ(render({file, out, "--region", "1,2,3"}), 2);
    EXPECT_EQ(render({file, out, "--region", "0,0,0,5"}), 2);
    EXPECT_EQ(render({file, out, "--frobnicate"}), 2);
    EXPECT_EQ(render({file}), 2);
    EXPECT_EQ(render({file, out, "--zoom", "2"}), 2) << "32768 x 32768 pixels are refused";
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(render({dir.filePath("absent.lvl"), out}), 1);
    EXPECT_EQ(render({file, dir.filePath("no/such/dir/out.png"), "--region", "0,0,4,4"}), 1);
}

}  // namespace
