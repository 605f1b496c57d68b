#include <QAction>
#include <QLabel>
#include <QScrollBar>

#include "MapFixture.h"
#include "app/frmGeneral.h"
#include "app/frmMain.h"
#include "selection/SelectionShape.h"
#include "view/MapView.h"
#include "view/PictureBox.h"

using DispatchTest = MapFixture;

TEST_F(DispatchTest, PointerMovesShowTheCellAlsoOutsideTheGrid) {
    hover(at(3, 4));
    EXPECT_EQ(general->lblposition->text(), QStringLiteral("X= 3 - Y= 4"));
    hover(QPoint(-20, 5));
    EXPECT_EQ(general->lblposition->text(), QStringLiteral("X= -2 - Y= 0"));
}

TEST_F(DispatchTest, LetterKeysPickToolsAlsoWithShift) {
    map->UseShortcutTool(true, 'L', 4);
    EXPECT_EQ(general->currentTool, 8);
    const std::pair<Qt::Key, int> keys[] = {{Qt::Key_Z, 1}, {Qt::Key_S, 2},  {Qt::Key_H, 3}, {Qt::Key_P, 4},
                                            {Qt::Key_D, 5}, {Qt::Key_E, 6},  {Qt::Key_F, 7}, {Qt::Key_L, 8},
                                            {Qt::Key_I, 9}, {Qt::Key_R, 10}, {Qt::Key_O, 11}};
    for (const auto& [k, tool] : keys) {
        key(k, tool % 2 ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_EQ(general->currentTool, tool);
        EXPECT_TRUE(general->toolButton(tool)->isChecked());
    }
}

TEST_F(DispatchTest, CtrlTurnsPaintingToolsIntoTheDropperUntilReleased) {
    key(Qt::Key_P);
    keyDown(Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(general->currentTool, 5);
    EXPECT_TRUE(general->toolButton(5)->isChecked());
    // Key repeat of Ctrl keeps the saved tool.
    keyDown(Qt::Key_Control, Qt::ControlModifier);
    keyUp(Qt::Key_Control);
    EXPECT_EQ(general->currentTool, 4);
    EXPECT_TRUE(general->toolButton(4)->isChecked());

    for (const Qt::Key k : {Qt::Key_E, Qt::Key_H}) {
        key(k);
        const int tool = general->currentTool;
        keyDown(Qt::Key_Control, Qt::ControlModifier);
        EXPECT_EQ(general->currentTool, tool);
        keyUp(Qt::Key_Control);
        EXPECT_EQ(general->currentTool, tool);
    }
}

TEST_F(DispatchTest, GridAndTileNumberKeysSwitchTheMapAtOnce) {
    key(Qt::Key_G);
    key(Qt::Key_T);
    EXPECT_TRUE(map->usinggrid);
    EXPECT_TRUE(map->usingtilenr);
    EXPECT_TRUE(general->topButton(QStringLiteral("Grid"))->isChecked());
    key(Qt::Key_G);
    EXPECT_FALSE(map->usinggrid);
    EXPECT_FALSE(general->topButton(QStringLiteral("Grid"))->isChecked());
}

TEST_F(DispatchTest, ArrowKeysScrollByTenCellsWithinTheRange) {
    QScrollBar* h = map->view->hScr;
    key(Qt::Key_Left);
    EXPECT_EQ(h->value(), 0);
    key(Qt::Key_Right);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Up);
    EXPECT_EQ(h->value(), 160);
    EXPECT_EQ(map->view->vscr->value(), 160);
    scrollTo(h->maximum() - 10, 0);
    key(Qt::Key_Right);
    EXPECT_EQ(h->value(), h->maximum());
}

TEST_F(DispatchTest, LineWidthIsKeptPerMap) {
    map->setLineWidth(2);
    frmMain* other = general->NewMap();
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(map->tline.linew, 5);
    EXPECT_EQ(other->tline.linew, 1);
}

TEST_F(DispatchTest, PointerLabelEditDrawingAndOutlineAgreeBetweenCellBoundariesAtEveryZoom) {
    map->tilesetleft = 40;
    for (const float zoom : {1.0f / 16, 0.25f, 0.5f, 1.0f, 2.0f}) {
        while (map->magnifier.Zoom() != zoom) {
            zoom < map->magnifier.Zoom() ? map->magnifier.ZoomOut(512, 512) : map->magnifier.ZoomIn(512, 512);
        }
        const int t = static_cast<int>(zoom * 16);
        // Where a thumb dragged by a few pixels leaves the bars: between two cell boundaries.
        for (QScrollBar* bar : {map->view->hScr, map->view->vscr}) {
            bar->setSliderPosition(bar->value() + t / 2 + 1);
        }
        // The last pixel of a cell, where a remainder in the drawing would show the neighbour.
        const QPoint p(10 * t + t - 1, 5 * t + t - 1);
        hover(p);
        const QStringList label = general->lblposition->text().split(' ');
        const int column = label[1].toInt();
        const int row = label[4].toInt();

        useTool(4);
        const QImage before = view()->image.copy();
        click(p);
        EXPECT_EQ(tile(column, row), 40) << zoom;
        EXPECT_EQ(count(40), 1) << zoom;
        QRect changed;
        for (int y = 0; y < before.height(); ++y) {
            for (int x = 0; x < before.width(); ++x) {
                if (before.pixel(x, y) != view()->image.pixel(x, y)) {
                    changed |= QRect(x, y, 1, 1);
                }
            }
        }
        const QRect square(p.x() / t * t, p.y() / t * t, t, t);
        EXPECT_TRUE(square.contains(changed)) << zoom << " the cell is drawn under the pointer";
        undo();

        select(column, row, column, row);
        EXPECT_EQ(map->sel.rect().x1, column) << zoom;
        EXPECT_EQ(map->sel.rect().y1, row) << zoom;
        EXPECT_EQ(map->sel.outline().outline().topLeft(), square.topLeft()) << zoom;
        key(Qt::Key_Escape);
    }
}
