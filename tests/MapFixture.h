#pragma once

#include <gtest/gtest.h>
#include <QImage>
#include <QPoint>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>

#include "tools/ToolId.h"
#include "view/Dialogs.h"

class frmGeneral;
class frmMain;
class PictureBox;

// Message boxes answered without a person: messages are recorded, questions get `answer`.
class RecordingDialogs : public Dialogs {
public:
    void message(QWidget*, const QString& text, Icon = Icon::None) override { messages << text; }
    bool ask(QWidget*, const QString& text) override {
        questions << text;
        if (onAsk) {
            onAsk();
        }
        return answer;
    }

    QStringList messages;
    QStringList questions;
    bool answer = true;
    std::function<void()> onAsk;
};

// A main window with one new level at zoom 1 in a view of a new window's size, scrolled to the grid's
// top-left corner, driven with real mouse and key events on the level's view surface.
class MapFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    PictureBox* view() const;
    // View pixel at the middle of a cell.
    QPoint at(int column, int row) const;
    void useTool(ToolId tool);
    void scrollTo(int h, int v);

    void press(QPoint pos, Qt::MouseButton button = Qt::LeftButton);
    void moveTo(QPoint pos);
    void release(QPoint pos, Qt::MouseButton button = Qt::LeftButton);
    void click(QPoint pos, Qt::MouseButton button = Qt::LeftButton);
    // A drag through every given point, pressed at the first and released at the last.
    void drag(std::initializer_list<QPoint> path, Qt::MouseButton button = Qt::LeftButton);
    // A pointer move with no button held.
    void hover(QPoint pos);
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void keyDown(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void keyUp(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Marks cells [x0, x1] x [y0, y1] with the selection tool.
    void select(int x0, int y0, int x1, int y1);

    int16_t tile(int column, int row, const frmMain* m = nullptr) const;
    void put(int column, int row, int16_t value);
    // Places a special tile with its covered cells, as a load would.
    void putObject(int column, int row, int16_t value);
    // Number of cells holding `value` in the part of the rectangle [x0, x1] x [y0, y1] in the grid.
    int count(int16_t value, int x0 = 0, int y0 = 0, int x1 = 1023, int y1 = 1023) const;
    // What the view surface shows over a cell, and the picture of a tile at the current zoom.
    QImage shown(int column, int row) const;
    QImage tilePicture(int16_t tile) const;
    int undoSteps() const;
    void undo();
    bool changed() const;
    static void setClipboardText(const QString& text);
    static QString clipboardText();

    QTemporaryDir dir;
    RecordingDialogs* dialogs = nullptr;
    std::unique_ptr<frmGeneral> general;
    frmMain* map = nullptr;
};

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
