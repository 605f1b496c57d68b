#include "mapformats/TmxWriter.h"

#include <QBuffer>
#include <QXmlStreamWriter>

#include "mapformats/ExportedMap.h"
#include "mapformats/LayerCodec.h"
#include "mapformats/SpecialTilePictures.h"

namespace {

void property(QXmlStreamWriter& xml, const QString& name, const QString& type, const QString& value) {
    xml.writeEmptyElement(QStringLiteral("property"));
    xml.writeAttribute(QStringLiteral("name"), name);
    if (!type.isEmpty()) {
        xml.writeAttribute(QStringLiteral("type"), type);
    }
    xml.writeAttribute(QStringLiteral("value"), value);
}

void image(QXmlStreamWriter& xml, const QString& source, int width, int height) {
    xml.writeEmptyElement(QStringLiteral("image"));
    xml.writeAttribute(QStringLiteral("source"), source);
    xml.writeAttribute(QStringLiteral("width"), QString::number(width));
    xml.writeAttribute(QStringLiteral("height"), QString::number(height));
}

void tilesets(QXmlStreamWriter& xml, const ExportedMap& map) {
    using namespace TileMapFormat;
    constexpr int T = 16;
    xml.writeStartElement(QStringLiteral("tileset"));
    xml.writeAttribute(QStringLiteral("firstgid"), QStringLiteral("1"));
    xml.writeAttribute(QStringLiteral("name"), map.name);
    xml.writeAttribute(QStringLiteral("tilewidth"), QString::number(T));
    xml.writeAttribute(QStringLiteral("tileheight"), QString::number(T));
    xml.writeAttribute(QStringLiteral("tilecount"), QString::number(MapTilePictures::TileCount));
    xml.writeAttribute(QStringLiteral("columns"), QString::number(MapTilePictures::Columns));
    xml.writeStartElement(QStringLiteral("properties"));
    if (map.defaultTileset) {
        property(xml, DefaultTilesetProperty, QStringLiteral("bool"), QStringLiteral("true"));
    } else {
        property(xml, TilesetBitmapProperty, {}, QString::fromLatin1(map.tilesetBitmapBase64));
    }
    xml.writeEndElement();
    image(xml, map.picture, MapTilePictures::Columns * T, MapTilePictures::Rows * T);
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("tileset"));
    xml.writeAttribute(QStringLiteral("firstgid"), QString::number(ExportedMap::SpecialFirstGid));
    xml.writeAttribute(QStringLiteral("name"), QStringLiteral("special tiles"));
    xml.writeAttribute(QStringLiteral("tilewidth"), QString::number(ExportedMap::specialSide(219)));
    xml.writeAttribute(QStringLiteral("tileheight"), QString::number(ExportedMap::specialSide(219)));
    xml.writeAttribute(QStringLiteral("tilecount"), QString::number(SpecialTilePictures::tiles.size()));
    xml.writeAttribute(QStringLiteral("columns"), QStringLiteral("0"));
    xml.writeEmptyElement(QStringLiteral("grid"));
    xml.writeAttribute(QStringLiteral("orientation"), QStringLiteral("orthogonal"));
    xml.writeAttribute(QStringLiteral("width"), QStringLiteral("1"));
    xml.writeAttribute(QStringLiteral("height"), QStringLiteral("1"));
    for (size_t i = 0; i < SpecialTilePictures::tiles.size(); ++i) {
        const int16_t tile = SpecialTilePictures::tiles[i];
        xml.writeStartElement(QStringLiteral("tile"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(i));
        xml.writeStartElement(QStringLiteral("properties"));
        property(xml, SpecialTileProperty, QStringLiteral("int"), QString::number(tile));
        xml.writeEndElement();
        image(xml, map.specialPictures[i], ExportedMap::specialSide(tile), ExportedMap::specialSide(tile));
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

}  // namespace

namespace TmxWriter {

QByteArray write(const ExportedMap& map, TileMapFormat::Encoding encoding) {
    const QByteArray data =
        LayerCodec::encode(map.gids.data(), static_cast<int>(map.gids.size()), ExportedMap::Size, encoding);
    QByteArray out;
    out.reserve(data.size() + 64 * 1024 + map.tilesetBitmapBase64.size());
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter xml(&buffer);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("map"));
    const QString size = QString::number(ExportedMap::Size);
    for (const auto& [name, value] : {std::pair{"version", QStringLiteral("1.8")},
                                      {"orientation", QStringLiteral("orthogonal")},
                                      {"renderorder", QStringLiteral("right-down")},
                                      {"width", size},
                                      {"height", size},
                                      {"tilewidth", QStringLiteral("16")},
                                      {"tileheight", QStringLiteral("16")},
                                      {"infinite", QStringLiteral("0")},
                                      {"nextlayerid", QStringLiteral("3")},
                                      {"nextobjectid", QString::number(map.edgeObjects.size() + 1)}}) {
        xml.writeAttribute(QLatin1String(name), value);
    }
    xml.writeStartElement(QStringLiteral("properties"));
    property(xml, TileMapFormat::VersionProperty, QStringLiteral("int"), QString::number(TileMapFormat::Version));
    xml.writeEndElement();
    tilesets(xml, map);

    xml.writeStartElement(QStringLiteral("layer"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("1"));
    xml.writeAttribute(QStringLiteral("name"), map.name);
    xml.writeAttribute(QStringLiteral("width"), size);
    xml.writeAttribute(QStringLiteral("height"), size);
    xml.writeStartElement(QStringLiteral("data"));
    xml.writeAttribute(QStringLiteral("encoding"), LayerCodec::encodingName(encoding));
    if (const QString compression = LayerCodec::compressionName(encoding); !compression.isEmpty()) {
        xml.writeAttribute(QStringLiteral("compression"), compression);
    }
    // Digits, commas and base64 need no escaping: the megabytes of cells go out as they are.
    xml.writeCharacters(QString());
    buffer.write(data);
    xml.writeEndElement();
    xml.writeEndElement();

    if (!map.edgeObjects.empty()) {
        xml.writeStartElement(QStringLiteral("objectgroup"));
        xml.writeAttribute(QStringLiteral("id"), QStringLiteral("2"));
        xml.writeAttribute(QStringLiteral("name"), TileMapFormat::EdgeLayerName);
        int id = 1;
        for (const ExportedMap::EdgeObject& o : map.edgeObjects) {
            const int side = ExportedMap::specialSide(o.tile);
            xml.writeEmptyElement(QStringLiteral("object"));
            xml.writeAttribute(QStringLiteral("id"), QString::number(id++));
            xml.writeAttribute(QStringLiteral("gid"), QString::number(ExportedMap::specialGid(o.tile)));
            xml.writeAttribute(QStringLiteral("x"), QString::number(o.x * 16));
            xml.writeAttribute(QStringLiteral("y"), QString::number(o.bottom * 16));
            xml.writeAttribute(QStringLiteral("width"), QString::number(side));
            xml.writeAttribute(QStringLiteral("height"), QString::number(side));
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

}  // namespace TmxWriter
