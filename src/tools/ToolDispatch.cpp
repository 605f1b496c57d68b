#include "tools/ToolDispatch.h"

#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>
#include <array>
#include <utility>

#include "tools/SelectionHooks.h"
#include "tools/ShortcutTable.h"
#include "tools/Tool.h"
#include "tools/ToolContext.h"
#include "tools/ToolTable.h"
#include "tools/WindowServices.h"
#include "view/MapView.h"
#include "view/PictureBox.h"

namespace {

// Scroll step of the arrow keys, in view pixels.
constexpr int ArrowStep = 160;

}  // namespace

ToolDispatch::ToolDispatch(ToolContext& map, WindowServices& window, const Tools& tools, QObject* parent)
    : QObject(parent), map(map), window(window), tools(tools) {
    PictureBox* view = map.view().viewSurface();
    connect(view, &PictureBox::mouseDown, this, &ToolDispatch::press);
    connect(view, &PictureBox::mouseMove, this, &ToolDispatch::move);
    connect(view, &PictureBox::mouseUp, this, &ToolDispatch::release);
    connect(view, &PictureBox::keyDown, this, [this](QKeyEvent* event) { key(event, true); });
    connect(view, &PictureBox::keyUp, this, [this](QKeyEvent* event) { key(event, false); });
}

Tool& ToolDispatch::tool(ToolId id) const {
    Tool* t = tools[toolIndex(id)];
    return t != nullptr ? *t : map.selection();
}

Tool& ToolDispatch::current() const {
    return tool(window.currentTool());
}

void ToolDispatch::switchTool(ToolId from, ToolId to) {
    tool(from).deactivate();
    tool(to).activate();
}

void ToolDispatch::endGesture() {
    for (Tool* t : tools) {
        if (t != nullptr) {
            t->endGesture();
        }
    }
    map.selection().endGesture();
    if (gestureLive) {
        gestureLive = false;
        window.setMouseIsDown(false);
    }
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

void ToolDispatch::press(Qt::MouseButton button, Qt::MouseButtons held, QPointF pos, Qt::KeyboardModifiers mods) {
    const bool known = button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton;
    if (gestureButton != Qt::NoButton || !known) {
        return;
    }
    gestureButton = button;
    gestureLive = true;
    window.setMouseIsDown(true);
    current().press({button, held, mods, pos});
}

void ToolDispatch::move(Qt::MouseButtons held, QPointF pos, Qt::KeyboardModifiers mods) {
    showPosition(pos);
    // The gesture's button may have come up outside any window of the program.
    if (gestureButton != Qt::NoButton && !(held & gestureButton)) {
        release(gestureButton, held, pos, mods);
    }
    if (gestureButton != Qt::NoButton && !gestureLive) {
        return;
    }
    current().move({gestureButton, held, mods, pos});
}

void ToolDispatch::release(Qt::MouseButton button, Qt::MouseButtons held, QPointF pos, Qt::KeyboardModifiers mods) {
    if (button != gestureButton || button == Qt::NoButton) {
        return;
    }
    gestureButton = Qt::NoButton;
    if (!std::exchange(gestureLive, false)) {
        return;
    }
    current().release({button, held, mods, pos});
    window.setMouseIsDown(false);
}

void ToolDispatch::showPosition(QPointF pos) {
    const ViewTransform t = map.view().transform();
    window.showStatus(tr("X= %1 - Y= %2").arg(t.cellX(pos.x())).arg(t.cellY(pos.y())));
}

void ToolDispatch::key(QKeyEvent* event, bool keyDown) {
    useShortcutTool(keyDown, static_cast<Qt::Key>(event->key()), shiftMask(event->modifiers(), event->key(), keyDown));
}

void ToolDispatch::scrollBy(QScrollBar* bar, int delta) {
    bar->setValue(std::clamp(bar->value() + delta, 0, bar->maximum()));
}

void ToolDispatch::useShortcutTool(bool KeyDown, Qt::Key key, int Shift) {
    if (Shift == 2 || !KeyDown) {
        if (KeyDown && ShortcutTable::turnsIntoDropper(window.currentTool())) {
            window.beginTemporaryTool(ToolId::Dropper);
        } else if ((Shift & 2) == 0) {
            // Releasing Ctrl (also with Shift or Alt still held) ends the dropper, whichever map
            // started it.
            window.endTemporaryTool();
        }
        return;
    }
    if (current().keyPress(key)) {
        return;
    }
    const ShortcutTable::KeyShortcut* shortcut = ShortcutTable::findKey(key);
    if (shortcut == nullptr || (Shift != 0 && !shortcut->withModifiers)) {
        return;
    }
    MapView& view = map.view();
    using ShortcutTable::KeyAction;
    switch (shortcut->action) {
        case KeyAction::PickTool:
            window.setCurrentTool(shortcut->tool);
            break;
        case KeyAction::ToggleGrid:
            // The key does what a click on the button does: the map follows the button at once.
            window.switchGrid();
            break;
        case KeyAction::ToggleTileNumbers:
            window.switchTileNumbers();
            break;
        case KeyAction::ToggleWalls:
            window.togglePaintMode(PaintMode::Walls);
            break;
        case KeyAction::ToggleRandom:
            window.togglePaintMode(PaintMode::Random);
            break;
        case KeyAction::ScrollLeft:
            scrollBy(view.hScrollBar(), -ArrowStep);
            break;
        case KeyAction::ScrollRight:
            scrollBy(view.hScrollBar(), ArrowStep);
            break;
        case KeyAction::ScrollUp:
            scrollBy(view.vScrollBar(), -ArrowStep);
            break;
        case KeyAction::ScrollDown:
            scrollBy(view.vScrollBar(), ArrowStep);
            break;
        case KeyAction::DropSelection:
        case KeyAction::DeleteSelection:
            // The selection tool answers these itself when it is the current tool.
            break;
    }
}
