#include "app/InputGuard.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

#include "app/MainWindow.h"
#include "tools/ToolDispatch.h"

namespace {

constexpr int CtrlBit = 2;

const QDialog* dialogWindow(const QObject* watched) {
    const auto* dialog = qobject_cast<const QDialog*>(watched);
    return dialog != nullptr && dialog->isWindow() ? dialog : nullptr;
}

}  // namespace

InputGuard::InputGuard(MainWindow& general) : QObject(&general), general(general) {
    qApp->installEventFilter(this);
    for (QAction* action : general.findChildren<QAction*>()) {
        // Queued: the menu has closed, and a dialog the command opened has been answered, by then.
        connect(action, &QAction::triggered, this,
                [this] { QTimer::singleShot(0, &this->general, [this] { this->general.focusActiveMap(); }); });
    }
}

InputGuard::~InputGuard() {
    qApp->removeEventFilter(this);
}

bool InputGuard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyRelease: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((ToolDispatch::shiftMask(key->modifiers(), key->key(), false) & CtrlBit) == 0) {
                general.endTemporaryTool();
            }
            break;
        }
        case QEvent::Show:
            if (dialogWindow(watched)) {
                general.endTemporaryTool();
                general.endGesture();
            }
            break;
        case QEvent::Hide:
            if (const QDialog* dialog = dialogWindow(watched)) {
                dialogClosed(dialog);
            }
            break;
        case QEvent::ApplicationDeactivate:
            // The Ctrl release, and the release of a button held for a stroke, will go to another program.
            general.endTemporaryTool();
            general.endGesture();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void InputGuard::dialogClosed(const QWidget* dialog) {
    QWidget* owner = dialog->parentWidget() != nullptr ? dialog->parentWidget()->window() : nullptr;
    const QPointer<QWidget> back = owner != nullptr && owner != &general && owner->isVisible() ? owner : nullptr;
    QTimer::singleShot(0, &general, [this, back] {
        if (back) {
            back->activateWindow();
        } else {
            general.focusActiveMap();
        }
    });
}
