#pragma once

#include <QImage>
#include <QRect>

// Pixel counting for tests that check drawings colour by colour.
namespace Pixels {

constexpr QRgb Black = 0xFF000000u;
constexpr QRgb White = 0xFFFFFFFFu;
constexpr QRgb Red = 0xFFFF0000u;
constexpr QRgb Yellow = 0xFFFFFF00u;

// How many pixels of `area` have the colour `rgb`.
inline int count(const QImage& image, const QRect& area, QRgb rgb) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            n += image.pixel(x, y) == rgb ? 1 : 0;
        }
    }
    return n;
}

// Whether every pixel of `area` has the colour `rgb`.
inline bool all(const QImage& image, const QRect& area, QRgb rgb) {
    return count(image, area, rgb) == area.width() * area.height();
}

}  // namespace Pixels
