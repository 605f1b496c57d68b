#include <QAction>
#include <QApplication>
#include <QScrollBar>

#include "MapFixture.h"
#include "app/MainMenu.h"
#include "app/frmGeneral.h"
#include "app/frmMain.h"
#include "selection/SelectionShape.h"
#include "selection/TileText.h"
#include "view/MapView.h"

class ClipboardTest : public MapFixture {
protected:
    void SetUp() override {
        MapFixture::SetUp();
        useTool(ToolId::Selection);
        setClipboardText(QStringLiteral("nothing to paste"));
        // Cells 2..4 x 1..2 hold 1..6, row by row.
        for (int i = 0; i < 6; ++i) {
            put(2 + i % 3, 1 + i / 3, static_cast<int16_t>(i + 1));
        }
        map->UpdateLevel();
    }
    // As far right and down as whole cells allow: cell 1024 shows past the grid's edge.
    void scrollToTheEnd() {
        scrollTo(map->view->hScr->maximum() / 16 * 16, map->view->vscr->maximum() / 16 * 16);
        ASSERT_GT(map->view->transform().endX(), 1023);
    }
    void cut() { general->mainMenu()->mnuCut->trigger(); }
    void copy() { general->mainMenu()->mnuCopy->trigger(); }
    void paste() { general->mainMenu()->mnuPaste->trigger(); }
};

TEST_F(ClipboardTest, CopyChangesNothingCutEmptiesTheCellsAsOneStepNeitherWithoutASelection) {
    cut();
    copy();
    EXPECT_EQ(clipboardText(), QStringLiteral("nothing to paste"));
    select(2, 1, 4, 2);
    copy();
    EXPECT_EQ(clipboardText(), QStringLiteral("QuarnTiles:3:2:1:2:3:4:5:6:"));
    EXPECT_EQ(count(0, 0, 0, 10, 10), 121 - 6);
    EXPECT_EQ(map->sel.selstate(), SelectionState::None);
    EXPECT_EQ(undoSteps(), 0);
    EXPECT_FALSE(changed());

    setClipboardText(QString());
    select(2, 1, 4, 2);
    cut();
    EXPECT_EQ(clipboardText(), QStringLiteral("QuarnTiles:3:2:1:2:3:4:5:6:"));
    EXPECT_EQ(count(0, 2, 1, 4, 2), 6);
    EXPECT_EQ(undoSteps(), 1);
    EXPECT_TRUE(changed());
}

TEST_F(ClipboardTest, PasteFloatsTheBlockAtTheFirstVisibleCellUntilApplied) {
    scrollTo(160, 320);  // first visible cell (10, 20)
    put(10, 20, 9);
    put(13, 20, 8);
    setClipboardText(QStringLiteral("QuarnTiles:2:1:300:7:"));
    useTool(ToolId::Pencil);
    paste();
    EXPECT_TRUE(map->clip.pasting());
    EXPECT_EQ(map->sel.selstate(), SelectionState::Selected);
    EXPECT_EQ(general->currentTool(), ToolId::Selection);
    EXPECT_EQ(map->sel.rect(), (CellRect{10, 20, 11, 20}));
    EXPECT_EQ(map->sel.shpdraw(), QRect(0, 0, 32, 16));
    EXPECT_EQ(tile(11, 20), 0);  // nothing written yet
    EXPECT_EQ(shown(11, 20), tilePicture(7));
    // Two cells to the right, then a click outside writes it there, the empty cell included.
    drag({at(10, 20), at(12, 20)});
    click(at(30, 30));
    EXPECT_EQ(tile(12, 20), 0);
    EXPECT_EQ(tile(13, 20), 7);
    EXPECT_EQ(tile(10, 20), 9);
    EXPECT_FALSE(map->clip.pasting());
    EXPECT_EQ(undoSteps(), 1);
    EXPECT_TRUE(changed());
    // Escape drops a pasted block without writing it.
    paste();
    key(Qt::Key_Escape);
    EXPECT_EQ(map->sel.selstate(), SelectionState::None);
    EXPECT_EQ(tile(11, 20), 0);
}

TEST_F(ClipboardTest, PastedBlockAppliesAtItsOwnSourceSpot) {
    select(2, 1, 4, 2);
    cut();
    select(2, 1, 4, 2);  // the same spot, now empty: the lifted block's source
    paste();
    drag({at(0, 0), at(2, 1)});
    ASSERT_EQ(map->sel.rect(), (CellRect{2, 1, 4, 2}));
    click(at(30, 30));
    EXPECT_EQ(tile(2, 1), 1);
    EXPECT_EQ(tile(4, 2), 6);
}

TEST_F(ClipboardTest, BlocksTravelBetweenMapWindowsThroughTheSystemClipboard) {
    putObject(6, 1, 217);
    map->UpdateLevel();
    select(2, 1, 7, 2);
    copy();
    frmMain* first = map;
    map = general->NewMap();
    ASSERT_NE(map, first);
    QApplication::processEvents();
    scrollTo(0, 0);
    paste();
    drag({at(0, 0), at(3, 5)});
    click(at(30, 30));
    EXPECT_EQ(tile(3, 5), 1);
    EXPECT_EQ(tile(5, 6), 6);
    EXPECT_EQ(tile(7, 5), 217);
    EXPECT_EQ(count(-1, 7, 5, 8, 6), 3);
    EXPECT_EQ(tile(2, 1, first), 1);  // the first map keeps its cells
}

TEST_F(ClipboardTest, HostileTextsArePastedNeverOrRefusedWithoutChange) {
    select(2, 1, 4, 2);
    const QStringList notTiles = {QString(), QStringLiteral("hello"), QStringLiteral("quarntiles:1:1:5:")};
    // Which texts are damaged is the parser's own table; here a short and an oversized one.
    const QStringList damaged = {
        QStringLiteral("QuarnTiles:2:1:5:"),
        QStringLiteral("QuarnTiles:1:1:") + QString(TileText::MaxLength, QLatin1Char('7')),
    };
    for (const QString& text : notTiles + damaged) {
        setClipboardText(text);
        paste();
        EXPECT_EQ(map->sel.selstate(), SelectionState::Selected) << text.left(40).toStdString();
        EXPECT_FALSE(map->clip.pasting()) << text.left(40).toStdString();
    }
    EXPECT_EQ(dialogs->messages.size(), damaged.size());
    EXPECT_EQ(count(0, 0, 0, 10, 10), 121 - 6);
}

TEST_F(ClipboardTest, CutPastTheGridEdgeWritesEveryCellAndTouchesOnlyGridCells) {
    scrollToTheEnd();
    put(1020, 1020, 5);
    put(1023, 1020, 7);
    map->UpdateLevel();
    select(1020, 1020, 1022, 1021);
    drag({at(1021, 1020), at(1024, 1020)});  // three cells right: columns 1023..1025
    ASSERT_EQ(map->sel.rect(), (CellRect{1023, 1020, 1025, 1021}));
    cut();
    EXPECT_EQ(clipboardText(), QStringLiteral("QuarnTiles:3:2:7:0:0:0:0:0:"));
    EXPECT_EQ(tile(1023, 1020), 0);
    EXPECT_EQ(tile(1020, 1020), 5);
    undo();
    EXPECT_EQ(tile(1023, 1020), 7);
}
