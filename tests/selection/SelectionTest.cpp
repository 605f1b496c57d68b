#include "MapFixture.h"
#include "app/frmGeneral.h"
#include "app/frmMain.h"
#include "model/RadarColor.h"
#include "selection/SelectionShape.h"
#include "view/MapView.h"
#include "view/PictureBox.h"

class SelectionTest : public MapFixture {
protected:
    void SetUp() override {
        MapFixture::SetUp();
        useTool(ToolId::Selection);
    }
    // Cells 2..4 x 1..2 hold 1..6, row by row, and are selected.
    void selectBlock() {
        for (int i = 0; i < 6; ++i) {
            put(2 + i % 3, 1 + i / 3, static_cast<int16_t>(i + 1));
        }
        map->UpdateLevel();
        select(2, 1, 4, 2);
    }
    CellRect rect() const { return map->sel.rect(); }
    QRect outline() const { return map->sel.shpdraw(); }
};

TEST_F(SelectionTest, OutlineCoversOnlyTheWholeCellsPassedOver) {
    press({37, 20});
    moveTo({90, 60});
    EXPECT_EQ(map->sel.selstate(), SelectionState::Drawing);
    EXPECT_EQ(outline(), QRect(32, 16, 48, 32));
    release({90, 60});
    EXPECT_EQ(map->sel.selstate(), SelectionState::Selected);
    EXPECT_EQ(rect(), (CellRect{2, 1, 4, 2}));
    EXPECT_TRUE(map->sel.outline().isVisible());
    // The outline is drawn white on the view, on its edge and not inside.
    const QImage screen = view()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(screen.pixel(32, 16), qRgb(255, 255, 255));
    EXPECT_EQ(screen.pixel(79, 47), qRgb(255, 255, 255));
    EXPECT_EQ(screen.pixel(50, 30), qRgb(0, 0, 0));
    // Over the selection and 3 pixels around it the pointer shows the move arrow.
    hover({81, 48});
    EXPECT_EQ(view()->cursor().shape(), Qt::SizeAllCursor);
    hover({84, 48});
    EXPECT_EQ(view()->cursor().shape(), Qt::CrossCursor);

    drag({{100, 50}, {40, 70}});
    EXPECT_EQ(rect(), (CellRect{3, 3, 5, 3}));
    EXPECT_EQ(outline(), QRect(48, 48, 48, 16));
    drag({{37, 20}, {45, 60}});  // narrower than a cell
    EXPECT_EQ(map->sel.selstate(), SelectionState::None);
    EXPECT_FALSE(map->sel.outline().isVisible());
}

TEST_F(SelectionTest, RectangleGrowsOverSpecialTilesAndKeepsGrowing) {
    putObject(10, 10, 219);  // 10..15
    putObject(16, 15, 217);  // 16..17 x 15..16: reached once the 219 is taken in
    map->UpdateLevel();
    select(12, 12, 13, 13);
    EXPECT_EQ(rect(), (CellRect{10, 10, 15, 15}));
    key(Qt::Key_Escape);
    select(12, 12, 16, 13);
    EXPECT_EQ(rect(), (CellRect{10, 10, 17, 16}));
    EXPECT_EQ(outline(), QRect(160, 160, 128, 112));
}

TEST_F(SelectionTest, MovingAndApplyingIsOneUndoStep) {
    selectBlock();
    press(at(3, 1));
    moveTo(at(5, 4));  // two cells right, three down
    // The block shows at the outline while its source shows empty; nothing is written yet.
    EXPECT_EQ(shown(4, 4), tilePicture(1));
    EXPECT_EQ(shown(6, 5), tilePicture(6));
    QImage black(16, 16, QImage::Format_RGB32);
    black.fill(Qt::black);
    EXPECT_EQ(shown(2, 1), black);
    moveTo(at(4, 1));
    release(at(4, 1));
    EXPECT_TRUE(map->sel.selalreadymoved());
    EXPECT_EQ(rect(), (CellRect{3, 1, 5, 2}));
    EXPECT_EQ(tile(2, 1), 1);
    EXPECT_FALSE(changed());
    click(at(20, 20));
    EXPECT_EQ(tile(2, 1), 0);
    EXPECT_EQ(tile(2, 2), 0);
    EXPECT_EQ(tile(3, 1), 1);
    EXPECT_EQ(tile(5, 2), 6);
    EXPECT_EQ(undoSteps(), 1);
    EXPECT_TRUE(changed());
}

