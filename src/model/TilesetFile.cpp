#include "model/TilesetFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "model/FileAccess.h"
#include "model/Level.h"
#include "model/LevelObserver.h"

const char* const TilesetFile::depthMessage = "Tilesets are required to have 8-bit or 24-bit color depth!";

namespace {

QString shown(const QString& filename) {
    return QDir::toNativeSeparators(filename);
}

void announce(Level& level) {
    level.markChanged();
    if (level.observer()) {
        level.observer()->tilesetChanged(!level.usingDefaultTileset());
    }
    level.redrawView();
}

}  // namespace

QString TilesetFile::importTileset(Level& level, const QString& filename) {
    QFile file;
    qint64 size = 0;
    if (const QString refused = FileAccess::openRegular(file, filename, size); !refused.isEmpty()) {
        return QStringLiteral("\"%1\" %2.").arg(shown(filename), refused);
    }
    const QByteArray headers = file.peek(TilesetBlock::HeaderLength);
    if (headers.size() < 2 || headers[0] != 'B' || headers[1] != 'M') {
        return QStringLiteral(
                   "\"%1\" holds no tileset: a tileset must be a Windows bitmap (.bmp) or a level "
                   "that carries one.")
            .arg(shown(filename));
    }
    const auto problem = TilesetBlock::check(headers, size);
    if (problem == TilesetBlock::Problem::LowDepth) {
        return QString::fromLatin1(depthMessage);
    }
    if (problem != TilesetBlock::Problem::None) {
        return QStringLiteral("\"%1\" is damaged: %2.")
            .arg(shown(filename), TilesetBlock::describe(problem, headers, size));
    }
    const QByteArray bytes = file.read(TilesetBlock::bfSize(headers));
    if (bytes.size() != static_cast<qsizetype>(TilesetBlock::bfSize(headers))) {
        return QStringLiteral("Could not read \"%1\": %2.").arg(shown(filename), file.errorString());
    }
    // The picture is checked before the level takes anything, so a refused file changes nothing.
    Tileset picture;
    if (const QString problem = picture.initTileset(bytes); !problem.isEmpty()) {
        return QStringLiteral("\"%1\" cannot be used as a tileset: %2.").arg(shown(filename), problem);
    }
    picture.setZoom(level.tileset().zoom());
    level.tilesetBlock().setBytes(bytes);
    level.tileset() = picture;
    level.setUsingDefaultTileset(false);
    announce(level);
    return {};
}

QString TilesetFile::exportTileset(const Level& level, const QString& filename) {
    if (level.usingDefaultTileset()) {
        return QStringLiteral("This level has no tileset of its own to export.");
    }
    QSaveFile file(filename);
    const QByteArray& bytes = level.tilesetBlock().bytes();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return QStringLiteral("Could not write \"%1\": %2.")
            .arg(shown(filename), FileAccess::inWords(file.errorString()));
    }
    if (!FileAccess::writeAll(file, bytes.constData(), bytes.size())) {
        const QString reason = FileAccess::writeFailure(file);
        file.cancelWriting();
        return QStringLiteral("Could not write \"%1\": %2.").arg(shown(filename), reason);
    }
    if (!file.commit()) {
        return QStringLiteral("Could not write \"%1\": %2.")
            .arg(shown(filename), FileAccess::inWords(file.errorString()));
    }
    return {};
}

void TilesetFile::discardTileset(Level& level) {
    level.setUsingDefaultTileset(true);
    level.tileset().initTileset({});
    announce(level);
}
