#pragma once

#include "tools/Tool.h"
#include "view/Magnifier.h"

// The magnifier as a tool of the map: the zoom itself belongs to the view, which also zooms with
// the mouse wheel, so this only hands the tool's events on.
class ZoomTool : public Tool {
public:
    explicit ZoomTool(Magnifier& zoom) : zoom(zoom) {}

    void MouseDown(int16_t Button, float X, float Y) override { zoom.MouseDown(Button, X, Y); }
    void MouseMove(int16_t, float, float) override {}
    void MouseUp(int16_t, float, float) override {}

private:
    Magnifier& zoom;
};
