#include "SelectionFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>

#include "app/frmGeneral.h"
#include "app/frmMain.h"
#include "model/Tileset.h"
#include "view/MapView.h"
#include "view/PictureBox.h"

void SelectionFixture::SetUp() {
    auto d = std::make_unique<NoteDialogs>();
    dialogs = d.get();
    general = std::make_unique<frmGeneral>(std::move(d), nullptr, dir.filePath(QStringLiteral("recent.ini")));
    general->resize(1200, 800);
    general->show();
    map = general->NewMap();
    ASSERT_NE(map, nullptr);
    // A view of the size a new map window starts with, whatever the window area gives it.
    QWidget* sub = map->parentWidget();
    sub->resize(sub->size() + QSize(690, 522) - map->size());
    QApplication::processEvents();
    ASSERT_EQ(view()->size(), QSize(673, 505));
    scrollTo(0, 0);
    general->SetCurrentTool(SelectionTool);
}

void SelectionFixture::TearDown() {
    general->exitApproved = true;
    general.reset();
}

PictureBox* SelectionFixture::view(frmMain* m) const {
    return (m ? m : map)->view->picpreview;
}

QPoint SelectionFixture::at(int column, int row) const {
    const ViewTransform t = map->view->transform();
    const int size = static_cast<int>(t.T());
    return {column * size - t.hValue + size / 2, row * size - t.vValue + size / 2};
}

void SelectionFixture::scrollTo(int h, int v) {
    map->view->setScrollBarValues(h, v, false);
    map->UpdateLevel();
}

void SelectionFixture::press(QPoint pos) {
    QTest::mousePress(view(), Qt::LeftButton, Qt::NoModifier, pos);
}

void SelectionFixture::moveTo(QPoint pos) {
    QTest::mouseMove(view(), pos);
}

void SelectionFixture::release(QPoint pos) {
    QTest::mouseRelease(view(), Qt::LeftButton, Qt::NoModifier, pos);
}

void SelectionFixture::click(QPoint pos) {
    press(pos);
    release(pos);
}

void SelectionFixture::drag(std::initializer_list<QPoint> path) {
    const QPoint* p = path.begin();
    press(*p);
    for (++p; p != path.end(); ++p) {
        moveTo(*p);
    }
    release(*(path.end() - 1));
}

void SelectionFixture::hover(QPoint pos) {
    QMouseEvent move(QEvent::MouseMove, pos, view()->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view(), &move);
}

void SelectionFixture::key(Qt::Key k) {
    QKeyEvent down(QEvent::KeyPress, k, Qt::NoModifier);
    QApplication::sendEvent(view(), &down);
    QKeyEvent up(QEvent::KeyRelease, k, Qt::NoModifier);
    QApplication::sendEvent(view(), &up);
}

void SelectionFixture::select(int x0, int y0, int x1, int y1) {
    // The outline covers the cells passed over completely: the drag ends inside the cell past
    // the last one, as in pressing at (37, 20) and releasing at (90, 60) for cells 2..4 x 1..2.
    drag({at(x0, y0), at(x1 + 1, y1 + 1)});
}

int16_t SelectionFixture::tile(int column, int row, frmMain* m) const {
    return (m ? m : map)->level.getTile(static_cast<int16_t>(column), static_cast<int16_t>(row));
}

void SelectionFixture::put(int column, int row, int16_t value) {
    map->level.putTile(static_cast<int16_t>(column), static_cast<int16_t>(row), value);
    map->level.pic1024.setCell(column, row, value);
}

void SelectionFixture::putObject(int column, int row, int16_t value) {
    put(column, row, value);
    map->level.CompleteSpecialTiles(static_cast<int16_t>(column), static_cast<int16_t>(row));
}

int SelectionFixture::count(int16_t value, int x0, int y0, int x1, int y1) const {
    int n = 0;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            n += tile(x, y) == value ? 1 : 0;
        }
    }
    return n;
}

QImage SelectionFixture::shown(int column, int row) const {
    const ViewTransform t = map->view->transform();
    const int size = static_cast<int>(t.T());
    return view()->image.copy(t.pixelX(column), t.pixelY(row), size, size).convertToFormat(QImage::Format_RGB32);
}

QImage SelectionFixture::tilePicture(int16_t tile) const {
    const int size = static_cast<int>(map->view->transform().T());
    return map->level.tileset.piczoomtileset()
        .copy(Tileset::tileSource(tile, size))
        .convertToFormat(QImage::Format_RGB32);
}

int SelectionFixture::undoSteps() const {
    return map->level.undoredo.undocurpos();
}

QString SelectionFixture::clipboardText() const {
    return QGuiApplication::clipboard()->text();
}

void SelectionFixture::setClipboardText(const QString& text) const {
    QGuiApplication::clipboard()->setText(text);
}
