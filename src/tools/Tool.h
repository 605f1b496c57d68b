#pragma once

#include <QPointF>
#include <Qt>

// One mouse event as a tool sees it: the button that went down or up (Qt::NoButton on a move),
// the buttons held after the event, the modifiers and the position in view pixels.
struct ToolEvent {
    Qt::MouseButton button = Qt::NoButton;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
    QPointF pos;

    float x() const { return static_cast<float>(pos.x()); }
    float y() const { return static_cast<float>(pos.y()); }
};

// The protocol every tool of a map follows. The dispatch activates the current tool, hands it the
// view's mouse events one gesture at a time (a press of another button while one is held never
// reaches it), and deactivates it when another tool takes over. Whatever interrupts the user (an
// Undo, a dialog, another map window) ends the open gesture through endGesture().
class Tool {
public:
    virtual ~Tool() = default;

    virtual void activate() {}
    // Another tool takes over: the open gesture ends.
    virtual void deactivate() { endGesture(); }

    virtual void press(const ToolEvent& event) = 0;
    // With the gesture's button in `event.button` while a gesture is open, Qt::NoButton otherwise.
    virtual void move(const ToolEvent& event) = 0;
    virtual void release(const ToolEvent& event) = 0;
    // A key pressed on the map while this tool is current; true when the tool used it, so it picks
    // no other tool.
    virtual bool keyPress(Qt::Key key) {
        (void)key;
        return false;
    }
    // Ends the open gesture at once: what it wrote becomes its undo step, what it previews is
    // wiped. Nothing happens outside a gesture.
    virtual void endGesture() {}
};
