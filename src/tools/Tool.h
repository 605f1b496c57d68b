#pragma once

#include <Qt>
#include <cstdint>

// The protocol every tool of a map follows: the dispatch hands it the view's mouse events while it
// is the current tool. `Button` is 1 left, 2 right, 4 middle; on a move it is the mask of the held
// buttons. X and Y are view pixels.
class Tool {
public:
    virtual ~Tool() = default;

    virtual void MouseDown(int16_t Button, float X, float Y) = 0;
    virtual void MouseMove(int16_t Button, float X, float Y) = 0;
    virtual void MouseUp(int16_t Button, float X, float Y) = 0;
    // A key pressed on the map while this tool is current; true when the tool used it, so it picks
    // no other tool.
    virtual bool KeyDown(Qt::Key key) {
        (void)key;
        return false;
    }
};
