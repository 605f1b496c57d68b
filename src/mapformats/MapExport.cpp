#include "mapformats/MapExport.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "mapformats/ExportedMap.h"
#include "mapformats/MapFiles.h"
#include "mapformats/SpecialTilePictures.h"
#include "mapformats/TmjWriter.h"
#include "mapformats/TmxWriter.h"
#include "model/FileAccess.h"
#include "model/Level.h"
#include "view/PngWriter.h"

namespace {

QString cannot(const QString& path, const QString& why) {
    return QStringLiteral("Could not write \"%1\": %2.").arg(MapFiles::shown(path), why);
}

QString writePicture(const QImage& picture, const QString& path) {
    const QString error = PngWriter::write(picture.convertToFormat(QImage::Format_RGB32), path);
    return error.isEmpty() ? QString() : cannot(path, FileAccess::inWords(error));
}

}  // namespace

bool MapExport::isJsonName(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("tmj") || suffix == QLatin1String("json");
}

QByteArray MapExport::text(const Level& level, const QString& path, TileMapFormat::Encoding encoding) {
    const ExportedMap map = ExportedMap::fromLevel(level, QFileInfo(path).completeBaseName());
    return isJsonName(path) ? TmjWriter::write(map, encoding) : TmxWriter::write(map, encoding);
}

QString MapExport::write(const Level& level, const QString& path, TileMapFormat::Encoding encoding) {
    const QFileInfo target(path);
    if (target.isDir()) {
        return cannot(path, QStringLiteral("it is a folder"));
    }
    const QDir folder = target.absoluteDir();
    const QString base = target.completeBaseName();
    // The pictures first: a map never names a picture that is not there.
    if (QString error = writePicture(MapTilePictures::exported(level.tileset().tilesetPicture()),
                                     folder.filePath(base + QStringLiteral(".png")));
        !error.isEmpty()) {
        return error;
    }
    for (const int16_t tile : SpecialTilePictures::tiles) {
        if (QString error = writePicture(SpecialTilePictures::picture(tile),
                                         folder.filePath(QStringLiteral("%1-%2.png").arg(base).arg(tile)));
            !error.isEmpty()) {
            return error;
        }
    }
    const QByteArray bytes = text(level, path, encoding);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return cannot(path, FileAccess::inWords(file.errorString()));
    }
    if (!FileAccess::writeAll(file, bytes.constData(), bytes.size())) {
        const QString reason = FileAccess::writeFailure(file);
        file.cancelWriting();
        return cannot(path, reason);
    }
    if (!file.commit()) {
        return cannot(path, FileAccess::inWords(file.errorString()));
    }
    return {};
}
