#include "MapFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QTest>
#include <algorithm>

#include "app/frmGeneral.h"
#include "app/frmMain.h"
#include "model/Tileset.h"
#include "view/MapView.h"
#include "view/PictureBox.h"

void MapFixture::SetUp() {
    auto d = std::make_unique<RecordingDialogs>();
    dialogs = d.get();
    general = std::make_unique<frmGeneral>(std::move(d), nullptr, dir.filePath(QStringLiteral("recent.ini")));
    general->resize(1200, 800);
    general->show();
    map = general->NewMap();
    ASSERT_NE(map, nullptr);
    // The size a new map window starts with, whatever size the window area gives it.
    QWidget* sub = map->parentWidget();
    sub->resize(sub->size() + QSize(690, 522) - map->size());
    QApplication::processEvents();
    ASSERT_EQ(view()->size(), QSize(673, 505));
    scrollTo(0, 0);
}

void MapFixture::TearDown() {
    general->setExitApproved(true);
    general.reset();
}

PictureBox* MapFixture::view() const {
    return map->view->picpreview;
}

QPoint MapFixture::at(int column, int row) const {
    const ViewTransform t = map->view->transform();
    const int size = static_cast<int>(t.T());
    return {column * size - t.hValue + size / 2, row * size - t.vValue + size / 2};
}

void MapFixture::useTool(ToolId tool) {
    general->SetCurrentTool(tool);
}

void MapFixture::scrollTo(int h, int v) {
    map->view->setScrollBarValues(h, v, false);
    map->UpdateLevel();
}

void MapFixture::press(QPoint pos, Qt::MouseButton button) {
    QTest::mousePress(view(), button, Qt::NoModifier, pos);
}

void MapFixture::moveTo(QPoint pos) {
    QTest::mouseMove(view(), pos);
}

void MapFixture::release(QPoint pos, Qt::MouseButton button) {
    QTest::mouseRelease(view(), button, Qt::NoModifier, pos);
}

void MapFixture::click(QPoint pos, Qt::MouseButton button) {
    press(pos, button);
    release(pos, button);
}

void MapFixture::drag(std::initializer_list<QPoint> path, Qt::MouseButton button) {
    const QPoint* p = path.begin();
    press(*p, button);
    for (++p; p != path.end(); ++p) {
        moveTo(*p);
    }
    release(*(path.end() - 1), button);
}

void MapFixture::hover(QPoint pos) {
    QMouseEvent move(QEvent::MouseMove, pos, view()->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view(), &move);
}

void MapFixture::key(Qt::Key k, Qt::KeyboardModifiers modifiers) {
    keyDown(k, modifiers);
    keyUp(k, modifiers);
}

void MapFixture::keyDown(Qt::Key k, Qt::KeyboardModifiers modifiers) {
    QKeyEvent e(QEvent::KeyPress, k, modifiers);
    QApplication::sendEvent(view(), &e);
}

void MapFixture::keyUp(Qt::Key k, Qt::KeyboardModifiers modifiers) {
    QKeyEvent e(QEvent::KeyRelease, k, modifiers);
    QApplication::sendEvent(view(), &e);
}

void MapFixture::select(int x0, int y0, int x1, int y1) {
    if (general->currentTool() != ToolId::Selection) {
        useTool(ToolId::Selection);
    }
    // The outline covers the cells passed over completely: the drag ends inside the cell past the last one.
    drag({at(x0, y0), at(x1 + 1, y1 + 1)});
}

int16_t MapFixture::tile(int column, int row, const frmMain* m) const {
    return (m ? m : map)->level.getTile(static_cast<int16_t>(column), static_cast<int16_t>(row));
}

void MapFixture::put(int column, int row, int16_t value) {
    map->level.putTile(static_cast<int16_t>(column), static_cast<int16_t>(row), value);
    map->level.pic1024.setCell(column, row, value);
}

void MapFixture::putObject(int column, int row, int16_t value) {
    put(column, row, value);
    map->level.CompleteSpecialTiles(static_cast<int16_t>(column), static_cast<int16_t>(row));
}

int MapFixture::count(int16_t value, int x0, int y0, int x1, int y1) const {
    int n = 0;
    for (int y = std::max(y0, 0); y <= std::min(y1, 1023); ++y) {
        for (int x = std::max(x0, 0); x <= std::min(x1, 1023); ++x) {
            n += tile(x, y) == value ? 1 : 0;
        }
    }
    return n;
}

QImage MapFixture::shown(int column, int row) const {
    const ViewTransform t = map->view->transform();
    const int size = static_cast<int>(t.T());
    return view()->image.copy(t.pixelX(column), t.pixelY(row), size, size).convertToFormat(QImage::Format_RGB32);
}

QImage MapFixture::tilePicture(int16_t tile) const {
    const int size = static_cast<int>(map->view->transform().T());
    return map->level.tileset.piczoomtileset()
        .copy(Tileset::tileSource(tile, size))
        .convertToFormat(QImage::Format_RGB32);
}

int MapFixture::undoSteps() const {
    return map->level.undoredo.undocurpos();
}

void MapFixture::undo() {
    map->level.undoredo.Undo();
}

bool MapFixture::changed() const {
    return map->level.mapchanged;
}

void MapFixture::setClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

QString MapFixture::clipboardText() {
    return QGuiApplication::clipboard()->text();
}
