#include <QAction>
#include <QLabel>
#include <QScrollBar>

#include "MapFixture.h"
#include "app/frmGeneral.h"
#include "app/frmMain.h"
#include "view/MapView.h"

using DispatchTest = MapFixture;

TEST_F(DispatchTest, PointerMovesShowTheCellAlsoOutsideTheGrid) {
    hover(at(3, 4));
    EXPECT_EQ(general->lblposition->text(), QStringLiteral("X= 3 - Y= 4"));
    hover(QPoint(-20, 5));
    EXPECT_EQ(general->lblposition->text(), QStringLiteral("X= -2 - Y= 0"));
}

TEST_F(DispatchTest, LetterKeysPickToolsAlsoWithShift) {
    map->UseShortcutTool(true, 'L', 4);
    EXPECT_EQ(general->currentTool, 8);
    const std::pair<Qt::Key, int> keys[] = {{Qt::Key_Z, 1}, {Qt::Key_S, 2},  {Qt::Key_H, 3}, {Qt::Key_P, 4},
                                            {Qt::Key_D, 5}, {Qt::Key_E, 6},  {Qt::Key_F, 7}, {Qt::Key_L, 8},
                                            {Qt::Key_I, 9}, {Qt::Key_R, 10}, {Qt::Key_O, 11}};
    for (const auto& [k, tool] : keys) {
        key(k, tool % 2 ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_EQ(general->currentTool, tool);
        EXPECT_TRUE(general->toolButton(tool)->isChecked());
    }
}

TEST_F(DispatchTest, CtrlTurnsPaintingToolsIntoTheDropperUntilReleased) {
    key(Qt::Key_P);
    keyDown(Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(general->currentTool, 5);
    EXPECT_TRUE(general->toolButton(5)->isChecked());
    // Key repeat of Ctrl keeps the saved tool.
    keyDown(Qt::Key_Control, Qt::ControlModifier);
    keyUp(Qt::Key_Control);
    EXPECT_EQ(general->currentTool, 4);
    EXPECT_TRUE(general->toolButton(4)->isChecked());

    for (const Qt::Key k : {Qt::Key_E, Qt::Key_H}) {
        key(k);
        const int tool = general->currentTool;
        keyDown(Qt::Key_Control, Qt::ControlModifier);
        EXPECT_EQ(general->currentTool, tool);
        keyUp(Qt::Key_Control);
        EXPECT_EQ(general->currentTool, tool);
    }
}

TEST_F(DispatchTest, GridAndTileNumberKeysSwitchTheMapAtOnce) {
    key(Qt::Key_G);
    key(Qt::Key_T);
    EXPECT_TRUE(map->usinggrid);
    EXPECT_TRUE(map->usingtilenr);
    EXPECT_TRUE(general->topButton(QStringLiteral("Grid"))->isChecked());
    key(Qt::Key_G);
    EXPECT_FALSE(map->usinggrid);
    EXPECT_FALSE(general->topButton(QStringLiteral("Grid"))->isChecked());
}

TEST_F(DispatchTest, ArrowKeysScrollByTenCellsWithinTheRange) {
    QScrollBar* h = map->view->hScr;
    key(Qt::Key_Left);
    EXPECT_EQ(h->value(), 0);
    key(Qt::Key_Right);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Up);
    EXPECT_EQ(h->value(), 160);
    EXPECT_EQ(map->view->vscr->value(), 160);
    scrollTo(h->maximum() - 10, 0);
    key(Qt::Key_Right);
    EXPECT_EQ(h->value(), h->maximum());
}

TEST_F(DispatchTest, LineWidthIsKeptPerMap) {
    map->setLineWidth(2);
    frmMain* other = general->NewMap();
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(map->tline.linew, 5);
    EXPECT_EQ(other->tline.linew, 1);
}
