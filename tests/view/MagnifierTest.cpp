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
        ViewFixture::SetUp();
    }
    void click(Qt::MouseButton button, QPoint at) { QTest::mouseClick(view.picpreview, button, {}, at); }
    // The zoomed tileset's width relative to the unzoomed one.
    float tilesetScale() const {
        return static_cast<float>(level.tileset.piczoomtileset().width()) / level.tileset.pictileset().width();
    }
};

TEST_F(MagnifierTest, RightClickZoomsOutAroundTheClickedCell) {
    ASSERT_EQ(view.cellX(336), 512);
    ASSERT_EQ(view.cellY(256), 512);
    click(Qt::RightButton, QPoint(336, 256));
    EXPECT_EQ(zoomTool.Zoom(), 0.5f);
    EXPECT_FALSE(view.transform().usingPixels());
    // h = 8 x 512 - 336 = 3760; v = 4096 - 252 = 3844, down to a whole cell 3840.
    EXPECT_EQ(origin(), QPoint(3760, 3840));
    EXPECT_EQ(tilesetScale(), 0.5f);
    EXPECT_FALSE(mouseIsDown) << "no drag follows a zoom click";
}

TEST_F(MagnifierTest, ZoomStopsAtBothEndsAndNearTheMapsCornersStaysInsideTheRanges) {
    for (const auto& [zoom, button] : {std::pair{2.0f, Qt::LeftButton}, std::pair{1.0f / 16, Qt::RightButton}}) {
        zoomTo(zoom);
        const QPoint at = origin();
        click(button, QPoint(10, 10));
        EXPECT_EQ(zoomTool.Zoom(), zoom);
        EXPECT_EQ(origin(), at) << zoom;
    }
    zoomTo(1.0f);
    view.setScrollBarValues(0, 0, false);
    click(Qt::LeftButton, QPoint(5, 5));
    EXPECT_EQ(zoomTool.Zoom(), 2.0f);
    EXPECT_EQ(origin(), QPoint(0, 0));

    zoomTool.ZoomOut(0, 0);
    view.setScrollBarValues(15712, 15888, false);
    ASSERT_EQ(view.cellX(665), 1023);
    ASSERT_EQ(view.cellY(481), 1023);
    click(Qt::LeftButton, QPoint(665, 481));
    // Clamped to the ranges, which end on whole cells of 32 pixels.
    EXPECT_EQ(origin(), QPoint(32096, 32288));

    // Zooming out clamps with the ranges of the larger zoom, then to the new ones.
    zoomTool.ZoomOut(1023, 1023);
    EXPECT_EQ(origin(), QPoint(15712, 15888));
}

TEST_F(MagnifierTest, OnlyTheStepsToAndFromOnePixelPerCellEndASelectionAndTheTilesetKeepsItsScale) {
    selstate = SelectionState::Selected;
    zoomTo(0.25f);
    EXPECT_TRUE(stops.empty());
    EXPECT_EQ(tilesetScale(), 0.25f);
    const qint64 quarter = level.tileset.piczoomtileset().cacheKey();
    zoomTool.ZoomOut(512, 512);
    EXPECT_EQ(stops, std::vector<bool>{false});
    EXPECT_TRUE(view.transform().usingPixels());
    EXPECT_EQ(level.tileset.piczoomtileset().cacheKey(), quarter) << "ready for the step back";
    selstate = SelectionState::Drawing;
    zoomTool.ZoomIn(512, 512);
    EXPECT_EQ(stops, (std::vector<bool>{false, true}));
    EXPECT_FALSE(view.transform().usingPixels());
    EXPECT_EQ(tilesetScale(), 0.25f);
    zoomTo(2.0f);
    EXPECT_EQ(stops.size(), 2u);
    EXPECT_EQ(tilesetScale(), 2.0f);
    selstate = SelectionState::None;
    zoomTo(1.0f / 16);
    zoomTo(1.0f);
    EXPECT_EQ(stops.size(), 2u);
}

TEST_F(MagnifierTest, ViewWiderThanTheMapGetsANegativeOriginAndIgnoresClicksOutsideIt) {
    write(0, 0, 172, false);
    write(1023, 0, 172, false);
    zoomTo(1.0f / 16);
    view.resize(1200 + 17, 600 + 17);
    view.setScrollBarValues(0, 0, false);
    view.UpdateLevel();
    EXPECT_EQ(origin(), QPoint(-176, 0));  // nearest(1024 - 1200 + 0.5) is -176
    EXPECT_EQ(view.picpreview->image.pixel(176, 0), qRgb(255, 0, 0));
    EXPECT_EQ(view.picpreview->image.pixel(175, 0), qRgb(0, 0, 0));
    EXPECT_EQ(view.picpreview->image.pixel(176 + 1023, 0), qRgb(255, 0, 0));
    EXPECT_EQ(view.cellX(10), -166);
    click(Qt::LeftButton, QPoint(10, 10));
    EXPECT_EQ(zoomTool.Zoom(), 1.0f / 16);
    EXPECT_TRUE(mouseIsDown);
    click(Qt::LeftButton, QPoint(600, 10));
    EXPECT_EQ(zoomTool.Zoom(), 0.25f);
}

}  // namespace
