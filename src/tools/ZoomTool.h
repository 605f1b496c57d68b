#pragma once

#include "tools/Tool.h"
#include "view/Magnifier.h"

// The magnifier as a tool of the map: the zoom itself belongs to the view, which also zooms with
// the mouse wheel, so this only hands the tool's events on.
class ZoomTool : public Tool {
public:
    explicit ZoomTool(Magnifier& zoom) : zoom(zoom) {}

    void press(const ToolEvent& event) override { zoom.click(event.button, event.x(), event.y()); }
    void move(const ToolEvent&) override {}
    void release(const ToolEvent&) override {}

private:
    Magnifier& zoom;
};
