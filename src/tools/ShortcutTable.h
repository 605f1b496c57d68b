#pragma once

#include <QtCore/qglobal.h>
#include <QtCore/qnamespace.h>
#include <array>

#include "tools/ToolId.h"
#include "tools/ToolTable.h"

// The keys of a map's view and the mouse gestures of every tool, in one place: the key handling
// looks its keys up here and the shortcuts window lists the same rows, so the two cannot drift.
namespace ShortcutTable {

enum class KeyAction {
    PickTool,    // makes `tool` the current tool
    ToggleGrid,  // as a click on the Grid button
    ToggleTileNumbers,
    ToggleWalls,   // as a click on the Walls button
    ToggleRandom,  // as a click on the Random button
    ScrollLeft,
    ScrollRight,
    ScrollUp,
    ScrollDown,
    DropSelection,    // ends a selection without writing it (selection tool only)
    DeleteSelection,  // empties the selected cells (selection tool only)
};

// A row that is not bound to a tool.
inline constexpr ToolId AnyTool = ToolId{};

struct KeyShortcut {
    Qt::Key key;
    const char* keyName;
    KeyAction action;
    ToolId tool;  // the tool a PickTool row picks, or the only tool a row works with
    const char* description;
    // Whether the key also acts with Shift, Ctrl or Alt held; a letter does not, so that Ctrl+Shift+S
    // and the like reach the menus and never pick a tool.
    bool withModifiers = false;
};

inline constexpr std::array<KeyShortcut, 21> Keys{{
    {Qt::Key_Z, "Z", KeyAction::PickTool, ToolId::Magnifier, QT_TRANSLATE_NOOP("ShortcutTable", "Magnifier")},
    {Qt::Key_S, "S", KeyAction::PickTool, ToolId::Selection, QT_TRANSLATE_NOOP("ShortcutTable", "Selection")},
    {Qt::Key_H, "H", KeyAction::PickTool, ToolId::Hand, QT_TRANSLATE_NOOP("ShortcutTable", "Hand")},
    {Qt::Key_P, "P", KeyAction::PickTool, ToolId::Pencil, QT_TRANSLATE_NOOP("ShortcutTable", "Pencil")},
    {Qt::Key_D, "D", KeyAction::PickTool, ToolId::Dropper, QT_TRANSLATE_NOOP("ShortcutTable", "Dropper")},
    {Qt::Key_E, "E", KeyAction::PickTool, ToolId::Eraser, QT_TRANSLATE_NOOP("ShortcutTable", "Eraser")},
    {Qt::Key_F, "F", KeyAction::PickTool, ToolId::Bucket, QT_TRANSLATE_NOOP("ShortcutTable", "Bucket fill")},
    {Qt::Key_L, "L", KeyAction::PickTool, ToolId::Line, QT_TRANSLATE_NOOP("ShortcutTable", "Line")},
    {Qt::Key_I, "I", KeyAction::PickTool, ToolId::Polyline, QT_TRANSLATE_NOOP("ShortcutTable", "Polyline")},
    {Qt::Key_R, "R", KeyAction::PickTool, ToolId::Rectangle, QT_TRANSLATE_NOOP("ShortcutTable", "Rectangle")},
    {Qt::Key_O, "O", KeyAction::PickTool, ToolId::Ellipse, QT_TRANSLATE_NOOP("ShortcutTable", "Ellipse")},
    {Qt::Key_G, "G", KeyAction::ToggleGrid, AnyTool, QT_TRANSLATE_NOOP("ShortcutTable", "Show or hide the grid")},
    {Qt::Key_T, "T", KeyAction::ToggleTileNumbers, AnyTool,
     QT_TRANSLATE_NOOP("ShortcutTable", "Show or hide the tile numbers")},
    {Qt::Key_W, "W", KeyAction::ToggleWalls, AnyTool,
     QT_TRANSLATE_NOOP("ShortcutTable", "Walls mode on or off: paint walls of the current wall set")},
    {Qt::Key_N, "N", KeyAction::ToggleRandom, AnyTool,
     QT_TRANSLATE_NOOP("ShortcutTable", "Random mode on or off: paint tiles of the current random set")},
    {Qt::Key_Left, QT_TRANSLATE_NOOP("ShortcutTable", "Left"), KeyAction::ScrollLeft, AnyTool,
     QT_TRANSLATE_NOOP("ShortcutTable", "Scroll left"), true},
    {Qt::Key_Right, QT_TRANSLATE_NOOP("ShortcutTable", "Right"), KeyAction::ScrollRight, AnyTool,
     QT_TRANSLATE_NOOP("ShortcutTable", "Scroll right"), true},
    {Qt::Key_Up, QT_TRANSLATE_NOOP("ShortcutTable", "Up"), KeyAction::ScrollUp, AnyTool,
     QT_TRANSLATE_NOOP("ShortcutTable", "Scroll up"), true},
    {Qt::Key_Down, QT_TRANSLATE_NOOP("ShortcutTable", "Down"), KeyAction::ScrollDown, AnyTool,
     QT_TRANSLATE_NOOP("ShortcutTable", "Scroll down"), true},
    {Qt::Key_Escape, QT_TRANSLATE_NOOP("ShortcutTable", "Esc"), KeyAction::DropSelection, ToolId::Selection,
     QT_TRANSLATE_NOOP("ShortcutTable", "Drop the selection, leaving the cells as they are")},
    {Qt::Key_Delete, QT_TRANSLATE_NOOP("ShortcutTable", "Del"), KeyAction::DeleteSelection, ToolId::Selection,
     QT_TRANSLATE_NOOP("ShortcutTable", "Empty the selected cells")},
}};

// The row of a key, or null for a key the view does not handle.
constexpr const KeyShortcut* findKey(Qt::Key key) {
    for (const KeyShortcut& k : Keys) {
        if (k.key == key) {
            return &k;
        }
    }
    return nullptr;
}

// The row that picks `tool`, or null for a tool without a letter.
constexpr const KeyShortcut* toolKey(ToolId tool) {
    for (const KeyShortcut& k : Keys) {
        if (k.action == KeyAction::PickTool && k.tool == tool) {
            return &k;
        }
    }
    return nullptr;
}

// The painting tools that turn into the dropper while Ctrl is held.
inline bool turnsIntoDropper(ToolId tool) {
    return toolEntry(tool).ctrlDropper;
}

struct MouseGesture {
    ToolId tool;  // AnyTool for the gestures of the view and the panel
    const char* gesture;
    const char* description;
};

inline constexpr std::array<MouseGesture, 19> Gestures{{
    {ToolId::Magnifier, QT_TRANSLATE_NOOP("ShortcutTable", "Left click"),
     QT_TRANSLATE_NOOP("ShortcutTable", "Zoom in one step around the cell")},
    {ToolId::Magnifier, QT_TRANSLATE_NOOP("ShortcutTable", "Right click"),
     QT_TRANSLATE_NOOP("ShortcutTable", "Zoom out one step around the cell")},
    {ToolId::Selection, QT_TRANSLATE_NOOP("ShortcutTable", "Drag"),
     QT_TRANSLATE_NOOP("ShortcutTable", "Mark a rectangle of cells")},
    {ToolId::Selection, QT_TRANSLATE_NOOP("ShortcutTable", "Drag inside the selection"),
     QT_TRANSLATE_NOOP("ShortcutTable", "Move the selected block")},
    {ToolId::Selection, QT_TRANSLATE_NOOP("ShortcutTable", "Click outside the selection"),
     QT_TRANSLATE_NOOP("ShortcutTable", "Put the block down and start a new rectangle")},
    {ToolId::Hand, QT_TRANSLATE_NOOP("ShortcutTable", "Drag"), QT_TRANSLATE_NOOP("ShortcutTable", "Move the view")},
    {ToolId::Pencil, QT_TRANSLATE_NOOP("ShortcutTable", "Left / right drag"),
     QT_TRANSLATE_NOOP("ShortcutTable", "Paint the left / right tile")},
    {ToolId::Dropper, QT_TRANSLATE_NOOP("ShortcutTable", "Left / right click or drag"),
     QT_TRANSLATE_NOOP("ShortcutTable", "Pick the tile under the pointer as left / right tile")},
    {ToolId::Eraser, QT_TRANSLATE_NOOP("ShortcutTable", "Drag"), QT_TRANSLATE_NOOP("ShortcutTable", "Empty the cells")},
    {ToolId::Bucket, QT_TRANSLATE_NOOP("ShortcutTable", "Left / right click"),
     QT_TRANSLATE_NOOP("ShortcutTable", "Fill the connected area with the left / right tile")},
    {ToolId::Line, QT_TRANSLATE_NOOP("ShortcutTable", "Left / right drag"),
     QT_TRANSLATE_NOOP("ShortcutTable", "Draw a line with the left / right tile")},
    {ToolId::Polyline, QT_TRANSLATE_NOOP("ShortcutTable", "Left click"),
     QT_TRANSLATE_NOOP("ShortcutTable", "Add a corner; the segment from the last corner is drawn")},
    {ToolId::Polyline, QT_TRANSLATE_NOOP("ShortcutTable", "Right click"),
     QT_TRANSLATE_NOOP("ShortcutTable", "End the polyline")},
    {ToolId::Rectangle, QT_TRANSLATE_NOOP("ShortcutTable", "Left / right drag"),
     QT_TRANSLATE_NOOP("ShortcutTable", "Draw a rectangle outline with the left / right tile")},
    {ToolId::Ellipse, QT_TRANSLATE_NOOP("ShortcutTable", "Left / right drag"),
     QT_TRANSLATE_NOOP("ShortcutTable", "Draw an ellipse with the left / right tile")},
    {AnyTool, QT_TRANSLATE_NOOP("ShortcutTable", "Wheel"),
     QT_TRANSLATE_NOOP("ShortcutTable", "Scroll up and down (with Shift: left and right)")},
    {AnyTool, QT_TRANSLATE_NOOP("ShortcutTable", "Ctrl + wheel"),
     QT_TRANSLATE_NOOP("ShortcutTable", "Zoom in or out around the pointer")},
    {AnyTool, QT_TRANSLATE_NOOP("ShortcutTable", "Tileset: left / right click"),
     QT_TRANSLATE_NOOP("ShortcutTable", "Choose the left / right tile")},
    {AnyTool, QT_TRANSLATE_NOOP("ShortcutTable", "Radar: click"),
     QT_TRANSLATE_NOOP("ShortcutTable", "Centre the view there")},
}};

}  // namespace ShortcutTable
