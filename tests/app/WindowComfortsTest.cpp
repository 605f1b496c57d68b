#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>
#include <functional>
#include <tuple>

#include "MapFixture.h"
#include "app/ExtraCommands.h"
#include "app/LayoutMemory.h"
#include "app/RightPanel.h"
#include "app/ShortcutsWindow.h"
#include "app/StatusBar.h"
#include "app/ViewMenu.h"
#include "tools/ShortcutTable.h"

// The status bar, the View, Edit and Help additions and the remembered layout, in the real window.
class WindowComforts : public MapFixture {
protected:
    StatusBar& bar() const { return *general->findChild<StatusBar*>(); }
    ViewMenu& viewMenu() const { return *general->findChild<ViewMenu*>(); }
    // A key pressed on the map's view as the user presses it, so menu shortcuts see it first.
    void shortcut(const QKeySequence& keys) {
        general->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(general.get()));
        view()->setFocus();
        QTest::keySequence(view(), keys);
    }
};

TEST_F(WindowComforts, TileTextNamesCoveredCellsByTheirObjectAndAnchor) {
    put(2, 2, 7);
    putObject(10, 10, 219);
    putObject(1020, 1019, 220);  // its square ends on the grid's last row and column
    putObject(1022, 500, 219);   // its square reaches past the right edge
    const std::tuple<int, int, const char*> cases[] = {
        {5, 3, "Tile 0 (empty)"},
        {2, 2, "Tile 7"},
        {10, 10, "Tile 219"},
        {15, 13, "Tile -1 (covered by 219 at 10, 10)"},
        {1023, 1023, "Tile -1 (covered by 220 at 1020, 1019)"},
        {1023, 505, "Tile -1 (covered by 219 at 1022, 500)"},
        {1024, 5, ""},
        {-1, 5, ""},
    };
    for (const auto& [x, y, text] : cases) {
        EXPECT_EQ(StatusBar::tileText(map->level(), x, y), QString::fromLatin1(text)) << x << ", " << y;
    }
}

TEST_F(WindowComforts, StatusBarFollowsPointerZoomSelectionAndTool) {
    putObject(4, 4, 217);
    map->redrawView();
    hover(at(5, 5));
    EXPECT_EQ(bar().cellLabel()->text(), "Cell 5, 5");
    EXPECT_EQ(bar().tileLabel()->text(), "Tile -1 (covered by 217 at 4, 4)");
    EXPECT_EQ(bar().zoomLabel()->text(), "Zoom 1");
    EXPECT_TRUE(bar().hintLabel()->text().startsWith("Hand (H): ")) << bar().hintLabel()->text().toStdString();

    useTool(ToolId::Selection);
    EXPECT_TRUE(bar().hintLabel()->text().startsWith("Selection (S): "));
    // Growing over the special tile makes the marked 2 x 1 cells a 3 x 2 selection.
    select(3, 4, 4, 4);
    EXPECT_EQ(bar().selectionLabel()->text(), "Selection 3 x 2");
    key(Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(bar().selectionLabel()->text(), "");

    // The zoom step items of the View menu, as the user picks them.
    for (const auto& [step, text] :
         {std::pair{size_t{0}, "Zoom 1/16"}, {size_t{1}, "Zoom 1/4"}, {size_t{4}, "Zoom 2"}}) {
        viewMenu().zoomStepActions[step]->trigger();
        QApplication::processEvents();
        EXPECT_EQ(bar().zoomLabel()->text(), text);
        for (size_t other = 0; other < 5; ++other) {
            EXPECT_EQ(viewMenu().zoomStepActions[other]->isChecked(), other == step) << other;
        }
    }
    // The cell under a resting pointer follows the zoom.
    hover({40, 40});
    const QString before = bar().cellLabel()->text();
    viewMenu().zoomTo(1.0f);
    QApplication::processEvents();
    EXPECT_NE(bar().cellLabel()->text(), before);
}

TEST_F(WindowComforts, SelectAllCoversTheLevelAndLeavesItExactThroughEveryEdit) {
    putObject(0, 0, 219);
    putObject(1021, 0, 217);     // 2 x 2 down to the right edge
    putObject(0, 1019, 220);     // 5 x 5 on the bottom edge
    putObject(1019, 1019, 220);  // in the corner
    putObject(1022, 600, 219);   // reaches past the right edge
    put(512, 512, 9);
    map->redrawView();
    const std::vector<int16_t> before = grid();
    const struct {
        const char* name;
        std::function<void()> edit;
        bool changes;
    } cases[] = {
        {"deselect", [this] { general->findChild<ExtraCommands*>()->deselect(); }, false},
        {"delete", [this] { key(Qt::Key_Delete); }, true},
        {"mirror", [this] { map->sel().mirror(); }, true},
        {"flip", [this] { map->sel().flip(); }, true},
        {"move",
         [this] {
             drag({at(3, 3), at(5, 4)});
             map->sel().applySelection();
         },
         true},
    };
    for (const auto& c : cases) {
        useTool(ToolId::Pencil);
        shortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
        ASSERT_EQ(map->sel().selstate(), SelectionState::Selected) << c.name;
        EXPECT_EQ(general->currentTool(), ToolId::Selection) << c.name;
        EXPECT_EQ(map->sel().rect(), (CellRect{0, 0, 1023, 1023})) << c.name;
        EXPECT_EQ(bar().selectionLabel()->text(), "Selection 1024 x 1024") << c.name;
        c.edit();
        map->sel().stopSelecting(true);
        EXPECT_EQ(grid() != before, c.changes) << c.name;
        if (c.changes) {
            undo();
        }
        EXPECT_TRUE(grid() == before) << c.name;
    }
}

TEST_F(WindowComforts, MenuShortcutsReachTheirCommands) {
    const std::pair<QKeySequence, std::function<bool()>> cases[] = {
        {Qt::CTRL | Qt::Key_Equal, [this] { return map->magnifier().zoomFactor() == 2.0f; }},
        {Qt::CTRL | Qt::Key_Minus, [this] { return map->magnifier().zoomFactor() == 1.0f; }},
        {Qt::CTRL | Qt::Key_Minus, [this] { return map->magnifier().zoomFactor() == 0.5f; }},
        {Qt::CTRL | Qt::Key_A, [this] { return map->sel().selstate() == SelectionState::Selected; }},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_A, [this] { return map->sel().selstate() == SelectionState::None; }},
        {Qt::Key_P, [this] { return general->currentTool() == ToolId::Pencil; }},  // tool letters still reach the view
        {Qt::SHIFT | Qt::Key_H, [this] { return general->currentTool() == ToolId::Pencil; }},  // not a tool key
        {Qt::CTRL | Qt::Key_S, [this] { return map->level().activeFile() == path("keys.lvl"); }},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_S,
         [this] { return map->level().activeFile() == path("as.lvl") && general->currentTool() == ToolId::Pencil; }},
    };
    dialogs->chosen = {path("keys.lvl"), path("as.lvl")};
    for (const auto& [keys, done] : cases) {
        shortcut(keys);
        EXPECT_TRUE(done()) << keys.toString().toStdString();
    }
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(general->activeMap(), nullptr);
    EXPECT_EQ(bar().zoomLabel()->text(), "");
    // With no map the window holds the keyboard, so its shortcuts work without a click.
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), general.get());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_NE(general->activeMap(), nullptr);
}

