#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <functional>
#include <vector>

#include "MapFixture.h"
#include "app/EditCommands.h"
#include "model/RadarColor.h"
#include "selection/ReplaceDialog.h"

class OneGesture;
using G = OneGesture;

namespace {

// Whether a gesture pushes an undo step, and whether that step changes cells.
enum class Outcome { Changed, Unchanged, NoStep };

struct Gesture {
    const char* name;
    // Prepares the map (then calls start()), makes the gesture and checks what it wrote.
    std::function<void(G&)> run;
    Outcome outcome = Outcome::Changed;
};

void PrintTo(const Gesture& g, std::ostream* os) {
    *os << g.name;
}

constexpr int All = 1024 * 1024;

}  // namespace

// Every edit path of the editor, driven as the user drives it: one gesture is one undo step, it marks
// the map and its caption changed exactly when it changes a cell, undo gives back every cell and the
// overview as they were, and redo repeats the gesture exactly.
class OneGesture : public MapFixture, public ::testing::WithParamInterface<Gesture> {
public:
    // The state the gesture starts from: what the preparation left, with the map unchanged.
    void start() {
        map->UpdateLevel();
        map->level.mapchanged = false;
        map->showModified();
        before = grid();
        overview = map->level.pic1024.picture().copy();
        steps = undoSteps();
    }
    MainMenu& menu() const { return *general->mainMenu(); }
    void fill(int column, int row) {
        useTool(ToolId::Bucket);
        click(at(column, row));
    }
    void clickCells(std::initializer_list<QPoint> cells, Qt::MouseButton last = Qt::LeftButton) {
        for (const QPoint* c = cells.begin(); c != cells.end(); ++c) {
            click(at(c->x(), c->y()), c + 1 == cells.end() ? last : Qt::LeftButton);
        }
    }
    // Cells 2..4 x 1..2 hold 1..6, row by row; selectBlock also selects them.
    void block() {
        for (int i = 0; i < 6; ++i) {
            put(2 + i % 3, 1 + i / 3, static_cast<int16_t>(i + 1));
        }
    }
    void selectBlock() {
        block();
        map->UpdateLevel();
        select(2, 1, 4, 2);
    }
    ReplaceDialog* openReplace() {
        menu().mnuReplace->trigger();
        return general->editCommands()->replaceDialog();
    }

    std::vector<int16_t> before;
    QImage overview;
    int steps = 0;
};

TEST_P(OneGesture, IsOneUndoStepThatMarksTheMapChangedAndUndoesExactly) {
    const Gesture& g = GetParam();
    start();
    g.run(*this);
    const bool changes = g.outcome == Outcome::Changed;
    EXPECT_EQ(undoSteps(), steps + (g.outcome == Outcome::NoStep ? 0 : 1));
    EXPECT_EQ(changed(), changes);
    EXPECT_EQ(map->parentWidget()->isWindowModified(), changes);
    const std::vector<int16_t> after = grid();
    EXPECT_EQ(after != before, changes);
    if (g.outcome != Outcome::NoStep) {
        menu().mnuUndo->trigger();
        EXPECT_TRUE(grid() == before) << "undo restores every cell";
        EXPECT_EQ(map->level.pic1024.picture(), overview);
        menu().mnuRedo->trigger();
        EXPECT_TRUE(grid() == after) << "redo repeats the gesture";
    }
}

