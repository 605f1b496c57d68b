#pragma once

#include <array>

#include "tools/ToolId.h"

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
    int keyCode;  // virtual key code: letters are their capital's code, 27 Escape, 46 Delete, 37..40 arrows
    const char* keyName;
    KeyAction action;
    ToolId tool;  // the tool a PickTool row picks, or the only tool a row works with
    const char* description;
};

inline constexpr std::array<KeyShortcut, 19> Keys{{
    {'Z', "Z", KeyAction::PickTool, ToolId::Magnifier, "Magnifier"},
    {'S', "S", KeyAction::PickTool, ToolId::Selection, "Selection"},
    {'H', "H", KeyAction::PickTool, ToolId::Hand, "Hand"},
    {'P', "P", KeyAction::PickTool, ToolId::Pencil, "Pencil"},
    {'D', "D", KeyAction::PickTool, ToolId::Dropper, "Dropper"},
    {'E', "E", KeyAction::PickTool, ToolId::Eraser, "Eraser"},
    {'F', "F", KeyAction::PickTool, ToolId::Bucket, "Bucket fill"},
    {'L', "L", KeyAction::PickTool, ToolId::Line, "Line"},
    {'I', "I", KeyAction::PickTool, ToolId::Polyline, "Polyline"},
    {'R', "R", KeyAction::PickTool, ToolId::Rectangle, "Rectangle"},
    {'O', "O", KeyAction::PickTool, ToolId::Ellipse, "Ellipse"},
    {'G', "G", KeyAction::ToggleGrid, AnyTool, "Show or hide the grid"},
    {'T', "T", KeyAction::ToggleTileNumbers, AnyTool, "Show or hide the tile numbers"},
    {37, "Left", KeyAction::ScrollLeft, AnyTool, "Scroll left"},
    {39, "Right", KeyAction::ScrollRight, AnyTool, "Scroll right"},
    {38, "Up", KeyAction::ScrollUp, AnyTool, "Scroll up"},
    {40, "Down", KeyAction::ScrollDown, AnyTool, "Scroll down"},
    {27, "Esc", KeyAction::DropSelection, ToolId::Selection, "Drop the selection, leaving the cells as they are"},
    {46, "Del", KeyAction::DeleteSelection, ToolId::Selection, "Empty the selected cells"},
}};

// The row of a key, or null for a key the view does not handle.
constexpr const KeyShortcut* findKey(int keyCode) {
    for (const KeyShortcut& k : Keys) {
        if (k.keyCode == keyCode) {
            return &k;
        }
    }
    return nullptr;
}

// The tool letter, or 0 for a tool without one.
constexpr char toolKey(ToolId tool) {
    for (const KeyShortcut& k : Keys) {
        if (k.action == KeyAction::PickTool && k.tool == tool) {
            return k.keyName[0];
        }
    }
    return 0;
}

// The painting tools that turn into the dropper while Ctrl is held.
inline constexpr std::array<ToolId, 6> DropperWhileCtrl{ToolId::Pencil,   ToolId::Bucket,    ToolId::Line,
                                                        ToolId::Polyline, ToolId::Rectangle, ToolId::Ellipse};

constexpr bool turnsIntoDropper(int tool) {
    for (ToolId t : DropperWhileCtrl) {
        if (static_cast<int>(t) == tool) {
            return true;
        }
    }
    return false;
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
