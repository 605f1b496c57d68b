#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QToolBar>
#include <QToolButton>

#include "MapFixture.h"
#include "app/RightPanel.h"
#include "app/ToolBars.h"
#include "selection/SelectionShape.h"

using DispatchTest = MapFixture;

// Inside the grid the label is checked against the edits at every zoom below.
TEST_F(DispatchTest, PointerMovesShowTheCellAlsoOutsideTheGrid) {
    hover(QPoint(-20, 5));
    EXPECT_EQ(general->positionLabel()->text(), QStringLiteral("X= -2 - Y= 0"));
}

TEST_F(DispatchTest, LetterKeysPickToolsOnlyWithoutModifiers) {
    const std::pair<Qt::Key, ToolId> keys[] = {
        {Qt::Key_Z, ToolId::Magnifier}, {Qt::Key_S, ToolId::Selection}, {Qt::Key_H, ToolId::Hand},
        {Qt::Key_P, ToolId::Pencil},    {Qt::Key_D, ToolId::Dropper},   {Qt::Key_E, ToolId::Eraser},
        {Qt::Key_F, ToolId::Bucket},    {Qt::Key_L, ToolId::Line},      {Qt::Key_I, ToolId::Polyline},
        {Qt::Key_R, ToolId::Rectangle}, {Qt::Key_O, ToolId::Ellipse}};
    for (const auto& [k, tool] : keys) {
        const ToolId before = general->currentTool();
        // Such keys belong to the menus (Ctrl+Shift+S is Save As), never to the tools.
        for (const Qt::KeyboardModifiers held :
             {Qt::KeyboardModifiers(Qt::ShiftModifier), Qt::KeyboardModifiers(Qt::AltModifier),
              Qt::ControlModifier | Qt::ShiftModifier}) {
            key(k, held);
            EXPECT_EQ(general->currentTool(), before) << k << " with " << held.toInt();
        }
        key(k);
        EXPECT_EQ(general->currentTool(), tool);
        EXPECT_TRUE(general->toolButton(tool)->isChecked());
    }
}

TEST_F(DispatchTest, CtrlHeldDropperEndsWithItsPressAndNoOlderToolComesBack) {
    MapWindow* other = general->documents().newLevel();
    const auto ctrlUpOn = [](QWidget* w) {
        QKeyEvent up(QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier);
        QApplication::sendEvent(w, &up);
    };
    const std::vector<std::pair<const char*, std::function<void()>>> endings = {
        {"release on the tileset panel", [&] { ctrlUpOn(general->rightPanel()->tilesetPicture()); }},
        {"another map activated", [&] { general->activateMapItem(other->mapslot()); }},
        {"a dialog", [&] { QDialog(general.get()).show(); }},
        {"a new map", [&] { general->documents().newLevel(); }},
        // Held again in a new map that then closes: no map is left to give the pencil back on release.
        {"its map closed",
         [&] {
             general->documents().newLevel()->useShortcutTool(true, Qt::Key_Control, 2);
             closeMap(general->documents().activeSlot());
         }},
    };
    for (const auto& [name, end] : endings) {
        general->activateMapItem(map->mapslot());
        key(Qt::Key_P);
        keyDown(Qt::Key_Control, Qt::ControlModifier);
        keyDown(Qt::Key_Control, Qt::ControlModifier);  // key repeat keeps the tool to come back to
        ASSERT_EQ(general->currentTool(), ToolId::Dropper) << name;
        end();
        EXPECT_EQ(general->currentTool(), ToolId::Pencil) << name;
        // Later keys in any map, with or without the Ctrl release, never bring back an old tool.
        key(Qt::Key_R);
        ctrlUpOn(general->activeMap()->view()->viewSurface());
        general->activateMapItem(map->mapslot());
        keyUp(Qt::Key_Control);
        key(Qt::Key_Shift);
        EXPECT_EQ(general->currentTool(), ToolId::Rectangle) << name;
    }
    // A tool picked while Ctrl is held stays when Ctrl goes up.
    key(Qt::Key_P);
    keyDown(Qt::Key_Control, Qt::ControlModifier);
    general->toolButton(ToolId::Line)->trigger();
    keyUp(Qt::Key_Control);
    EXPECT_EQ(general->currentTool(), ToolId::Line);
    // The eraser and the hand stay themselves.
    for (const ToolId tool : {ToolId::Eraser, ToolId::Hand}) {
        useTool(tool);
        keyDown(Qt::Key_Control, Qt::ControlModifier);
        EXPECT_EQ(general->currentTool(), tool);
    }
}