namespace {

// A stroke over empty cells that leaves `n` cells of `box` (all when n < 0), and no others, holding the left tile.
Gesture drawn(const char* name, ToolId tool, int width, const std::vector<QPoint>& cells, QRect box, int n = -1) {
    return {name, [=](G& g) {
                g.stroke(tool, width, cells);
                g.wrote(box, n);
            }};
}

const Gesture gestures[] = {
    // The pencil's brush square reaches further right and down, and is cut at the grid's edges.
    drawn("PencilBrushOfWidthOne", ToolId::Pencil, 1, {{10, 10}}, {10, 10, 2, 2}),
    drawn("PencilBrushOfWidthTwo", ToolId::Pencil, 2, {{30, 30}}, {29, 29, 4, 4}),
    drawn("PencilBrushAtTheFirstCell", ToolId::Pencil, 2, {{0, 0}}, {0, 0, 3, 3}),
    drawn("PencilStrokeOverManyEventsLeavesNoGap", ToolId::Pencil, 0, {{0, 0}, {20, 5}}, {0, 0, 21, 6}, 21),
    {"PencilBrushAtTheLastCell",
     [](G& g) {
         g.scrollTo(g.map->view->hScrollBar->maximum(), g.map->view->vScrollBar->maximum());
         g.stroke(ToolId::Pencil, 1, {{1023, 1023}});
         g.wrote({1023, 1023, 1, 1});
     }},
    {"PencilRightButtonPaintsTheRightTile",
     [](G& g) {
         g.stroke(ToolId::Pencil, 0, {{1, 1}}, Qt::RightButton);
         EXPECT_EQ(g.tile(1, 1), 6);
         EXPECT_EQ(g.count(6), 1);
     }},
    {"PencilOverItsOwnTile",
     [](G& g) {
         g.put(3, 3, 5);
         g.start();
         g.stroke(ToolId::Pencil, 0, {{3, 3}});
     },
     Outcome::Unchanged},
    {"PencilDragWithASpecialTileLeavesARowOfWholeObjects",
     [](G& g) {
         for (int i = 0; i < 50 * 40; ++i) {
             g.put(i % 50, i / 50, 1);
         }
         g.scrollTo(37, 21);  // not on a cell's edge
         g.map->setTilesetLeft(219);
         g.start();
         g.useTool(ToolId::Pencil);
         g.press(g.at(5, 5));
         for (int x = 6; x <= 15; ++x) {
             g.moveTo(g.at(x, 5));
         }
         g.release(g.at(15, 5));
         // Each object is placed where it overlaps none of the stroke's earlier ones.
         EXPECT_EQ(g.tile(5, 5) + g.tile(11, 5), 2 * 219);
         EXPECT_EQ(g.count(-1), 70);
         EXPECT_EQ(g.count(1, 5, 5, 16, 10), 0);
         EXPECT_EQ(g.count(0, 0, 0, 49, 39), 0) << "no holes";
     }},
    {"PencilClickPlacesAWholeObject",
     [](G& g) {
         g.map->setTilesetLeft(219);
         g.stroke(ToolId::Pencil, 0, {{8, 20}});
         EXPECT_EQ(g.count(-1, 8, 20, 13, 25) + g.count(219, 8, 20, 8, 20), 36);
     }},
    // The square around (15, 15) covers (14, 14), a covered cell of the object, but not its anchor.
    {"PencilBrushCorneringAnObjectRemovesTheWholeObject",
     [](G& g) {
         g.putObject(10, 10, 220);
         g.start();
         g.stroke(ToolId::Pencil, 2, {{15, 15}});
         EXPECT_EQ(g.tile(14, 14), 5);
         EXPECT_EQ(g.count(0, 10, 10, 13, 13), 16);
     }},
    {"EraserEmptiesWithTheRightButtonToo",
     [](G& g) {
         g.put(2, 1, 6);
         g.start();
         g.stroke(ToolId::Eraser, 0, {{2, 1}}, Qt::RightButton);
         EXPECT_EQ(g.tile(2, 1), 0);
     }},
    {"EraserEmptiesAnObjectFromAnyOfItsCells",
     [](G& g) {
         g.putObject(8, 20, 219);
         g.start();
         g.stroke(ToolId::Eraser, 0, {{12, 24}});
         EXPECT_EQ(g.count(0, 8, 20, 13, 25), 36);
     }},

    // Lines follow Bresenham, and thick ones repeat it over the brush square.
    {"LineFollowsBresenham",
     [](G& g) {
         g.stroke(ToolId::Line, 0, {{0, 0}, {2, 1}});
         g.wrote({0, 0, 3, 2}, 3);
         EXPECT_EQ(g.tile(1, 1) + g.tile(2, 1), 10);
     }},
    drawn("LineDownwards", ToolId::Line, 0, {{5, 5}, {5, 9}}, {5, 5, 1, 5}),
    drawn("LineLeftwards", ToolId::Line, 0, {{10, 0}, {0, 0}}, {0, 0, 11, 1}),
    drawn("LineOfWidthOne", ToolId::Line, 1, {{0, 0}, {4, 0}}, {0, 0, 6, 2}),
    drawn("LineOfWidthTwo", ToolId::Line, 2, {{10, 10}, {10, 20}}, {9, 9, 4, 14}),
    {"LineEmptiesTheSpecialTilesItCrosses",
     [](G& g) {
         g.putObject(10, 10, 219);
         g.start();
         g.stroke(ToolId::Line, 0, {{8, 12}, {20, 12}});
         EXPECT_EQ(g.count(219) + g.count(-1), 0);
         EXPECT_EQ(g.count(5, 10, 10, 15, 15), 6);
     }},
    {"LineWithASpecialTileDrawsNothing",
     [](G& g) {
         g.map->setTilesetLeft(217);
         g.stroke(ToolId::Line, 0, {{1, 1}, {9, 1}});
     },
     Outcome::NoStep},
    {"LineReleasedOutsideTheGridIsDropped",
     [](G& g) {
         g.useTool(ToolId::Line);
         g.drag({g.at(5, 5), g.at(8, 8), QPoint(-30, 40)});
         EXPECT_NE(g.shown(8, 8), g.tilePicture(5)) << "no preview left";
     },
     Outcome::NoStep},
    {"RectangleWritesOnlyItsOutline",
     [](G& g) {
         g.put(3, 3, 77);
         g.start();
         g.stroke(ToolId::Rectangle, 0, {{2, 2}, {7, 7}, {5, 4}});
         EXPECT_EQ(g.count(5), 10);
         EXPECT_EQ(g.count(5, 2, 2, 5, 2) + g.count(5, 2, 4, 5, 4), 8);
         EXPECT_EQ(g.tile(3, 3), 77);
     }},
    {"RectangleOverItsOwnTile",
     [](G& g) {
         g.put(3, 3, 5);
         g.start();
         g.stroke(ToolId::Rectangle, 0, {{3, 3}, {3, 3}});
     },
     Outcome::Unchanged},
    {"EllipseIsAClosedRingThroughItsBoxMiddles",
     [](G& g) {
         g.stroke(ToolId::Ellipse, 0, {{0, 0}, {4, 9}, {10, 10}});
         for (const QPoint p : {QPoint(10, 5), QPoint(5, 10), QPoint(0, 5), QPoint(5, 0)}) {
             EXPECT_GT(g.count(5, p.x() - 1, p.y() - 1, p.x() + 1, p.y() + 1), 0) << p.x() << "," << p.y();
         }
         // Closed: walking 4-connected from the centre through unwritten cells never leaves the box.
         std::vector<QPoint> todo{{5, 5}};
         QSet<int> seen{5 * 1024 + 5};
         while (!todo.empty()) {
             const QPoint p = todo.back();
             todo.pop_back();
             ASSERT_TRUE(g.tile(p.x(), p.y()) != 5 && p.x() > 0 && p.x() < 10 && p.y() > 0 && p.y() < 10);
             for (const QPoint n : {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)}) {
                 if (g.tile(n.x(), n.y()) != 5 && !seen.contains(n.y() * 1024 + n.x())) {
                     seen.insert(n.y() * 1024 + n.x());
                     todo.push_back(n);
                 }
             }
         }
     }},

