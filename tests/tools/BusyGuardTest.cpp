#include <gtest/gtest.h>
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <memory>

#include "tools/BusyGuard.h"

namespace {

// A window whose close can be refused, to see when the close really arrives.
class Window : public QWidget {
public:
    QStringList* log = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override {
        *log << "close";
        QWidget::closeEvent(event);
    }
};

}  // namespace

class BusyGuardTest : public ::testing::Test {
protected:
    void SetUp() override {
        outer = new Window;
        outer->log = &log;
        outer->setAttribute(Qt::WA_DeleteOnClose);
        inner = new QWidget(outer);
        outer->show();
    }
    void TearDown() override { delete outer.data(); }

    // Runs `action` from a timer inside a guarded stretch of event processing on `inner`.
    void whileGuarded(const std::function<void()>& action) {
        auto guard = std::make_unique<BusyGuard>(inner);
        QTimer::singleShot(0, [&] {
            action();
            log << "action done";
        });
        for (int i = 0; i < 5; ++i) {
            QTest::qSleep(2);
            guard->processEvents();
        }
        log << "edit done";
        guard.reset();
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QPointer<Window> outer;
    QPointer<QWidget> inner;
    QStringList log;
};

// Input, undo and a close during a fill wait for it, as the bucket's tests show in the main window;
// here what they do not reach: other windows, and a deferred delete.
TEST_F(BusyGuardTest, OtherWidgetsCloseAtOnceAndTheWindowsCloseOrDeleteWaitsForTheEdit) {
    QPointer<QWidget> other = new QWidget;
    other->setAttribute(Qt::WA_DeleteOnClose);
    other->show();
    bool otherClosed = false;
    whileGuarded([&] {
        otherClosed = other->close();
        outer->close();
    });
    EXPECT_TRUE(otherClosed);
    EXPECT_EQ(log, QStringList({"action done", "edit done", "close"}));
    EXPECT_TRUE(outer.isNull());

    SetUp();
    bool aliveDuringEdit = false;
    whileGuarded([&] {
        outer->deleteLater();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        aliveDuringEdit = !inner.isNull();
    });
    EXPECT_TRUE(aliveDuringEdit);
    EXPECT_TRUE(outer.isNull());
}
