#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <functional>

class Level;

// A picture of a rectangle of cells at one zoom step, exactly as the view shows those cells: the
// rectangle is drawn as a view of its size scrolled to its first cell, so a special tile whose
// anchor lies outside it is left out, as it is on screen. `quarn-lvl render` and the editor's
// image export both draw through here, so they give the same pixels.
namespace LevelPicture {

struct Options {
    QRect cells;  // inside the grid
    float zoom = 0.25f;
    bool grid = false;
    bool numbers = false;
};

// Width and height of the picture in pixels.
QSize size(const Options& options);

// Draws the picture; the level's tileset must be scaled to `options.zoom` first. `progress` (which
// may be empty) hears after each band of rows how many of `options.cells.height()` rows are done;
// answering false stops the drawing and gives a null image.
QImage draw(const Level& level, const Options& options, const std::function<bool(int rows)>& progress = {});

}  // namespace LevelPicture
