#pragma once

#include <QPoint>
#include <vector>

// Cells between two positions of a drag. A fast drag reports positions far apart; joining them
// with steps that only go along a row or a column keeps a drawn wall one unbroken line, where a
// diagonal step would leave two wall pieces touching only at a corner.
namespace CellPath {

// The cells from `from` to `to`, both included, each sharing a side with the one before, as close
// to the straight line between them as such steps go.
std::vector<QPoint> fourConnected(QPoint from, QPoint to);

}  // namespace CellPath
