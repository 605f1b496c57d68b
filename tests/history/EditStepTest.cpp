#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <vector>

#include "MapFixture.h"
#include "app/EditCommands.h"
#include "model/ObjectProcedures.h"
#include "model/RadarColor.h"
#include "selection/ReplaceDialog.h"

namespace {

// Whether a gesture pushes an undo step, which then changes cells.
enum class Outcome { Changed, NoStep };

}  // namespace

// Every edit path of the editor, driven as the user drives it. A test prepares the map, with gestures
// of its own if need be (then calls start()), makes one gesture and checks what it wrote; TearDown
// then checks that this last gesture was one undo step (none in GestureWithoutStep) that marks the map
// and its caption changed exactly when it changes a cell, that undo gives back every cell and the
// overview as they were, and that redo repeats the gesture exactly.
class EveryGesture : public MapFixture {
public:
    void SetUp() override {
        MapFixture::SetUp();
        start();
    }
    void TearDown() override {
        if (!HasFatalFailure()) {
            expectOneExactStep();
        }
        MapFixture::TearDown();
    }
    // The state the gesture starts from: what the preparation left, with the map unchanged.
    void start() {
        map->redrawView();
        map->level().markSaved();
        map->showModified();
        map->level().undoStack().clearUndo();
        before = grid();
        overview = map->level().overview().picture().copy();
    }
    void expectOneExactStep() {
        const bool changes = outcome == Outcome::Changed;
        EXPECT_EQ(canUndo(), outcome != Outcome::NoStep);
        EXPECT_EQ(changed(), changes);
        EXPECT_EQ(map->parentWidget()->isWindowModified(), changes);
        const std::vector<int16_t> after = grid();
        EXPECT_EQ(after != before, changes);
        if (outcome != Outcome::NoStep) {
            menu().undoAction()->trigger();
            EXPECT_TRUE(grid() == before) << "undo restores every cell";
            EXPECT_FALSE(changed()) << "undone back to the saved state";
            EXPECT_FALSE(canUndo()) << "the gesture was one step";
            EXPECT_EQ(map->level().overview().picture(), overview);
            menu().redoAction()->trigger();
            EXPECT_TRUE(grid() == after) << "redo repeats the gesture";
        }
    }
    MainMenu& menu() const { return *general->mainMenu(); }
    void fill(int column, int row) {
        useTool(ToolId::Bucket);
        click(at(column, row));
    }
    void clickCells(ToolId tool, std::initializer_list<QPoint> cells, Qt::MouseButton last = Qt::LeftButton) {
        useTool(tool);
        for (const QPoint* c = cells.begin(); c != cells.end(); ++c) {
            click(at(c->x(), c->y()), c + 1 == cells.end() ? last : Qt::LeftButton);
        }
    }
    // Cells 2..4 x 1..2 hold 1..6, row by row; selectBlock also selects them. Both start().
    void block() {
        for (int i = 0; i < 6; ++i) {
            put(2 + i % 3, 1 + i / 3, static_cast<int16_t>(i + 1));
        }
        start();
    }
    void selectBlock() {
        block();
        select(2, 1, 4, 2);
    }
    // Selecting prepares a gesture: the gesture starts from there.
    void select(int x0, int y0, int x1, int y1) {
        MapFixture::select(x0, y0, x1, y1);
        start();
    }
    // Puts one value, a special tile with its covered cells, and starts from there.
    void given(int column, int row, int16_t value) {
        ObjectProcedures::objectExtent(value) ? putObject(column, row, value) : put(column, row, value);
        start();
    }

    Outcome outcome = Outcome::Changed;
    std::vector<int16_t> before;
    QImage overview;
};

// A gesture that changes no cell pushes no step: it would take an undo place, and its undo would
// mark an unchanged map changed.
class GestureWithoutStep : public EveryGesture {
public:
    GestureWithoutStep() { outcome = Outcome::NoStep; }
};

