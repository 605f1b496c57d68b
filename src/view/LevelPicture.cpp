#include "view/LevelPicture.h"

#include <algorithm>

#include "model/Level.h"
#include "view/LevelRenderer.h"
#include "view/ViewTransform.h"

namespace {

// Rows drawn at a time: progress and cancelling come once a band, and each band draws a few rows
// above it again (see below), which costs little when bands are tall.
constexpr int BandRows = 128;
// The tallest special tile reaches 5 rows below its anchor; so does nothing else.
constexpr int ReachBelow = 5;

int tileSize(const LevelPicture::Options& o) {
    return static_cast<int>(o.zoom * 16);
}

}  // namespace

namespace LevelPicture {

QSize size(const Options& options) {
    const int t = tileSize(options);
    return {options.cells.width() * t, options.cells.height() * t};
}

QImage draw(const Level& level, const Options& options, const std::function<bool(int rows)>& progress) {
    const int t = tileSize(options);
    const QRect& cells = options.cells;
    QImage image(size(options), QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    ViewTransform whole;
    whole.zoom = options.zoom;
    whole.hValue = cells.x() * t;
    whole.vValue = cells.y() * t;
    whole.width = image.width();
    whole.height = image.height();

    // Each band is drawn as a view starting up to ReachBelow rows higher, so that special tiles
    // anchored just above the band reach into it as they do in one whole drawing. Those extra rows
    // lack what is anchored higher still, so the bands go from the bottom up and each one's extra
    // rows are drawn over properly by the band above it. Drawing in place needs no second picture.
    LevelRenderer renderer;
    const int bands = (cells.height() + BandRows - 1) / BandRows;
    int rowsDone = 0;
    for (int band = bands - 1; band >= 0; --band) {
        const int first = cells.y() + band * BandRows;
        const int end = std::min(first + BandRows, cells.y() + cells.height());
        const int from = std::max(cells.y(), first - ReachBelow);
        ViewTransform view = whole;
        view.vValue = from * t;
        view.height = (end - from) * t;
        QImage rows(image.scanLine((from - cells.y()) * t), image.width(), view.height, image.bytesPerLine(),
                    QImage::Format_RGB32);
        renderer.drawLevel(rows, level, view, options.numbers);
        rowsDone += end - first;
        if (progress && !progress(rowsDone)) {
            return {};
        }
    }
    if (options.grid) {
        LevelRenderer::drawGrid(image, whole, image.rect());
    }
    return image;
}

}  // namespace LevelPicture