    // All segments of a polyline are one step, ended by the right button or by another tool.
    {"PolylineSegments",
     [](G& g) {
         g.useTool(ToolId::Polyline);
         g.clickCells({{0, 0}, {4, 0}, {4, 3}});
         EXPECT_EQ(g.undoSteps(), 0);
         g.click(g.at(30, 30), Qt::RightButton);
         EXPECT_EQ(g.count(5), 8);
         EXPECT_EQ(g.count(5, 0, 0, 4, 0) + g.count(5, 4, 1, 4, 3), 8);
     }},
    {"PolylineOfWidthOne",
     [](G& g) {
         g.useTool(ToolId::Polyline);
         g.map->setLineWidth(1);
         g.clickCells({{0, 0}, {4, 0}, {0, 0}}, Qt::RightButton);
         g.wrote({0, 0, 6, 2});
     }},
    {"PolylineOfOnePoint",
     [](G& g) {
         g.useTool(ToolId::Polyline);
         g.clickCells({{2, 2}, {2, 2}}, Qt::RightButton);
     },
     Outcome::Unchanged},
    {"PolylineRightClickWithoutAPoint",
     [](G& g) {
         g.useTool(ToolId::Polyline);
         g.clickCells({{2, 2}}, Qt::RightButton);
     },
     Outcome::NoStep},
    {"PolylineEndedByPickingAnotherTool",
     [](G& g) {
         g.useTool(ToolId::Polyline);
         g.clickCells({{0, 0}, {6, 0}});
         g.useTool(ToolId::Pencil);
         g.wrote({0, 0, 7, 1});
     }},
    {"PolylineGoesOnAcrossTheCtrlDropper",
     [](G& g) {
         g.put(10, 10, 8);
         g.start();
         g.useTool(ToolId::Polyline);
         g.click(g.at(6, 6));
         g.keyDown(Qt::Key_Control, Qt::ControlModifier);
         EXPECT_EQ(g.general->currentTool(), ToolId::Dropper);
         g.click(g.at(10, 10));
         g.keyUp(Qt::Key_Control);
         EXPECT_EQ(g.general->currentTool(), ToolId::Polyline);
         g.clickCells({{6, 9}, {0, 0}}, Qt::RightButton);
         EXPECT_EQ(g.count(8, 6, 6, 6, 9), 4);
     }},

