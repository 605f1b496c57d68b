#pragma once

#include <array>
#include <cstddef>

// The tools, numbered as the left toolbar orders them (1-based: the numbers appear in the
// tool shortcuts and in the toolbar order, so they stay fixed).
enum class ToolId {
    Magnifier = 1,
    Selection,
    Hand,
    Pencil,
    Dropper,
    Eraser,
    Bucket,
    Line,
    Polyline,
    Rectangle,
    Ellipse,
};

inline constexpr int ToolCount = 11;

// Position of a tool in tables that hold one entry per tool.
constexpr std::size_t toolIndex(ToolId tool) {
    return static_cast<std::size_t>(tool) - 1;
}

// Every tool in toolbar order.
inline constexpr std::array<ToolId, ToolCount> AllTools{
    ToolId::Magnifier, ToolId::Selection, ToolId::Hand,     ToolId::Pencil,    ToolId::Dropper, ToolId::Eraser,
    ToolId::Bucket,    ToolId::Line,      ToolId::Polyline, ToolId::Rectangle, ToolId::Ellipse,
};
