#pragma once

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
