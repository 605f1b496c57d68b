#pragma once

#include <Qt>
#include <array>

#include "tools/ToolId.h"

// What the program knows about each tool besides its class: its left-toolbar key, its picture, its
// tooltip, where a click lands on its cursor and how it meets other tools (its letter is in ShortcutTable).
struct ToolEntry {
    const char* key;
    const char* icon;
    const char* tooltip;
    bool crosshair;  // shows the system crosshair instead of its picture
    int hotX;        // hot spot in the 24 x 24 icon
    int hotY;
    bool ctrlDropper;    // holding Ctrl turns it into the dropper until Ctrl is released
    bool endsSelection;  // picking it ends a marked selection of the active map
};

inline constexpr std::array<ToolEntry, ToolCount> ToolTable{{
    {"Magnifier", "tool-magnifier", "Magnifier (Z)", false, 10, 10, false, false},
    {"Selection", "tool-selection", "Selection (S)", true, 12, 12, false, false},
    {"None", "tool-hand", "Hand (H)", false, 13, 13, false, false},
    {"Pencil", "tool-pencil", "Pencil (P)", false, 3, 19, true, true},
    {"Dropper", "tool-dropper", "Dropper (D)", false, 4, 19, false, false},
    {"Eraser", "tool-eraser", "Eraser (E)", false, 6, 17, false, true},
    {"Bucket", "tool-bucket", "Bucket fill (F)", false, 4, 20, true, false},
    {"Line", "tool-line", "Line (L)", true, 12, 12, true, true},
    {"SpLine", "tool-spline", "Polyline (I)", true, 12, 12, true, true},
    {"Rectangle", "tool-rectangle", "Rectangle (R)", true, 12, 12, true, true},
    {"Ellipse", "tool-ellipse", "Ellipse (O)", true, 12, 12, true, true},
}};

inline const ToolEntry& toolEntry(ToolId tool) {
    return ToolTable[toolIndex(tool)];
}