namespace {

// A stroke over empty cells that leaves `n` cells of `box` (all when n < 0), and no others, holding the left tile.
struct Stroke {
    const char* name;
    ToolId tool;
    int width;
    std::vector<QPoint> cells;
    QRect box;
    int n = -1;
};

// The pencil's brush square reaches further right and down, and is cut at the grid's edges; lines
// follow Bresenham, and thick ones repeat it over the brush square.
const Stroke strokes[] = {
    {"PencilBrushOfWidthOne", ToolId::Pencil, 1, {{10, 10}}, {10, 10, 2, 2}},
    {"PencilBrushOfWidthTwo", ToolId::Pencil, 2, {{30, 30}}, {29, 29, 4, 4}},
    {"PencilBrushAtTheFirstCell", ToolId::Pencil, 2, {{0, 0}}, {0, 0, 3, 3}},
    {"PencilStrokeOverManyEventsLeavesNoGap", ToolId::Pencil, 0, {{0, 0}, {20, 5}}, {0, 0, 21, 6}, 21},
    {"LineDownwards", ToolId::Line, 0, {{5, 5}, {5, 9}}, {5, 5, 1, 5}},
    {"LineLeftwards", ToolId::Line, 0, {{10, 0}, {0, 0}}, {0, 0, 11, 1}},
    {"LineOfWidthOne", ToolId::Line, 1, {{0, 0}, {4, 0}}, {0, 0, 6, 2}},
    {"LineOfWidthTwo", ToolId::Line, 2, {{10, 10}, {10, 20}}, {9, 9, 4, 14}},
};

class Strokes : public EveryGesture, public ::testing::WithParamInterface<Stroke> {};

}  // namespace

TEST_P(Strokes, WriteTheLeftTileExactlyOverTheirCells) {
    stroke(GetParam().tool, GetParam().width, GetParam().cells);
    wrote(GetParam().box, GetParam().n);
}

INSTANTIATE_TEST_SUITE_P(EveryGesture, Strokes, ::testing::ValuesIn(strokes),
                         [](const ::testing::TestParamInfo<Stroke>& info) { return std::string(info.param.name); });

// A press of another button during a stroke neither ends it nor paints: the whole stroke is one step.
TEST_F(EveryGesture, PencilStrokeGoesOnThroughARightClick) {
    useTool(ToolId::Pencil);
    press(at(2, 2));
    moveTo(at(5, 2));
    click(at(5, 2), Qt::RightButton);
    moveTo(at(8, 2));
    release(at(8, 2));
    wrote({2, 2, 7, 1});
}

// The right button paints the right tile; the brush square is cut at the grid's far corner too.
TEST_F(EveryGesture, PencilRightButtonAtTheLastCell) {
    scrollTo(map->view()->hScrollBar()->maximum(), map->view()->vScrollBar()->maximum());
    stroke(ToolId::Pencil, 1, {{1023, 1023}}, Qt::RightButton);
    EXPECT_EQ(tile(1023, 1023), 6);
    EXPECT_EQ(count(6), 1);
}

// Painting a tile over itself changes nothing, for every painting tool.
class OwnTile : public GestureWithoutStep, public ::testing::WithParamInterface<ToolId> {};

TEST_P(OwnTile, PaintedOverItself) {
    given(3, 3, 5);
    stroke(GetParam(), 0, {{3, 3}, {3, 3}});
}

INSTANTIATE_TEST_SUITE_P(GestureWithoutStep, OwnTile,
                         ::testing::Values(ToolId::Pencil, ToolId::Rectangle, ToolId::Bucket));

