#include <QAction>

#include "MapFixture.h"
#include "model/RadarColor.h"
#include "selection/SelectionShape.h"
#include "selection/TileText.h"

class SelectionTest : public MapFixture {
protected:
    void SetUp() override {
        MapFixture::SetUp();
        useTool(ToolId::Selection);
    }
    CellRect rect() const { return map->sel().rect(); }
    QRect outline() const { return map->sel().selectionOutline(); }
};

TEST_F(SelectionTest, OutlineCoversOnlyTheWholeCellsPassedOver) {
    press({37, 20});
    moveTo({90, 60});
    EXPECT_EQ(map->sel().selstate(), SelectionState::Drawing);
    EXPECT_EQ(outline(), QRect(32, 16, 48, 32));
    release({90, 60});
    EXPECT_EQ(rect(), (CellRect{2, 1, 4, 2}));
    // The outline leaves the inside as it is; its edge is checked where the drawing of blocks is.
    EXPECT_EQ(view()->grab().toImage().pixel(50, 30), qRgb(0, 0, 0));
    // Over the selection and 3 pixels around it the pointer shows the move arrow.
    hover({81, 48});
    EXPECT_EQ(view()->cursor().shape(), Qt::SizeAllCursor);
    hover({84, 48});
    EXPECT_EQ(view()->cursor().shape(), Qt::CrossCursor);

    drag({{100, 50}, {40, 70}});
    EXPECT_EQ(rect(), (CellRect{3, 3, 5, 3}));
    EXPECT_EQ(outline(), QRect(48, 48, 48, 16));
    drag({{37, 20}, {45, 60}});  // narrower than a cell
    EXPECT_EQ(map->sel().selstate(), SelectionState::None);
    EXPECT_FALSE(map->sel().outline().isVisible());
}

TEST_F(SelectionTest, RectangleGrowsOverSpecialTilesAndKeepsGrowing) {
    putObject(10, 10, 219);  // 10..15
    putObject(16, 15, 217);  // 16..17 x 15..16: reached once the 219 is taken in
    map->redrawView();
    select(12, 12, 13, 13);
    EXPECT_EQ(rect(), (CellRect{10, 10, 15, 15}));
    key(Qt::Key_Escape);
    select(12, 12, 16, 13);
    EXPECT_EQ(rect(), (CellRect{10, 10, 17, 16}));
    EXPECT_EQ(outline(), QRect(160, 160, 128, 112));
}

TEST_F(SelectionTest, OutlineFollowsTheCellsWhenTheViewScrollsUntilAPaintingToolEndsIt) {
    scrollTo(160, 0);
    select(12, 1, 14, 2);
    EXPECT_EQ(outline(), QRect(32, 16, 48, 32));
    scrollTo(0, 0);
    EXPECT_EQ(outline(), QRect(192, 16, 48, 32));
    EXPECT_EQ(rect(), (CellRect{12, 1, 14, 2}));
    useTool(ToolId::Line);
    EXPECT_EQ(map->sel().selstate(), SelectionState::None);
    EXPECT_FALSE(map->sel().outline().isVisible());
}

TEST_F(SelectionTest, AtOnePixelPerCellOutlineAndPastedBlockLieExactlyOnTheirCells) {
    zoomTo(1.0f / 16);
    scrollTo(0, 0);
    drag({{37, 20}, {90, 60}});
    EXPECT_EQ(outline(), QRect(37, 20, 53, 40));
    EXPECT_EQ(rect(), (CellRect{37, 20, 89, 59}));
    key(Qt::Key_Escape);
    setClipboardText(QStringLiteral("QuarnTiles:2:1:0:7:"));
    map->clip().paste();
    EXPECT_EQ(outline(), QRect(0, 0, 2, 1));
    EXPECT_EQ(view()->image().pixel(1, 0), radarColor(7));
    EXPECT_EQ(view()->image().pixel(0, 0), radarColor(0));
}

// Without a selection they are silent; a moved block is first written where it floats, as a step
// of its own, and then mirrored there.
TEST_F(SelectionTest, MirrorIsSilentWithoutASelectionAndWritesAMovedBlockFirst) {
    put(2, 1, 1);
    put(3, 1, 2);
    MainMenu* m = general->mainMenu();
    m->mirrorAction()->trigger();
    m->flipAction()->trigger();
    EXPECT_FALSE(canUndo());
    select(2, 1, 3, 1);
    drag({at(2, 1), at(2, 4)});
    m->mirrorAction()->trigger();
    EXPECT_EQ(tile(2, 4) * 10 + tile(3, 4), 21);
    undo();
    EXPECT_EQ(tile(2, 4) * 10 + tile(3, 4), 12);
    undo();
    EXPECT_EQ(tile(2, 1) * 10 + tile(3, 1), 12);
    EXPECT_TRUE(dialogs->messages.isEmpty());
}

TEST_F(SelectionTest, HostileClipboardTextsArePastedNeverOrRefusedWithoutChange) {
    put(2, 1, 1);
    select(2, 1, 4, 2);
    const QStringList notTiles = {QString(), QStringLiteral("hello"), QStringLiteral("quarntiles:1:1:5:"),
                                  QStringLiteral("QuarnTilesX:1:1:5:")};
    // Which texts are damaged is the parser's own table; here the bare keyword, a short and an oversized one.
    const QStringList damaged = {
        QStringLiteral("QuarnTiles"),
        QStringLiteral("QuarnTiles:2:1:5:"),
        QStringLiteral("QuarnTiles:1:1:") + QString(TileText::MaxLength, QLatin1Char('7')),
    };
    for (const QString& text : notTiles + damaged) {
        setClipboardText(text);
        general->mainMenu()->pasteAction()->trigger();
        EXPECT_EQ(map->sel().selstate(), SelectionState::Selected) << text.left(40).toStdString();
        EXPECT_FALSE(map->clip().pasting()) << text.left(40).toStdString();
    }
    EXPECT_EQ(dialogs->messages.size(), damaged.size());
    EXPECT_EQ(count(0, 0, 0, 10, 10), 121 - 1);
    EXPECT_FALSE(canUndo());
}
