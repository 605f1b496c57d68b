#include "mapformats/SpecialTilePictures.h"

#include "model/ObjectProcedures.h"
#include "model/Tileset.h"

namespace SpecialTilePictures {

QImage picture(int16_t tile) {
    const int side = (ObjectProcedures::objectExtent(tile) + 1) * Tileset::TileSize;
    const int x = tile == 217 ? 16 : tile == 219 ? 128 : 48;
    return Tileset::specialTiles().copy(x, 0, side, side);
}

}  // namespace SpecialTilePictures
