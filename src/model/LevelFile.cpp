#include "model/LevelFile.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <array>

#include "model/CellRecord.h"
#include "model/FileAccess.h"
#include "model/Level.h"
#include "model/LevelObserver.h"

const char* const LevelFile::invalidTilesetMessage = "Invalid tileset within lvl file!";

namespace {

QString shown(const QString& filename) {
    return QDir::toNativeSeparators(filename);
}

LoadReport refusal(const QString& filename, const QString& words, const QString& details = {}) {
    LoadReport report;
    report.outcome = LoadReport::Outcome::Failed;
    report.message = QStringLiteral("\"%1\" %2.").arg(shown(filename), words);
    report.refusal = details.isEmpty() ? words : QStringLiteral("%1: %2").arg(words, details);
    return report;
}

LoadReport failure(const QString& filename, const QString& reason) {
    LoadReport report;
    report.outcome = LoadReport::Outcome::Failed;
    report.message = QStringLiteral("Could not open \"%1\": %2.").arg(shown(filename), reason);
    report.refusal = QStringLiteral("cannot be read: %1").arg(reason);
    return report;
}

// Text and other files that are no level still decode as records; few of them land on the grid.
QString notALevel(const LoadReport& report) {
    const qint64 records = report.records + (report.cutOffBytes > 0 ? 1 : 0);
    const qint64 onGrid = report.records - report.outsideGrid;
    if (onGrid * 2 < records) {
        return QStringLiteral("it has no tileset, and only %1 of its %2 record(s) lie on the grid")
            .arg(onGrid)
            .arg(records);
    }
    if (report.kept == 0) {
        return QStringLiteral("it has no tileset, and none of its %1 record(s) sets a cell").arg(records);
    }
    return {};
}

// Streams the records in bounded chunks, so a huge file costs time, never memory. Reading stops at
// the size the file had when it was opened, so a file that keeps growing cannot keep it going.
void readRecords(QFile& file, qint64 size, Level& level, LoadReport& report) {
    constexpr qint64 chunkRecords = 64 * 1024;
    std::array<uint8_t, chunkRecords * 4> buffer{};
    qint64 carried = 0;
    qint64 remaining = size - file.pos();
    while (remaining > 0) {
        const qint64 want = std::min(static_cast<qint64>(buffer.size()) - carried, remaining);
        const qint64 got = file.read(reinterpret_cast<char*>(buffer.data()) + carried, want);
        if (got <= 0) {
            break;
        }
        remaining -= got;
        const qint64 total = carried + got;
        const qint64 whole = total / 4;
        for (qint64 i = 0; i < whole; ++i) {
            const auto r = CellRecord::unpack(CellRecord::load(buffer.data() + i * 4));
            if (r.column >= Level::Size || r.row >= Level::Size) {
                ++report.skipped;
                ++report.outsideGrid;
                continue;
            }
            const auto x = static_cast<int16_t>(r.column);
            const auto y = static_cast<int16_t>(r.row);
            const int16_t held = level.getTile(x, y);
            if (r.tile == 0 || held == r.tile) {
                continue;
            }
            if (held == 0) {
                level.putTile(x, y, static_cast<int16_t>(r.tile));
                ++report.kept;
                continue;
            }
            if (report.repeatedCells.size() < LoadReport::MaxRepeatedCells) {
                report.repeatedCells.push_back({x, y, held, static_cast<int>(r.tile)});
            }
            ++report.repeatedCellCount;
        }
        report.records += whole;
        carried = total - whole * 4;
        std::copy(buffer.begin() + whole * 4, buffer.begin() + total, buffer.begin());
    }
    if (carried != 0) {
        ++report.skipped;
        report.cutOffBytes = carried;
    }
}

}  // namespace

LoadReport LevelFile::openLevel(Level& level, const QString& filename) {
    return openLevel(level, QFile::encodeName(filename));
}

