#include "mapformats/TmxReader.h"

#include <QFileInfo>
#include <vector>

#include "mapformats/ExternalTileset.h"
#include "mapformats/LayerCodec.h"
#include "mapformats/MapFiles.h"

namespace {

int intAttribute(const QXmlStreamAttributes& a, const char* name, int fallback = 0) {
    bool ok = false;
    const int v = a.value(QLatin1String(name)).toInt(&ok);
    return ok ? v : fallback;
}

// Tile counts and sizes far past anything a level uses are cut here, so no later product overflows.
int bounded(int v) {
    return std::clamp(v, -1000000, 1000000);
}

}  // namespace

QString TmxReader::failure() const {
    return QStringLiteral("it is not well-formed XML (line %1: %2)").arg(xml.lineNumber()).arg(xml.errorString());
}

QString TmxReader::root(const char* name) {
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::DTD || token == QXmlStreamReader::EntityReference) {
            return QStringLiteral("it declares a document type or entities, which are never read");
        }
        if (token == QXmlStreamReader::StartElement) {
            if (xml.name() != QLatin1String(name)) {
                return QStringLiteral("its root element is <%1>, not <%2>").arg(xml.name()).arg(QLatin1String(name));
            }
            return {};
        }
    }
    return xml.hasError() ? failure() : QStringLiteral("it holds no XML element");
}

QByteArray TmxReader::setAsideData(const QByteArray& bytes, std::vector<QByteArrayView>& texts) {
    constexpr qsizetype worthIt = 4096;
    QByteArray rest;
    qsizetype copied = 0;
    for (qsizetype at = bytes.indexOf("<data"); at >= 0; at = bytes.indexOf("<data", at + 5)) {
        // The end of the start tag; a '>' inside an attribute value does not end it.
        qsizetype end = at + 5;
        char quote = 0;
        while (end < bytes.size() && (quote != 0 || bytes[end] != '>') && (quote != 0 || bytes[end] != '<')) {
            if (bytes[end] == '"' || bytes[end] == '\'') {
                quote = quote == 0 ? bytes[end] : quote == bytes[end] ? 0 : quote;
            }
            ++end;
        }
        if (end >= bytes.size() || bytes[end] != '>' || bytes[end - 1] == '/') {
            continue;
        }
        // Text up to the next tag without an entity or character reference means exactly its characters.
        const qsizetype first = end + 1;
        const qsizetype last = bytes.indexOf('<', first);
        if (last - first < worthIt || QByteArrayView(bytes).sliced(first, last - first).contains('&')) {
            continue;
        }
        rest += QByteArrayView(bytes).sliced(copied, first - copied);
        rest += '#' + QByteArray::number(static_cast<qulonglong>(texts.size()));
        texts.push_back(QByteArrayView(bytes).sliced(first, last - first));
        copied = last;
        at = last;
    }
    if (texts.empty()) {
        return bytes;
    }
    rest += QByteArrayView(bytes).sliced(copied);
    return rest;
}

QByteArray TmxReader::dataText() {
    const QString text = xml.readElementText();
    if (text.startsWith(QLatin1Char('#'))) {
        const qulonglong n = QStringView(text).mid(1).toULongLong();
        return n < asideTexts.size() ? QByteArray::fromRawData(asideTexts[n].data(), asideTexts[n].size())
                                     : QByteArray();
    }
    return text.toLatin1();
}

QString TmxReader::readMap(const QByteArray& bytes, const QString& path, const QString& layer, TileMap& map) {
    std::vector<QByteArrayView> texts;
    TmxReader reader(setAsideData(bytes, texts), path);
    reader.asideTexts = std::move(texts);
    if (QString problem = reader.root("map"); !problem.isEmpty()) {
        return problem;
    }
    return reader.mapElement(layer, map);
}

QString TmxReader::readTileset(const QByteArray& bytes, const QString& path, MapTileset& tileset) {
    TmxReader reader(bytes, path);
    if (QString problem = reader.root("tileset"); !problem.isEmpty()) {
        return problem;
    }
    QStringList warnings;
    return reader.tilesetElement(tileset, warnings, true);
}

QString TmxReader::mapElement(const QString& layer, TileMap& map) {
    const QXmlStreamAttributes a = xml.attributes();
    map.orientation = a.value(QLatin1String("orientation")).toString();
    map.width = intAttribute(a, "width");
    map.height = intAttribute(a, "height");
    map.tileWidth = intAttribute(a, "tilewidth");
    map.tileHeight = intAttribute(a, "tileheight");
    map.infinite = a.value(QLatin1String("infinite")) == QLatin1String("1");
    if (QString problem = map.headerProblem(); !problem.isEmpty()) {
        return problem;
    }
    while (xml.readNextStartElement()) {
        const auto name = xml.name();
        if (name == QLatin1String("properties")) {
            map.properties.insert(properties());
        } else if (name == QLatin1String("tileset")) {
            MapTileset tileset;
            if (QString problem = tilesetElement(tileset, map.warnings, false); !problem.isEmpty()) {
                return problem;
            }
            map.tilesets.push_back(std::move(tileset));
        } else if (QString problem = groupChildren(layer, map); !problem.isEmpty()) {
            return problem;
        }
    }
    if (xml.hasError()) {
        return failure();
    }
    return {};
}