TEST_F(WindowComforts, ShortcutsWindowListsEveryKeyOfTheViewAndTheMenus) {
    const QList<ShortcutsWindow::Row> rows = ShortcutsWindow::rows(*general->menuBar());
    // A row may list several keys of one command.
    const auto listed = [&rows](const QString& key, const QString& action) {
        return std::any_of(rows.begin(), rows.end(), [&](const auto& r) {
            return r.keys.split(QStringLiteral(", ")).contains(key) && r.action.endsWith(action);
        });
    };
    for (const ShortcutTable::KeyShortcut& k : ShortcutTable::Keys) {
        EXPECT_TRUE(listed(QLatin1String(k.keyName), QLatin1String(k.description))) << k.keyName;
    }
    for (const ShortcutTable::MouseGesture& g : ShortcutTable::Gestures) {
        EXPECT_TRUE(listed(QLatin1String(g.gesture), QLatin1String(g.description))) << g.gesture;
    }
    for (const QAction* action : general->menuBar()->findChildren<QAction*>()) {
        if (!action->shortcut().isEmpty() && !action->menu()) {
            EXPECT_TRUE(listed(action->shortcut().toString(QKeySequence::NativeText), action->text()))
                << action->text().toStdString();
        }
    }
    EXPECT_TRUE(listed("Del", "Edit > Delete"));
}

TEST_F(WindowComforts, LayoutIsSavedOnExitAndRestoredAtTheNextStart) {
    general->resize(1000, 700);
    QTest::mouseClick(general->rightPanel()->togglerightpanel(), Qt::LeftButton);
    ASSERT_TRUE(general->close());

    MainWindow next(std::make_unique<TestDialogs>(), nullptr, dir.filePath(QStringLiteral("recent.ini")));
    ASSERT_TRUE(LayoutMemory::restore(next));
    EXPECT_EQ(next.size(), QSize(1000, 700));
    // A collapsed panel keeps only the small preview of the chosen tiles.
    RightPanel* panel = next.rightPanel();
    const auto expectExpanded = [panel](bool expanded) {
        EXPECT_EQ(panel->expanded(), expanded);
        EXPECT_EQ(panel->tilesetPicture()->isHidden(), !expanded);
        EXPECT_EQ(panel->tilePreview()->isHidden(), expanded);
    };
    expectExpanded(false);
    ViewMenu& nextView = *next.findChild<ViewMenu*>();
    emit nextView.viewMenu()->aboutToShow();
    EXPECT_FALSE(nextView.showRightPanelAction()->isChecked());
    nextView.showRightPanelAction()->trigger();
    expectExpanded(true);
}
