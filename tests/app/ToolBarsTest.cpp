#include <QAction>
#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "MapFixture.h"
#include "app/RightPanel.h"
#include "app/ToolBars.h"
#include "tools/SelectionHooks.h"

class ToolBarsInWindow : public WindowFixture {
protected:
    void clickTool(ToolId tool) {
        QWidget* button = general->toolBars()->Toolbarleft->widgetForAction(general->toolButton(tool));
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void clickTop(const QString& key) {
        QWidget* button = general->toolBars()->toolbartop->widgetForAction(general->topButton(key));
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }
};

TEST_F(ToolBarsInWindow, LeftToolbarButtonsPickTheToolAndOnlyOneStaysPressed) {
    general->NewMap();
    for (const ToolId tool : {ToolId::Pencil, ToolId::Selection, ToolId::Ellipse, ToolId::Hand}) {
        clickTool(tool);
        EXPECT_EQ(general->currentTool(), tool);
        for (const ToolId other : AllTools) {
            EXPECT_EQ(general->toolButton(other)->isChecked(), other == tool)
                << static_cast<int>(tool) << " " << static_cast<int>(other);
        }
    }
}

TEST_F(ToolBarsInWindow, OutlineToolsShowTheCrosshairAndTheOthersTheirPicture) {
    frmMain* first = general->NewMap();
    frmMain* second = general->NewMap();
    for (const ToolId tool : AllTools) {
        general->SetCurrentTool(tool);
        const bool crosshair = tool == ToolId::Selection || tool == ToolId::Line || tool == ToolId::Polyline ||
                               tool == ToolId::Rectangle || tool == ToolId::Ellipse;
        for (frmMain* map : {first, second}) {
            const QCursor cursor = map->view->picpreview->cursor();
            EXPECT_EQ(cursor.shape(), crosshair ? Qt::CrossCursor : Qt::BitmapCursor) << static_cast<int>(tool);
            EXPECT_EQ(cursor.pixmap().isNull(), crosshair) << static_cast<int>(tool);
        }
    }
    EXPECT_EQ(general->NewMap()->view->picpreview->cursor().shape(), Qt::CrossCursor);  // tool 11's
    general->SetCurrentTool(ToolId::Pencil);
    EXPECT_EQ(first->view->picpreview->cursor().hotSpot(), QPoint(4, 25));  // the pencil's tip
}

TEST_F(ToolBarsInWindow, GridAndTileNumberButtonsAndKeysSwitchTheActiveMap) {
    frmMain* first = general->NewMap();
    clickTop("Grid");
    EXPECT_TRUE(first->showGrid());
    clickTop("TileNr");
    EXPECT_TRUE(first->showTileNumbers());
    frmMain* second = general->NewMap();
    EXPECT_FALSE(general->topButton("Grid")->isChecked());
    EXPECT_FALSE(general->topButton("TileNr")->isChecked());
    // The G and T keys on the map switch it as the buttons do, and the buttons follow.
    QTest::keyClick(second->view->picpreview, Qt::Key_T);
    EXPECT_TRUE(second->showTileNumbers());
    EXPECT_TRUE(general->topButton("TileNr")->isChecked());
    EXPECT_FALSE(second->showGrid());
    QTest::keyClick(second->view->picpreview, Qt::Key_G);
    EXPECT_TRUE(general->topButton("Grid")->isChecked());
    clickTop("Grid");
    EXPECT_FALSE(second->showGrid());
    EXPECT_TRUE(first->showGrid());
    general->mnuMaps_Click(0);
    EXPECT_TRUE(general->topButton("Grid")->isChecked());
}

TEST_F(ToolBarsInWindow, LineWidthButtonsSetOnlyTheActiveMapsWidth) {
    frmMain* first = general->NewMap();
    QTest::mouseClick(general->rightPanel()->optLineW[2], Qt::LeftButton);
    EXPECT_EQ(first->tline.linew, 5);
    frmMain* second = general->NewMap();
    EXPECT_EQ(second->tline.linew, 1);
    EXPECT_TRUE(general->rightPanel()->optLineW[2]->isChecked());
    QTest::mouseClick(general->rightPanel()->optLineW[1], Qt::LeftButton);
    EXPECT_EQ(second->tline.linew, 3);
    EXPECT_EQ(first->tline.linew, 5);
}

TEST_F(ToolBarsInWindow, MenuShortcutsReachTheirCommands) {
    general->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(general.get()));
    QTest::keyClick(general.get(), Qt::Key_N, Qt::ControlModifier);
    ASSERT_NE(general->activeMap(), nullptr);
    const QString target = path("keys.lvl");
    dialogs->chosen.push_back(target);
    QTest::keyClick(general->activeMap()->view->picpreview, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs->titles, QStringList{"Save lvl as..."});
    EXPECT_EQ(general->activeMap()->level.activeFile, target);
}

namespace {
// A selection that is marked and counts how often it is ended.
class MarkedSelection : public SelectionHooks {
public:
    SelectionState selstate() const override { return stopped == 0 ? SelectionState::Selected : SelectionState::None; }
    void StopSelecting(bool refresh) override {
        ++stopped;
        refreshed = refresh;
    }
    int stopped = 0;
    bool refreshed = false;
};
}  // namespace

TEST_F(ToolBarsInWindow, PaintingToolsEndAMarkedSelectionAndTheOthersKeepIt) {
    frmMain* map = general->NewMap();
    MarkedSelection marked;
    SelectionHooks* own = map->selectionHooks;
    map->selectionHooks = &marked;
    for (const ToolId tool : {ToolId::Magnifier, ToolId::Selection, ToolId::Hand, ToolId::Dropper, ToolId::Bucket}) {
        general->SetCurrentTool(tool);
    }
    EXPECT_EQ(marked.stopped, 0);
    general->SetCurrentTool(ToolId::Line);
    EXPECT_EQ(marked.stopped, 1);
    EXPECT_TRUE(marked.refreshed);
    general->SetCurrentTool(ToolId::Pencil);  // nothing marked any more
    EXPECT_EQ(marked.stopped, 1);
    map->selectionHooks = own;
}

TEST_F(ToolBarsInWindow, ToolShortcutsWorkFromTheRightPanelsControls) {
    general->NewMap();
    const std::tuple<QWidget*, Qt::Key, ToolId> cases[] = {
        {general->rightPanel()->optLineW[1], Qt::Key_R, ToolId::Rectangle},
        {general->rightPanel()->pictileset, Qt::Key_P, ToolId::Pencil},
        {general->rightPanel()->pictileset, Qt::Key_L, ToolId::Line}};
    for (const auto& [target, key, tool] : cases) {
        QTest::keyClick(target, key);
        EXPECT_EQ(general->currentTool(), tool);
        EXPECT_TRUE(general->toolButton(tool)->isChecked()) << static_cast<int>(tool);
    }
}

TEST_F(ToolBarsInWindow, RadarPressMovesTheActiveMapsView) {
    frmMain* map = general->NewMap();
    const int h = map->view->hScr->value();
    const int v = map->view->vscr->value();
    QTest::mouseClick(general->radar(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 30));
    EXPECT_LT(map->view->hScr->value(), h);
    EXPECT_LT(map->view->vscr->value(), v);
}