// One child of the map or of a group layer: a layer of any kind.
QString TmxReader::groupChildren(const QString& wanted, TileMap& map) {
    const auto name = xml.name();
    if (name == QLatin1String("layer")) {
        return layerElement(wanted, map);
    }
    if (name == QLatin1String("objectgroup")) {
        map.otherLayers << xml.attributes().value(QLatin1String("name")).toString();
        objectGroup(map);
        return {};
    }
    if (name == QLatin1String("group")) {
        map.otherLayers << xml.attributes().value(QLatin1String("name")).toString();
        while (xml.readNextStartElement()) {
            if (QString problem = groupChildren(wanted, map); !problem.isEmpty()) {
                return problem;
            }
        }
        return {};
    }
    if (name == QLatin1String("imagelayer")) {
        map.otherLayers << xml.attributes().value(QLatin1String("name")).toString();
    }
    xml.skipCurrentElement();
    return {};
}

QHash<QString, QString> TmxReader::properties() {
    QHash<QString, QString> found;
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("property")) {
            xml.skipCurrentElement();
            continue;
        }
        const QXmlStreamAttributes a = xml.attributes();
        const QString name = a.value(QLatin1String("name")).toString();
        if (a.hasAttribute(QLatin1String("value")) || a.value(QLatin1String("type")) == QLatin1String("class")) {
            found.insert(name, a.value(QLatin1String("value")).toString());
            xml.skipCurrentElement();
        } else {
            // Text of several lines is written as the element's content.
            found.insert(name, xml.readElementText(QXmlStreamReader::SkipChildElements));
        }
    }
    return found;
}

QString TmxReader::imageSource(const QString& source, QStringList& warnings) {
    QString why;
    const QString file = MapFiles::besideMap(path, source, why);
    if (file.isEmpty()) {
        warnings << QStringLiteral("The picture \"%1\" %2; its tiles have no picture.").arg(source, why);
    }
    return file;
}

QString TmxReader::tilesetElement(MapTileset& tileset, QStringList& warnings, bool external) {
    QXmlStreamAttributes a = xml.attributes();
    if (!external) {
        tileset.firstGid = a.value(QLatin1String("firstgid")).toUInt();
        if (tileset.firstGid == 0) {
            return QStringLiteral("a tileset has no valid firstgid");
        }
        const QString source = a.value(QLatin1String("source")).toString();
        if (!source.isEmpty()) {
            xml.skipCurrentElement();
            return ExternalTileset::read(path, source, tileset);
        }
    }
    tileset.name = a.value(QLatin1String("name")).toString();
    tileset.tileWidth = bounded(intAttribute(a, "tilewidth"));
    tileset.tileHeight = bounded(intAttribute(a, "tileheight"));
    tileset.columns = bounded(intAttribute(a, "columns"));
    tileset.tileCount = bounded(intAttribute(a, "tilecount"));
    tileset.margin = bounded(intAttribute(a, "margin"));
    tileset.spacing = bounded(intAttribute(a, "spacing"));
    while (xml.readNextStartElement()) {
        const auto name = xml.name();
        if (name == QLatin1String("image")) {
            a = xml.attributes();
            tileset.hasImage = true;
            tileset.image = imageSource(a.value(QLatin1String("source")).toString(), warnings);
            tileset.imageWidth = bounded(intAttribute(a, "width"));
            tileset.imageHeight = bounded(intAttribute(a, "height"));
            xml.skipCurrentElement();
        } else if (name == QLatin1String("tile")) {
            tileElement(tileset, warnings);
        } else if (name == QLatin1String("properties")) {
            tileset.properties.insert(properties());
        } else {
            xml.skipCurrentElement();
        }
    }
    return xml.hasError() ? failure() : QString();
}

void TmxReader::tileElement(MapTileset& tileset, QStringList& warnings) {
    MapTilesetTile tile;
    tile.id = bounded(intAttribute(xml.attributes(), "id", -1));
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("image")) {
            const QXmlStreamAttributes a = xml.attributes();
            tile.image = imageSource(a.value(QLatin1String("source")).toString(), warnings);
            tile.imageWidth = bounded(intAttribute(a, "width"));
            tile.imageHeight = bounded(intAttribute(a, "height"));
            xml.skipCurrentElement();
        } else if (xml.name() == QLatin1String("properties")) {
            tile.properties = properties();
        } else {
            xml.skipCurrentElement();
        }
    }
    tileset.tiles.push_back(std::move(tile));
}

