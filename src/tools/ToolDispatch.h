#pragma once

#include <QObject>
#include <QPointF>
#include <cstdint>

class frmMain;
class QKeyEvent;
class QScrollBar;

// Routes the mouse and key input of one map's view to the object of the current tool and to the
// map's shortcuts, with the button and key codes the tools work with.
class ToolDispatch : public QObject {
    Q_OBJECT
public:
    explicit ToolDispatch(frmMain& map);

    // The tool shortcuts, the arrow-key scrolling and the Ctrl-held dropper. `Shift` is a mask:
    // 1 Shift, 2 Ctrl, 4 Alt.
    void UseShortcutTool(bool KeyDown, Qt::Key key, int Shift);

    // 1 left, 2 right, 4 middle; 0 for any other button.
    static int16_t buttonCode(Qt::MouseButton button);
    // The held buttons as a mask of the codes above.
    static int16_t heldMask(Qt::MouseButtons buttons);
    // The modifier mask as it stands after the key event: a modifier key counts as held on its
    // own press and as released on its own release, whatever the platform reports.
    static int shiftMask(Qt::KeyboardModifiers modifiers, int qtKey, bool keyDown);

private:
    void mouseDown(Qt::MouseButton button, QPointF pos);
    void mouseMove(Qt::MouseButtons held, QPointF pos);
    void mouseUp(Qt::MouseButton button, QPointF pos);
    void key(QKeyEvent* event, bool keyDown);
    void showPosition(QPointF pos);
    void scrollBy(QScrollBar* bar, int delta);

    frmMain& map;
};
