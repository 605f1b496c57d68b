#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include "mapformats/TileMap.h"

// Reads the JSON map format (.tmj) and its external tilesets (.tsj). The same checks as for the XML
// form: the map's dimensions before any cell is allocated, files only from beside the map.
class TmjReader {
public:
    // As TmxReader::readMap.
    static QString readMap(const QByteArray& bytes, const QString& path, const QString& layer, TileMap& map);
    static QString readTileset(const QByteArray& bytes, const QString& path, MapTileset& tileset);

private:
    static QString tileset(const QJsonObject& o, const QString& path, MapTileset& tileset, QStringList& warnings,
                           bool external);
    static QString layers(const QJsonArray& list, const QString& wanted, TileMap& map);
    static QString tileLayer(const QJsonObject& o, TileMap& map);
    static QString block(const QJsonObject& o, const QJsonObject& layer, qint64 x, qint64 y, int w, int h,
                         TileMap& map);
    static QHash<QString, QString> properties(const QJsonValue& list);
    static QString image(const QString& path, const QString& source, QStringList& warnings);
};