TEST_F(DispatchTest, KeyboardReturnsToTheActiveMapAfterDialogsCommandsAndActivation) {
    MapWindow* first = map;
    general->documents().newLevel();
    QWidget* elsewhere = general->rightPanel()->lineWidthButtons()[1];
    const std::vector<std::pair<const char*, std::function<void()>>> steps = {
        {"message box",
         [&] {
             QMessageBox box(general.get());
             box.show();
             box.activateWindow();
             QApplication::processEvents();
         }},
        {"menu command", [&] { general->mainMenu()->copyAction()->trigger(); }},
        {"toolbar click",
         [&] {
             QTest::mouseClick(general->toolBars()->mainToolBar()->widgetForAction(general->toolBars()->gridAction()),
                               Qt::LeftButton);
         }},
        {"map activated", [&] { general->mainMenu()->mapActions()[static_cast<size_t>(first->mapslot())]->trigger(); }},
    };
    ToolId tool = ToolId::Hand;
    for (const auto& [name, step] : steps) {
        general->activateWindow();
        elsewhere->setFocus();
        QApplication::processEvents();
        ASSERT_EQ(QApplication::focusWidget(), elsewhere) << name;
        step();
        QApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), general->activeMap()->view()->viewSurface()) << name;
        // A tool letter typed now goes where the keyboard is, and picks the tool.
        tool = tool == ToolId::Rectangle ? ToolId::Line : ToolId::Rectangle;
        QWidget* keyboard = QApplication::focusWidget();
        QTest::keyClick(keyboard ? keyboard : general.get(), tool == ToolId::Rectangle ? Qt::Key_R : Qt::Key_L);
        EXPECT_EQ(general->currentTool(), tool) << name;
    }
}

// The scroll bars keep their own range.
TEST_F(DispatchTest, ArrowKeysScrollByTenCells) {
    QScrollBar* h = map->view()->hScrollBar();
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    key(Qt::Key_Left);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Up);
    EXPECT_EQ(h->value(), 160);
    EXPECT_EQ(map->view()->vScrollBar()->value(), 160);
}

TEST_F(DispatchTest, PointerLabelEditDrawingAndOutlineAgreeBetweenCellBoundariesAtEveryZoom) {
    map->setTilesetLeft(40);
    for (const float zoom : {1.0f / 16, 0.25f, 0.5f, 1.0f, 2.0f}) {
        zoomTo(zoom);
        const int t = static_cast<int>(zoom * 16);
        // Where a thumb dragged by a few pixels leaves the bars: between two cell boundaries.
        for (QScrollBar* bar : {map->view()->hScrollBar(), map->view()->vScrollBar()}) {
            bar->setSliderPosition(bar->value() + t / 2 + 1);
        }
        // The last pixel of a cell, where a remainder in the drawing would show the neighbour.
        const QPoint p(10 * t + t - 1, 5 * t + t - 1);
        hover(p);
        const QStringList label = general->positionLabel()->text().split(' ');
        const int column = label[1].toInt();
        const int row = label[4].toInt();

        useTool(ToolId::Pencil);
        QImage before = view()->image().copy();
        click(p);
        EXPECT_EQ(tile(column, row), 40) << zoom;
        EXPECT_EQ(count(40), 1) << zoom;
        // Outside the square under the pointer the view stays as it was.
        const QRect square(p.x() / t * t, p.y() / t * t, t, t);
        QImage after = view()->image().copy();
        QPainter(&before).fillRect(square, Qt::magenta);
        QPainter(&after).fillRect(square, Qt::magenta);
        EXPECT_TRUE(before == after) << zoom << " the cell is drawn under the pointer";
        undo();

        select(column, row, column, row);
        EXPECT_EQ(map->sel().rect(), (CellRect{column, row, column, row})) << zoom;
        EXPECT_EQ(map->sel().outline().outline().topLeft(), square.topLeft()) << zoom;
        key(Qt::Key_Escape);
    }
}
