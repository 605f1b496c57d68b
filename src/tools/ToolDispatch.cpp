#include "tools/ToolDispatch.h"

#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>
#include <array>
#include <utility>

#include "tools/MapHost.h"
#include "tools/SelectionHooks.h"
#include "tools/ShortcutTable.h"
#include "tools/Tool.h"
#include "tools/ToolTable.h"
#include "view/MapView.h"
#include "view/PictureBox.h"

namespace {

// Scroll step of the arrow keys, in view pixels.
constexpr int ArrowStep = 160;

}  // namespace

ToolDispatch::ToolDispatch(MapHost& host, const Tools& tools, QObject* parent)
    : QObject(parent), host(host), tools(tools) {
    PictureBox* view = host.view().picpreview;
    connect(view, &PictureBox::mouseDown, this,
            [this](Qt::MouseButton button, Qt::MouseButtons, QPointF pos, Qt::KeyboardModifiers) {
                mouseDown(button, pos);
            });
    connect(view, &PictureBox::mouseMove, this,
            [this](Qt::MouseButtons held, QPointF pos, Qt::KeyboardModifiers) { mouseMove(held, pos); });
    connect(
        view, &PictureBox::mouseUp, this,
        [this](Qt::MouseButton button, Qt::MouseButtons, QPointF pos, Qt::KeyboardModifiers) { mouseUp(button, pos); });
    connect(view, &PictureBox::keyDown, this, [this](QKeyEvent* event) { key(event, true); });
    connect(view, &PictureBox::keyUp, this, [this](QKeyEvent* event) { key(event, false); });
}

Tool& ToolDispatch::current() const {
    const ToolId id = host.currentTool();
    Tool* tool = tools[toolIndex(id)];
    return tool != nullptr ? *tool : host.selection();
}

int16_t ToolDispatch::buttonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

int16_t ToolDispatch::heldMask(Qt::MouseButtons buttons) {
    int16_t mask = 0;
    for (const Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        if (buttons & b) {
            mask = static_cast<int16_t>(mask | buttonCode(b));
        }
    }
    return mask;
}

int ToolDispatch::shiftMask(Qt::KeyboardModifiers modifiers, int qtKey, bool keyDown) {
    int mask = 0;
    const std::array<std::pair<Qt::KeyboardModifier, int>, 3> bits{
        {{Qt::ShiftModifier, Qt::Key_Shift}, {Qt::ControlModifier, Qt::Key_Control}, {Qt::AltModifier, Qt::Key_Alt}}};
    for (int i = 0; i < 3; ++i) {
        const auto [modifier, modifierKey] = bits[static_cast<size_t>(i)];
        const bool held = qtKey == modifierKey ? keyDown : (modifiers & modifier) != 0;
        if (held) {
            mask |= 1 << i;
        }
    }
    return mask;
}

void ToolDispatch::mouseDown(Qt::MouseButton button, QPointF pos) {
    const int16_t b = buttonCode(button);
    if (b == 0) {
        return;
    }
    host.setMouseIsDown(true);
    current().MouseDown(b, static_cast<float>(pos.x()), static_cast<float>(pos.y()));
}

void ToolDispatch::mouseMove(Qt::MouseButtons held, QPointF pos) {
    showPosition(pos);
    current().MouseMove(heldMask(held), static_cast<float>(pos.x()), static_cast<float>(pos.y()));
}

void ToolDispatch::mouseUp(Qt::MouseButton button, QPointF pos) {
    const int16_t b = buttonCode(button);
    if (b == 0) {
        return;
    }
    current().MouseUp(b, static_cast<float>(pos.x()), static_cast<float>(pos.y()));
    host.setMouseIsDown(false);
}

void ToolDispatch::showPosition(QPointF pos) {
    const ViewTransform t = host.view().transform();
    host.showStatus(QStringLiteral("X= %1 - Y= %2").arg(t.cellX(pos.x())).arg(t.cellY(pos.y())));
}

void ToolDispatch::key(QKeyEvent* event, bool keyDown) {
    UseShortcutTool(keyDown, static_cast<Qt::Key>(event->key()), shiftMask(event->modifiers(), event->key(), keyDown));
}

void ToolDispatch::scrollBy(QScrollBar* bar, int delta) {
    bar->setValue(std::clamp(bar->value() + delta, 0, bar->maximum()));
}

void ToolDispatch::UseShortcutTool(bool KeyDown, Qt::Key key, int Shift) {
    if (Shift == 2 || !KeyDown) {
        if (KeyDown && ShortcutTable::turnsIntoDropper(host.currentTool())) {
            host.beginTemporaryTool(ToolId::Dropper);
        } else if ((Shift & 2) == 0) {
            // Releasing Ctrl (also with Shift or Alt still held) ends the dropper, whichever map
            // started it.
            host.endTemporaryTool();
        }
        return;
    }
    if (current().KeyDown(key)) {
        return;
    }
    const ShortcutTable::KeyShortcut* shortcut = ShortcutTable::findKey(key);
    if (shortcut == nullptr || (Shift != 0 && !shortcut->withModifiers)) {
        return;
    }
    MapView& view = host.view();
    using ShortcutTable::KeyAction;
    switch (shortcut->action) {
        case KeyAction::PickTool:
            host.setCurrentTool(shortcut->tool);
            break;
        case KeyAction::ToggleGrid:
            // The key does what a click on the button does: the map follows the button at once.
            host.switchGrid();
            break;
        case KeyAction::ToggleTileNumbers:
            host.switchTileNumbers();
            break;
        case KeyAction::ScrollLeft:
            scrollBy(view.hScrollBar, -ArrowStep);
            break;
        case KeyAction::ScrollRight:
            scrollBy(view.hScrollBar, ArrowStep);
            break;
        case KeyAction::ScrollUp:
            scrollBy(view.vScrollBar, -ArrowStep);
            break;
        case KeyAction::ScrollDown:
            scrollBy(view.vScrollBar, ArrowStep);
            break;
        case KeyAction::DropSelection:
        case KeyAction::DeleteSelection:
            // The selection tool answers these itself when it is the current tool.
            break;
    }
}
