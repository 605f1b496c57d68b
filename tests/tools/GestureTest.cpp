#include <QApplication>
#include <QMdiSubWindow>

#include "MapFixture.h"

// One gesture at a time, and whatever interrupts a gesture ends it as one whole step. Every
// interruption at random moments is the undo property test's; these are the faults met in the editor.
class GestureTest : public MapFixture {
protected:
    void shortcut(QWidget* target, const QKeySequence& keys) {
        general->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(general.get()));
        target->setFocus();
        QTest::keySequence(target, keys);
    }
    MainMenu& menu() const { return *general->mainMenu(); }
};

TEST_F(GestureTest, ASecondButtonDuringAStrokeNeitherEndsNorPaintsIt) {
    useTool(ToolId::Pencil);
    press(at(2, 2));
    moveTo(at(5, 2));
    press(at(5, 2), Qt::RightButton);
    moveTo(at(6, 2));
    release(at(6, 2), Qt::RightButton);
    moveTo(at(8, 2));
    release(at(8, 2));
    wrote({2, 2, 7, 1});
    EXPECT_EQ(count(6), 0) << "the right tile was never painted";
    undo();
    EXPECT_EQ(count(5), 0) << "the whole stroke is one step";
    EXPECT_FALSE(canUndo());
}

TEST_F(GestureTest, ClosingAMapWhileCtrlIsHeldGivesThePencilBack) {
    useTool(ToolId::Pencil);
    shortcut(view(), QKeySequence(Qt::CTRL | Qt::Key_N));
    MapWindow* second = general->activeMap();
    ASSERT_NE(second, map);
    shortcut(second->view()->picpreview, QKeySequence(Qt::CTRL | Qt::Key_W));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(openCount(), 1);
    EXPECT_EQ(general->currentTool(), ToolId::Pencil);
    click(at(3, 3));
    EXPECT_EQ(tile(3, 3), 5);
}

// Undo, both after the drag and in the middle of it, takes back the move and nothing before it.
TEST_F(GestureTest, UndoWhileABlockFloatsTakesBackExactlyTheMove) {
    for (const bool midDrag : {false, true}) {
        SCOPED_TRACE(midDrag ? "mid-drag" : "after the drag");
        stroke(ToolId::Pencil, 0, {{20, 20}});
        put(2, 1, 7);
        const std::vector<int16_t> before = grid();
        select(2, 1, 2, 1);
        press(at(2, 1));
        moveTo(at(4, 3));
        if (!midDrag) {
            release(at(4, 3));
        }
        menu().mnuUndo->trigger();
        moveTo(at(6, 6));
        release(at(6, 6));
        EXPECT_TRUE(grid() == before);
        menu().mnuRedo->trigger();
        EXPECT_EQ(tile(4, 3) * 10 + tile(2, 1), 70);
        EXPECT_EQ(map->sel().selstate(), SelectionState::Selected);
        EXPECT_EQ(map->sel().rect(), (CellRect{4, 3, 4, 3})) << "selected where it was written";
        key(Qt::Key_Escape);
        put(4, 3, 0);
    }
}
