#include "view/OverviewImage.h"

#include <array>

#include "view/RadarColor.h"

namespace {

// Cell values are -1..255, so a table indexed by value + 1 replaces the range tests in the hot loops.
const std::array<QRgb, 257>& colourTable() {
    static const std::array<QRgb, 257> table = [] {
        std::array<QRgb, 257> t{};
        for (int v = -1; v <= 255; ++v) {
            t[static_cast<size_t>(v + 1)] = RadarColor(static_cast<int16_t>(v)) | 0xFF000000u;
        }
        return t;
    }();
    return table;
}

}  // namespace

OverviewImage::OverviewImage() : image(1024, 1024, QImage::Format_RGB32) {
    clear();
}

QRgb OverviewImage::colourOf(int16_t value) {
    if (value < -1 || value > 255) {
        return RadarColor(value) | 0xFF000000u;
    }
    return colourTable()[static_cast<size_t>(value + 1)];
}

void OverviewImage::rebuild(const int16_t* cells) {
    const auto& table = colourTable();
    const QRgb black = table[1];
    for (int y = 0; y < 1024; ++y) {
        QRgb* out = row(y);
        const int16_t* in = cells + y * 1024;
        for (int x = 0; x < 1024; ++x) {
            const int v = in[x];
            out[x] = (v >= -1 && v <= 255) ? table[static_cast<size_t>(v + 1)] : black;
        }
    }
}

void OverviewImage::clear() {
    image.fill(qRgb(0, 0, 0));
}
