#include "mapformats/TmjReader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>
#include <vector>

#include "mapformats/ExternalTileset.h"
#include "mapformats/LayerCodec.h"
#include "mapformats/MapFiles.h"

namespace {

int intField(const QJsonObject& o, const char* name, int fallback = 0) {
    const double v = o.value(QLatin1String(name)).toDouble(fallback);
    return static_cast<int>(std::clamp(v, -1000000.0, 1000000.0));
}

QString parse(const QByteArray& bytes, QJsonObject& root) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        return QStringLiteral("it is not valid JSON (at byte %1: %2)").arg(error.offset).arg(error.errorString());
    }
    if (!doc.isObject()) {
        return QStringLiteral("it is JSON but holds no object");
    }
    root = doc.object();
    return {};
}

}  // namespace

QString TmjReader::readMap(const QByteArray& bytes, const QString& path, const QString& layer, TileMap& map) {
    QJsonObject o;
    if (QString problem = parse(bytes, o); !problem.isEmpty()) {
        return problem;
    }
    if (o.contains(QLatin1String("type")) && o.value(QLatin1String("type")) != QLatin1String("map")) {
        return QStringLiteral("it is a JSON file of type \"%1\", not a map")
            .arg(o.value(QLatin1String("type")).toString());
    }
    map.orientation = o.value(QLatin1String("orientation")).toString();
    map.width = intField(o, "width");
    map.height = intField(o, "height");
    map.tileWidth = intField(o, "tilewidth");
    map.tileHeight = intField(o, "tileheight");
    map.infinite = o.value(QLatin1String("infinite")).toBool();
    if (QString problem = map.headerProblem(); !problem.isEmpty()) {
        return problem;
    }
    map.properties = properties(o.value(QLatin1String("properties")));
    for (const QJsonValue& t : o.value(QLatin1String("tilesets")).toArray()) {
        MapTileset set;
        if (QString problem = tileset(t.toObject(), path, set, map.warnings, false); !problem.isEmpty()) {
            return problem;
        }
        map.tilesets.push_back(std::move(set));
    }
    return layers(o.value(QLatin1String("layers")).toArray(), layer, map);
}

QString TmjReader::readTileset(const QByteArray& bytes, const QString& path, MapTileset& set) {
    QJsonObject o;
    if (QString problem = parse(bytes, o); !problem.isEmpty()) {
        return problem;
    }
    QStringList warnings;
    return tileset(o, path, set, warnings, true);
}

QHash<QString, QString> TmjReader::properties(const QJsonValue& list) {
    QHash<QString, QString> found;
    for (const QJsonValue& p : list.toArray()) {
        const QJsonObject o = p.toObject();
        found.insert(o.value(QLatin1String("name")).toString(), o.value(QLatin1String("value")).toVariant().toString());
    }
    return found;
}

QString TmjReader::image(const QString& path, const QString& source, QStringList& warnings) {
    QString why;
    const QString file = MapFiles::besideMap(path, source, why);
    if (file.isEmpty()) {
        warnings << QStringLiteral("The picture \"%1\" %2; its tiles have no picture.").arg(source, why);
    }
    return file;
}

QString TmjReader::tileset(const QJsonObject& o, const QString& path, MapTileset& set, QStringList& warnings,
                           bool external) {
    if (!external) {
        const double first = o.value(QLatin1String("firstgid")).toDouble();
        if (first < 1 || first > 0x0FFFFFFF || first != static_cast<double>(static_cast<uint32_t>(first))) {
            return QStringLiteral("a tileset has no valid firstgid");
        }
        set.firstGid = static_cast<uint32_t>(first);
        if (o.contains(QLatin1String("source"))) {
            return ExternalTileset::read(path, o.value(QLatin1String("source")).toString(), set);
        }
    }
    set.name = o.value(QLatin1String("name")).toString();
    set.tileWidth = intField(o, "tilewidth");
    set.tileHeight = intField(o, "tileheight");
    set.columns = intField(o, "columns");
    set.tileCount = intField(o, "tilecount");
    set.margin = intField(o, "margin");
    set.spacing = intField(o, "spacing");
    set.properties = properties(o.value(QLatin1String("properties")));
    if (o.contains(QLatin1String("image"))) {
        set.hasImage = true;
        set.image = image(path, o.value(QLatin1String("image")).toString(), warnings);
        set.imageWidth = intField(o, "imagewidth");
        set.imageHeight = intField(o, "imageheight");
    }
    for (const QJsonValue& t : o.value(QLatin1String("tiles")).toArray()) {
        const QJsonObject tile = t.toObject();
        MapTilesetTile entry;
        entry.id = intField(tile, "id", -1);
        if (tile.contains(QLatin1String("image"))) {
            entry.image = image(path, tile.value(QLatin1String("image")).toString(), warnings);
            entry.imageWidth = intField(tile, "imagewidth");
            entry.imageHeight = intField(tile, "imageheight");
        }
        entry.properties = properties(tile.value(QLatin1String("properties")));
        set.tiles.push_back(std::move(entry));
    }
    return {};
}

