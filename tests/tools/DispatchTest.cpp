#include <QAction>
#include <QLabel>
#include <QScrollBar>

#include "MapFixture.h"
#include "app/frmGeneral.h"
#include "app/frmMain.h"
#include "tools/ToolDispatch.h"
#include "view/MapView.h"

class DispatchTest : public MapFixture {};

TEST_F(DispatchTest, ButtonAndKeyCodesFollowTheToolConventions) {
    EXPECT_EQ(ToolDispatch::buttonCode(Qt::LeftButton), 1);
    EXPECT_EQ(ToolDispatch::buttonCode(Qt::RightButton), 2);
    EXPECT_EQ(ToolDispatch::buttonCode(Qt::MiddleButton), 4);
    EXPECT_EQ(ToolDispatch::heldMask(Qt::LeftButton | Qt::MiddleButton), 5);
    EXPECT_EQ(ToolDispatch::heldMask(Qt::NoButton), 0);
    EXPECT_EQ(ToolDispatch::virtualKey(Qt::Key_P), 80);
    EXPECT_EQ(ToolDispatch::virtualKey(Qt::Key_Escape), 27);
    EXPECT_EQ(ToolDispatch::virtualKey(Qt::Key_Delete), 46);
    EXPECT_EQ(ToolDispatch::virtualKey(Qt::Key_Down), 40);
    // Ctrl counts as held on its own press and as released on its own release.
    EXPECT_EQ(ToolDispatch::shiftMask(Qt::NoModifier, Qt::Key_Control, true), 2);
    EXPECT_EQ(ToolDispatch::shiftMask(Qt::ControlModifier, Qt::Key_Control, false), 0);
    EXPECT_EQ(ToolDispatch::shiftMask(Qt::ShiftModifier | Qt::AltModifier, Qt::Key_A, true), 5);
}

TEST_F(DispatchTest, PointerMovesShowTheCellAlsoOutsideTheGrid) {
    hover(at(3, 4));
    EXPECT_EQ(general->lblposition->text(), QStringLiteral("X= 3 - Y= 4"));
    hover(QPoint(-20, 5));
    EXPECT_EQ(general->lblposition->text(), QStringLiteral("X= -2 - Y= 0"));
}

TEST_F(DispatchTest, MouseIsDownOnlyBetweenPressAndRelease) {
    useTool(4);
    press(at(2, 2));
    EXPECT_TRUE(general->mouseIsDown);
    release(at(2, 2));
    EXPECT_FALSE(general->mouseIsDown);
}

TEST_F(DispatchTest, LetterKeysPickToolsAlsoWithShiftOrAlt) {
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
    EXPECT_TRUE(map->usinggrid);
    EXPECT_TRUE(general->topButton(QStringLiteral("Grid"))->isChecked());
    key(Qt::Key_T);
    EXPECT_TRUE(map->usingtilenr);
    key(Qt::Key_G);
    EXPECT_FALSE(map->usinggrid);
    EXPECT_FALSE(general->topButton(QStringLiteral("Grid"))->isChecked());
}

TEST_F(DispatchTest, ArrowKeysScrollByTenCellsWithinTheRange) {
    key(Qt::Key_Left);
    EXPECT_EQ(map->view->hScr->value(), 0);
    key(Qt::Key_Right);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(map->view->hScr->value(), 160);
    EXPECT_EQ(map->view->vscr->value(), 320);
    key(Qt::Key_Up);
    EXPECT_EQ(map->view->vscr->value(), 160);
    scrollTo(map->view->hScr->maximum() - 10, 0);
    key(Qt::Key_Right);
    EXPECT_EQ(map->view->hScr->value(), map->view->hScr->maximum());
}

TEST_F(DispatchTest, LineWidthIsKeptPerMap) {
    map->setLineWidth(2);
    frmMain* other = general->NewMap();
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(map->tline.linew, 5);
    EXPECT_EQ(other->tline.linew, 1);
}
