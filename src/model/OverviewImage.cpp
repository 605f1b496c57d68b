#include "model/OverviewImage.h"

#include <algorithm>
#include <array>

#include "model/RadarColor.h"

namespace {

struct Colours {
    QList<QRgb> palette;
    // Palette index of each cell value -1..255, at value + 1.
    std::array<uchar, 257> index{};
};

const Colours& colours() {
    static const Colours table = [] {
        Colours c;
        c.palette << (RadarColor(0) | 0xFF000000u);
        for (int v = -1; v <= 255; ++v) {
            const QRgb colour = RadarColor(static_cast<int16_t>(v)) | 0xFF000000u;
            qsizetype at = c.palette.indexOf(colour);
            if (at < 0) {
                at = c.palette.size();
                c.palette << colour;
            }
            c.index[static_cast<size_t>(v + 1)] = static_cast<uchar>(at);
        }
        return c;
    }();
    return table;
}

}  // namespace

OverviewImage::OverviewImage() : image(1024, 1024, QImage::Format_Indexed8) {
    image.setColorTable(palette());
    clear();
}

const QList<QRgb>& OverviewImage::palette() {
    return colours().palette;
}

uchar OverviewImage::indexOf(int16_t value) {
    // Values outside -1..255 only come from damaged grids; they show in the colour of an empty cell.
    return (value < -1 || value > 255) ? 0 : colours().index[static_cast<size_t>(value + 1)];
}

void OverviewImage::setRun(int y, int x0, int x1, int16_t value) {
    uchar* row = image.scanLine(y);
    std::fill(row + x0, row + x1 + 1, indexOf(value));
    ++changes;
}

void OverviewImage::rebuild(const int16_t* cells) {
    const auto& index = colours().index;
    for (int y = 0; y < 1024; ++y) {
        uchar* out = image.scanLine(y);
        const int16_t* in = cells + y * 1024;
        for (int x = 0; x < 1024; ++x) {
            const int v = in[x];
            out[x] = (v >= -1 && v <= 255) ? index[static_cast<size_t>(v + 1)] : 0;
        }
    }
    ++changes;
}

void OverviewImage::clear() {
    image.fill(0);
    ++changes;
}
