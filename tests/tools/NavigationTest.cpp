#include <QScrollBar>

#include "MapFixture.h"
#include "app/frmGeneral.h"
#include "app/frmMain.h"
#include "view/MapView.h"

namespace {}  // namespace

using NavigationTest = MapFixture;

TEST_F(NavigationTest, HandMovesTheViewInWholeCellsUpToTheMapsEdges) {
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

TEST_F(NavigationTest, DropperPicksTheTileUnderThePointerPerButton) {
    useTool(ToolId::Dropper);
    put(2, 2, 40);
    put(3, 2, 41);
    putObject(10, 10, 219);
    click(at(2, 2));
    click(at(13, 14), Qt::RightButton);
    EXPECT_EQ(map->tilesetLeft(), 40);
    EXPECT_EQ(map->tilesetRight(), 219);
    drag({at(13, 14), at(3, 2)});
    EXPECT_EQ(map->tilesetLeft(), 41);
    // An empty cell is not a tile to paint with.
    click(at(30, 30));
    EXPECT_EQ(map->tilesetLeft(), 41);
    EXPECT_EQ(undoSteps(), 0);
}