TEST_F(EveryGesture, PencilDragWithASpecialTileLeavesARowOfWholeObjects) {
    putPattern(50, 40);
    scrollTo(37, 21);  // not on a cell's edge
    map->setTilesetLeft(219);
    start();
    stroke(ToolId::Pencil, 0,
           {{5, 5}, {6, 5}, {7, 5}, {8, 5}, {9, 5}, {10, 5}, {11, 5}, {12, 5}, {13, 5}, {14, 5}, {15, 5}});
    // Each object is placed where it overlaps none of the stroke's earlier ones.
    EXPECT_EQ(tile(5, 5) + tile(11, 5), 2 * 219);
    EXPECT_EQ(count(-1, 5, 5, 16, 10), 70);
    EXPECT_EQ(count(-1), 70);
    EXPECT_EQ(count(0, 0, 0, 49, 39), 0) << "no holes";
}

// The pencil's square around (15, 15) covers (14, 14), a covered cell of the object, but not its
// anchor. The eraser, the step checked, empties with the right button too, not with the right tile.
TEST_F(EveryGesture, PencilAndEraserTakeAWholeObjectFromAnyOfItsCells) {
    putObject(8, 20, 219);
    given(10, 10, 220);
    stroke(ToolId::Pencil, 2, {{15, 15}});
    EXPECT_EQ(tile(14, 14), 5);
    EXPECT_EQ(count(0, 10, 10, 13, 13), 16);
    start();
    stroke(ToolId::Eraser, 0, {{12, 24}}, Qt::RightButton);
    EXPECT_EQ(count(0, 8, 20, 13, 25), 36);
}

TEST_F(EveryGesture, LineFollowsBresenham) {
    stroke(ToolId::Line, 0, {{0, 0}, {2, 1}});
    wrote({0, 0, 3, 2}, 3);
    EXPECT_EQ(tile(1, 1) + tile(2, 1), 10);
}

TEST_F(EveryGesture, LineEmptiesTheSpecialTilesItCrosses) {
    given(10, 10, 219);
    stroke(ToolId::Line, 0, {{8, 12}, {20, 12}});
    EXPECT_EQ(count(219) + count(-1), 0);
    EXPECT_EQ(count(5, 10, 10, 15, 15), 6);
}

// A line with a special tile, a line released outside the grid, a polyline right click without a point.
TEST_F(GestureWithoutStep, LinesThatDrawNothing) {
    map->setTilesetLeft(217);
    stroke(ToolId::Line, 0, {{1, 1}, {9, 1}});
    map->setTilesetLeft(5);
    drag({at(5, 5), at(8, 8), QPoint(-30, 40)});
    EXPECT_NE(shown(8, 8), tilePicture(5)) << "no preview left";
    clickCells(ToolId::Polyline, {{2, 2}}, Qt::RightButton);
}

TEST_F(EveryGesture, RectangleWritesOnlyItsOutline) {
    given(3, 3, 77);
    stroke(ToolId::Rectangle, 0, {{2, 2}, {7, 7}, {5, 4}});
    EXPECT_EQ(count(5), 10);
    EXPECT_EQ(count(5, 2, 2, 5, 2) + count(5, 2, 4, 5, 4), 8);
    EXPECT_EQ(tile(3, 3), 77);
}

TEST_F(EveryGesture, EllipseIsAClosedRingThroughItsBoxMiddles) {
    stroke(ToolId::Ellipse, 0, {{0, 0}, {4, 9}, {10, 10}});
    for (const QPoint p : {QPoint(10, 5), QPoint(5, 10), QPoint(0, 5), QPoint(5, 0)}) {
        EXPECT_GT(count(5, p.x() - 1, p.y() - 1, p.x() + 1, p.y() + 1), 0) << p.x() << "," << p.y();
    }
    // Closed: a fill from the centre, which never steps diagonally, stays inside the ring. The fill
    // is then the step checked; the ellipse's own undo is the property test's.
    start();
    useTool(ToolId::Bucket);
    click(at(5, 5), Qt::RightButton);
    EXPECT_EQ(count(6, 1, 1, 9, 9), count(6));
}

