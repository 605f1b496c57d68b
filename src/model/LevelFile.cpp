#include "model/LevelFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <array>

#include "model/CellRecord.h"
#include "model/Level.h"
#include "model/LevelObserver.h"

const char* const LevelFile::invalidTilesetMessage = "Invalid tileset within lvl file!";

namespace {

QString shown(const QString& filename) {
    return QDir::toNativeSeparators(filename);
}

LoadReport failure(const QString& filename, const QString& reason) {
    LoadReport report;
    report.outcome = LoadReport::Outcome::Failed;
    report.message = QStringLiteral("Could not open \"%1\": %2.").arg(shown(filename), reason);
    return report;
}

// Streams the records in bounded chunks, so a huge file costs time, never memory.
void readRecords(QFile& file, Level& level, LoadReport& report) {
    constexpr qint64 chunkRecords = 64 * 1024;
    std::array<uint8_t, chunkRecords * 4> buffer{};
    qint64 carried = 0;
    for (;;) {
        const qint64 got =
            file.read(reinterpret_cast<char*>(buffer.data()) + carried, static_cast<qint64>(buffer.size()) - carried);
        if (got <= 0) {
            break;
        }
        const qint64 total = carried + got;
        const qint64 whole = total / 4;
        for (qint64 i = 0; i < whole; ++i) {
            const auto r = CellRecord::unpack(CellRecord::load(buffer.data() + i * 4));
            if (r.column >= Level::Size || r.row >= Level::Size) {
                ++report.skipped;
                continue;
            }
            const auto x = static_cast<int16_t>(r.column);
            const auto y = static_cast<int16_t>(r.row);
            if (r.tile != 0 && level.getTile(x, y) == 0) {
                level.putTile(x, y, static_cast<int16_t>(r.tile));
                ++report.kept;
            }
        }
        report.records += whole;
        carried = total - whole * 4;
        std::copy(buffer.begin() + whole * 4, buffer.begin() + total, buffer.begin());
    }
    if (carried != 0) {
        ++report.skipped;
    }
}

}  // namespace

LoadReport LevelFile::OpenMap(Level& level, const QString& filename) {
    const QFileInfo info(filename);
    if (info.isDir()) {
        return failure(filename, QStringLiteral("it is a folder, not a level file"));
    }
    QFile file(filename);
    if (!file.open(QIODevice::ReadOnly)) {
        return failure(filename, file.errorString());
    }
    const qint64 size = file.size();
    const QByteArray start = file.peek(TilesetBlock::HeaderLength);
    const bool hasBlock = start.size() >= 2 && start[0] == 'B' && start[1] == 'M';
    TilesetBlock block;
    if (hasBlock) {
        const auto problem = TilesetBlock::check(start, size);
        if (problem == TilesetBlock::Problem::LowDepth) {
            LoadReport report;
            report.outcome = LoadReport::Outcome::InvalidTileset;
            report.message = QString::fromLatin1(invalidTilesetMessage);
            return report;
        }
        if (problem != TilesetBlock::Problem::None) {
            return failure(filename, TilesetBlock::describe(problem, start, size));
        }
        block.bytes = file.read(TilesetBlock::bfSize(start));
        if (block.bytes.size() != static_cast<qsizetype>(TilesetBlock::bfSize(start))) {
            return failure(filename, file.errorString());
        }
    }

    level.usingDefaultTileset = !hasBlock;
    level.tilesetBlock = block;
    const bool pictureDecoded = level.tileset.InitTileset(block.bytes);

    LoadReport report;
    readRecords(file, level, report);
    if (file.error() != QFileDevice::NoError) {
        report.message =
            QStringLiteral("\"%1\" could not be read to its end: %2.").arg(shown(filename), file.errorString());
    }
    level.completeAfterLoad();
    level.activeFile = filename;
    level.mapchanged = false;

    QStringList notes;
    if (!report.message.isEmpty()) {
        notes << report.message;
    }
    if (report.skipped > 0) {
        notes << QStringLiteral(
                     "\"%1\" is damaged: %2 record(s) lay outside the 1024 x 1024 grid or were cut off "
                     "and were skipped; %3 cell(s) were read.")
                     .arg(shown(filename))
                     .arg(report.skipped)
                     .arg(report.kept);
    }
    if (!pictureDecoded) {
        notes << QStringLiteral(
                     "The tileset inside \"%1\" is not a picture this program can show; the default tileset "
                     "is shown instead, and the file's own tileset is kept and saved unchanged.")
                     .arg(shown(filename));
    }
    report.message = notes.join(QLatin1Char('\n'));
    if (level.observer()) {
        level.observer()->tilesetChanged(!level.usingDefaultTileset);
    }
    return report;
}

QByteArray LevelFile::encodeRecords(const Level& level) {
    QByteArray out;
    const int16_t* cells = level.cells();
    qsizetype used = 0;
    for (int i = 0; i < Level::Size * Level::Size; ++i) {
        used += (cells[i] != 0 && cells[i] != -1) ? 1 : 0;
    }
    out.resize(used * 4);
    auto* p = reinterpret_cast<uint8_t*>(out.data());
    for (int y = 0; y < Level::Size; ++y) {
        const int16_t* row = cells + y * Level::Size;
        for (int x = 0; x < Level::Size; ++x) {
            if (row[x] != 0 && row[x] != -1) {
                CellRecord::store(p, CellRecord::pack(x, y, row[x]));
                p += 4;
            }
        }
    }
    return out;
}

QString LevelFile::SaveMap(Level& level, const QString& filename) {
    if (QFileInfo(filename).isDir()) {
        return QStringLiteral("\"%1\" is a folder.").arg(shown(filename));
    }
    QSaveFile file(filename);
    if (!file.open(QIODevice::WriteOnly)) {
        return QStringLiteral("Could not write \"%1\": %2.").arg(shown(filename), file.errorString());
    }
    if (!level.usingDefaultTileset) {
        file.write(level.tilesetBlock.bytes);
    }
    file.write(encodeRecords(level));
    if (file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return QStringLiteral("Could not write \"%1\": %2.").arg(shown(filename), reason);
    }
    // The previous file is copied, not moved, to the backup: until the new content is in place
    // the level's own name always holds a complete file.
    if (QFileInfo::exists(filename)) {
        const QString backup = filename + QStringLiteral(".bak");
        QFile::remove(backup);
        QFile previous(filename);
        if (!previous.copy(backup)) {
            file.cancelWriting();
            return QStringLiteral("Could not keep the previous version of \"%1\" as \"%2\": %3.")
                .arg(shown(filename), shown(backup), previous.errorString());
        }
    }
    if (!file.commit()) {
        return QStringLiteral("Could not write \"%1\": %2.").arg(shown(filename), file.errorString());
    }
    level.mapchanged = false;
    return {};
}

void LevelFile::NewMap(Level& level) {
    level.usingDefaultTileset = true;
    level.tileset.InitTileset({});
    level.mapchanged = false;
    level.activeFile.clear();
    if (level.observer()) {
        level.observer()->tilesetChanged(false);
    }
}
