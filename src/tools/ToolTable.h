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
    {"Magnifier", "tool-magnifier", QT_TRANSLATE_NOOP("ToolTable", "Magnifier (Z)"), false, 10, 10, false, false},
    {"Selection", "tool-selection", QT_TRANSLATE_NOOP("ToolTable", "Selection (S)"), true, 12, 12, false, false},
    {"None", "tool-hand", QT_TRANSLATE_NOOP("ToolTable", "Hand (H)"), false, 13, 13, false, false},
    {"Pencil", "tool-pencil", QT_TRANSLATE_NOOP("ToolTable", "Pencil (P)"), false, 3, 19, true, true},
    {"Dropper", "tool-dropper", QT_TRANSLATE_NOOP("ToolTable", "Dropper (D)"), false, 4, 19, false, false},
    {"Eraser", "tool-eraser", QT_TRANSLATE_NOOP("ToolTable", "Eraser (E)"), false, 6, 17, false, true},
    {"Bucket", "tool-bucket", QT_TRANSLATE_NOOP("ToolTable", "Bucket fill (F)"), false, 4, 20, true, false},
    {"Line", "tool-line", QT_TRANSLATE_NOOP("ToolTable", "Line (L)"), true, 12, 12, true, true},
    {"SpLine", "tool-spline", QT_TRANSLATE_NOOP("ToolTable", "Polyline (I)"), true, 12, 12, true, true},
    {"Rectangle", "tool-rectangle", QT_TRANSLATE_NOOP("ToolTable", "Rectangle (R)"), true, 12, 12, true, true},
    {"Ellipse", "tool-ellipse", QT_TRANSLATE_NOOP("ToolTable", "Ellipse (O)"), true, 12, 12, true, true},
}};

inline const ToolEntry& toolEntry(ToolId tool) {
    return ToolTable[toolIndex(tool)];
}
