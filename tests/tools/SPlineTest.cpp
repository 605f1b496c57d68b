#include "MapFixture.h"
#include "app/frmGeneral.h"
#include "app/frmMain.h"

namespace {}  // namespace

class SPlineTest : public MapFixture {
protected:
    void SetUp() override {
        MapFixture::SetUp();
        useTool(ToolId::Polyline);
        map->setTilesetLeft(5);
        map->setTilesetRight(6);
    }
};

TEST_F(SPlineTest, AllSegmentsOfAPolylineAreOneUndoStep) {
    click(at(2, 2), Qt::RightButton);
    EXPECT_EQ(undoSteps(), 0);
    click(at(0, 0));
    click(at(4, 0));
    click(at(4, 3));
    EXPECT_EQ(undoSteps(), 0);
    click(at(30, 30), Qt::RightButton);
    EXPECT_EQ(count(5), 8);
    EXPECT_EQ(count(5, 0, 0, 4, 0), 5);
    EXPECT_EQ(count(5, 4, 1, 4, 3), 3);
    EXPECT_EQ(undoSteps(), 1);
    undo();
    EXPECT_EQ(count(5), 0);
    // A single point makes an empty step; segments honour the line width.
    click(at(2, 2));
    click(at(2, 2), Qt::RightButton);
    EXPECT_EQ(undoSteps(), 1);
    EXPECT_EQ(count(5), 0);
    map->setLineWidth(1);
    click(at(0, 0));
    click(at(4, 0));
    click(at(0, 0), Qt::RightButton);
    EXPECT_EQ(count(5), 12);
    EXPECT_EQ(count(5, 0, 0, 5, 1), 12);
}

TEST_F(SPlineTest, RubberBandFollowsThePointerOnTheViewOnly) {
    click(at(1, 1));
    hover(at(1, 6));
    EXPECT_EQ(shown(1, 4), tilePicture(5));
    EXPECT_EQ(count(5), 0);
    hover(at(6, 1));
    EXPECT_NE(shown(1, 4), tilePicture(5));
    EXPECT_EQ(shown(4, 1), tilePicture(5));
}

TEST_F(SPlineTest, PickingAnotherToolEndsThePolylineButTheCtrlDropperDoesNot) {
    click(at(0, 0));
    click(at(6, 0));
    useTool(ToolId::Pencil);
    EXPECT_EQ(undoSteps(), 1);
    EXPECT_EQ(count(5), 7);
    useTool(ToolId::Polyline);
    put(10, 10, 8);
    click(at(6, 6));
    keyDown(Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(general->currentTool(), ToolId::Dropper);
    click(at(10, 10));
    keyUp(Qt::Key_Control);
    EXPECT_EQ(general->currentTool(), ToolId::Polyline);
    click(at(6, 9));
    click(at(0, 0), Qt::RightButton);
    EXPECT_EQ(count(8, 6, 6, 6, 9), 4);
    EXPECT_EQ(undoSteps(), 2);
    undo();
    EXPECT_EQ(count(5), 7);
    EXPECT_EQ(count(8), 1);
}
