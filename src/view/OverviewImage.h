#pragma once

#include <QImage>
#include <cstdint>

// The 1024 x 1024 overview of a level, one pixel per cell in its RadarColor.
class OverviewImage {
public:
    OverviewImage();

    void setCell(int x, int y, int16_t value) { row(y)[x] = colourOf(value); }
    QRgb pixel(int x, int y) const { return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x]; }
    // Sets every pixel from a row-major grid of 1024 x 1024 cells.
    void rebuild(const int16_t* cells);
    void clear();
    const QImage& picture() const { return image; }

private:
    QRgb* row(int y) { return reinterpret_cast<QRgb*>(image.scanLine(y)); }
    static QRgb colourOf(int16_t value);

    QImage image;
};
