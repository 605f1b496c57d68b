#include <QScrollBar>

#include "MapFixture.h"

// What each tool writes, and that it is one undo step, is in the table of history/EditStepTest.
using ToolsTest = MapFixture;

TEST_F(ToolsTest, OnlyAStrokeStartedInsideTheGridPaints) {
    useTool(ToolId::Pencil);
    hover(at(4, 4));
    hover(at(7, 4));
    EXPECT_FALSE(general->mouseIsDown());
    drag({QPoint(-40, -40), at(3, 3), at(6, 3)});
    EXPECT_EQ(count(5), 0);
    EXPECT_EQ(undoSteps(), 0);
    press(at(2, 2));
    EXPECT_TRUE(general->mouseIsDown());
    release(at(2, 2));
    EXPECT_FALSE(general->mouseIsDown());
    EXPECT_EQ(count(5), 1);
}

TEST_F(ToolsTest, LinePreviewIsDrawnOnTheViewOnlyAndWipedByTheNextRedraw) {
    useTool(ToolId::Line);
    ASSERT_NE(tilePicture(5), shown(3, 3));
    press(at(0, 3));
    moveTo(at(6, 3));
    EXPECT_EQ(count(5), 0);
    EXPECT_EQ(shown(3, 3), tilePicture(5));
    // The next cell repaints the view first, so only the line to the new cell is shown.
    moveTo(at(0, 8));
    EXPECT_NE(shown(6, 3), tilePicture(5));
    EXPECT_EQ(shown(0, 6), tilePicture(5));
    map->updatePreview(true);
    EXPECT_NE(shown(0, 6), tilePicture(5));
    release(at(0, 8));
    EXPECT_EQ(count(5), 6);
    EXPECT_EQ(shown(0, 6), tilePicture(5));
}

TEST_F(ToolsTest, PolylineRubberBandFollowsThePointerOnTheViewOnly) {
    useTool(ToolId::Polyline);
    click(at(1, 1));
    hover(at(1, 6));
    EXPECT_EQ(shown(1, 4), tilePicture(5));
    EXPECT_EQ(count(5), 0);
    hover(at(6, 1));
    EXPECT_NE(shown(1, 4), tilePicture(5));
    EXPECT_EQ(shown(4, 1), tilePicture(5));
}

TEST_F(ToolsTest, HandMovesTheViewInWholeCellsUpToTheMapsEdges) {
    useTool(ToolId::Hand);
    scrollTo(1600, 1600);
    QScrollBar* h = map->view->hScr;
    QScrollBar* v = map->view->vscr;
    const QPoint start = at(110, 110);
    press(start);
    moveTo(start + QPoint(-5, 3));
    EXPECT_EQ(h->value(), 1600);
    moveTo(start + QPoint(-32, 48));
    EXPECT_EQ(h->value(), 1600 + 32);
    EXPECT_EQ(v->value(), 1600 - 48);
    release(start);
    moveTo(start + QPoint(-64, 0));
    EXPECT_EQ(h->value(), 1600 + 32);

    scrollTo(h->maximum() - 8, 0);
    drag({at(1015, 3), at(1015, 3) + QPoint(-48, 32)});
    EXPECT_EQ(h->value(), h->maximum());
    EXPECT_EQ(v->value(), 0);
}
