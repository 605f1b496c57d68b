#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <cstdio>
#include <map>

#include "cli/Commands.h"
#include "model/Level.h"
#include "model/LevelFile.h"
#include "model/ObjectProcedures.h"
#include "model/TilesetFile.h"

namespace {

bool wantsHelp(const QStringList& args, const char* text) {
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        std::fputs(text, stdout);
        return true;
    }
    return false;
}

int usageError(const char* text) {
    std::fputs(text, stderr);
    return Commands::Usage;
}

// Loads a level the way the editor does; damaged records are reported but the level is still used.
bool load(Level& level, const QString& path) {
    const LoadReport report = LevelFile::OpenMap(level, path);
    if (!report.ok()) {
        std::fprintf(stderr, "quarn-lvl: %s\n",
                     qPrintable(report.outcome == LoadReport::Outcome::InvalidTileset
                                    ? QStringLiteral("%1: %2").arg(path, report.message)
                                    : report.message));
        return false;
    }
    if (!report.message.isEmpty()) {
        std::fprintf(stderr, "quarn-lvl: %s\n", qPrintable(report.message));
    }
    return true;
}

}  // namespace

namespace Commands {

int info(const QStringList& args) {
    static const char* const help =
        "Usage: quarn-lvl info FILE [--json]\n"
        "Prints the level's tileset, its record counts, the cells in use and its special tiles.\n"
        "Exit status 1 when the file cannot be read or has damaged records.\n";
    if (wantsHelp(args, help)) {
        return Success;
    }
    QStringList files = args;
    const bool json = files.removeAll(QStringLiteral("--json")) > 0;
    if (files.size() != 1 || files[0].startsWith(QLatin1String("--"))) {
        return usageError(help);
    }
    Level level;
    const LoadReport report = LevelFile::OpenMap(level, files[0]);
    if (!report.ok()) {
        std::fprintf(stderr, "quarn-lvl: %s\n", qPrintable(report.message));
        return BadInput;
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
    QTextStream out(stdout);
    if (json) {
        QJsonObject kinds;
        for (const auto& [tile, n] : special) {
            kinds.insert(QString::number(tile), n);
        }
        const QJsonObject o{{"tileset", tileset},
                            {"bitsPerPixel", level.tilesetBlock.bitsPerPixel()},
                            {"tilesetBytes", level.usingDefaultTileset ? 0 : level.tilesetBlock.bytes.size()},
                            {"records", report.records},
                            {"skipped", report.skipped},
                            {"kept", report.kept},
                            {"cells", cells},
                            {"special", kinds}};
        out << QJsonDocument(o).toJson(QJsonDocument::Compact) << '\n';
    } else {
        out << "tileset:        " << tileset << '\n';
        out << "bits per pixel: " << level.tilesetBlock.bitsPerPixel() << '\n';
        out << "tileset bytes:  " << (level.usingDefaultTileset ? 0 : level.tilesetBlock.bytes.size()) << '\n';
        out << "records:        " << report.records << " read, " << report.skipped << " skipped, " << report.kept
            << " kept\n";
        out << "cells in use:   " << cells << '\n';
        out << "special tiles:  217 x " << special[217] << ", 219 x " << special[219] << ", 220 x " << special[220]
            << '\n';
    }
    out.flush();
    // Every note of the load is printed, also when the records themselves were all fine.
    if (!report.message.isEmpty()) {
        std::fprintf(stderr, "quarn-lvl: %s\n", qPrintable(report.message));
    }
    return report.skipped > 0 ? BadInput : Success;
}

int resave(const QStringList& args) {
    static const char* const help =
        "Usage: quarn-lvl resave IN OUT\n"
        "Loads IN and saves it as OUT exactly as the editor would; an existing OUT is kept as OUT.bak.\n";
    if (wantsHelp(args, help)) {
        return Success;
    }
    if (args.size() != 2) {
        return usageError(help);
    }
    Level level;
    if (!load(level, args[0])) {
        return BadInput;
    }
    const QString error = LevelFile::SaveMap(level, args[1]);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "quarn-lvl: %s\n", qPrintable(error));
        return BadInput;
    }
    return Success;
}

int exportTileset(const QStringList& args) {
    static const char* const help =
        "Usage: quarn-lvl export-tileset IN OUT.bmp\n"
        "Writes the tileset embedded in level IN as a bitmap. Exit status 1 when IN has none.\n";
    if (wantsHelp(args, help)) {
        return Success;
    }
    if (args.size() != 2) {
        return usageError(help);
    }
    Level level;
    if (!load(level, args[0])) {
        return BadInput;
    }
    const QString error = TilesetFile::ExportTileset(level, args[1]);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "quarn-lvl: %s: %s\n", qPrintable(args[0]), qPrintable(error));
        return BadInput;
    }
    return Success;
}

}  // namespace Commands
