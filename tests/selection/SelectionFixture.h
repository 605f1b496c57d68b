#pragma once

#include <gtest/gtest.h>
#include <QImage>
#include <QPoint>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>

#include "app/Dialogs.h"

class frmGeneral;
class frmMain;
class PictureBox;

// Message boxes answered without a person; every text is kept.
class NoteDialogs : public Dialogs {
public:
    void message(QWidget*, const QString& text, Icon = Icon::None) override { messages << text; }
    bool ask(QWidget*, const QString&) override { return true; }

    QStringList messages;
};

// A main window with one new level at zoom 1, scrolled to the grid's top-left corner, with the
// selection tool current. Driven by real mouse and key events on the level's view surface.
class SelectionFixture : public ::testing::Test {
protected:
    static constexpr int SelectionTool = 2;

    void SetUp() override;
    void TearDown() override;

    PictureBox* view(frmMain* m = nullptr) const;
    // View pixel in the middle of a cell.
    QPoint at(int column, int row) const;
    void scrollTo(int h, int v);

    void press(QPoint pos);
    void moveTo(QPoint pos);
    void release(QPoint pos);
    void click(QPoint pos);
    void drag(std::initializer_list<QPoint> path);
    void hover(QPoint pos);
    void key(Qt::Key key);
    // Marks cells [x0, x1] x [y0, y1] with a mouse drag.
    void select(int x0, int y0, int x1, int y1);

    int16_t tile(int column, int row, frmMain* m = nullptr) const;
    void put(int column, int row, int16_t value);
    void putObject(int column, int row, int16_t value);
    int count(int16_t value, int x0 = 0, int y0 = 0, int x1 = 1023, int y1 = 1023) const;
    // What the view shows over a cell, and a tile's picture at the current zoom.
    QImage shown(int column, int row) const;
    QImage tilePicture(int16_t tile) const;
    int undoSteps() const;
    QString clipboardText() const;
    void setClipboardText(const QString& text) const;

    QTemporaryDir dir;
    NoteDialogs* dialogs = nullptr;
    std::unique_ptr<frmGeneral> general;
    frmMain* map = nullptr;
};

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
