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
    // Sets the cells x0..x1 of row y from `row`, the cells of that row (a fill of drawn tiles).
    void copyRun(int y, int x0, int x1, const int16_t* row);
    // Sets every pixel from a row-major grid of 1024 x 1024 cells.
    void rebuild(const int16_t* cells);
    void clear();
    // An 8-bit picture whose colour table holds the cell colours.
    const QImage& picture() const { return image; }
    // Grows with every write, so a copy of part of the picture can tell whether it is still current.
    quint64 version() const { return changes; }

private:
    // Values outside -1..255 only come from damaged grids; they show in the colour of an empty cell.
    uchar indexOf(int16_t value) const { return (value < -1 || value > 255) ? 0 : index[value + 1]; }
    static const QList<QRgb>& palette();

    // Palette index of each cell value -1..255, at value + 1; held here because a whole-map edit
    // looks it up for every cell.
    const uchar* index;
    QImage image;
    quint64 changes = 0;
};
