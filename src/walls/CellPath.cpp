#include "walls/CellPath.h"

#include <cstdint>
#include <cstdlib>

namespace CellPath {

std::vector<QPoint> fourConnected(QPoint from, QPoint to) {
    const int64_t dx = std::abs(static_cast<int64_t>(to.x()) - from.x());
    const int64_t dy = std::abs(static_cast<int64_t>(to.y()) - from.y());
    const int sx = to.x() > from.x() ? 1 : -1;
    const int sy = to.y() > from.y() ? 1 : -1;
    std::vector<QPoint> cells;
    cells.reserve(static_cast<size_t>(dx + dy + 1));
    QPoint at = from;
    cells.push_back(at);
    // Step along the axis whose next cell centre the line reaches first: the x step after ix steps
    // lies at (ix + 1/2) / dx of the way, the y step at (iy + 1/2) / dy.
    for (int64_t ix = 0, iy = 0; ix < dx || iy < dy;) {
        if (iy == dy || (ix < dx && (2 * ix + 1) * dy < (2 * iy + 1) * dx)) {
            at.rx() += sx;
            ++ix;
        } else {
            at.ry() += sy;
            ++iy;
        }
        cells.push_back(at);
    }
    return cells;
}

}  // namespace CellPath
