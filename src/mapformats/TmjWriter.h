#pragma once

#include <QByteArray>

#include "mapformats/TileMap.h"

struct ExportedMap;

// Writes an exported level as a JSON map (.tmj).
namespace TmjWriter {

QByteArray write(const ExportedMap& map, TileMapFormat::Encoding encoding);

}  // namespace TmjWriter
