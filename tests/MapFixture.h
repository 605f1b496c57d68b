#pragma once

#include <gtest/gtest.h>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPoint>
#include <QScrollBar>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

#include "app/Dialogs.h"
#include "app/DocumentManager.h"
#include "app/ExportImageOptions.h"
#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "app/MapWindow.h"
#include "tools/ToolId.h"
#include "view/MapView.h"
#include "view/PictureBox.h"

// Every dialog answered without a person: messages and questions are recorded, questions take the
// next of `answers` (then `answer`), file dialogs the next of `chosen` (cancelled when none is left).
class TestDialogs : public AppDialogs {
public:
    void message(QWidget*, const QString& text, Icon) override { messages << text; }
    bool ask(QWidget*, const QString& text) override;
    QString openFile(QWidget*, const QString& title, const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& title, const QString& filter, const QString& start) override {
        starts << start;
        return openFile(parent, title, filter);
    }
    RecoveryChoice offerRecovery(QWidget*, QList<RecoveryCopy>& copies) override;
    // Takes the next of `closeAnswers`; when none is left, a Yes or No from `ask`.
    CloseChoice askToClose(QWidget* parent, const QString& text) override;
    bool exportImageOptions(QWidget*, ExportImageOptions& options) override {
        offeredExport = options;
        if (exportChoice) {
            exportChoice(options);
        }
        return static_cast<bool>(exportChoice);
    }

    QString chooseLayer(QWidget*, const QString&, const QStringList& layers) override {
        layerOffers << layers;
        return layerChoice;
    }

    QStringList messages;
    QStringList questions;
    QStringList titles;   // of the file dialogs shown, in order
    QStringList filters;  // and their filters
    QStringList starts;   // the files the save dialogs offered
    std::deque<bool> answers;
    std::deque<CloseChoice> closeAnswers;
    bool answer = false;
    std::deque<QString> chosen;
    std::function<void()> onAsk;  // runs when a question is asked
    // The recovery dialog: its answers (Later when empty) and how many copies each one listed.
    std::deque<RecoveryChoice> recoveryAnswers;
    QList<int> recoveryOffers;
    std::function<void(ExportImageOptions&)> exportChoice;  // picks the export options; cancelled when empty
    ExportImageOptions offeredExport;
    QList<QStringList> layerOffers;  // the tile layers offered for each import
    QString layerChoice;             // the layer then chosen; empty to cancel
};

// The main window with test dialogs, a private recent list and a folder for files, driven with
// real mouse and key events. Its helpers are public so that tables of gestures can use them.
class WindowFixture : public ::testing::Test {
public:
    void SetUp() override;
    void TearDown() override;

    // Writes a level file with the given (column, row, tile) records into the folder.
    QString writeLevel(const QString& name, const QList<std::array<int, 3>>& cells = {});
    QString path(const QString& name) const { return dir.filePath(name); }
    int openCount() const;
    // Closes a level's window as the user would; true when it went.
    bool closeMap(int slot);
    // Builds a fresh main window on the same recent.ini, as a restart would.
    void restart();
    // Paints one cell of a map as an undoable step.
    static void paintUndoable(MapWindow* map, int16_t x, int16_t y, int16_t tile);
    static void expectEnabled(std::initializer_list<QAction*> actions, bool enabled);

    PictureBox* view() const { return map->view()->viewSurface(); }
    // View pixel at the middle of a cell.
    QPoint at(int column, int row) const;
    void useTool(ToolId tool) { general->setCurrentTool(tool); }
    void scrollTo(int h, int v);
    void press(QPoint pos, Qt::MouseButton button = Qt::LeftButton) { QTest::mousePress(view(), button, {}, pos); }
    void moveTo(QPoint pos) { QTest::mouseMove(view(), pos); }
    void release(QPoint pos, Qt::MouseButton button = Qt::LeftButton) { QTest::mouseRelease(view(), button, {}, pos); }
    void click(QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
        press(pos, button);
        release(pos, button);
    }
    // A drag through every given point, pressed at the first and released at the last.
    void drag(const std::vector<QPoint>& path, Qt::MouseButton button = Qt::LeftButton);
    // The same through the middles of cells, with a tool and a line width button (0, 1, 2).
    void stroke(ToolId tool, int width, const std::vector<QPoint>& cells, Qt::MouseButton button = Qt::LeftButton);
    // A pointer move with no button held.
    void hover(QPoint pos);
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        keyDown(k, modifiers);
        keyUp(k, modifiers);
    }
    void keyDown(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { sendKey(QEvent::KeyPress, k, m); }
    void keyUp(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { sendKey(QEvent::KeyRelease, k, m); }
    void sendKey(QEvent::Type type, Qt::Key k, Qt::KeyboardModifiers modifiers);
    // Runs ZoomIn or ZoomOut until the zoom is `zoom`.
    void zoomTo(float zoom);
    // The view's first pixel in map pixels: the scroll bar values.
    QPoint origin() const { return {map->view()->hScrollBar()->value(), map->view()->vScrollBar()->value()}; }
    // Marks cells [x0, x1] x [y0, y1] with the selection tool.
    void select(int x0, int y0, int x1, int y1);

    int16_t tile(int column, int row, const MapWindow* m = nullptr) const {
        return (m ? m : map)->level().getTile(static_cast<int16_t>(column), static_cast<int16_t>(row));
    }
    void put(int column, int row, int16_t value);
    // Fills the cells [0, columns) x [0, rows) with ordinary tiles that differ from their neighbours.
    void putPattern(int columns, int rows);
    // Writes a cell as an undo step, redrawing it through the level as the editing operations do.
    void write(int column, int row, int16_t value, bool refresh);
    // Places a special tile with its covered cells, as a load would.
    void putObject(int column, int row, int16_t value);
    // Number of cells holding `value` in the part of the rectangle [x0, x1] x [y0, y1] in the grid.
    int count(int16_t value, int x0 = 0, int y0 = 0, int x1 = 1023, int y1 = 1023) const;
    // Expects `n` cells of `box` (all of them when n < 0), and no others, to hold the left tile 5.
    void wrote(QRect box, int n = -1) const;
    // What the view surface shows over a cell, and the picture of a tile at the current zoom.
    QImage shown(int column, int row) const;
    QImage tilePicture(int16_t tile) const;
    // Every cell of the map, to compare before and after an edit.
    std::vector<int16_t> grid() const {
        return {map->level().cells(), map->level().cells() + Level::Size * Level::Size};
    }
    bool canUndo() const { return map->level().undoStack().canUndo(); }
    void undo() { map->level().undoStack().undo(); }
    bool changed() const { return map->level().changed(); }
    static void setClipboardText(const QString& text) { QGuiApplication::clipboard()->setText(text); }
    static QString clipboardText() { return QGuiApplication::clipboard()->text(); }

    QTemporaryDir dir;
    TestDialogs* dialogs = nullptr;
    std::unique_ptr<MainWindow> general;
    MapWindow* map = nullptr;
};

// The window with one new level open, the left tile 5 and the right tile 6, at zoom 1 in a view of a new
// window's size (673 x 505), at the grid's corner.
class MapFixture : public WindowFixture {
public:
    void SetUp() override;
};

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
