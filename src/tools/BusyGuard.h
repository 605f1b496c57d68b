#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <vector>

class QEvent;
class QWidget;

// Lets a long edit of one map window run pending events while keeping it safe: the user's input
// that arrives meanwhile, and any request to close or delete the window (or a window around it),
// is held back and delivered, in order, once the guard is gone.
class BusyGuard : public QObject {
    Q_OBJECT
public:
    explicit BusyGuard(QWidget* window);
    ~BusyGuard() override;
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

    // Runs the pending events; input from the window system stays queued until the edit is over.
    void processEvents();
    // True when the window was destroyed anyway (deleted directly); the edit must stop at once.
    bool windowGone() const { return window.isNull(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Kind { Input, Close, Delete };
    struct Held {
        QPointer<QObject> target;
        Kind kind;
        std::unique_ptr<QEvent> event;
    };

    bool isWindowOrAround(const QObject* object) const;

    QPointer<QWidget> window;
    std::vector<Held> held;
};
