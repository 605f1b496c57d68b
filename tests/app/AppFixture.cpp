#include "AppFixture.h"

#include <QApplication>
#include <QMdiSubWindow>

#include "TestFiles.h"
#include "app/frmMain.h"

bool TestDialogs::ask(QWidget*, const QString& text) {
    questions << text;
    if (answers.empty()) {
        return false;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

QString TestDialogs::openFile(QWidget*, const QString& title, const QString& filter) {
    titles << title;
    filters << filter;
    if (chosen.empty()) {
        return {};
    }
    const QString name = chosen.front();
    chosen.pop_front();
    return name;
}

QString TestDialogs::saveFile(QWidget* parent, const QString& title, const QString& filter) {
    return openFile(parent, title, filter);
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
    for (bool used : general->mapinuse) {
        n += used ? 1 : 0;
    }
    return n;
}

bool AppFixture::closeMap(int16_t slot) {
    frmMain* map = general->maps[static_cast<size_t>(slot)];
    auto* sub = qobject_cast<QMdiSubWindow*>(map->parentWidget());
    const bool closed = sub->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return closed;
}
