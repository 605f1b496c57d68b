#pragma once

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>
#include <vector>

#include "mapformats/TileMap.h"

// Reads the XML map format (.tmx) and its external tilesets (.tsx). Documents that declare a document
// type or entities are refused: nothing is ever expanded or fetched. Only the chosen tile layer's data is
// decoded; the dimensions are checked before its cells are allocated.
class TmxReader {
public:
    // `path` is where the map lies (external files are read beside it); `layer` names the tile layer to
    // read, the first one when empty. Returns why the map cannot be read, or an empty string.
    static QString readMap(const QByteArray& bytes, const QString& path, const QString& layer, TileMap& map);
    // Reads the root tileset element of a .tsx file into `tileset` (its first gid is the caller's).
    static QString readTileset(const QByteArray& bytes, const QString& path, MapTileset& tileset);

private:
    TmxReader(const QByteArray& bytes, const QString& path) : xml(bytes), path(path) {}
    // Takes the megabytes of layer data out of the document before the XML reader sees it, leaving a
    // marker ("#n") in their place: the reader would otherwise build a text string of them character by
    // character. Only text without references is taken, which means exactly its characters.
    static QByteArray setAsideData(const QByteArray& bytes, std::vector<QByteArrayView>& texts);
    QByteArray dataText();

    QString mapElement(const QString& layer, TileMap& map);
    QString tilesetElement(MapTileset& tileset, QStringList& warnings, bool external);
    void tileElement(MapTileset& tileset, QStringList& warnings);
    QString layerElement(const QString& wanted, TileMap& map);
    QString dataElement(TileMap& map, int width, int height);
    void objectGroup(TileMap& map);
    QString groupChildren(const QString& wanted, TileMap& map);
    QHash<QString, QString> properties();
    QString imageSource(const QString& source, QStringList& warnings);
    // Reads up to the root element, refusing a document type (and with it every entity declaration).
    QString root(const char* name);
    QString failure() const;

    QXmlStreamReader xml;
    QString path;
    std::vector<QByteArrayView> asideTexts;
};
