#include "model/TilesetFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>

#include "model/Level.h"
#include "model/LevelObserver.h"

const char* const TilesetFile::depthMessage = "Tilesets are required to have 8-bit or 24-bit color depth!";

namespace {

QString shown(const QString& filename) {
    return QDir::toNativeSeparators(filename);
}

void announce(Level& level) {
    level.mapchanged = true;
    if (level.observer()) {
        level.observer()->tilesetChanged(!level.usingDefaultTileset);
    }
    level.UpdateLevel();
}

}  // namespace

QString TilesetFile::ImportTileset(Level& level, const QString& filename) {
    if (QFileInfo(filename).isDir()) {
        return QStringLiteral("\"%1\" is a folder, not a tileset.").arg(shown(filename));
    }
    QFile file(filename);
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("Could not open \"%1\": %2.").arg(shown(filename), file.errorString());
    }
    const QByteArray headers = file.peek(TilesetBlock::HeaderLength);
    if (headers.size() < 2 || headers[0] != 'B' || headers[1] != 'M') {
        return QStringLiteral(
                   "\"%1\" holds no tileset: a tileset must be a Windows bitmap (.bmp) or a level "
                   "that carries one.")
            .arg(shown(filename));
    }
    const auto problem = TilesetBlock::check(headers, file.size());
    if (problem == TilesetBlock::Problem::LowDepth) {
        return QString::fromLatin1(depthMessage);
    }
    if (problem != TilesetBlock::Problem::None) {
        return QStringLiteral("\"%1\" is damaged: %2.")
            .arg(shown(filename), TilesetBlock::describe(problem, headers, file.size()));
    }
    const QByteArray bytes = file.read(TilesetBlock::bfSize(headers));
    if (bytes.size() != static_cast<qsizetype>(TilesetBlock::bfSize(headers))) {
        return QStringLiteral("Could not read \"%1\": %2.").arg(shown(filename), file.errorString());
    }
    if (QImage::fromData(bytes, "BMP").isNull()) {
        return QStringLiteral("\"%1\" is not a bitmap this program can show.").arg(shown(filename));
    }
    level.tilesetBlock.bytes = bytes;
    level.tileset.InitTileset(bytes);
    level.usingDefaultTileset = false;
    announce(level);
    return {};
}

QString TilesetFile::ExportTileset(const Level& level, const QString& filename) {
    if (level.usingDefaultTileset) {
        return QStringLiteral("This level has no tileset of its own to export.");
    }
    QSaveFile file(filename);
    if (!file.open(QIODevice::WriteOnly) || file.write(level.tilesetBlock.bytes) != level.tilesetBlock.bytes.size() ||
        !file.commit()) {
        return QStringLiteral("Could not write \"%1\": %2.").arg(shown(filename), file.errorString());
    }
    return {};
}

void TilesetFile::DiscardTileset(Level& level) {
    level.usingDefaultTileset = true;
    level.tileset.InitTileset({});
    announce(level);
}
