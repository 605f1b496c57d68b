#pragma once

#include <QImage>
#include <cstdint>

// The 1024 x 1024 overview of a level, one pixel per cell in its RadarColor. The cell colours are few, so it is
// kept as an 8-bit palette picture: a quarter of the memory of a 32-bit one for every open level.
class OverviewImage {
public:
    OverviewImage();

    void setCell(int x, int y, int16_t value) {
        image.scanLine(y)[x] = indexOf(value);
        ++changes;
    }
    // Sets the cells x0..x1 of row y to one value, as a fill writes them.
    void setRun(int y, int x0, int x1, int16_t value);
    QRgb pixel(int x, int y) const { return palette()[image.constScanLine(y)[x]]; }
    // Sets every pixel from a row-major grid of 1024 x 1024 cells.
    void rebuild(const int16_t* cells);
    void clear();
    // An 8-bit picture whose colour table holds the cell colours.
    const QImage& picture() const { return image; }
    // Grows with every write, so a copy of part of the picture can tell whether it is still current.
    quint64 version() const { return changes; }

private:
    static uchar indexOf(int16_t value);
    static const QList<QRgb>& palette();

    QImage image;
    quint64 changes = 0;
};
