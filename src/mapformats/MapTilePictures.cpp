#include "mapformats/MapTilePictures.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

#include "mapformats/IndexedBitmap.h"
#include "mapformats/MapFiles.h"
#include "mapformats/TileMap.h"
#include "model/Level.h"
#include "model/LevelObserver.h"
#include "model/TilesetBlock.h"

namespace {

constexpr int T = Tileset::TileSize;

bool holdsPictures(const MapTileset& set) {
    return !set.isCollection() && set.tileWidth == T && set.tileHeight == T && !set.image.isEmpty();
}

// The block our own export recorded, when the map's picture still shows exactly it.
std::optional<QByteArray> recordedBlock(const MapTileset& set, const QImage& picture) {
    using namespace TileMapFormat;
    std::optional<QByteArray> block;
    if (set.properties.value(DefaultTilesetProperty) == QLatin1String("true")) {
        block = QByteArray();
    } else if (set.properties.contains(TilesetBitmapProperty)) {
        const QString text = set.properties.value(TilesetBitmapProperty);
        if (text.size() > TilesetBlock::MaximumLength / 3 * 4 + 4) {
            return std::nullopt;
        }
        const auto bytes = QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        if (!bytes || bytes.decoded.size() < TilesetBlock::HeaderLength ||
            TilesetBlock::check(*bytes, bytes.decoded.size()) != TilesetBlock::Problem::None) {
            return std::nullopt;
        }
        block = *bytes;
    } else {
        return std::nullopt;
    }
    Tileset recorded;
    if (!recorded.initTileset(*block).isEmpty()) {
        return std::nullopt;
    }
    // A picture changed in another editor wins over what was recorded.
    if (!picture.isNull() &&
        MapTilePictures::exported(recorded.tilesetPicture()) != picture.convertToFormat(QImage::Format_RGB32)) {
        return std::nullopt;
    }
    return block;
}

void take(Level& level, const QByteArray& block) {
    level.setUsingDefaultTileset(block.isEmpty());
    level.tilesetBlock().setBytes(block);
    level.tileset().initTileset(block);
    if (level.observer()) {
        level.observer()->tilesetChanged(!level.usingDefaultTileset());
    }
}

}  // namespace

namespace MapTilePictures {

QImage exported(const QImage& tilesetPicture) {
    QImage picture(Columns * T, Rows * T, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter p(&picture);
    p.drawImage(0, 0, tilesetPicture);
    p.end();
    return picture;
}

QImage load(const QString& path, QString& why) {
    QByteArray bytes;
    if (why = MapFiles::read(path, bytes); !why.isEmpty()) {
        return {};
    }
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    // A tileset picture has a few hundred tiles; a claim of more than 16 million pixels is no tileset.
    if (!size.isValid() || size.width() > 8192 || size.height() > 8192 ||
        qint64{size.width()} * size.height() > qint64{16} << 20) {
        why = size.isValid()
                  ? QStringLiteral("is %1 x %2 pixels, too large for a tileset").arg(size.width()).arg(size.height())
                  : QStringLiteral("is not a picture this program reads");
        return {};
    }
    QImage image = reader.read();
    if (image.isNull()) {
        why = QStringLiteral("cannot be decoded: %1").arg(reader.errorString());
    }
    return image;
}

void apply(const TileMap& map, Level& level, QStringList& warnings) {
    QImage composed(Columns * T, Rows * T, QImage::Format_RGB32);
    composed.fill(Qt::black);
    int lastTile = 0;
    QStringList sources;
    for (const MapTileset& set : map.tilesets) {
        if (!holdsPictures(set) || set.firstGid > 255) {
            continue;
        }
        QString why;
        const QImage picture = load(set.image, why);
        if (map.isOwn()) {
            if (const auto block = recordedBlock(set, picture)) {
                take(level, *block);
                return;
            }
        }
        if (picture.isNull()) {
            warnings << QStringLiteral("The picture \"%1\" of tileset \"%2\" %3; its tiles have no picture.")
                            .arg(MapFiles::shown(set.image), set.name, why);
            continue;
        }
        const int step = T + std::max(0, set.spacing);
        const int columns =
            set.columns > 0 ? set.columns : std::max(0, (picture.width() - set.margin + set.spacing) / step);
        const int count =
            set.tileCount > 0 ? set.tileCount : columns * ((picture.height() - set.margin + set.spacing) / step);
        sources << MapFiles::shown(set.image);
        QPainter p(&composed);
        for (int id = 0; id < count && columns > 0 && set.firstGid + static_cast<uint32_t>(id) <= 255; ++id) {
            const int tile = static_cast<int>(set.firstGid) + id;
            const QRect from(set.margin + id % columns * step, set.margin + id / columns * step, T, T);
            p.drawImage(Tileset::tileSource(tile, T).topLeft(), picture, from);
            lastTile = std::max(lastTile, tile);
        }
    }
    if (lastTile == 0) {
        take(level, {});
        return;
    }
    bool reduced = false;
    const int rows = (lastTile + Columns - 1) / Columns;
    take(level, IndexedBitmap::encode(composed.copy(0, 0, Columns * T, rows * T), &reduced));
    if (reduced) {
        warnings << QStringLiteral("The tile pictures in \"%1\" have more than 256 colours; they were reduced to 256.")
                        .arg(sources.join(QStringLiteral("\", \"")));
    }
}

}  // namespace MapTilePictures
