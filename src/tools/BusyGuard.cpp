#include "tools/BusyGuard.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace {

bool isInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
            return true;
        default:
            return false;
    }
}

}  // namespace

BusyGuard::BusyGuard(QWidget* window) : window(window) {
    QCoreApplication::instance()->installEventFilter(this);
}

BusyGuard::~BusyGuard() {
    QCoreApplication::instance()->removeEventFilter(this);
    // Posted, not sent: the edit's caller finishes (and pushes its undo step) before any of it runs.
    for (Held& h : held) {
        if (!h.target) {
            continue;
        }
        switch (h.kind) {
            case Kind::Input:
                QCoreApplication::postEvent(h.target, h.event.release());
                break;
            case Kind::Close: {
                auto* widget = static_cast<QWidget*>(h.target.data());
                QMetaObject::invokeMethod(
                    widget, [widget] { widget->close(); }, Qt::QueuedConnection);
                break;
            }
            case Kind::Delete:
                h.target->deleteLater();
                break;
        }
    }
}

void BusyGuard::processEvents() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool BusyGuard::isWindowOrAround(const QObject* object) const {
    for (const QObject* w = window; w; w = w->parent()) {
        if (w == object) {
            return true;
        }
    }
    return false;
}

bool BusyGuard::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (isInput(type)) {
        held.push_back({watched, Kind::Input, std::unique_ptr<QEvent>(event->clone())});
        return true;
    }
    if (type == QEvent::Close && watched->isWidgetType() && isWindowOrAround(watched)) {
        event->ignore();
        held.push_back({watched, Kind::Close, nullptr});
        return true;
    }
    if (type == QEvent::DeferredDelete && isWindowOrAround(watched)) {
        held.push_back({watched, Kind::Delete, nullptr});
        return true;
    }
    return QObject::eventFilter(watched, event);
}
