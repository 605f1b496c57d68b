#include "model/RadarColor.h"

QRgb radarColor(int16_t value) {
    if (value == -1) {
        return qRgb(255, 0, 255);
    }
    if (value >= 1 && value <= 161) {
        return qRgb(192, 192, 192);
    }
    if (value >= 162 && value <= 169) {
        return qRgb(0, 0, 255);
    }
    if (value == 170) {
        return qRgb(255, 255, 0);
    }
    if (value == 171) {
        return qRgb(0, 255, 0);
    }
    if (value == 172) {
        return qRgb(255, 0, 0);
    }
    if (value >= 173 && value <= 190) {
        return qRgb(0, 255, 255);
    }
    if (value >= 216 && value <= 255) {
        return qRgb(255, 0, 255);
    }
    return qRgb(0, 0, 0);
}
