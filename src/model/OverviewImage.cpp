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
        c.palette << (radarColor(0) | 0xFF000000u);
        for (int v = -1; v <= 255; ++v) {
            const QRgb colour = radarColor(static_cast<int16_t>(v)) | 0xFF000000u;
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

OverviewImage::OverviewImage() : index(colours().index.data()), image(1024, 1024, QImage::Format_Indexed8) {
    image.setColorTable(palette());
    clear();
}

const QList<QRgb>& OverviewImage::palette() {
    return colours().palette;
}

void OverviewImage::setRun(int y, int x0, int x1, int16_t value) {
    uchar* row = image.scanLine(y);
    std::fill(row + x0, row + x1 + 1, indexOf(value));
    ++changes;
}

void OverviewImage::copyRun(int y, int x0, int x1, const int16_t* row) {
    uchar* out = image.scanLine(y);
    for (int x = x0; x <= x1; ++x) {
        out[x] = indexOf(row[x]);
    }
    ++changes;
}

void OverviewImage::rebuild(const int16_t* cells) {
    for (int y = 0; y < 1024; ++y) {
        uchar* out = image.scanLine(y);
        const int16_t* in = cells + y * 1024;
        for (int x = 0; x < 1024; ++x) {
            out[x] = indexOf(in[x]);
        }
    }
    ++changes;
}

void OverviewImage::clear() {
    image.fill(0);
    ++changes;
}
