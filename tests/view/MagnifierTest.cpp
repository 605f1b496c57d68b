
#include "MapFixture.h"
#include "model/Tileset.h"
#include "view/Magnifier.h"

namespace {

// The magnifier as the current tool in a new map's centred view.
class MagnifierTest : public MapFixture {
protected:
    void SetUp() override {
        MapFixture::SetUp();
        map->view()->centreView();
        map->redrawView();
        useTool(ToolId::Magnifier);
    }
    float zoom() const { return map->magnifier().zoomFactor(); }
    // The zoomed tileset's width relative to the unzoomed one.
    float tilesetScale() const {
        const Tileset& tiles = map->level().tileset();
        return static_cast<float>(tiles.zoomedTiles().width()) / tiles.tilesetPicture().width();
    }
};

TEST_F(MagnifierTest, RightClickZoomsOutAroundTheClickedCell) {
    click(QPoint(336, 256), Qt::RightButton);
    EXPECT_EQ(zoom(), 0.5f);
    // h = 8 x 512 - 336 = 3760; v = 4096 - 252 = 3844, down to a whole cell 3840.
    EXPECT_EQ(origin(), QPoint(3760, 3840));
    EXPECT_FALSE(general->mouseIsDown()) << "no drag follows a zoom click";
}

TEST_F(MagnifierTest, ZoomStopsAtBothEnds) {
    for (const auto& [end, button] : {std::pair{2.0f, Qt::LeftButton}, std::pair{1.0f / 16, Qt::RightButton}}) {
        zoomTo(end);
        const QPoint before = origin();
        click(QPoint(10, 10), button);
        EXPECT_EQ(zoom(), end);
        EXPECT_EQ(origin(), before) << end;
    }
}

// Every zoom step ends in a full redraw, so only whether the selection ends is visible.
TEST_F(MagnifierTest, OnlyTheStepsToAndFromOnePixelPerCellEndASelectionAndTheTilesetKeepsItsScale) {
    zoomTo(0.25f);
    select(510, 510, 512, 512);
    zoomTo(0.5f);
    zoomTo(0.25f);
    EXPECT_EQ(map->sel().selstate(), SelectionState::Selected);
    EXPECT_EQ(tilesetScale(), 0.25f);
    const qint64 quarter = map->level().tileset().zoomedTiles().cacheKey();
    map->magnifier().zoomOut(512, 512);
    EXPECT_EQ(map->sel().selstate(), SelectionState::None);
    EXPECT_TRUE(map->view()->transform().usingPixels());
    EXPECT_EQ(map->level().tileset().zoomedTiles().cacheKey(), quarter) << "ready for the step back";
    select(510, 510, 512, 512);
    ASSERT_EQ(map->sel().selstate(), SelectionState::Selected);
    map->magnifier().zoomIn(512, 512);
    EXPECT_EQ(map->sel().selstate(), SelectionState::None);
    EXPECT_FALSE(map->view()->transform().usingPixels());
    EXPECT_EQ(tilesetScale(), 0.25f);
    zoomTo(2.0f);
    EXPECT_EQ(tilesetScale(), 2.0f);
}

TEST_F(MagnifierTest, ViewWiderThanTheMapGetsANegativeOriginAndIgnoresClicksOutsideIt) {
    write(0, 0, 172, false);
    write(1023, 0, 172, false);
    zoomTo(1.0f / 16);
    map->view()->resize(1200 + 17, 600 + 17);
    map->view()->setScrollBarValues(0, 0, false);
    map->redrawView();
    EXPECT_EQ(origin(), QPoint(-176, 0));  // nearest(1024 - 1200 + 0.5) is -176
    EXPECT_EQ(view()->image().pixel(176, 0), qRgb(255, 0, 0));
    EXPECT_EQ(view()->image().pixel(175, 0), qRgb(0, 0, 0));
    EXPECT_EQ(view()->image().pixel(176 + 1023, 0), qRgb(255, 0, 0));
    press(QPoint(10, 10));
    EXPECT_EQ(zoom(), 1.0f / 16);
    EXPECT_TRUE(general->mouseIsDown()) << "a click outside the map is no zoom click";
    release(QPoint(10, 10));
    click(QPoint(600, 10));
    EXPECT_EQ(zoom(), 0.25f);
}

}  // namespace
