#include <QToolBar>
#include <QToolButton>
#include <functional>

#include "MapFixture.h"
#include "app/RightPanel.h"
#include "app/ToolBars.h"

class ToolBarsInWindow : public WindowFixture {
protected:
    static void click(QToolBar* bar, QAction* action) {
        QWidget* button = bar->widgetForAction(action);
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void clickTool(ToolId tool) { click(general->toolBars()->toolsToolBar(), general->toolButton(tool)); }
    void clickTop(QAction* action) { click(general->toolBars()->mainToolBar(), action); }
};

// The letter keys on the map are Dispatch's; here the toolbar and the keys typed on the panel's controls.
TEST_F(ToolBarsInWindow, ToolButtonsAndKeysOnThePanelPickTheToolAndOnlyOneButtonStaysPressed) {
    general->documents().newLevel();
    RightPanel* panel = general->rightPanel();
    const std::pair<std::function<void()>, ToolId> cases[] = {
        {[&] { clickTool(ToolId::Pencil); }, ToolId::Pencil},
        {[&] { clickTool(ToolId::Ellipse); }, ToolId::Ellipse},
        {[&] { QTest::keyClick(panel->lineWidthButtons()[1], Qt::Key_R); }, ToolId::Rectangle},
        {[&] { QTest::keyClick(panel->tilesetPicture(), Qt::Key_L); }, ToolId::Line},
        {[&] { clickTool(ToolId::Hand); }, ToolId::Hand}};
    for (const auto& [pick, tool] : cases) {
        pick();
        EXPECT_EQ(general->currentTool(), tool);
        for (const ToolId other : AllTools) {
            EXPECT_EQ(general->toolButton(other)->isChecked(), other == tool) << static_cast<int>(other);
        }
    }
}

// Outline tools show the crosshair, the others their picture, in every map and in a new one.
TEST_F(ToolBarsInWindow, EveryMapShowsTheCursorOfTheCurrentTool) {
    MapWindow* first = general->documents().newLevel();
    MapWindow* second = general->documents().newLevel();
    general->setCurrentTool(ToolId::Pencil);
    for (MapWindow* map : {first, second}) {
        EXPECT_EQ(map->view()->viewSurface()->cursor().shape(), Qt::BitmapCursor);
        EXPECT_EQ(map->view()->viewSurface()->cursor().hotSpot(), QPoint(4, 25)) << "the pencil's tip";
    }
    general->setCurrentTool(ToolId::Ellipse);
    EXPECT_EQ(first->view()->viewSurface()->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(general->documents().newLevel()->view()->viewSurface()->cursor().shape(), Qt::CrossCursor);
}

TEST_F(ToolBarsInWindow, GridTileNumberAndLineWidthButtonsAndKeysSwitchOnlyTheActiveMap) {
    MapWindow* first = general->documents().newLevel();
    clickTop(general->toolBars()->gridAction());
    EXPECT_TRUE(first->showGrid());
    clickTop(general->toolBars()->tileNumbersAction());
    EXPECT_TRUE(first->showTileNumbers());
    MapWindow* second = general->documents().newLevel();
    EXPECT_FALSE(general->toolBars()->gridAction()->isChecked());
    EXPECT_FALSE(general->toolBars()->tileNumbersAction()->isChecked());
    // The G and T keys on the map switch it as the buttons do, and the buttons follow.
    QTest::keyClick(second->view()->viewSurface(), Qt::Key_T);
    EXPECT_TRUE(second->showTileNumbers());
    EXPECT_TRUE(general->toolBars()->tileNumbersAction()->isChecked());
    QTest::keyClick(second->view()->viewSurface(), Qt::Key_G);
    EXPECT_TRUE(general->toolBars()->gridAction()->isChecked());
    clickTop(general->toolBars()->gridAction());
    EXPECT_FALSE(second->showGrid());
    EXPECT_TRUE(first->showGrid());
    general->activateMapItem(0);
    EXPECT_TRUE(general->toolBars()->gridAction()->isChecked());

    QTest::mouseClick(general->rightPanel()->lineWidthButtons()[2], Qt::LeftButton);
    EXPECT_EQ(first->tline().width(), 5);
    EXPECT_EQ(second->tline().width(), 1);
    general->activateMapItem(1);
    EXPECT_TRUE(general->rightPanel()->lineWidthButtons()[2]->isChecked());
    QTest::mouseClick(general->rightPanel()->lineWidthButtons()[1], Qt::LeftButton);
    EXPECT_EQ(second->tline().width(), 3);
    EXPECT_EQ(first->tline().width(), 5);
}
