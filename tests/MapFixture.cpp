#include "MapFixture.h"

#include <QAction>
#include <QApplication>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <algorithm>

#include "TestFiles.h"
#include "model/LevelEdit.h"
#include "model/RecoveryCopy.h"
#include "model/Tileset.h"

namespace {
// The front of the queue, or `none` when it is empty.
template <typename T>
T take(std::deque<T>& queue, T none) {
    if (queue.empty()) {
        return none;
    }
    T front = queue.front();
    queue.pop_front();
    return front;
}
}  // namespace

bool TestDialogs::ask(QWidget*, const QString& text) {
    questions << text;
    if (onAsk) {
        onAsk();
    }
    return take(answers, answer);
}

AppDialogs::CloseChoice TestDialogs::askToClose(QWidget* parent, const QString& text) {
    if (closeAnswers.empty()) {
        return ask(parent, text) ? CloseChoice::Proceed : CloseChoice::Stay;
    }
    questions << text;
    return take(closeAnswers, CloseChoice::Stay);
}

AppDialogs::RecoveryChoice TestDialogs::offerRecovery(QWidget*, QList<RecoveryCopy>& copies) {
    recoveryOffers << static_cast<int>(copies.size());
    return take(recoveryAnswers, RecoveryChoice::Later);
}

QString TestDialogs::openFile(QWidget*, const QString& title, const QString& filter) {
    titles << title;
    filters << filter;
    return take(chosen, QString());
}

void WindowFixture::TearDown() {
    general->documents().setExitApproved(true);
    general.reset();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void WindowFixture::SetUp() {
    ASSERT_TRUE(dir.isValid());
    restart();
}

void WindowFixture::restart() {
    general.reset();
    auto owned = std::make_unique<TestDialogs>();
    dialogs = owned.get();
    general = std::make_unique<MainWindow>(std::move(owned), nullptr, dir.filePath(QStringLiteral("recent.ini")));
    general->resize(1200, 800);
    general->show();
}

QString WindowFixture::writeLevel(const QString& name, const QList<std::array<int, 3>>& cells) {
    QByteArray bytes;
    for (const auto& c : cells) {
        bytes += TestFiles::record(c[0], c[1], c[2]);
    }
    TestFiles::write(path(name), bytes);
    return path(name);
}

int WindowFixture::openCount() const {
    int n = 0;
    for (int slot = 0; slot < DocumentManager::SlotCount; ++slot) {
        n += general->documents().mapInUse(slot) ? 1 : 0;
    }
    return n;
}

bool WindowFixture::closeMap(int slot) {
    auto* sub = qobject_cast<QMdiSubWindow*>(general->documents().map(slot)->parentWidget());
    const bool closed = sub->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return closed;
}

void WindowFixture::paintUndoable(MapWindow* map, int16_t x, int16_t y, int16_t tile) {
    LevelEdit edit(map->level());
    edit.setTile(x, y, tile);
    edit.commit();
}

void WindowFixture::expectEnabled(std::initializer_list<QAction*> actions, bool enabled) {
    for (QAction* a : actions) {
        EXPECT_EQ(a->isEnabled(), enabled) << a->text().toStdString();
    }
}

QPoint WindowFixture::at(int column, int row) const {
    const ViewTransform t = map->view()->transform();
    const int size = static_cast<int>(t.cellSize());
    return {column * size - t.hValue + size / 2, row * size - t.vValue + size / 2};
}

void WindowFixture::scrollTo(int h, int v) {
    map->view()->setScrollBarValues(h, v, false);
    map->redrawView();
}

void WindowFixture::drag(const std::vector<QPoint>& path, Qt::MouseButton button) {
    press(path.front(), button);
    for (size_t i = 1; i < path.size(); ++i) {
        moveTo(path[i]);
    }
    release(path.back(), button);
}

void WindowFixture::stroke(ToolId tool, int width, const std::vector<QPoint>& cells, Qt::MouseButton button) {
    useTool(tool);
    map->setLineWidth(width);
    std::vector<QPoint> path;
    for (const QPoint& c : cells) {
        path.push_back(at(c.x(), c.y()));
    }
    drag(path, button);
}

void WindowFixture::hover(QPoint pos) {
    QMouseEvent move(QEvent::MouseMove, pos, view()->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view(), &move);
}

void WindowFixture::sendKey(QEvent::Type type, Qt::Key k, Qt::KeyboardModifiers modifiers) {
    QKeyEvent e(type, k, modifiers);
    QApplication::sendEvent(view(), &e);
}

void WindowFixture::zoomTo(float zoom) {
    Magnifier& magnifier = map->magnifier();
    for (int i = 0; i < 8 && magnifier.zoomFactor() != zoom; ++i) {
        zoom > magnifier.zoomFactor() ? magnifier.zoomIn(512, 512) : magnifier.zoomOut(512, 512);
    }
    ASSERT_EQ(magnifier.zoomFactor(), zoom);
}

void WindowFixture::select(int x0, int y0, int x1, int y1) {
    useTool(ToolId::Selection);
    // The outline covers the cells passed over completely: the drag ends inside the cell past the last one.
    drag({at(x0, y0), at(x1 + 1, y1 + 1)});
}

void WindowFixture::put(int column, int row, int16_t value) {
    map->level().putTile(static_cast<int16_t>(column), static_cast<int16_t>(row), value);
    map->level().overview().setCell(column, row, value);
}

void WindowFixture::putPattern(int columns, int rows) {
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            put(column, row, static_cast<int16_t>(1 + (column * 7 + row * 13) % 200));
        }
    }
}

