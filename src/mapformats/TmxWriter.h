#pragma once

#include <QByteArray>

#include "mapformats/TileMap.h"

struct ExportedMap;

// Writes an exported level as an XML map (.tmx).
namespace TmxWriter {

QByteArray write(const ExportedMap& map, TileMapFormat::Encoding encoding);

}  // namespace TmxWriter