LoadReport LevelFile::openLevel(Level& level, const QByteArray& nativeName) {
    const QString filename = QFile::decodeName(nativeName);
    QFile file;
    qint64 size = 0;
    if (const QString refused = FileAccess::openRegular(file, nativeName, size); !refused.isEmpty()) {
        return refusal(filename, refused);
    }
    const QByteArray start = file.peek(TilesetBlock::HeaderLength);
    const bool hasBlock = start.size() >= 2 && start[0] == 'B' && start[1] == 'M';
    TilesetBlock block;
    if (hasBlock) {
        const auto problem = TilesetBlock::check(start, size);
        if (problem == TilesetBlock::Problem::LowDepth) {
            LoadReport report;
            report.outcome = LoadReport::Outcome::InvalidTileset;
            report.message = QString::fromLatin1(invalidTilesetMessage);
            report.refusal = QStringLiteral("cannot be read: %1").arg(TilesetBlock::describe(problem, start, size));
            return report;
        }
        if (problem != TilesetBlock::Problem::None) {
            return failure(filename, TilesetBlock::describe(problem, start, size));
        }
        block.setBytes(file.read(TilesetBlock::bfSize(start)));
        if (block.bytes().size() != static_cast<qsizetype>(TilesetBlock::bfSize(start))) {
            return failure(filename, FileAccess::inWords(file.errorString()));
        }
    }

    level.setUsingDefaultTileset(!hasBlock);
    level.tilesetBlock() = block;
    LoadReport report;
    readRecords(file, size, level, report);
    if (const QString why = notALevel(report); !hasBlock && size > 0 && !why.isEmpty()) {
        // Whatever this is, it is no level: opening it would show junk cells and invite saving
        // them over it.
        return refusal(filename, QStringLiteral("is not a level file"), why);
    }
    if (file.error() != QFileDevice::NoError) {
        report.readProblem = FileAccess::inWords(file.errorString());
        report.message =
            QStringLiteral("\"%1\" could not be read to its end: %2.").arg(shown(filename), report.readProblem);
    }
    const QString pictureProblem = level.tileset().initTileset(block.bytes());
    report.tilesetProblem = pictureProblem;
    level.completeAfterLoad(&report);
    // A file that was only partly read is never the level's name: saving would silently drop
    // what had to be skipped.
    const bool whole = report.skipped == 0 && report.message.isEmpty();
    const bool nameable = QFile::encodeName(filename) == nativeName;
    level.setActiveFile(whole && nameable ? filename : QString());
    level.markSaved();

    QStringList notes;
    if (!report.message.isEmpty()) {
        notes << report.message;
    }
    if (report.skipped > 0) {
        notes << QStringLiteral(
                     "\"%1\" is damaged: %2 record(s) lay outside the 1024 x 1024 grid or were cut off "
                     "and were skipped; %3 cell(s) were read. The level opens without a name, so saving it "
                     "never overwrites the damaged file.")
                     .arg(shown(filename))
                     .arg(report.skipped)
                     .arg(report.kept);
    }
    if (!pictureProblem.isEmpty()) {
        notes << QStringLiteral(
                     "The tileset inside \"%1\" cannot be shown: %2. The default tileset is shown instead, and "
                     "the file's own tileset is kept and saved unchanged.")
                     .arg(shown(filename), pictureProblem);
    }
    report.message = notes.join(QLatin1Char('\n'));
    if (level.observer()) {
        level.observer()->tilesetChanged(!level.usingDefaultTileset());
    }
    return report;
}

QByteArray LevelFile::encodeRecords(const Level& level) {
    return encodeRecords(level.cells());
}

QByteArray LevelFile::encodeRecords(const int16_t* cells) {
    QByteArray out;
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

QString LevelFile::saveLevel(Level& level, const QString& filename) {
    const QByteArray block = level.usingDefaultTileset() ? QByteArray() : level.tilesetBlock().bytes();
    if (const QString reason = FileAccess::saveKeepingBackup(filename, {block, encodeRecords(level)});
        !reason.isEmpty()) {
        return QStringLiteral("Could not save \"%1\": %2.").arg(shown(filename), reason);
    }
    level.markSaved();
    return {};
}

void LevelFile::newLevel(Level& level) {
    level.setUsingDefaultTileset(true);
    level.tileset().initTileset({});
    level.markSaved();
    level.setActiveFile({});
    if (level.observer()) {
        level.observer()->tilesetChanged(false);
    }
}
