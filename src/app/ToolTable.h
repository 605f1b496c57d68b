#pragma once

#include <array>

#include "tools/ToolId.h"

// What the main window knows about each tool: its left-toolbar key, its picture, its tooltip and
// where a click lands on its cursor, in toolbar order.
struct ToolEntry {
    const char* key;
    const char* icon;
    const char* tooltip;
    bool crosshair;  // shows the system crosshair instead of its picture
    int hotX;        // hot spot in the 24 x 24 icon
    int hotY;
};

inline constexpr std::array<ToolEntry, ToolCount> ToolTable{{
    {"Magnifier", "tool-magnifier", "Magnifier (Z)", false, 10, 10},
    {"Selection", "tool-selection", "Selection (S)", true, 12, 12},
    {"None", "tool-hand", "Hand (H)", false, 13, 13},
    {"Pencil", "tool-pencil", "Pencil (P)", false, 3, 19},
    {"Dropper", "tool-dropper", "Dropper (D)", false, 4, 19},
    {"Eraser", "tool-eraser", "Eraser (E)", false, 6, 17},
    {"Bucket", "tool-bucket", "Bucket fill (F)", false, 4, 20},
    {"Line", "tool-line", "Line (L)", true, 12, 12},
    {"SpLine", "tool-spline", "Polyline (I)", true, 12, 12},
    {"Rectangle", "tool-rectangle", "Rectangle (R)", true, 12, 12},
    {"Ellipse", "tool-ellipse", "Ellipse (O)", true, 12, 12},
}};

inline const ToolEntry& toolEntry(ToolId tool) {
    return ToolTable[toolIndex(tool)];
}
