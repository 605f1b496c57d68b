#pragma once

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

inline constexpr std::array<KeyShortcut, 19> Keys{{
    {Qt::Key_Z, "Z", KeyAction::PickTool, ToolId::Magnifier, "Magnifier"},
    {Qt::Key_S, "S", KeyAction::PickTool, ToolId::Selection, "Selection"},
    {Qt::Key_H, "H", KeyAction::PickTool, ToolId::Hand, "Hand"},
    {Qt::Key_P, "P", KeyAction::PickTool, ToolId::Pencil, "Pencil"},
    {Qt::Key_D, "D", KeyAction::PickTool, ToolId::Dropper, "Dropper"},
    {Qt::Key_E, "E", KeyAction::PickTool, ToolId::Eraser, "Eraser"},
    {Qt::Key_F, "F", KeyAction::PickTool, ToolId::Bucket, "Bucket fill"},
    {Qt::Key_L, "L", KeyAction::PickTool, ToolId::Line, "Line"},
    {Qt::Key_I, "I", KeyAction::PickTool, ToolId::Polyline, "Polyline"},
    {Qt::Key_R, "R", KeyAction::PickTool, ToolId::Rectangle, "Rectangle"},
    {Qt::Key_O, "O", KeyAction::PickTool, ToolId::Ellipse, "Ellipse"},
    {Qt::Key_G, "G", KeyAction::ToggleGrid, AnyTool, "Show or hide the grid"},
    {Qt::Key_T, "T", KeyAction::ToggleTileNumbers, AnyTool, "Show or hide the tile numbers"},
    {Qt::Key_Left, "Left", KeyAction::ScrollLeft, AnyTool, "Scroll left", true},
    {Qt::Key_Right, "Right", KeyAction::ScrollRight, AnyTool, "Scroll right", true},
    {Qt::Key_Up, "Up", KeyAction::ScrollUp, AnyTool, "Scroll up", true},
    {Qt::Key_Down, "Down", KeyAction::ScrollDown, AnyTool, "Scroll down", true},
    {Qt::Key_Escape, "Esc", KeyAction::DropSelection, ToolId::Selection,
     "Drop the selection, leaving the cells as they are"},
    {Qt::Key_Delete, "Del", KeyAction::DeleteSelection, ToolId::Selection, "Empty the selected cells"},
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
    {ToolId::Magnifier, "Left click", "Zoom in one step around the cell"},
    {ToolId::Magnifier, "Right click", "Zoom out one step around the cell"},
    {ToolId::Selection, "Drag", "Mark a rectangle of cells"},
    {ToolId::Selection, "Drag inside the selection", "Move the selected block"},
    {ToolId::Selection, "Click outside the selection", "Put the block down and start a new rectangle"},
    {ToolId::Hand, "Drag", "Move the view"},
    {ToolId::Pencil, "Left / right drag", "Paint the left / right tile"},
    {ToolId::Dropper, "Left / right click or drag", "Pick the tile under the pointer as left / right tile"},
    {ToolId::Eraser, "Drag", "Empty the cells"},
    {ToolId::Bucket, "Left / right click", "Fill the connected area with the left / right tile"},
    {ToolId::Line, "Left / right drag", "Draw a line with the left / right tile"},
    {ToolId::Polyline, "Left click", "Add a corner; the segment from the last corner is drawn"},
    {ToolId::Polyline, "Right click", "End the polyline"},
    {ToolId::Rectangle, "Left / right drag", "Draw a rectangle outline with the left / right tile"},
    {ToolId::Ellipse, "Left / right drag", "Draw an ellipse with the left / right tile"},
    {AnyTool, "Wheel", "Scroll up and down (with Shift: left and right)"},
    {AnyTool, "Ctrl + wheel", "Zoom in or out around the pointer"},
    {AnyTool, "Tileset: left / right click", "Choose the left / right tile"},
    {AnyTool, "Radar: click", "Centre the view there"},
}};

}  // namespace ShortcutTable
