#pragma once

#include <QImage>
#include <array>
#include <cstdint>

// The pictures of the special tiles at their real sizes (32, 96 and 80 pixels square), cut from the
// program's special-tiles picture, as the map formats carry them.
namespace SpecialTilePictures {

inline constexpr std::array<int16_t, 3> tiles{217, 219, 220};

QImage picture(int16_t tile);

}  // namespace SpecialTilePictures
