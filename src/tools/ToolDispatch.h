#pragma once

#include <QObject>
#include <QPointF>
#include <array>

#include "tools/ToolId.h"

class ToolContext;
class WindowServices;
class QKeyEvent;
class QScrollBar;
class Tool;

// Routes the mouse and key input of one map's view to the object of the current tool and to the
// map's shortcuts. One gesture at a time: the button that goes down first owns the gesture until it
// comes up; other buttons pressed or released meanwhile reach no tool, and once the gesture has been
// ended from outside (endGesture) its remaining moves and its release reach none either.
class ToolDispatch : public QObject {
    Q_OBJECT
public:
    // The map's tool objects by tool id; the selection tool's entry may be null, as the map's
    // selection (asked of the host at each event) stands in for it.
    using Tools = std::array<Tool*, ToolCount>;

    ToolDispatch(ToolContext& map, WindowServices& window, const Tools& tools, QObject* parent);

    // The tool shortcuts, the arrow-key scrolling and the Ctrl-held dropper. `Shift` is a mask:
    // 1 Shift, 2 Ctrl, 4 Alt.
    void useShortcutTool(bool KeyDown, Qt::Key key, int Shift);
    // The current tool of every map changes from `from` to `to`.
    void switchTool(ToolId from, ToolId to);
    // Ends the open gesture of every tool of the map and of its selection.
    void endGesture();

    // The modifier mask as it stands after the key event: a modifier key counts as held on its
    // own press and as released on its own release, whatever the platform reports.
    static int shiftMask(Qt::KeyboardModifiers modifiers, int qtKey, bool keyDown);

private:
    Tool& tool(ToolId id) const;
    Tool& current() const;
    void press(Qt::MouseButton button, Qt::MouseButtons held, QPointF pos, Qt::KeyboardModifiers mods);
    void move(Qt::MouseButtons held, QPointF pos, Qt::KeyboardModifiers mods);
    void release(Qt::MouseButton button, Qt::MouseButtons held, QPointF pos, Qt::KeyboardModifiers mods);
    void key(QKeyEvent* event, bool keyDown);
    void showPosition(QPointF pos);
    void scrollBy(QScrollBar* bar, int delta);

    ToolContext& map;
    WindowServices& window;
    Tools tools;
    // The button of the gesture in progress, and whether its tool still follows it.
    Qt::MouseButton gestureButton = Qt::NoButton;
    bool gestureLive = false;
};
