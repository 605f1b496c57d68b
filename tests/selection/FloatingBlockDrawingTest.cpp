#include "MapFixture.h"
#include "selection/SelectionShape.h"
#include "selection/TileClipboard.h"
#include "view/Pixels.h"

// A dragged block redraws only what it left and where it lands; after every step the view must look
// exactly as a full redraw of the same moment, or the drag leaves stale pixels behind.
class FloatingBlockDrawingTest : public MapFixture {
protected:
    void SetUp() override {
        MapFixture::SetUp();
        putPattern(50, 40);
        map->redrawView();
        useTool(ToolId::Selection);
    }

    // Drags from `from` through cell offsets of whole cells, comparing each step with a full redraw.
    void dragAndCompare(QPoint from, const std::vector<QPoint>& steps) {
        press(from);
        for (const QPoint step : steps) {
            moveTo(from + step * 16);
            const QImage incremental = view()->image().copy();
            map->redrawView();
            ASSERT_EQ(incremental, view()->image()) << "after a move by " << step.x() << ", " << step.y();
        }
        release(from + steps.back() * 16);
    }
};

TEST_F(FloatingBlockDrawingTest, MovedAndPastedBlocksLeaveNoStalePixels) {
    // Overlapping steps, a step past the view's left and top edges, and back.
    const std::vector<QPoint> steps{{1, 0}, {2, 1}, {-3, -2}, {-30, 0}, {0, -25}, {5, 5}, {5, 6}};
    for (const bool grid : {false, true}) {
        SCOPED_TRACE(grid ? "grid" : "no grid");
        map->setShowGrid(grid);
        select(3, 2, 12, 9);
        dragAndCompare(at(6, 5), steps);
        key(Qt::Key_Escape);
        setClipboardText(QStringLiteral("QuarnTiles:3:2:9:8:7:6:5:4:"));
        map->clip().paste();
        dragAndCompare(at(1, 0), steps);
        key(Qt::Key_Escape);
    }
}

TEST_F(FloatingBlockDrawingTest, OutlineIsWhiteAllRoundWhereverItShows) {
    // A small selection, and the whole level, whose outline shows only along the view's top and left.
    for (const bool whole : {false, true}) {
        if (whole) {
            map->sel().selectAll();
        } else {
            select(3, 2, 6, 4);
        }
        const QRect o = map->sel().selectionOutline();
        ASSERT_TRUE(o.intersects(view()->rect()));
        const QImage picture = view()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (const QRect edge : {QRect(o.left(), o.top(), o.width(), 1), QRect(o.left(), o.bottom(), o.width(), 1),
                                 QRect(o.left(), o.top(), 1, o.height()), QRect(o.right(), o.top(), 1, o.height())}) {
            const QRect shown = edge & view()->rect();
            EXPECT_TRUE(shown.isEmpty() || Pixels::all(picture, shown, Pixels::White)) << whole;
        }
        key(Qt::Key_Escape);
    }
}
