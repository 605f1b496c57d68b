#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <map>

#include "cli/Commands.h"
#include "cli/LevelBatch.h"
#include "model/Level.h"
#include "model/LevelFile.h"
#include "model/ObjectProcedures.h"

namespace {

const char* const help =
    "Usage: quarn-lvl info FILE|FOLDER... [--json] [--jobs N]\n"
    "Prints each level's tileset, its record counts, the cells in use and its special tiles.\n"
    "Folders are searched for *.lvl files. --json prints one JSON object per line and file.\n"
    "--jobs N reads N files at once (default: one per core); the output keeps the order of the files.\n"
    "Exit status 1 when a file cannot be read or has damaged records.\n";

LevelBatch::Outcome describe(const QString& file, bool json, bool named) {
    LevelBatch::Outcome o;
    Level level;
    level.keepOverview = false;
    const LoadReport report = LevelFile::OpenMap(level, file);
    if (!report.ok()) {
        o.err = QStringLiteral("quarn-lvl: %1\n").arg(report.message);
        if (json) {
            o.out = QString::fromUtf8(QJsonDocument(QJsonObject{{"file", file}, {"error", report.message}})
                                          .toJson(QJsonDocument::Compact)) +
                    QLatin1Char('\n');
        }
        o.problem = true;
        return o;
    }
    qint64 cells = 0;
    std::map<int, qint64> special{{217, 0}, {219, 0}, {220, 0}};
    for (int i = 0; i < Level::Size * Level::Size; ++i) {
        const int16_t v = level.cells()[i];
        if (v != 0 && v != -1) {
            ++cells;
        }
        if (ObjectProcedures::isSpecialTile(v)) {
            ++special[v];
        }
    }
    const QString tileset = level.usingDefaultTileset ? QStringLiteral("default") : QStringLiteral("embedded");
    const qsizetype tilesetBytes = level.usingDefaultTileset ? 0 : level.tilesetBlock.bytes.size();
    QTextStream out(&o.out);
    if (json) {
        QJsonObject kinds;
        for (const auto& [tile, n] : special) {
            kinds.insert(QString::number(tile), n);
        }
        const QJsonObject object{{"file", file},
                                 {"tileset", tileset},
                                 {"bitsPerPixel", level.tilesetBlock.bitsPerPixel()},
                                 {"tilesetBytes", tilesetBytes},
                                 {"records", report.records},
                                 {"skipped", report.skipped},
                                 {"kept", report.kept},
                                 {"cells", cells},
                                 {"special", kinds}};
        out << QJsonDocument(object).toJson(QJsonDocument::Compact) << '\n';
    } else {
        if (named) {
            out << "file:           " << file << '\n';
        }
        out << "tileset:        " << tileset << '\n';
        out << "bits per pixel: " << level.tilesetBlock.bitsPerPixel() << '\n';
        out << "tileset bytes:  " << tilesetBytes << '\n';
        out << "records:        " << report.records << " read, " << report.skipped << " skipped, " << report.kept
            << " kept\n";
        out << "cells in use:   " << cells << '\n';
        out << "special tiles:  217 x " << special[217] << ", 219 x " << special[219] << ", 220 x " << special[220]
            << '\n';
        if (named) {
            out << '\n';
        }
    }
    // Every note of the load is printed, also when the records themselves were all fine.
    if (!report.message.isEmpty()) {
        o.err = QStringLiteral("quarn-lvl: %1\n").arg(report.message);
    }
    o.problem = report.skipped > 0;
    return o;
}

}  // namespace

namespace Commands {

int info(const QStringList& args) {
    return LevelBatch::command("info", help, args, [](const QString& file, const LevelBatch::Options& options) {
        return describe(file, options.json, options.files.size() > 1);
    });
}

}  // namespace Commands
