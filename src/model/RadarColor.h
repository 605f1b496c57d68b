#pragma once

#include <QRgb>
#include <cstdint>

// Overview colour of a cell value: what the radar and the one-pixel zoom show for it.
QRgb radarColor(int16_t value);
