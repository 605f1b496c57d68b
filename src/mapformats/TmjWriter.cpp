#include "mapformats/TmjWriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "mapformats/ExportedMap.h"
#include "mapformats/LayerCodec.h"
#include "mapformats/SpecialTilePictures.h"

namespace {

using namespace TileMapFormat;

QJsonArray properties(const QString& name, const QString& type, const QJsonValue& value) {
    return {
        QJsonObject{{QStringLiteral("name"), name}, {QStringLiteral("type"), type}, {QStringLiteral("value"), value}}};
}

QJsonArray tilesets(const ExportedMap& map) {
    constexpr int T = 16;
    QJsonObject pictures{
        {QStringLiteral("firstgid"), 1},
        {QStringLiteral("name"), map.name},
        {QStringLiteral("tilewidth"), T},
        {QStringLiteral("tileheight"), T},
        {QStringLiteral("tilecount"), MapTilePictures::TileCount},
        {QStringLiteral("columns"), MapTilePictures::Columns},
        {QStringLiteral("margin"), 0},
        {QStringLiteral("spacing"), 0},
        {QStringLiteral("image"), map.picture},
        {QStringLiteral("imagewidth"), MapTilePictures::Columns * T},
        {QStringLiteral("imageheight"), MapTilePictures::Rows * T},
        {QStringLiteral("properties"), map.defaultTileset
                                           ? properties(DefaultTilesetProperty, QStringLiteral("bool"), true)
                                           : properties(TilesetBitmapProperty, QStringLiteral("string"),
                                                        QString::fromLatin1(map.tilesetBitmapBase64))},
    };
    QJsonArray tiles;
    for (size_t i = 0; i < SpecialTilePictures::tiles.size(); ++i) {
        const int16_t tile = SpecialTilePictures::tiles[i];
        tiles.append(QJsonObject{
            {QStringLiteral("id"), static_cast<int>(i)},
            {QStringLiteral("image"), map.specialPictures[i]},
            {QStringLiteral("imagewidth"), ExportedMap::specialSide(tile)},
            {QStringLiteral("imageheight"), ExportedMap::specialSide(tile)},
            {QStringLiteral("properties"), properties(SpecialTileProperty, QStringLiteral("int"), tile)},
        });
    }
    QJsonObject special{
        {QStringLiteral("firstgid"), static_cast<int>(ExportedMap::SpecialFirstGid)},
        {QStringLiteral("name"), QStringLiteral("special tiles")},
        {QStringLiteral("tilewidth"), ExportedMap::specialSide(219)},
        {QStringLiteral("tileheight"), ExportedMap::specialSide(219)},
        {QStringLiteral("tilecount"), static_cast<int>(SpecialTilePictures::tiles.size())},
        {QStringLiteral("columns"), 0},
        {QStringLiteral("margin"), 0},
        {QStringLiteral("spacing"), 0},
        {QStringLiteral("grid"), QJsonObject{{QStringLiteral("orientation"), QStringLiteral("orthogonal")},
                                             {QStringLiteral("width"), 1},
                                             {QStringLiteral("height"), 1}}},
        {QStringLiteral("tiles"), tiles},
    };
    return {pictures, special};
}

QJsonObject edgeLayer(const ExportedMap& map) {
    QJsonArray objects;
    int id = 1;
    for (const ExportedMap::EdgeObject& o : map.edgeObjects) {
        const int side = ExportedMap::specialSide(o.tile);
        objects.append(QJsonObject{
            {QStringLiteral("id"), id++},
            {QStringLiteral("gid"), static_cast<qint64>(ExportedMap::specialGid(o.tile))},
            {QStringLiteral("x"), o.x * 16},
            {QStringLiteral("y"), o.bottom * 16},
            {QStringLiteral("width"), side},
            {QStringLiteral("height"), side},
            {QStringLiteral("name"), QString()},
            {QStringLiteral("type"), QString()},
            {QStringLiteral("rotation"), 0},
            {QStringLiteral("visible"), true},
        });
    }
    return {
        {QStringLiteral("type"), QStringLiteral("objectgroup")},
        {QStringLiteral("id"), 2},
        {QStringLiteral("name"), TileMapFormat::EdgeLayerName},
        {QStringLiteral("draworder"), QStringLiteral("topdown")},
        {QStringLiteral("objects"), objects},
        {QStringLiteral("opacity"), 1},
        {QStringLiteral("visible"), true},
        {QStringLiteral("x"), 0},
        {QStringLiteral("y"), 0},
    };
}

}  // namespace

namespace TmjWriter {

QByteArray write(const ExportedMap& map, Encoding encoding) {
    // The cells are written as text of their own and put in the place of this marker, which is faster by
    // far than a JSON array of a million values.
    static const QString marker = QStringLiteral("@@quarn-layer-data@@");
    QJsonObject layer{
        {QStringLiteral("type"), QStringLiteral("tilelayer")},
        {QStringLiteral("id"), 1},
        {QStringLiteral("name"), map.name},
        {QStringLiteral("width"), ExportedMap::Size},
        {QStringLiteral("height"), ExportedMap::Size},
        {QStringLiteral("x"), 0},
        {QStringLiteral("y"), 0},
        {QStringLiteral("opacity"), 1},
        {QStringLiteral("visible"), true},
        {QStringLiteral("data"), marker},
    };
    if (encoding != Encoding::Csv) {
        layer.insert(QStringLiteral("encoding"), LayerCodec::encodingName(encoding));
        layer.insert(QStringLiteral("compression"), LayerCodec::compressionName(encoding));
    }
    QJsonArray layers{layer};
    if (!map.edgeObjects.empty()) {
        layers.append(edgeLayer(map));
    }
    const QJsonObject root{
        {QStringLiteral("type"), QStringLiteral("map")},
        {QStringLiteral("version"), QStringLiteral("1.8")},
        {QStringLiteral("orientation"), QStringLiteral("orthogonal")},
        {QStringLiteral("renderorder"), QStringLiteral("right-down")},
        {QStringLiteral("width"), ExportedMap::Size},
        {QStringLiteral("height"), ExportedMap::Size},
        {QStringLiteral("tilewidth"), 16},
        {QStringLiteral("tileheight"), 16},
        {QStringLiteral("infinite"), false},
        {QStringLiteral("nextlayerid"), 3},
        {QStringLiteral("nextobjectid"), static_cast<int>(map.edgeObjects.size()) + 1},
        {QStringLiteral("properties"), properties(VersionProperty, QStringLiteral("int"), Version)},
        {QStringLiteral("tilesets"), tilesets(map)},
        {QStringLiteral("layers"), layers},
    };
    QByteArray text = QJsonDocument(root).toJson(QJsonDocument::Indented);
    const QByteArray data =
        LayerCodec::encode(map.gids.data(), static_cast<int>(map.gids.size()), ExportedMap::Size, encoding);
    const QByteArray quoted = '"' + marker.toLatin1() + '"';
    const qsizetype at = text.indexOf(quoted);
    text.replace(at, quoted.size(), encoding == Encoding::Csv ? '[' + data + ']' : '"' + data + '"');
    return text;
}

}  // namespace TmjWriter
