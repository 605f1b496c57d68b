#pragma once

#include <QByteArray>
#include <QString>

// The files a map names (external tilesets, pictures) are read only from the map's own folder: a
// hostile map must not reach other files, devices or the network through them.
namespace MapFiles {

// The absolute path of `reference` when it names a file beside `mapPath`, otherwise an empty string
// and the reason in `why` (words that follow the quoted reference).
QString besideMap(const QString& mapPath, const QString& reference, QString& why);
// Reads a regular file of at most TileMapFormat::MaxFileBytes. Returns an empty string, or why not
// in words that follow the quoted name.
QString read(const QString& path, QByteArray& bytes);
// The map's name as messages show it.
QString shown(const QString& path);

}  // namespace MapFiles
