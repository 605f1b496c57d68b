#include "model/Tileset.h"

#include <QFile>
#include <QPainter>
#include <algorithm>

#include "model/FileAccess.h"
#include "model/ProgramFolders.h"
#include "model/TilesetBlock.h"
#include "model/TilesetPicture.h"

namespace {

QImage loadResource(const char* name) {
    QImage image(QString::fromLatin1(name));
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

Tileset::Tileset() {
    initTileset({});
}

const QImage& Tileset::extraTiles() {
    static const QImage strip = loadResource(":/quarn/extratiles.png");
    return strip;
}

const QImage& Tileset::specialTiles() {
    static const QImage special = loadResource(":/quarn/picspecial.png");
    return special;
}

QString Tileset::defaultTilesetPath() {
    return ProgramFolders::dataFile(QStringLiteral("default.bmp"));
}

QByteArray Tileset::defaultTilesetBytes() {
    // Every new level starts with the default tileset, so it is read from disk once per path.
    static QString cachedPath;
    static QByteArray cached;
    if (cachedPath == defaultTilesetPath() && !cached.isEmpty()) {
        return cached;
    }
    cachedPath = defaultTilesetPath();
    cached = readDefaultTileset();
    return cached;
}

QByteArray Tileset::readDefaultTileset() {
    QFile file;
    qint64 size = 0;
    if (FileAccess::openRegular(file, defaultTilesetPath(), size).isEmpty() && size <= TilesetBlock::MaximumLength) {
        QByteArray bytes = file.read(size);
        if (!TilesetPicture::decode(bytes).isNull()) {
            return bytes;
        }
    }
    QFile builtIn(QStringLiteral(":/quarn/default.bmp"));
    builtIn.open(QIODevice::ReadOnly);
    return builtIn.readAll();
}

QImage Tileset::defaultPicture() {
    // Decoded once per path: every new level and every discard starts from it, and QImage copies
    // share the pixels until written.
    static QString decodedPath;
    static QImage decoded;
    if (decoded.isNull() || decodedPath != defaultTilesetPath()) {
        decoded = TilesetPicture::decode(defaultTilesetBytes());
        decodedPath = defaultTilesetPath();
    }
    return decoded;
}

QString Tileset::initTileset(const QByteArray& bmp) {
    QImage loaded = bmp.isEmpty() ? defaultPicture() : TilesetPicture::decode(bmp);
    QString problem;
    if (loaded.isNull()) {
        problem = TilesetPicture::problem(bmp);
        if (problem.isEmpty()) {
            problem = QStringLiteral("its pixels cannot be decoded");
        }
        loaded = defaultPicture();
    }
    const QImage& strip = extraTiles();
    picture = QImage(loaded.width(), loaded.height() + strip.height(), QImage::Format_RGB32);
    picture.fill(Qt::black);
    {
        QPainter p(&picture);
        p.drawImage(0, 0, loaded);
        p.drawImage(0, loaded.height(), strip);
    }
    setZoom(zoomFactor);
    return problem;
}

void Tileset::setZoom(float zoom) {
    zoomFactor = zoom;
    if (zoom < 0.25f && !zoomed.isNull()) {
        return;
    }
    zoom = std::max(zoom, 0.25f);
    const int w = qRound(picture.width() * zoom);
    const int h = qRound(picture.height() * zoom);
    // Shrinking averages pixels so small tiles keep their colour; growing keeps the pixel art sharp.
    zoomed =
        picture.scaled(w, h, Qt::IgnoreAspectRatio, zoom < 1.0f ? Qt::SmoothTransformation : Qt::FastTransformation)
            .convertToFormat(QImage::Format_RGB32);
}

QRect Tileset::tileSource(int n, int t) {
    return {t * ((n - 1) % TilesPerRow), t * ((n - 1) / TilesPerRow), t, t};
}
