#pragma once

// Where a map's selection stands: no selection, a rectangle being drawn with the mouse, or a
// marked rectangle (possibly carrying a floating block).
enum class SelectionState {
    None,
    Drawing,
    Selected,
};
