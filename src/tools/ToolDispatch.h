#pragma once

#include <QObject>
#include <QPointF>
#include <array>
#include <cstdint>

#include "tools/ToolId.h"

class MapHost;
class QKeyEvent;
class QScrollBar;
class Tool;

// Routes the mouse and key input of one map's view to the object of the current tool and to the
// map's shortcuts, with the button codes the tools work with.
class ToolDispatch : public QObject {
    Q_OBJECT
public:
    // The map's tool objects by tool id; the selection tool's entry may be null, as the map's
    // selection (asked of the host at each event) stands in for it.
    using Tools = std::array<Tool*, ToolCount>;

    ToolDispatch(MapHost& host, const Tools& tools, QObject* parent);

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
    Tool& current() const;
    void mouseDown(Qt::MouseButton button, QPointF pos);
    void mouseMove(Qt::MouseButtons held, QPointF pos);
    void mouseUp(Qt::MouseButton button, QPointF pos);
    void key(QKeyEvent* event, bool keyDown);
    void showPosition(QPointF pos);
    void scrollBy(QScrollBar* bar, int delta);

    MapHost& host;
    Tools tools;
};
