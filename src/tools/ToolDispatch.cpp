#include "tools/ToolDispatch.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>

#include <algorithm>
#include <array>
#include <utility>

#include "app/frmGeneral.h"
#include "app/frmMain.h"
#include "tools/SelectionHooks.h"
#include "tools/ShortcutTable.h"
#include "view/MapView.h"
#include "view/PictureBox.h"

namespace {

// Scroll step of the arrow keys, in view pixels.
constexpr int ArrowStep = 160;

}  // namespace

ToolDispatch::ToolDispatch(frmMain& map) : QObject(&map), map(map) {
    PictureBox* view = map.view->picpreview;
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
    map.general().setMouseIsDown(true);
    const auto X = static_cast<float>(pos.x());
    const auto Y = static_cast<float>(pos.y());
    switch (map.general().currentTool()) {
        case ToolId::Magnifier:
            map.magnifier.MouseDown(b, X, Y);
            break;
        case ToolId::Selection:
            map.selectionHooks->MouseDown(b, X, Y);
            break;
        case ToolId::Hand:
            map.hand.MouseDown(X, Y);
            break;
        case ToolId::Pencil:
        case ToolId::Eraser:
            map.pencil.MouseDown(b, X, Y);
            break;
        case ToolId::Dropper:
            map.dropper.MouseDown(b, X, Y);
            break;
        case ToolId::Bucket:
            map.bucket.MouseDown(b, X, Y);
            break;
        case ToolId::Line:
        case ToolId::Rectangle:
        case ToolId::Ellipse:
            map.tline.MouseDown(b, X, Y);
            break;
        case ToolId::Polyline:
            map.SPline.MouseDown(b, X, Y);
            break;
        default:
            break;
    }
}

void ToolDispatch::mouseMove(Qt::MouseButtons held, QPointF pos) {
    showPosition(pos);
    const int16_t b = heldMask(held);
    const auto X = static_cast<float>(pos.x());
    const auto Y = static_cast<float>(pos.y());
    switch (map.general().currentTool()) {
        case ToolId::Magnifier:
            map.magnifier.MouseMove();
            break;
        case ToolId::Selection:
            map.selectionHooks->MouseMove(X, Y);
            break;
        case ToolId::Hand:
            map.hand.MouseMove(X, Y);
            break;
        case ToolId::Pencil:
        case ToolId::Eraser:
            map.pencil.MouseMove(b, X, Y);
            break;
        case ToolId::Dropper:
            map.dropper.MouseMove(b, X, Y);
            break;
        case ToolId::Line:
        case ToolId::Rectangle:
        case ToolId::Ellipse:
            map.tline.MouseMove(b, X, Y);
            break;
        case ToolId::Polyline:
            map.SPline.MouseMove(b, X, Y);
            break;
        default:
            break;
    }
}

void ToolDispatch::mouseUp(Qt::MouseButton button, QPointF pos) {
    const int16_t b = buttonCode(button);
    if (b == 0) {
        return;
    }
    const auto X = static_cast<float>(pos.x());
    const auto Y = static_cast<float>(pos.y());
    switch (map.general().currentTool()) {
        case ToolId::Magnifier:
            map.magnifier.MouseUp();
            break;
        case ToolId::Selection:
            map.selectionHooks->MouseUp();
            break;
        case ToolId::Hand:
            map.hand.MouseUp();
            break;
        case ToolId::Pencil:
        case ToolId::Eraser:
            map.pencil.MouseUp();
            break;
        case ToolId::Bucket:
            map.bucket.MouseUp();
            break;
        case ToolId::Line:
        case ToolId::Rectangle:
        case ToolId::Ellipse:
            map.tline.MouseUp(b, X, Y);
            break;
        case ToolId::Polyline:
            map.SPline.MouseUp(b, X, Y);
            break;
        default:
            break;
    }
    map.general().setMouseIsDown(false);
}

void ToolDispatch::showPosition(QPointF pos) {
    const ViewTransform t = map.view->transform();
    const QString text = QStringLiteral("X= %1 - Y= %2").arg(t.cellX(pos.x())).arg(t.cellY(pos.y()));
    if (map.general().positionLabel()->text() != text) {
        map.general().positionLabel()->setText(text);
    }
}

void ToolDispatch::key(QKeyEvent* event, bool keyDown) {
    map.UseShortcutTool(keyDown, static_cast<Qt::Key>(event->key()),
                        shiftMask(event->modifiers(), event->key(), keyDown));
}

void ToolDispatch::scrollBy(QScrollBar* bar, int delta) {
    bar->setValue(std::clamp(bar->value() + delta, 0, bar->maximum()));
}

void ToolDispatch::UseShortcutTool(bool KeyDown, Qt::Key key, int Shift) {
    frmGeneral& general = map.general();
    if (Shift == 2 || !KeyDown) {
        if (KeyDown && ShortcutTable::turnsIntoDropper(general.currentTool())) {
            general.beginTemporaryTool(map, ToolId::Dropper);
        } else if ((Shift & 2) == 0) {
            // Releasing Ctrl (also with Shift or Alt still held) ends the dropper, whichever map
            // started it.
            general.endTemporaryTool();
        }
        return;
    }
    const ShortcutTable::KeyShortcut* shortcut = ShortcutTable::findKey(key);
    if (shortcut == nullptr) {
        return;
    }
    SelectionHooks& sel = *map.selectionHooks;
    const bool selected = sel.selstate() == SelectionState::Selected && general.currentTool() == ToolId::Selection;
    using ShortcutTable::KeyAction;
    switch (shortcut->action) {
        case KeyAction::PickTool:
            general.SetCurrentTool(shortcut->tool);
            break;
        case KeyAction::DropSelection:
            if (selected) {
                sel.StopSelecting(true);
            }
            break;
        case KeyAction::DeleteSelection:
            if (selected) {
                sel.DeleteSelection();
            }
            break;
        case KeyAction::ToggleGrid:
            // The key does what a click on the button does: the map follows the button at once.
            general.topButton(QStringLiteral("Grid"))->trigger();
            break;
        case KeyAction::ToggleTileNumbers:
            general.topButton(QStringLiteral("TileNr"))->trigger();
            break;
        case KeyAction::ScrollLeft:
            scrollBy(map.view->hScr, -ArrowStep);
            break;
        case KeyAction::ScrollRight:
            scrollBy(map.view->hScr, ArrowStep);
            break;
        case KeyAction::ScrollUp:
            scrollBy(map.view->vscr, -ArrowStep);
            break;
        case KeyAction::ScrollDown:
            scrollBy(map.view->vscr, ArrowStep);
            break;
    }
}
