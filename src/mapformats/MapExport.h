#pragma once

#include <QByteArray>
#include <QString>

#include "mapformats/TileMap.h"

class Level;

// Writes a level as a map of the XML (.tmx) or JSON (.tmj) map format, with its tile pictures beside it as
// OUT.png (8-bit when the colours fit) and the special tiles' pictures as OUT-217.png, OUT-219.png and
// OUT-220.png, all named by relative paths. Every file goes through a temporary file and a rename.
class MapExport {
public:
    // JSON when `path` ends in .tmj or .json, XML otherwise. Returns an empty string, or one line that
    // says what could not be written and why.
    static QString write(const Level& level, const QString& path, TileMapFormat::Encoding encoding);
    // The map's text alone, as `write` puts it into `path` (for tests and measurements).
    static QByteArray text(const Level& level, const QString& path, TileMapFormat::Encoding encoding);
    static bool isJsonName(const QString& path);
};
