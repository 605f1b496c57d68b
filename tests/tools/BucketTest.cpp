#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "MapFixture.h"
#include "app/ToolBars.h"
#include "app/frmGeneral.h"
#include "app/frmMain.h"
#include "model/RadarColor.h"
#include "tools/SelectionHooks.h"
#include "view/MapView.h"

namespace {
constexpr int All = 1024 * 1024;
}  // namespace

class BucketTest : public MapFixture {
protected:
    void SetUp() override {
        MapFixture::SetUp();
        useTool(ToolId::Bucket);
        map->setTilesetLeft(5);
        map->setTilesetRight(6);
    }
    void fillInScreen(bool pressed) { general->topButton(QStringLiteral("FillInScreen"))->setChecked(pressed); }
};

TEST_F(BucketTest, ClickOnAnEmptyMapFillsEveryCellAsOneUndoStep) {
    fillInScreen(false);
    click(at(3, 3));
    EXPECT_EQ(count(5), All);
    EXPECT_EQ(map->level.pic1024.pixel(1023, 1023), RadarColor(5) | 0xFF000000u);
    EXPECT_EQ(undoSteps(), 1);
    EXPECT_TRUE(changed());
    undo();
    EXPECT_EQ(map->level.pic1024.pixel(1023, 1023), RadarColor(0) | 0xFF000000u);
}

TEST_F(BucketTest, FillInScreenStopsAtTheVisibleCells) {
    scrollTo(160, 320);
    const ViewTransform t = map->view->transform();
    click(at(t.startX() + 2, t.startY() + 2));
    const int inside = (t.endX() - t.startX() + 1) * (t.endY() - t.startY() + 1);
    EXPECT_EQ(count(5, t.startX(), t.startY(), t.endX(), t.endY()), inside);
    EXPECT_EQ(count(5), inside);
}

TEST_F(BucketTest, WallsBoundTheFillWhichNeverStepsDiagonally) {
    for (int i = 0; i <= 10; ++i) {
        put(i, 10 - i, 9);
    }
    click(at(0, 0));
    EXPECT_EQ(count(5), 55);
    EXPECT_EQ(count(5, 0, 0, 9, 9), 55);
    undo();
    // A one-cell corridor is filled to its end.
    for (int y = 0; y <= 21; ++y) {
        put(19, y, 9);
        put(21, y, 9);
    }
    put(20, 0, 9);
    put(20, 21, 9);
    click(at(20, 20));
    EXPECT_EQ(count(5), 20);
    EXPECT_EQ(count(5, 20, 1, 20, 20), 20);
}

// A covered cell fills its object's square, an anchor only empties its object.
TEST_F(BucketTest, CoveredCellFillsItsObjectSquareOnlyAlsoAtTheViewEdgeAndAnAnchorEmptiesIt) {
    putObject(20, 20, 217);
    putObject(22, 20, 217);
    click(at(21, 21));
    EXPECT_EQ(count(5), 4);
    EXPECT_EQ(count(5, 20, 20, 21, 21), 4);
    EXPECT_EQ(count(-1, 22, 20, 23, 21), 3);
    click(at(22, 20));
    EXPECT_EQ(count(0, 22, 20, 23, 21), 4);
    EXPECT_EQ(count(5), 4);
    EXPECT_EQ(undoSteps(), 2);

    const int x = map->view->transform().endX() - 1;
    putObject(x, 5, 219);
    click(at(x, 6));
    EXPECT_EQ(count(5, x, 5, x + 5, 10), 36);
    EXPECT_EQ(count(-1, x, 5, x + 5, 10), 0);
}

namespace {

class FakeSelection : public SelectionHooks {
public:
    SelectionState selstate() const override { return SelectionState::Selected; }
    bool selalreadymoved() const override { return moved; }
    bool pasting() const override { return pasted; }
    bool IsInSelection(int column, int row) const override { return cells.contains(column, row); }
    QRect shpdraw() const override { return frame; }

    QRect cells;
    QRect frame;
    bool moved = false;
    bool pasted = false;
};

}  // namespace

TEST_F(BucketTest, SelectionLimitsTheFillAndRefusesMovedOrPastedBlocks) {
    FakeSelection sel;
    sel.cells = QRect(10, 10, 4, 3);
    sel.frame = QRect(at(10, 10) - QPoint(8, 8), at(13, 12) + QPoint(7, 7));
    map->selectionHooks = &sel;
    click(sel.frame.topLeft() - QPoint(3, 0));
    EXPECT_EQ(count(5), 0);
    click(sel.frame.topLeft() - QPoint(2, 0));
    EXPECT_EQ(count(5), 12);
    EXPECT_EQ(count(5, 10, 10, 13, 12), 12);

    map->setTilesetLeft(7);
    sel.moved = true;
    press(at(11, 11));
    EXPECT_FALSE(general->mouseIsDown());
    release(at(11, 11));
    sel.moved = false;
    sel.pasted = true;
    click(at(11, 11));
    EXPECT_EQ(count(7), 0);
    EXPECT_EQ(dialogs->messages,
              QStringList({QStringLiteral("You can't fill a selection that has already been moved. Reselect the area "
                                          "where you want to fill"),
                           QStringLiteral("You can't fill a selection pasted from the clipboard, apply it first by "
                                          "deselecting")}));
    map->selectionHooks = &SelectionHooks::none();
}

// While a fill runs, events are processed: whatever they ask for must wait until it has finished.
class BucketDuringFillTest : public BucketTest {
protected:
    void SetUp() override {
        BucketTest::SetUp();
        fillInScreen(false);
        // Events run every few thousand cells, so the timer below fires inside the fill.
        map->bucket.eventSlice = std::chrono::milliseconds(0);
    }

    // Runs `action` from inside the fill started by a click at cell (3, 3).
    void fillWhile(const std::function<void()>& action) {
        QTimer::singleShot(0, map, [this, action] {
            ranDuringFill = map->bucket.isFilling();
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
    QWidget* undoButton = general->toolBars()->toolbartop->widgetForAction(general->topButton(QStringLiteral("Undo")));
    fillWhile([undoButton] { QTest::mouseClick(undoButton, Qt::LeftButton); });
    EXPECT_EQ(count(5), 1);
    EXPECT_EQ(tile(40, 40), 5);
    EXPECT_EQ(undoSteps(), 1);
    map->level.undoredo.Redo();
    EXPECT_EQ(count(5), All);
}

TEST_F(BucketDuringFillTest, SecondClickAndToolKeyDuringAFillRunAfterIt) {
    fillWhile([this] {
        click(at(9, 9), Qt::RightButton);
        key(Qt::Key_P);
    });
    EXPECT_EQ(count(6), All);
    EXPECT_EQ(general->currentTool(), ToolId::Pencil);
    EXPECT_EQ(undoSteps(), 2);
    undo();
    EXPECT_EQ(count(5), All);
}

TEST_F(BucketDuringFillTest, ClosingTheWindowDuringAFillClosesItAfterTheFill) {
    QPointer<frmMain> window = map;
    QPointer<QMdiSubWindow> sub = general->mdiArea()->subWindowList().value(0);
    ASSERT_TRUE(sub);
    int filledWhenAsked = -1;
    dialogs->onAsk = [&] { filledWhenAsked = window && !window->bucket.isFilling() ? count(5) : -1; };
    fillWhile([sub] { sub->close(); });
    EXPECT_EQ(filledWhenAsked, All);
    EXPECT_TRUE(window.isNull());
    EXPECT_FALSE(general->mapInUse(0));
}