QString TmjReader::layers(const QJsonArray& list, const QString& wanted, TileMap& map) {
    for (const QJsonValue& value : list) {
        const QJsonObject o = value.toObject();
        const QString type = o.value(QLatin1String("type")).toString();
        const QString name = o.value(QLatin1String("name")).toString();
        if (type != QLatin1String("tilelayer")) {
            map.otherLayers << name;
        }
        if (type == QLatin1String("group")) {
            if (QString problem = layers(o.value(QLatin1String("layers")).toArray(), wanted, map); !problem.isEmpty()) {
                return problem;
            }
        } else if (type == QLatin1String("objectgroup")) {
            for (const QJsonValue& object : o.value(QLatin1String("objects")).toArray()) {
                const QJsonObject item = object.toObject();
                const double gid = item.value(QLatin1String("gid")).toDouble();
                if (gid >= 1 && gid <= 4294967295.0 && map.tileObjects.size() < TileMap::MaxTileObjects) {
                    map.tileObjects.push_back({static_cast<uint32_t>(gid), item.value(QLatin1String("x")).toDouble(),
                                               item.value(QLatin1String("y")).toDouble()});
                }
            }
        } else if (type == QLatin1String("tilelayer")) {
            map.tileLayers << name;
            if (map.layer.isNull() && (wanted.isEmpty() || wanted == name)) {
                map.layer = name;
                if (QString problem = tileLayer(o, map); !problem.isEmpty()) {
                    return problem;
                }
            }
        }
    }
    return {};
}

QString TmjReader::tileLayer(const QJsonObject& o, TileMap& map) {
    map.place(0, 0, 0, 0, nullptr);
    if (map.infinite || o.contains(QLatin1String("chunks"))) {
        for (const QJsonValue& value : o.value(QLatin1String("chunks")).toArray()) {
            const QJsonObject chunk = value.toObject();
            const int w = intField(chunk, "width");
            const int h = intField(chunk, "height");
            if (w < 1 || h < 1 || w > TileMap::MaxSide || h > TileMap::MaxSide) {
                return QStringLiteral("layer \"%1\" has a chunk of %2 x %3 cells").arg(map.layer).arg(w).arg(h);
            }
            if (QString problem = block(chunk, o, intField(chunk, "x"), intField(chunk, "y"), w, h, map);
                !problem.isEmpty()) {
                return problem;
            }
        }
        return {};
    }
    const int w = intField(o, "width", map.width);
    const int h = intField(o, "height", map.height);
    if (w < 1 || h < 1 || w > TileMap::MaxSide || h > TileMap::MaxSide) {
        return QStringLiteral("layer \"%1\" is %2 x %3 cells; a level holds 1 to %4 cells each way")
            .arg(map.layer)
            .arg(w)
            .arg(h)
            .arg(TileMap::MaxSide);
    }
    return block(o, o, 0, 0, w, h, map);
}

QString TmjReader::block(const QJsonObject& o, const QJsonObject& layer, qint64 x, qint64 y, int w, int h,
                         TileMap& map) {
    const QJsonValue data = o.value(QLatin1String("data"));
    const int count = w * h;
    std::vector<uint32_t> ids(static_cast<size_t>(count), 0);
    if (data.isArray()) {
        const QJsonArray list = data.toArray();
        if (list.size() != count) {
            return QStringLiteral("layer \"%1\" lists %2 tiles for its %3 cells")
                .arg(map.layer)
                .arg(list.size())
                .arg(count);
        }
        for (int i = 0; i < count; ++i) {
            const double v = list.at(i).toDouble(-1);
            if (v < 0 || v > 4294967295.0 || v != static_cast<double>(static_cast<uint32_t>(v))) {
                return QStringLiteral("layer \"%1\" holds a value that is no tile id at place %2 of its data")
                    .arg(map.layer)
                    .arg(i);
            }
            ids[static_cast<size_t>(i)] = static_cast<uint32_t>(v);
        }
    } else {
        const QString encodingName = layer.value(QLatin1String("encoding")).toString(QStringLiteral("csv"));
        const QString compression = layer.value(QLatin1String("compression")).toString();
        const auto encoding = LayerCodec::fromAttributes(encodingName, compression);
        if (!encoding || *encoding == TileMapFormat::Encoding::Csv) {
            return QStringLiteral("layer \"%1\" has data encoded as \"%2\"%3, which is not read")
                .arg(map.layer, encodingName,
                     compression.isEmpty() ? QString() : QStringLiteral(" compressed with \"%1\"").arg(compression));
        }
        if (QString problem = LayerCodec::decode(data.toString().toLatin1(), *encoding, ids.data(), count);
            !problem.isEmpty()) {
            return QStringLiteral("layer \"%1\": %2").arg(map.layer, problem);
        }
    }
    return map.place(x, y, w, h, ids.data());
}
