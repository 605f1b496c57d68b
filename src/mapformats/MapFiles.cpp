#include "mapformats/MapFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "mapformats/TileMap.h"
#include "model/FileAccess.h"

namespace MapFiles {

QString besideMap(const QString& mapPath, const QString& reference, QString& why) {
    // A bare file name only: no folder part, no drive or scheme ("http:", "c:"), nothing absolute.
    if (reference.isEmpty() || reference.contains(QLatin1Char('/')) || reference.contains(QLatin1Char('\\')) ||
        reference.contains(QLatin1Char(':')) || reference == QLatin1String("..") || reference == QLatin1String(".")) {
        why = QStringLiteral("is not a file beside the map; only files in the map's own folder are read");
        return {};
    }
    return QFileInfo(mapPath).absoluteDir().filePath(reference);
}

QString read(const QString& path, QByteArray& bytes) {
    QFile file;
    qint64 size = 0;
    if (const QString refused = FileAccess::openRegular(file, path, size); !refused.isEmpty()) {
        return refused;
    }
    if (size > TileMapFormat::MaxFileBytes) {
        return QStringLiteral("is %1 MiB, more than a map of a level can be").arg(size / (1024 * 1024));
    }
    bytes = file.read(size);
    if (bytes.size() != size) {
        return QStringLiteral("cannot be read: %1").arg(FileAccess::inWords(file.errorString()));
    }
    return {};
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

}  // namespace MapFiles
