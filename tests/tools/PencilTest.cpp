#include <QScrollBar>

#include "MapFixture.h"
#include "app/frmGeneral.h"
#include "app/frmMain.h"
#include "view/MapView.h"

namespace {}  // namespace

class PencilTest : public MapFixture {
protected:
    void SetUp() override {
        MapFixture::SetUp();
        useTool(ToolId::Pencil);
        map->setTilesetLeft(5);
        map->setTilesetRight(6);
    }
};

TEST_F(PencilTest, BrushSquareReachesFurtherRightAndDownAndIsCutAtTheGridEdge) {
    struct Case {
        int width;
        int column, row;
        QRect written;
    };
    const Case cases[] = {
        {1, 10, 10, {10, 10, 2, 2}},
        {2, 30, 30, {29, 29, 4, 4}},
        {2, 0, 0, {0, 0, 3, 3}},
        {1, 1023, 1023, {1023, 1023, 1, 1}},
    };
    for (const Case& c : cases) {
        if (c.column > 1000) {
            scrollTo(map->view->hScr->maximum(), map->view->vscr->maximum());
        }
        map->setLineWidth(c.width);
        click(at(c.column, c.row));
        const QRect& w = c.written;
        EXPECT_EQ(count(5, w.left(), w.top(), w.right(), w.bottom()), w.width() * w.height()) << c.column;
        EXPECT_EQ(count(5), w.width() * w.height()) << c.column;
        undo();
    }
}

TEST_F(PencilTest, StrokeOverManyEventsIsOneUndoStep) {
    drag({at(0, 0), at(20, 5)});
    EXPECT_EQ(count(5), 21);
    EXPECT_EQ(tile(20, 5), 5);
    EXPECT_EQ(undoSteps(), 1);
    undo();
    map->setLineWidth(2);
    drag({at(5, 5), at(8, 6), at(12, 9), at(12, 20)});
    EXPECT_GT(count(5), 40);
    EXPECT_EQ(undoSteps(), 1);
}

TEST_F(PencilTest, ButtonPicksTheTileAndTheEraserWritesZeroWithEither) {
    click(at(1, 1), Qt::RightButton);
    click(at(2, 1), Qt::LeftButton);
    EXPECT_EQ(tile(1, 1), 6);
    EXPECT_EQ(tile(2, 1), 5);
    useTool(ToolId::Eraser);
    click(at(1, 1), Qt::LeftButton);
    click(at(2, 1), Qt::RightButton);
    EXPECT_EQ(count(0, 0, 0, 5, 5), 36);
}

TEST_F(PencilTest, ADragWithASpecialTileLeavesARowOfWholeObjects) {
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 50; ++x) {
            put(x, y, 1);
        }
    }
    scrollTo(37, 21);  // not on a cell's edge
    map->setTilesetLeft(219);
    press(at(5, 5));
    for (int x = 6; x <= 15; ++x) {
        moveTo(at(x, 5));
    }
    release(at(15, 5));
    // Each object is placed where it overlaps none of the stroke's earlier ones.
    EXPECT_EQ(tile(5, 5), 219);
    EXPECT_EQ(tile(11, 5), 219);
    EXPECT_EQ(count(-1), 70);
    EXPECT_EQ(count(1, 5, 5, 16, 10), 0);
    EXPECT_EQ(count(0, 0, 0, 49, 39), 0) << "no holes";

    // A click places one object; the eraser empties it whole from any of its cells.
    click(at(8, 20));
    EXPECT_EQ(tile(8, 20), 219);
    EXPECT_EQ(count(-1, 8, 20, 13, 25), 35);
    useTool(ToolId::Eraser);
    click(at(12, 24));
    EXPECT_EQ(count(0, 8, 20, 13, 25), 36);
    EXPECT_EQ(undoSteps(), 3);
}

TEST_F(PencilTest, BrushCorneringAnObjectRemovesTheWholeObject) {
    putObject(10, 10, 220);
    map->setLineWidth(2);
    // The square around (15, 15) covers (14, 14), a covered cell of the object, but not its centre.
    click(at(15, 15));
    EXPECT_EQ(tile(14, 14), 5);
    EXPECT_EQ(tile(10, 10), 0);
    EXPECT_EQ(count(-1, 10, 10, 14, 14), 0);
}

TEST_F(PencilTest, OnlyAStrokeStartedInsideTheGridPaints) {
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