    // The fill: by default within the visible cells, bounded by other values, never diagonally.
    {"BucketOnAnEmptyMapFillsEveryCell",
     [](G& g) {
         g.general->topButton(QStringLiteral("FillInScreen"))->setChecked(false);
         g.fill(3, 3);
         EXPECT_EQ(g.count(5), All);
         EXPECT_EQ(g.map->level.pic1024.pixel(1023, 1023), RadarColor(5) | 0xFF000000u);
     }},
    {"BucketInScreenStopsAtTheVisibleCells",
     [](G& g) {
         g.scrollTo(160, 320);
         g.start();
         g.fill(12, 22);
         const ViewTransform t = g.map->view->transform();
         ASSERT_EQ(t.startX(), 10);
         g.wrote({t.startX(), t.startY(), t.endX() - t.startX() + 1, t.endY() - t.startY() + 1});
     }},
    {"BucketIsBoundedByWallsAndNeverStepsDiagonally",
     [](G& g) {
         for (int i = 0; i <= 10; ++i) {
             g.put(i, 10 - i, 9);
         }
         g.start();
         g.fill(0, 0);
         g.wrote({0, 0, 10, 10}, 55);
     }},
    {"BucketFillsAOneCellCorridorToItsEnd",
     [](G& g) {
         for (int y = 0; y <= 21; ++y) {
             g.put(19, y, 9);
             g.put(21, y, 9);
         }
         g.put(20, 0, 9);
         g.put(20, 21, 9);
         g.start();
         g.fill(20, 20);
         g.wrote({20, 1, 1, 20});
     }},
    // A covered cell fills its object's square, also at the view's edge; an anchor empties its object.
    {"BucketOnACoveredCellFillsItsObjectsSquareOnly",
     [](G& g) {
         g.putObject(20, 20, 217);
         g.putObject(22, 20, 217);
         g.start();
         g.fill(21, 21);
         g.wrote({20, 20, 2, 2});
         EXPECT_EQ(g.count(-1, 22, 20, 23, 21), 3);
     }},
    {"BucketOnACoveredCellAtTheViewsEdge",
     [](G& g) {
         const int x = g.map->view->transform().endX() - 1;
         g.putObject(x, 5, 219);
         g.start();
         g.fill(x, 6);
         g.wrote({x, 5, 6, 6});
     }},
    {"BucketOnAnAnchorEmptiesItsObject",
     [](G& g) {
         g.putObject(22, 20, 217);
         g.start();
         g.fill(22, 20);
         EXPECT_EQ(g.count(0, 22, 20, 23, 21), 4);
     }},
    {"BucketOnItsOwnTilesRegion",
     [](G& g) {
         g.put(3, 3, 5);
         g.start();
         g.fill(3, 3);
     },
     Outcome::Unchanged},
    {"DropperPicksATilePerButton",
     [](G& g) {
         g.put(2, 2, 40);
         g.put(3, 2, 41);
         g.putObject(10, 10, 219);
         g.start();
         g.useTool(ToolId::Dropper);
         g.click(g.at(2, 2));
         g.click(g.at(13, 14), Qt::RightButton);
         EXPECT_EQ(g.map->tilesetLeft(), 40);
         g.drag({g.at(13, 14), g.at(3, 2)});
         g.click(g.at(30, 30));  // an empty cell is not a tile to paint with
         EXPECT_EQ(g.map->tilesetLeft(), 41);
         EXPECT_EQ(g.map->tilesetRight(), 219);
     },
     Outcome::NoStep},

