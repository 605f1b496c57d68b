#include <QAction>

#include "SelectionFixture.h"
#include "app/MainMenu.h"
#include "app/frmGeneral.h"
#include "app/frmMain.h"

class MirrorFlipTest : public SelectionFixture {
protected:
    void mirror() { general->menu->mnuMirror->trigger(); }
    void flip() { general->menu->mnuFlip->trigger(); }
};

TEST_F(MirrorFlipTest, MirrorReversesARowAsOneUndoStepAndTwiceRestores) {
    put(2, 1, 1);
    put(3, 1, 2);
    put(4, 1, 3);
    select(2, 1, 4, 1);
    mirror();
    EXPECT_EQ(tile(2, 1), 3);
    EXPECT_EQ(tile(3, 1), 2);
    EXPECT_EQ(tile(4, 1), 1);
    EXPECT_EQ(undoSteps(), 1);
    EXPECT_TRUE(map->level.mapchanged);
    EXPECT_EQ(map->sel.selstate(), 2);
    EXPECT_EQ(map->sel.rect(), (CellRect{2, 1, 4, 1}));
    mirror();
    EXPECT_EQ(tile(2, 1), 1);
    EXPECT_EQ(tile(4, 1), 3);
    EXPECT_EQ(undoSteps(), 2);
    map->level.undoredo.Undo();
    EXPECT_EQ(tile(2, 1), 3);
}

TEST_F(MirrorFlipTest, FlipReversesAColumn) {
    put(5, 5, 4);
    put(5, 6, 5);
    select(5, 5, 5, 6);
    flip();
    EXPECT_EQ(tile(5, 5), 5);
    EXPECT_EQ(tile(5, 6), 4);
    EXPECT_EQ(undoSteps(), 1);
    map->level.undoredo.Undo();
    EXPECT_EQ(tile(5, 5), 4);
}

TEST_F(MirrorFlipTest, SpecialTilesMoveAsWholeSquares) {
    putObject(0, 0, 217);
    put(2, 1, 9);
    select(0, 0, 5, 1);
    mirror();
    EXPECT_EQ(tile(4, 0), 217);
    EXPECT_EQ(count(-1, 4, 0, 5, 1), 3);
    EXPECT_EQ(count(-1, 0, 0, 1, 1), 0);
    EXPECT_EQ(tile(0, 0), 0);
    EXPECT_EQ(tile(3, 1), 9);
    key(Qt::Key_Escape);
    select(0, 0, 5, 1);
    flip();
    EXPECT_EQ(tile(4, 0), 217);
    EXPECT_EQ(tile(3, 0), 9);
    map->level.undoredo.Undo();
    map->level.undoredo.Undo();
    EXPECT_EQ(tile(0, 0), 217);
    EXPECT_EQ(count(-1, 0, 0, 1, 1), 3);
    EXPECT_EQ(count(-1), 3);
}

TEST_F(MirrorFlipTest, MovedSelectionRefusesUntilANewRectangle) {
    put(2, 1, 1);
    put(3, 1, 2);
    select(2, 1, 3, 1);
    drag({at(2, 1), at(2, 4)});
    mirror();
    flip();
    EXPECT_EQ(dialogs->messages,
              QStringList({QStringLiteral("You can't mirror a selection that has already been moved"),
                           QStringLiteral("You can't flip a selection that has already been moved")}));
    EXPECT_EQ(tile(2, 1), 1);
    EXPECT_EQ(undoSteps(), 0);
    key(Qt::Key_Escape);
    select(2, 1, 3, 1);
    mirror();
    EXPECT_EQ(tile(2, 1), 2);
}

TEST_F(MirrorFlipTest, WithoutASelectionNothingHappensAndNothingIsSaid) {
    put(2, 1, 1);
    put(3, 1, 2);
    mirror();
    flip();
    EXPECT_TRUE(dialogs->messages.isEmpty());
    EXPECT_EQ(undoSteps(), 0);
    EXPECT_EQ(tile(2, 1), 1);
}
