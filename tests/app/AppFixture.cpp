#include "AppFixture.h"

#include <QApplication>
#include <QMdiSubWindow>

#include "TestFiles.h"
#include "app/frmMain.h"

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
    return take(answers, false);
}

QString TestDialogs::openFile(QWidget*, const QString& title, const QString& filter) {
    titles << title;
    filters << filter;
    return take(chosen, QString());
}

void AppFixture::SetUp() {
    ASSERT_TRUE(dir.isValid());
    restart();
}

void AppFixture::TearDown() {
    general.reset();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void AppFixture::restart() {
    general.reset();
    auto owned = std::make_unique<TestDialogs>();
    dialogs = owned.get();
    general = std::make_unique<frmGeneral>(std::move(owned), nullptr, recentIni());
    general->resize(1200, 800);
    general->show();
}

QString AppFixture::writeLevel(const QString& name, const QList<std::array<int, 3>>& cells) {
    QByteArray bytes;
    for (const auto& c : cells) {
        bytes += TestFiles::record(c[0], c[1], c[2]);
    }
    TestFiles::write(path(name), bytes);
    return path(name);
}

int AppFixture::openCount() const {
    int n = 0;
    for (int slot = 0; slot < frmGeneral::SlotCount; ++slot) {
        n += general->mapInUse(slot) ? 1 : 0;
    }
    return n;
}

bool AppFixture::closeMap(int slot) {
    frmMain* map = general->map(slot);
    auto* sub = qobject_cast<QMdiSubWindow*>(map->parentWidget());
    const bool closed = sub->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return closed;
}

void AppFixture::paintUndoable(frmMain* map, int16_t x, int16_t y, int16_t tile) {
    Changes batch;
    map->level.setTile(x, y, tile, batch, true);
    map->level.undoredo.AddToUndo(std::make_unique<Changes>(batch));
}

void AppFixture::expectEnabled(std::initializer_list<QAction*> actions, bool enabled) {
    for (QAction* a : actions) {
        EXPECT_EQ(a->isEnabled(), enabled) << a->text().toStdString();
    }
}
