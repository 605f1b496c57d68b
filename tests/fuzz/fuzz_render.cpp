// The renderer on small regions of any level at every zoom, with the grid and the cell numbers:
// the first five bytes choose the region and a scroll offset, the rest is the level file.
#include <QImage>

#include "FuzzSupport.h"
#include "model/Level.h"
#include "model/LevelFile.h"
#include "view/LevelRenderer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 5) {
        return 0;
    }
    const int column = data[0] | ((data[1] & 3) << 8);
    const int row = data[2] | (((data[1] >> 2) & 3) << 8);
    const int width = 1 + data[3] % 24;
    const int height = 1 + (data[1] >> 4) % 24;
    Level level;
    if (!LevelFile::openLevel(level, FuzzSupport::writeFile("in.lvl", data + 5, size - 5)).ok()) {
        return 0;
    }
    LevelRenderer renderer;
    for (const float zoom : FuzzSupport::zooms) {
        level.tileset().setZoom(zoom);
        const int t = static_cast<int>(zoom * 16);
        ViewTransform view;
        view.zoom = zoom;
        // A scroll value need not be a whole cell; the view then starts inside the first cell.
        view.hValue = column * t + data[4] % t;
        view.vValue = row * t + (data[4] >> 4) % t;
        view.width = width * t;
        view.height = height * t;
        QImage image(view.width, view.height, QImage::Format_RGB32);
        renderer.drawLevel(image, level, view, true);
        LevelRenderer::drawGrid(image, view, image.rect());
    }
    return 0;
}
