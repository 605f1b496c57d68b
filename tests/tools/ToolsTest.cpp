#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTimer>
#include <QToolBar>

#include "MapFixture.h"
#include "app/ToolBars.h"

// What each tool writes, and that it is one undo step, is in history/EditStepTest.
using ToolsTest = MapFixture;

TEST_F(ToolsTest, OnlyAStrokeStartedInsideTheGridPaints) {
    useTool(ToolId::Pencil);
    hover(at(4, 4));  // a pointer move with no button held paints nothing
    hover(at(7, 4));
    drag({QPoint(-40, -40), at(3, 3), at(6, 3)});
    EXPECT_EQ(count(5), 0);
    EXPECT_FALSE(canUndo());
}

// Both previews are drawn on the view only, and the next cell's repaint wipes the last one.
TEST_F(ToolsTest, LineAndPolylinePreviewsAreDrawnOnTheViewOnly) {
    useTool(ToolId::Line);
    ASSERT_NE(tilePicture(5), shown(3, 3));
    press(at(0, 3));
    moveTo(at(6, 3));
    EXPECT_EQ(shown(3, 3), tilePicture(5));
    moveTo(at(0, 8));
    EXPECT_NE(shown(6, 3), tilePicture(5));
    EXPECT_EQ(shown(0, 6), tilePicture(5));
    map->updatePreview(true);
    EXPECT_NE(shown(0, 6), tilePicture(5));
    release(at(0, 8));
    EXPECT_EQ(shown(0, 6), tilePicture(5)) << "the line written";

    useTool(ToolId::Polyline);
    click(at(10, 1));
    hover(at(10, 6));
    EXPECT_EQ(shown(10, 4), tilePicture(5));
    EXPECT_EQ(count(5), 6) << "the line's cells only";
    hover(at(15, 1));
    EXPECT_NE(shown(10, 4), tilePicture(5));
    EXPECT_EQ(shown(13, 1), tilePicture(5));
}

TEST_F(ToolsTest, HandMovesTheViewInWholeCellsUpToTheMapsEdges) {
    useTool(ToolId::Hand);
    scrollTo(1600, 1600);
    QScrollBar* h = map->view()->hScrollBar();
    QScrollBar* v = map->view()->vScrollBar();
    const QPoint start = at(110, 110);
    press(start);
    moveTo(start + QPoint(-5, 3));
    EXPECT_EQ(h->value(), 1600);
    moveTo(start + QPoint(-32, 48));
    EXPECT_EQ(h->value(), 1600 + 32);
    EXPECT_EQ(v->value(), 1600 - 48);
    release(start);
    moveTo(start + QPoint(-64, 0));
    EXPECT_EQ(h->value(), 1600 + 32);

    scrollTo(h->maximum() - 8, 0);
    drag({at(1015, 3), at(1015, 3) + QPoint(-48, 32)});
    EXPECT_EQ(h->value(), h->maximum());
    EXPECT_EQ(v->value(), 0);
}

// Picking the bucket writes a moved block where it floats, and the fill stays in it there.
TEST_F(ToolsTest, BucketFillsTheSelectionAlsoAfterAMove) {
    select(10, 10, 13, 12);
    const QPoint corner = map->sel().selectionOutline().topLeft();
    useTool(ToolId::Bucket);
    click(corner - QPoint(3, 0));
    EXPECT_EQ(count(5), 0);
    click(corner - QPoint(2, 0));
    wrote({10, 10, 4, 3});

    map->setTilesetLeft(7);
    useTool(ToolId::Selection);
    drag({at(11, 11), at(11, 14)});  // the block moves three rows down
    useTool(ToolId::Bucket);
    click(at(11, 14));
    EXPECT_EQ(count(7, 10, 13, 13, 15), 12);
    EXPECT_EQ(count(5), 0);
}

// While a fill runs, events are processed: whatever they ask for must wait until it has finished.
class BucketDuringFillTest : public MapFixture {
protected:
    static constexpr int All = 1024 * 1024;
    void SetUp() override {
        MapFixture::SetUp();
        useTool(ToolId::Bucket);
        general->toolBars()->fillInScreenAction()->setChecked(false);
        // Events run every few thousand cells, so the timer below fires inside the fill.
        map->bucket().setEventSlice(std::chrono::milliseconds(0));
    }

    // Runs `action` from inside the fill started by a click at cell (3, 3).
    void fillWhile(const std::function<void()>& action) {
        QTimer::singleShot(0, map, [this, action] {
            const int filled = count(5);
            ranDuringFill = filled > 0 && filled < All;
            action();
        });
        click(at(3, 3));
        QTest::qWait(50);
        EXPECT_TRUE(ranDuringFill);
    }

    bool ranDuringFill = false;
};

TEST_F(BucketDuringFillTest, UndoClickedDuringAFillUndoesTheFinishedFill) {
    useTool(ToolId::Pencil);
    click(at(40, 40));
    useTool(ToolId::Bucket);
    QWidget* undoButton = general->toolBars()->mainToolBar()->widgetForAction(general->mainMenu()->undoAction());
    fillWhile([undoButton] { QTest::mouseClick(undoButton, Qt::LeftButton); });
    EXPECT_EQ(count(5), 1);
    undo();
    EXPECT_EQ(count(5), 0);
    EXPECT_FALSE(canUndo()) << "the pencil's step is the only one left";
}

TEST_F(BucketDuringFillTest, SecondClickAndToolKeyDuringAFillRunAfterIt) {
    fillWhile([this] {
        click(at(9, 9), Qt::RightButton);
        key(Qt::Key_P);
    });
    EXPECT_EQ(count(6), All);
    EXPECT_EQ(general->currentTool(), ToolId::Pencil);
    undo();
    EXPECT_EQ(count(5), All);
    undo();
    EXPECT_EQ(count(5), 0);
    EXPECT_FALSE(canUndo()) << "each fill is one step";
}

TEST_F(BucketDuringFillTest, ClosingTheWindowDuringAFillClosesItAfterTheFill) {
    QPointer<MapWindow> window = map;
    QPointer<QMdiSubWindow> sub = general->mdiArea()->subWindowList().value(0);
    ASSERT_TRUE(sub);
    int filledWhenAsked = -1;
    dialogs->answer = true;
    dialogs->onAsk = [&] { filledWhenAsked = window ? count(5) : -1; };
    fillWhile([sub] { sub->close(); });
    EXPECT_EQ(filledWhenAsked, All);
    EXPECT_TRUE(window.isNull());
    EXPECT_FALSE(general->documents().mapInUse(0));
}
