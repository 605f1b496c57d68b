// Tileset import and decoding on any bytes, with the scaling for every zoom step: bounded in size,
// every colour index inside its table, and a refused picture leaves the default one.
#include "FuzzSupport.h"
#include "model/Level.h"
#include "model/Tileset.h"
#include "model/TilesetFile.h"
#include "model/TilesetPicture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;  // no bytes mean the default tileset
    }
    const QByteArray bmp(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QImage decoded = TilesetPicture::decode(bmp);
    if (!decoded.isNull()) {
        if (decoded.width() > TilesetPicture::MaxSide || decoded.height() > TilesetPicture::MaxSide ||
            qint64{decoded.width()} * decoded.height() > TilesetPicture::MaxPixels) {
            FuzzSupport::fail("a decoded picture is larger than a tileset may be");
        }
        if (decoded.format() == QImage::Format_Indexed8 && decoded.colorCount() < 256) {
            FuzzSupport::fail("an indexed picture has a colour table shorter than its indexes reach");
        }
    }
    static Tileset tileset;
    const QString problem = tileset.initTileset(bmp);
    if (problem.isEmpty() == decoded.isNull()) {
        FuzzSupport::fail("the tileset and the decoder disagree about the picture");
    }
    const QImage& strip = Tileset::extraTiles();
    if (tileset.tilesetPicture().height() < strip.height()) {
        FuzzSupport::fail("the tileset picture lost its strip of extra tiles");
    }
    for (const float zoom : FuzzSupport::zooms) {
        tileset.setZoom(zoom);
    }
    tileset.setZoom(1.0f);

    // The same bytes through the import command, which reads them from a file.
    static Level level;
    level.setUsingDefaultTileset(true);
    const QString error = TilesetFile::importTileset(level, FuzzSupport::writeFile("in.bmp", data, size));
    if (error.isEmpty() == level.usingDefaultTileset()) {
        FuzzSupport::fail("an import neither succeeded nor left the level as it was");
    }
    return 0;
}
