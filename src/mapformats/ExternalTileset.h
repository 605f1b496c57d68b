#pragma once

#include <QString>

struct MapTileset;

// Tilesets kept in files of their own (.tsx in XML, .tsj or .json in JSON), read only from beside the map.
namespace ExternalTileset {

// Reads the tileset file `source` named by the map at `mapPath` into `tileset`, keeping its first gid.
// Returns why it cannot be read, as words that follow the map's name, or an empty string.
QString read(const QString& mapPath, const QString& source, MapTileset& tileset);

}  // namespace ExternalTileset
