#pragma once

class QMdiArea;
class QMdiSubWindow;
class QSize;

// Tiling of the map windows: the window area's own arrangement fills a grid, while these give
// each window a full-width row or a full-height column. Minimised windows stay where they are.
namespace MdiArrange {

// One full-width window under the other.
void tileHorizontally(QMdiArea& area);
// Windows side by side, each the full height.
void tileVertically(QMdiArea& area);

// Places a window just shown: a step down and right of the windows already open, all of one size
// that takes most of the area and at least `natural` (the size its content wants) where that fits.
void placeNew(QMdiArea& area, QMdiSubWindow& window, QSize natural);

}  // namespace MdiArrange
