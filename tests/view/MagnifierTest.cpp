#include <QTest>

#include "ViewFixture.h"

namespace {

// The magnifier as the current tool: the view's presses reach it as the map's dispatch sends them.
class MagnifierTest : public ViewFixture {
protected:
    void SetUp() override {
        QObject::connect(view.picpreview, &PictureBox::mouseDown, view.picpreview,
                         [this](Qt::MouseButton button, Qt::MouseButtons, QPointF pos, Qt::KeyboardModifiers) {
                             mouseIsDown = true;
                             zoomTool.MouseDown(button == Qt::LeftButton ? 1 : 2, static_cast<float>(pos.x()),
                                                static_cast<float>(pos.y()));
                         });
        showCentred();
    }
    void click(Qt::MouseButton button, QPoint at) { QTest::mouseClick(view.picpreview, button, {}, at); }
    int tilesetWidth() const { return level.tileset.piczoomtileset().width(); }
};

TEST_F(MagnifierTest, RightClickZoomsOutAroundTheClickedCell) {
    ASSERT_EQ(view.cellX(336), 512);
    ASSERT_EQ(view.cellY(256), 512);
    click(Qt::RightButton, QPoint(336, 256));
    EXPECT_EQ(zoomTool.Zoom(), 0.5f);
    EXPECT_FALSE(zoomTool.UsingPixels());
    // h = 8 x 512 - 336 = 3760; v = 4096 - 252 = 3844, down to a whole cell 3840.
    EXPECT_EQ(origin(), QPoint(3760, 3840));
    EXPECT_EQ(tilesetWidth(), level.tileset.pictileset().width() / 2);
    EXPECT_FALSE(mouseIsDown) << "no drag follows a zoom click";
}

TEST_F(MagnifierTest, ZoomStopsAtBothEnds) {
    zoomTo(2.0f);
    const QPoint largest = origin();
    click(Qt::LeftButton, QPoint(10, 10));
    EXPECT_EQ(zoomTool.Zoom(), 2.0f);
    EXPECT_EQ(origin(), largest);

    zoomTo(1.0f / 16);
    EXPECT_TRUE(zoomTool.UsingPixels());
    const QPoint smallest = origin();
    click(Qt::RightButton, QPoint(10, 10));
    EXPECT_EQ(zoomTool.Zoom(), 1.0f / 16);
    EXPECT_EQ(origin(), smallest);
}

TEST_F(MagnifierTest, ZoomInNearTheMapsCornersStaysInsideTheRanges) {
    view.setScrollBarValues(0, 0, false);
    click(Qt::LeftButton, QPoint(5, 5));
    EXPECT_EQ(zoomTool.Zoom(), 2.0f);
    EXPECT_EQ(origin(), QPoint(0, 0));

    zoomTool.ZoomOut(0, 0);
    view.setScrollBarValues(15719, 15887, false);
    ASSERT_EQ(view.cellX(649), 1023);
    ASSERT_EQ(view.cellY(481), 1023);
    click(Qt::LeftButton, QPoint(649, 481));
    // Clamped to the ranges 32111 and 32279, then down to whole cells of 32 pixels.
    EXPECT_EQ(origin(), QPoint(32096, 32256));

    // Zooming out clamps with the ranges of the larger zoom, then to the new ones.
    zoomTool.ZoomOut(1023, 1023);
    EXPECT_EQ(origin(), QPoint(15719, 15887));
}

TEST_F(MagnifierTest, OnlyTheStepsToAndFromOnePixelPerCellEndASelection) {
    selstate = 2;
    zoomTo(0.25f);
    EXPECT_TRUE(stops.empty());
    zoomTool.ZoomOut(512, 512);
    EXPECT_EQ(stops, std::vector<bool>{false});
    selstate = 1;
    zoomTool.ZoomIn(512, 512);
    EXPECT_EQ(stops, (std::vector<bool>{false, true}));
    zoomTo(2.0f);
    EXPECT_EQ(stops.size(), 2u);
    selstate = 0;
    zoomTo(1.0f / 16);
    zoomTo(1.0f);
    EXPECT_EQ(stops.size(), 2u);
}

TEST_F(MagnifierTest, OnePixelStepKeepsTheTilesetScaledForTheNextStep) {
    zoomTo(0.25f);
    EXPECT_EQ(tilesetWidth(), level.tileset.pictileset().width() / 4);
    const qint64 quarter = level.tileset.piczoomtileset().cacheKey();
    zoomTool.ZoomOut(512, 512);
    EXPECT_TRUE(zoomTool.UsingPixels());
    EXPECT_EQ(level.tileset.piczoomtileset().cacheKey(), quarter);
    zoomTool.ZoomIn(512, 512);
    EXPECT_FALSE(zoomTool.UsingPixels());
    EXPECT_EQ(tilesetWidth(), level.tileset.pictileset().width() / 4);
    zoomTo(2.0f);
    EXPECT_EQ(tilesetWidth(), level.tileset.pictileset().width() * 2);
}

TEST_F(MagnifierTest, ClickOutsideTheMapIsIgnored) {
    zoomTo(1.0f / 16);
    view.resize(1200 + 17, 600 + 17);
    view.setScrollBarValues(0, 0, false);
    view.UpdateLevel();
    ASSERT_LT(view.cellX(10), 0);
    click(Qt::LeftButton, QPoint(10, 10));
    EXPECT_EQ(zoomTool.Zoom(), 1.0f / 16);
    EXPECT_TRUE(mouseIsDown);
    click(Qt::LeftButton, QPoint(600, 10));
    EXPECT_EQ(zoomTool.Zoom(), 0.25f);
}

}  // namespace
