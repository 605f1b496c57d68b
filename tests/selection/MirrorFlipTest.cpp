#include <QAction>

#include "MapFixture.h"
#include "app/MainMenu.h"
#include "app/frmGeneral.h"
#include "app/frmMain.h"
#include "selection/SelectionShape.h"

class MirrorFlipTest : public MapFixture {
protected:
    void SetUp() override {
        MapFixture::SetUp();
        put(2, 1, 1);
        put(3, 1, 2);
        put(4, 1, 3);
        put(2, 2, 4);
    }
    void mirror() { general->mainMenu()->mnuMirror->trigger(); }
    void flip() { general->mainMenu()->mnuFlip->trigger(); }
};

TEST_F(MirrorFlipTest, EachIsOneUndoStepThatKeepsTheSelection) {
    select(2, 1, 4, 1);
    mirror();
    EXPECT_EQ(tile(2, 1), 3);
    EXPECT_EQ(tile(3, 1), 2);
    EXPECT_EQ(tile(4, 1), 1);
    EXPECT_EQ(undoSteps(), 1);
    EXPECT_TRUE(changed());
    EXPECT_EQ(map->sel.selstate(), SelectionState::Selected);
    EXPECT_EQ(map->sel.rect(), (CellRect{2, 1, 4, 1}));
    key(Qt::Key_Escape);
    select(2, 1, 2, 2);
    flip();
    EXPECT_EQ(tile(2, 1), 4);
    EXPECT_EQ(tile(2, 2), 3);
    EXPECT_EQ(undoSteps(), 2);
}

TEST_F(MirrorFlipTest, SilentWithoutASelectionRefusedOnAMovedOneUntilANewRectangle) {
    mirror();
    flip();
    EXPECT_TRUE(dialogs->messages.isEmpty());
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