QString TmxReader::layerElement(const QString& wanted, TileMap& map) {
    const QXmlStreamAttributes a = xml.attributes();
    const QString name = a.value(QLatin1String("name")).toString();
    map.tileLayers << name;
    const bool chosen = map.layer.isNull() && (wanted.isEmpty() || wanted == name);
    if (!chosen) {
        xml.skipCurrentElement();
        return {};
    }
    map.layer = name;
    const int width = map.infinite ? 0 : intAttribute(a, "width", map.width);
    const int height = map.infinite ? 0 : intAttribute(a, "height", map.height);
    if (!map.infinite && (width < 1 || height < 1 || width > TileMap::MaxSide || height > TileMap::MaxSide)) {
        return QStringLiteral("layer \"%1\" is %2 x %3 cells; a level holds 1 to %4 cells each way")
            .arg(name)
            .arg(width)
            .arg(height)
            .arg(TileMap::MaxSide);
    }
    map.place(0, 0, 0, 0, nullptr);
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("data")) {
            if (QString problem = dataElement(map, width, height); !problem.isEmpty()) {
                return problem;
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    return {};
}

QString TmxReader::dataElement(TileMap& map, int width, int height) {
    const QXmlStreamAttributes a = xml.attributes();
    const QString encodingName = a.value(QLatin1String("encoding")).toString();
    const QString compression = a.value(QLatin1String("compression")).toString();
    const bool plainTiles = encodingName.isEmpty() && compression.isEmpty();
    const auto encoding = LayerCodec::fromAttributes(encodingName, compression);
    if (!plainTiles && !encoding) {
        return QStringLiteral("layer \"%1\" has data encoded as \"%2\"%3, which is not read")
            .arg(map.layer, encodingName,
                 compression.isEmpty() ? QString() : QStringLiteral(" compressed with \"%1\"").arg(compression));
    }
    const auto block = [&](qint64 x, qint64 y, int w, int h) -> QString {
        if (!plainTiles && x == 0 && y == 0 && w == TileMap::MaxSide && !map.infinite) {
            // Rows as wide as the level's lie in the cells exactly as decoded.
            const QString problem = LayerCodec::decode(dataText(), *encoding, map.cells.data(), w * h);
            return problem.isEmpty() ? QString() : QStringLiteral("layer \"%1\": %2").arg(map.layer, problem);
        }
        std::vector<uint32_t> ids(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
        if (plainTiles) {
            size_t n = 0;
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("tile") && n < ids.size()) {
                    ids[n] = xml.attributes().value(QLatin1String("gid")).toUInt();
                }
                n += xml.name() == QLatin1String("tile") ? 1 : 0;
                xml.skipCurrentElement();
            }
            if (n != ids.size()) {
                return QStringLiteral("layer \"%1\" lists %2 tiles for its %3 cells")
                    .arg(map.layer)
                    .arg(n)
                    .arg(ids.size());
            }
        } else {
            const QByteArray text = dataText();
            if (QString problem = LayerCodec::decode(text, *encoding, ids.data(), w * h); !problem.isEmpty()) {
                return QStringLiteral("layer \"%1\": %2").arg(map.layer, problem);
            }
        }
        return map.place(x, y, w, h, ids.data());
    };
    if (!map.infinite) {
        return block(0, 0, width, height);
    }
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("chunk")) {
            xml.skipCurrentElement();
            continue;
        }
        const QXmlStreamAttributes c = xml.attributes();
        const qint64 x = c.value(QLatin1String("x")).toLongLong();
        const qint64 y = c.value(QLatin1String("y")).toLongLong();
        const int w = intAttribute(c, "width");
        const int h = intAttribute(c, "height");
        if (w < 1 || h < 1 || w > TileMap::MaxSide || h > TileMap::MaxSide) {
            return QStringLiteral("layer \"%1\" has a chunk of %2 x %3 cells").arg(map.layer).arg(w).arg(h);
        }
        if (QString problem = block(x, y, w, h); !problem.isEmpty()) {
            return problem;
        }
    }
    return {};
}

void TmxReader::objectGroup(TileMap& map) {
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("object")) {
            const QXmlStreamAttributes a = xml.attributes();
            const uint32_t gid = a.value(QLatin1String("gid")).toUInt();
            // A level holds at most a million objects; more than that is no map of a level.
            if (gid != 0 && map.tileObjects.size() < TileMap::MaxTileObjects) {
                map.tileObjects.push_back(
                    {gid, a.value(QLatin1String("x")).toDouble(), a.value(QLatin1String("y")).toDouble()});
            }
        }
        xml.skipCurrentElement();
    }
}