void WindowFixture::write(int column, int row, int16_t value, bool refresh) {
    LevelEdit edit(map->level());
    edit.setTile(column, row, value);
    map->level().redrawCell(column, row, refresh);
    edit.commit(EditTransaction::Redraw::None);
}

void WindowFixture::putObject(int column, int row, int16_t value) {
    put(column, row, value);
    map->level().completeSpecialTiles(static_cast<int16_t>(column), static_cast<int16_t>(row));
    for (int i = 0; i < 36; ++i) {
        if (column + i % 6 < 1024 && row + i / 6 < 1024) {
            map->level().overview().setCell(column + i % 6, row + i / 6, tile(column + i % 6, row + i / 6));
        }
    }
}

int WindowFixture::count(int16_t value, int x0, int y0, int x1, int y1) const {
    int n = 0;
    for (int y = std::max(y0, 0); y <= std::min(y1, 1023); ++y) {
        for (int x = std::max(x0, 0); x <= std::min(x1, 1023); ++x) {
            n += tile(x, y) == value ? 1 : 0;
        }
    }
    return n;
}

void WindowFixture::wrote(QRect box, int n) const {
    n = n < 0 ? box.width() * box.height() : n;
    EXPECT_EQ(count(5, box.left(), box.top(), box.right(), box.bottom()), n);
    EXPECT_EQ(count(5), n) << "cells written outside the box";
}

QImage WindowFixture::shown(int column, int row) const {
    const ViewTransform t = map->view()->transform();
    const int size = static_cast<int>(t.cellSize());
    return view()->image().copy(t.pixelX(column), t.pixelY(row), size, size).convertToFormat(QImage::Format_RGB32);
}

QImage WindowFixture::tilePicture(int16_t tile) const {
    const int size = static_cast<int>(map->view()->transform().cellSize());
    return map->level()
        .tileset()
        .zoomedTiles()
        .copy(Tileset::tileSource(tile, size))
        .convertToFormat(QImage::Format_RGB32);
}

void MapFixture::SetUp() {
    WindowFixture::SetUp();
    map = general->documents().newLevel();
    ASSERT_NE(map, nullptr);
    // The size a new map window starts with, whatever size the window area gives it.
    QWidget* sub = map->parentWidget();
    sub->resize(sub->size() + QSize(690, 522) - map->size());
    QApplication::processEvents();
    ASSERT_EQ(view()->size(), QSize(673, 505));
    scrollTo(0, 0);
    map->setTilesetLeft(5);
    map->setTilesetRight(6);
}