// All segments of a polyline are one step, ended by the right button or by another tool; the
// Ctrl-held dropper is another tool too.
TEST_F(EveryGesture, PolylineSegments) {
    clickCells(ToolId::Polyline, {{0, 0}, {4, 0}, {4, 3}});
    EXPECT_FALSE(canUndo());
    key(Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(count(5), 8);
    EXPECT_EQ(count(5, 0, 0, 4, 0) + count(5, 4, 1, 4, 3), 8);
}

TEST_F(GestureWithoutStep, PolylineOfOnePoint) {
    clickCells(ToolId::Polyline, {{2, 2}, {2, 2}}, Qt::RightButton);
}

// The fill: by default within the visible cells, bounded by other values, never diagonally.
TEST_F(EveryGesture, BucketInScreenStopsAtTheVisibleCells) {
    scrollTo(160, 320);
    start();
    fill(12, 22);
    const ViewTransform t = map->view()->transform();
    ASSERT_EQ(t.startX(), 10);
    wrote({t.startX(), t.startY(), t.endX() - t.startX() + 1, t.endY() - t.startY() + 1});
}

// Started mid-triangle, the fill runs up and down through rows of every width, down to the one cell
// of row 9, and the overview shows each run whole.
TEST_F(EveryGesture, BucketIsBoundedByWallsAndNeverStepsDiagonally) {
    for (int i = 0; i <= 10; ++i) {
        put(i, 10 - i, 9);
    }
    start();
    fill(2, 3);
    wrote({0, 0, 10, 10}, 55);
    EXPECT_EQ(map->level().overview().pixel(9, 0), radarColor(5) | 0xFF000000u);
}

// A covered cell fills its object's square, also past the view's edge, and not the neighbouring
// object's covered cells; then an anchor empties its object.
TEST_F(EveryGesture, BucketOnACoveredCellFillsItsObjectsSquareAndOnAnAnchorEmptiesIt) {
    const int x = map->view()->transform().endX() - 1;
    putObject(x, 5, 219);
    putObject(x - 2, 5, 217);
    fill(x, 6);
    wrote({x, 5, 6, 6});
    EXPECT_EQ(count(-1, x - 2, 5, x - 1, 6), 3);
    start();
    fill(x - 2, 5);
    EXPECT_EQ(count(0, x - 2, 5, x - 1, 6), 4);
}

TEST_F(GestureWithoutStep, DropperPicksATilePerButton) {
    put(3, 2, 41);
    given(10, 10, 219);
    clickCells(ToolId::Dropper, {{13, 14}}, Qt::RightButton);
    drag({at(13, 14), at(3, 2)});
    click(at(30, 30));  // an empty cell is not a tile to paint with
    EXPECT_EQ(map->tilesetLeft(), 41);
    EXPECT_EQ(map->tilesetRight(), 219);
}

// The selection: a moved block is written when applied, dropped otherwise; cut, copy, paste,
// delete, mirror, flip and replace.
TEST_F(EveryGesture, SelectionMovedAndApplied) {
    selectBlock();
    press(at(3, 1));
    moveTo(at(5, 4));  // two cells right, three down
    // The block shows at the outline while its source shows empty; nothing is written yet.
    EXPECT_EQ(shown(4, 4), tilePicture(1));
    EXPECT_EQ(shown(6, 5), tilePicture(6));
    EXPECT_EQ(shown(2, 1), tilePicture(0));
    moveTo(at(4, 1));
    release(at(4, 1));
    EXPECT_EQ(map->sel().rect(), (CellRect{3, 1, 5, 2}));
    EXPECT_FALSE(changed());
    click(at(20, 20));
    EXPECT_EQ(tile(2, 1) + tile(2, 2), 0);
    EXPECT_EQ(tile(3, 1) * 10 + tile(5, 2), 16);
}

// Undo writes a moved block where it floats as its own step and takes back that step, not the one before.
TEST_F(EveryGesture, UndoWhileABlockFloatsTakesBackTheMove) {
    selectBlock();
    paintUndoable(map, 20, 20, 5);
    drag({at(3, 1), at(5, 4)});
    menu().undoAction()->trigger();
    EXPECT_EQ(count(5), 2) << "the block's 5 back at its source, the painted cell kept";
    EXPECT_EQ(tile(2, 1) * 10 + tile(4, 2), 16);
    EXPECT_EQ(map->sel().rect(), (CellRect{4, 4, 6, 5})) << "selected where it was written";
    key(Qt::Key_Escape);
}

// A block moved away and back, a moved block and a paste dropped with Escape, a copy, and a cut or
// copy without a selection: none writes a cell.
TEST_F(GestureWithoutStep, SelectionMovedBackDroppedOrCopied) {
    selectBlock();
    drag({at(3, 1), at(6, 3), at(3, 1)});
    click(at(20, 20));
    MapFixture::select(2, 1, 4, 2);
    drag({at(3, 1), at(8, 8)});
    key(Qt::Key_Escape);
    EXPECT_EQ(map->sel().selstate(), SelectionState::None);
    setClipboardText(QStringLiteral("QuarnTiles:2:1:300:7:"));
    menu().pasteAction()->trigger();
    key(Qt::Key_Escape);
    EXPECT_EQ(map->sel().selstate(), SelectionState::None);
    MapFixture::select(2, 1, 4, 2);
    menu().copyAction()->trigger();
    EXPECT_EQ(map->sel().selstate(), SelectionState::None) << "copy ends the selection";
    setClipboardText(QStringLiteral("nothing to paste"));
    menu().cutAction()->trigger();
    menu().copyAction()->trigger();
    EXPECT_EQ(clipboardText(), QStringLiteral("nothing to paste"));
}

TEST_F(EveryGesture, SelectionCarriesSpecialTilesWhole) {
    putObject(4, 4, 217);
    select(3, 3, 5, 5);
    drag({at(4, 4), at(7, 4)});
    click(at(30, 30));
    EXPECT_EQ(tile(7, 4), 217);
    EXPECT_EQ(count(-1, 7, 4, 8, 5), 3);
    EXPECT_EQ(count(-1), 3);
}

TEST_F(EveryGesture, DeleteOnADraggedBlockEmptiesItsSourceCells) {
    put(9, 9, 7);
    selectBlock();
    drag({at(3, 1), at(10, 9)});  // outline over (9, 9)
    start();
    key(Qt::Key_Delete);
    EXPECT_EQ(count(0, 2, 1, 4, 2), 6);
    EXPECT_EQ(tile(9, 9), 7);
    EXPECT_EQ(map->sel().selstate(), SelectionState::None);
}

TEST_F(EveryGesture, CutOfABlockMovedPastTheGridsEdge) {
    scrollTo(map->view()->hScrollBar()->maximum() / 16 * 16, map->view()->vScrollBar()->maximum() / 16 * 16);
    ASSERT_GT(map->view()->transform().endX(), 1023) << "cell 1024 shows past the grid's edge";
    put(1020, 1020, 5);
    put(1023, 1020, 7);
    select(1020, 1020, 1022, 1021);
    drag({at(1021, 1020), at(1024, 1020)});  // three cells right: columns 1023..1025
    ASSERT_EQ(map->sel().rect(), (CellRect{1023, 1020, 1025, 1021}));
    useTool(ToolId::Selection);  // another tool: the block is written where it floats
    start();
    menu().cutAction()->trigger();
    EXPECT_EQ(clipboardText(), QStringLiteral("QuarnTiles:3:2:5:0:0:0:0:0:"));
    EXPECT_EQ(tile(1023, 1020) + tile(1020, 1020), 0);
}

TEST_F(EveryGesture, PasteFloatsAtTheFirstVisibleCellUntilApplied) {
    scrollTo(160, 320);  // first visible cell (10, 20)
    put(10, 20, 9);
    given(13, 20, 8);
    setClipboardText(QStringLiteral("QuarnTiles:2:1:300:7:"));
    useTool(ToolId::Pencil);
    menu().pasteAction()->trigger();
    EXPECT_EQ(general->currentTool(), ToolId::Selection);
    EXPECT_EQ(map->sel().rect(), (CellRect{10, 20, 11, 20}));
    EXPECT_EQ(tile(11, 20), 0);
    EXPECT_EQ(shown(11, 20), tilePicture(7));
    // Two cells to the right, then a click outside writes it there, the empty cell included.
    drag({at(10, 20), at(12, 20)});
    click(at(30, 30));
    EXPECT_EQ(tile(10, 20) * 100 + tile(12, 20) * 10 + tile(13, 20), 907);
    EXPECT_FALSE(map->clip().pasting());
}

// The cut prepares: its undo is the property test's.
TEST_F(EveryGesture, CutEmptiesTheSelectionAndAPasteIsAppliedAtItsOwnSourceSpot) {
    selectBlock();
    menu().cutAction()->trigger();
    EXPECT_EQ(clipboardText(), QStringLiteral("QuarnTiles:3:2:1:2:3:4:5:6:"));
    EXPECT_EQ(count(0, 2, 1, 4, 2), 6);
    select(2, 1, 4, 2);  // the same spot, now empty: the lifted block's source
    menu().pasteAction()->trigger();
    drag({at(0, 0), at(2, 1)});
    ASSERT_EQ(map->sel().rect(), (CellRect{2, 1, 4, 2}));
    click(at(30, 30));
    EXPECT_EQ(tile(2, 1) * 10 + tile(4, 2), 16);
}

// The flip works on the selection the mirror kept; the flip is the step checked.
TEST_F(EveryGesture, MirrorAndFlipKeepTheSelection) {
    selectBlock();
    menu().mirrorAction()->trigger();
    EXPECT_EQ(tile(2, 1) * 100 + tile(3, 1) * 10 + tile(4, 1), 321);
    start();
    menu().flipAction()->trigger();
    EXPECT_EQ(tile(2, 1) * 10 + tile(2, 2), 63);
    EXPECT_EQ(map->sel().selstate(), SelectionState::Selected);
    EXPECT_EQ(map->sel().rect(), (CellRect{2, 1, 4, 2}));
}

// By default the dialog switches the two mouse tiles over the map; "In selection only" is
// offered, and checked, only with a selection.
TEST_F(EveryGesture, ReplaceDialogSwitchesTheMouseTilesEverywhereOrInTheSelectionOnly) {
    block();
    put(5, 1, 3);
    given(500, 500, 5);
    menu().replaceAction()->trigger();
    ReplaceDialog* dialog = general->editCommands()->replaceDialog();
    EXPECT_FALSE(dialog->inSelectionCheck()->isEnabled());
    dialog->okButton()->click();
    EXPECT_EQ(tile(500, 500) * 10 + tile(4, 2), 65);
    select(3, 1, 4, 2);  // the replace in the selection is the step checked
    menu().replaceAction()->trigger();
    dialog = general->editCommands()->replaceDialog();
    EXPECT_TRUE(dialog->inSelectionCheck()->isEnabled());
    dialog->replaceCustomOption()->setChecked(true);
    dialog->replaceOldEdit()->setText(QStringLiteral("3"));
    dialog->replaceNewEdit()->setText(QStringLiteral("9"));
    dialog->okButton()->click();
    EXPECT_EQ(tile(4, 1) * 10 + tile(5, 1), 93);
    EXPECT_EQ(map->sel().selstate(), SelectionState::Selected);
}

TEST_F(GestureWithoutStep, ReplacingANumberNoCellHolds) {
    general->editCommands()->replaceTiles(2, 77, 78, false);
}

TEST_F(GestureWithoutStep, ReplacingANumberWithItself) {
    put(3, 3, 1);
    select(3, 3, 3, 3);
    general->editCommands()->replaceTiles(0, 1, 1, true);
}