TEST_F(SelectionTest, BlockMovedAwayAndBackOrDroppedWithEscapeChangesNothing) {
    selectBlock();
    drag({at(3, 1), at(6, 3), at(3, 1)});
    click(at(20, 20));
    EXPECT_EQ(undoSteps(), 0);
    EXPECT_FALSE(changed());
    select(2, 1, 4, 2);
    drag({at(3, 1), at(8, 8)});
    key(Qt::Key_Escape);
    EXPECT_EQ(map->sel.selstate(), SelectionState::None);
    EXPECT_EQ(count(0, 0, 0, 30, 30), 31 * 31 - 6);
    EXPECT_EQ(tile(2, 1), 1);
    EXPECT_EQ(undoSteps(), 0);
}

TEST_F(SelectionTest, SpecialTilesTravelWholeWithTheirBlock) {
    putObject(4, 4, 217);
    map->UpdateLevel();
    select(3, 3, 5, 5);
    drag({at(4, 4), at(7, 4)});
    click(at(30, 30));
    EXPECT_EQ(tile(7, 4), 217);
    EXPECT_EQ(count(-1, 7, 4, 8, 5), 3);
    EXPECT_EQ(count(-1), 3);
    EXPECT_EQ(tile(4, 4), 0);
}

TEST_F(SelectionTest, DeleteOnADraggedBlockEmptiesItsSourceCells) {
    put(9, 9, 7);
    selectBlock();
    drag({at(3, 1), at(10, 9)});  // outline over (9, 9)
    key(Qt::Key_Delete);
    EXPECT_EQ(count(0, 2, 1, 4, 2), 6);
    EXPECT_EQ(tile(9, 9), 7);
    EXPECT_EQ(map->sel.selstate(), SelectionState::None);
    EXPECT_EQ(undoSteps(), 1);
    EXPECT_TRUE(changed());
    undo();
    EXPECT_EQ(tile(4, 2), 6);
}

TEST_F(SelectionTest, OutlineFollowsTheCellsWhenTheViewScrollsUntilAPaintingToolEndsIt) {
    scrollTo(160, 0);
    select(12, 1, 14, 2);
    EXPECT_EQ(outline(), QRect(32, 16, 48, 32));
    scrollTo(0, 0);
    EXPECT_EQ(outline(), QRect(192, 16, 48, 32));
    EXPECT_EQ(rect(), (CellRect{12, 1, 14, 2}));
    useTool(ToolId::Bucket);  // the bucket fills inside the selection
    EXPECT_EQ(map->sel.selstate(), SelectionState::Selected);
    useTool(ToolId::Pencil);
    EXPECT_EQ(map->sel.selstate(), SelectionState::None);
}

TEST_F(SelectionTest, AtOnePixelPerCellOutlineAndPastedBlockLieExactlyOnTheirCells) {
    for (int i = 0; i < 3; ++i) {
        map->magnifier.ZoomOut(0, 0);
    }
    ASSERT_TRUE(map->view->transform().usingPixels());
    scrollTo(0, 0);
    drag({{37, 20}, {90, 60}});
    EXPECT_EQ(outline(), QRect(37, 20, 53, 40));
    EXPECT_EQ(rect(), (CellRect{37, 20, 89, 59}));
    key(Qt::Key_Escape);
    setClipboardText(QStringLiteral("QuarnTiles:2:1:0:7:"));
    map->clip.Paste();
    EXPECT_EQ(outline(), QRect(0, 0, 2, 1));
    EXPECT_EQ(view()->image.pixel(1, 0), RadarColor(7));
    EXPECT_EQ(view()->image.pixel(0, 0), RadarColor(0));
    // Zooming in from one pixel per cell ends the selection.
    map->magnifier.ZoomIn(50, 50);
    EXPECT_EQ(map->sel.selstate(), SelectionState::None);
}
