#pragma once

class QMdiArea;

// Tiling of the map windows: the window area's own arrangement fills a grid, while these give
// each window a full-width row or a full-height column. Minimised windows stay where they are.
namespace MdiArrange {

// One full-width window under the other.
void tileHorizontally(QMdiArea& area);
// Windows side by side, each the full height.
void tileVertically(QMdiArea& area);

}  // namespace MdiArrange