    // The selection: a moved block is written when applied, dropped otherwise; cut, copy, paste,
    // delete, mirror, flip and replace.
    {"SelectionMovedAndApplied",
     [](G& g) {
         g.selectBlock();
         g.start();
         g.press(g.at(3, 1));
         g.moveTo(g.at(5, 4));  // two cells right, three down
         // The block shows at the outline while its source shows empty; nothing is written yet.
         EXPECT_EQ(g.shown(4, 4), g.tilePicture(1));
         EXPECT_EQ(g.shown(6, 5), g.tilePicture(6));
         QImage black(16, 16, QImage::Format_RGB32);
         black.fill(Qt::black);
         EXPECT_EQ(g.shown(2, 1), black);
         g.moveTo(g.at(4, 1));
         g.release(g.at(4, 1));
         EXPECT_TRUE(g.map->sel.selalreadymoved());
         EXPECT_EQ(g.map->sel.rect(), (CellRect{3, 1, 5, 2}));
         EXPECT_FALSE(g.changed());
         g.click(g.at(20, 20));
         EXPECT_EQ(g.tile(2, 1) + g.tile(2, 2), 0);
         EXPECT_EQ(g.tile(3, 1) * 10 + g.tile(5, 2), 16);
     }},
    {"SelectionMovedAwayAndBack",
     [](G& g) {
         g.selectBlock();
         g.start();
         g.drag({g.at(3, 1), g.at(6, 3), g.at(3, 1)});
         g.click(g.at(20, 20));
     },
     Outcome::NoStep},
    {"SelectionMovedAndDroppedWithEscape",
     [](G& g) {
         g.selectBlock();
         g.start();
         g.drag({g.at(3, 1), g.at(8, 8)});
         g.key(Qt::Key_Escape);
         EXPECT_EQ(g.map->sel.selstate(), SelectionState::None);
     },
     Outcome::NoStep},
    {"SelectionCarriesSpecialTilesWhole",
     [](G& g) {
         g.putObject(4, 4, 217);
         g.select(3, 3, 5, 5);
         g.start();
         g.drag({g.at(4, 4), g.at(7, 4)});
         g.click(g.at(30, 30));
         EXPECT_EQ(g.tile(7, 4), 217);
         EXPECT_EQ(g.count(-1, 7, 4, 8, 5), 3);
         EXPECT_EQ(g.count(-1), 3);
     }},
    {"DeleteOnADraggedBlockEmptiesItsSourceCells",
     [](G& g) {
         g.put(9, 9, 7);
         g.selectBlock();
         g.drag({g.at(3, 1), g.at(10, 9)});  // outline over (9, 9)
         g.start();
         g.key(Qt::Key_Delete);
         EXPECT_EQ(g.count(0, 2, 1, 4, 2), 6);
         EXPECT_EQ(g.tile(9, 9), 7);
         EXPECT_EQ(g.map->sel.selstate(), SelectionState::None);
     }},
    {"CopyChangesNothing",
     [](G& g) {
         g.selectBlock();
         g.start();
         g.menu().mnuCopy->trigger();
         EXPECT_EQ(g.clipboardText(), QStringLiteral("QuarnTiles:3:2:1:2:3:4:5:6:"));
         EXPECT_EQ(g.map->sel.selstate(), SelectionState::None);
     },
     Outcome::NoStep},
    {"CutAndCopyWithoutASelection",
     [](G& g) {
         g.setClipboardText(QStringLiteral("nothing to paste"));
         g.menu().mnuCut->trigger();
         g.menu().mnuCopy->trigger();
         EXPECT_EQ(g.clipboardText(), QStringLiteral("nothing to paste"));
     },
     Outcome::NoStep},
    {"CutEmptiesTheSelectedCells",
     [](G& g) {
         g.selectBlock();
         g.start();
         g.menu().mnuCut->trigger();
         EXPECT_EQ(g.clipboardText(), QStringLiteral("QuarnTiles:3:2:1:2:3:4:5:6:"));
         EXPECT_EQ(g.count(0, 2, 1, 4, 2), 6);
     }},
    {"CutOfABlockMovedPastTheGridsEdge",
     [](G& g) {
         g.scrollTo(g.map->view->hScrollBar->maximum() / 16 * 16, g.map->view->vScrollBar->maximum() / 16 * 16);
         ASSERT_GT(g.map->view->transform().endX(), 1023) << "cell 1024 shows past the grid's edge";
         g.put(1020, 1020, 5);
         g.put(1023, 1020, 7);
         g.select(1020, 1020, 1022, 1021);
         g.drag({g.at(1021, 1020), g.at(1024, 1020)});  // three cells right: columns 1023..1025
         ASSERT_EQ(g.map->sel.rect(), (CellRect{1023, 1020, 1025, 1021}));
         g.start();
         g.menu().mnuCut->trigger();
         EXPECT_EQ(g.clipboardText(), QStringLiteral("QuarnTiles:3:2:7:0:0:0:0:0:"));
         EXPECT_EQ(g.tile(1023, 1020), 0);
         EXPECT_EQ(g.tile(1020, 1020), 5);
     }},
    {"PasteFloatsAtTheFirstVisibleCellUntilApplied",
     [](G& g) {
         g.scrollTo(160, 320);  // first visible cell (10, 20)
         g.put(10, 20, 9);
         g.put(13, 20, 8);
         g.setClipboardText(QStringLiteral("QuarnTiles:2:1:300:7:"));
         g.useTool(ToolId::Pencil);
         g.start();
         g.menu().mnuPaste->trigger();
         EXPECT_TRUE(g.map->clip.pasting());
         EXPECT_EQ(g.general->currentTool(), ToolId::Selection);
         EXPECT_EQ(g.map->sel.rect(), (CellRect{10, 20, 11, 20}));
         EXPECT_EQ(g.map->sel.shpdraw(), QRect(0, 0, 32, 16));
         EXPECT_EQ(g.tile(11, 20), 0);
         EXPECT_EQ(g.shown(11, 20), g.tilePicture(7));
         // Two cells to the right, then a click outside writes it there, the empty cell included.
         g.drag({g.at(10, 20), g.at(12, 20)});
         g.click(g.at(30, 30));
         EXPECT_EQ(g.tile(10, 20) * 100 + g.tile(12, 20) * 10 + g.tile(13, 20), 907);
         EXPECT_FALSE(g.map->clip.pasting());
     }},
    {"PasteDroppedWithEscape",
     [](G& g) {
         g.setClipboardText(QStringLiteral("QuarnTiles:2:1:300:7:"));
         g.menu().mnuPaste->trigger();
         g.key(Qt::Key_Escape);
         EXPECT_EQ(g.map->sel.selstate(), SelectionState::None);
     },
     Outcome::NoStep},
    {"PasteAppliedAtItsOwnSourceSpot",
     [](G& g) {
         g.selectBlock();
         g.menu().mnuCut->trigger();
         g.select(2, 1, 4, 2);  // the same spot, now empty: the lifted block's source
         g.start();
         g.menu().mnuPaste->trigger();
         g.drag({g.at(0, 0), g.at(2, 1)});
         ASSERT_EQ(g.map->sel.rect(), (CellRect{2, 1, 4, 2}));
         g.click(g.at(30, 30));
         EXPECT_EQ(g.tile(2, 1) * 10 + g.tile(4, 2), 16);
     }},
    {"MirrorKeepsTheSelection",
     [](G& g) {
         g.block();
         g.select(2, 1, 4, 1);
         g.start();
         g.menu().mnuMirror->trigger();
         EXPECT_EQ(g.tile(2, 1) * 100 + g.tile(3, 1) * 10 + g.tile(4, 1), 321);
         EXPECT_EQ(g.map->sel.selstate(), SelectionState::Selected);
         EXPECT_EQ(g.map->sel.rect(), (CellRect{2, 1, 4, 1}));
     }},
    {"FlipKeepsTheSelection",
     [](G& g) {
         g.block();
         g.select(2, 1, 2, 2);
         g.start();
         g.menu().mnuFlip->trigger();
         EXPECT_EQ(g.tile(2, 1) * 10 + g.tile(2, 2), 41);
         EXPECT_EQ(g.map->sel.rect(), (CellRect{2, 1, 2, 2}));
     }},
    // By default the dialog switches the two mouse tiles over the map; "In selection only" is
    // offered, and checked, only with a selection.
    {"ReplaceDialogSwitchesTheMouseTilesEverywhere",
     [](G& g) {
         g.block();
         g.put(500, 500, 5);
         g.start();
         ReplaceDialog* dialog = g.openReplace();
         EXPECT_FALSE(dialog->chkinselection->isEnabled());
         dialog->cmdOK->click();
         EXPECT_EQ(g.tile(500, 500) * 10 + g.tile(4, 2), 65);
     }},
    {"ReplaceDialogInTheSelectionOnly",
     [](G& g) {
         g.block();
         g.put(5, 1, 3);
         g.select(3, 1, 4, 2);
         g.start();
         ReplaceDialog* dialog = g.openReplace();
         EXPECT_TRUE(dialog->chkinselection->isEnabled());
         dialog->optreplacecustom->setChecked(true);
         dialog->txtreplaceold->setText(QStringLiteral("3"));
         dialog->txtreplacenew->setText(QStringLiteral("9"));
         dialog->cmdOK->click();
         EXPECT_EQ(g.tile(4, 1) * 10 + g.tile(5, 1), 93);
         EXPECT_EQ(g.map->sel.selstate(), SelectionState::Selected);
     }},
    {"ReplacingANumberNoCellHolds", [](G& g) { g.general->editCommands()->ExecuteReplace(2, 77, 78, false); },
     Outcome::Unchanged},
    {"ReplacingANumberWithItself",
     [](G& g) {
         g.put(3, 3, 1);
         g.select(3, 3, 3, 3);
         g.start();
         g.general->editCommands()->ExecuteReplace(0, 1, 1, true);
     },
     Outcome::Unchanged},
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(EveryEditPath, OneGesture, ::testing::ValuesIn(gestures),
                         [](const ::testing::TestParamInfo<Gesture>& info) { return std::string(info.param.name); });
