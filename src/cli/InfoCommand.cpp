#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <map>

#include "cli/Commands.h"
#include "cli/FileNames.h"
#include "cli/LevelBatch.h"
#include "cli/LoadNotes.h"
#include "model/Level.h"
#include "model/LevelFile.h"
#include "model/ObjectProcedures.h"
#include "walls/SetsFile.h"

namespace {

const char* const help =
    "Usage: quarn-lvl info FILE|FOLDER... [--json] [--jobs N]\n"
    "Prints each level's tileset, its record counts, the cells in use and its special tiles, and the\n"
    "names of its wall sets and random sets when a sets file (LEVEL.lvl.sets.json) lies beside it.\n"
    "Folders are searched for *.lvl entries; each is reported, also one that cannot be read.\n"
    "--json prints one JSON object per line and file; names are shown as `check --help` says.\n"
    "--jobs N reads N files at once (default: one per core); the output keeps the order of the files.\n"
    "Exit status 1 when a file cannot be read or has damaged records, or its sets file is damaged.\n";

QStringList namesOf(const auto& sets) {
    QStringList names;
    for (const auto& set : sets) {
        names << set.name();
    }
    return names;
}

// Problems go to standard error, one line each with the file's name, as `check` prints them.
QByteArray problemLines(const QByteArray& name, const QStringList& problems) {
    QByteArray lines;
    for (const QString& problem : problems) {
        lines += "quarn-lvl: " + FileNames::text(name) + ": " + problem.toUtf8() + '\n';
    }
    return lines;
}

LevelBatch::Outcome describe(const LevelBatch::Entry& file, bool json, bool named) {
    LevelBatch::Outcome o;
    Level level;
    level.setKeepOverview(false);
    const LoadReport report = file.problem.isEmpty() ? LevelFile::openLevel(level, file.name) : LoadReport{};
    if (!file.problem.isEmpty() || !report.ok()) {
        const QString error = file.problem.isEmpty() ? report.refusal : file.problem;
        o.err = problemLines(file.name, {error});
        if (json) {
            QJsonObject object = FileNames::json(file.name);
            object.insert(QStringLiteral("error"), error);
            o.out = QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
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
    const QString tileset = level.usingDefaultTileset() ? QStringLiteral("default") : QStringLiteral("embedded");
    const qsizetype tilesetBytes = level.usingDefaultTileset() ? 0 : level.tilesetBlock().bytes().size();
    const SetsFile::ReadResult sets = SetsFile::read(SetsFile::setsPathFor(file.name));
    const QStringList wallNames = namesOf(sets.sets.wallSets());
    const QStringList randomNames = namesOf(sets.sets.randomSets());
    QString text;
    QTextStream out(&text);
    if (json) {
        QJsonObject kinds;
        for (const auto& [tile, n] : special) {
            kinds.insert(QString::number(tile), n);
        }
        QJsonObject object = FileNames::json(file.name);
        for (const auto& [key, value] : std::initializer_list<std::pair<const char*, QJsonValue>>{
                 {"tileset", tileset},
                 {"bitsPerPixel", level.tilesetBlock().bitsPerPixel()},
                 {"tilesetBytes", tilesetBytes},
                 {"records", report.records},
                 {"skipped", report.skipped},
                 {"kept", report.kept},
                 {"cells", cells},
                 {"special", kinds}}) {
            object.insert(QLatin1String(key), value);
        }
        if (sets.found && sets.ok()) {
            object.insert(QStringLiteral("sets"),
                          QJsonObject{{QStringLiteral("seed"), qint64(sets.sets.seed())},
                                      {QStringLiteral("wallSets"), QJsonArray::fromStringList(wallNames)},
                                      {QStringLiteral("randomSets"), QJsonArray::fromStringList(randomNames)}});
        } else if (!sets.ok()) {
            object.insert(QStringLiteral("setsError"), sets.error);
        }
        o.out = QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
    } else {
        if (named) {
            o.out = "file:           " + FileNames::text(file.name) + '\n';
        }
        out << "tileset:        " << tileset << '\n';
        out << "bits per pixel: " << level.tilesetBlock().bitsPerPixel() << '\n';
        out << "tileset bytes:  " << tilesetBytes << '\n';
        out << "records:        " << report.records << " read, " << report.skipped << " skipped, " << report.kept
            << " kept\n";
        out << "cells in use:   " << cells << '\n';
        out << "special tiles:  217 x " << special[217] << ", 219 x " << special[219] << ", 220 x " << special[220]
            << '\n';
        if (sets.found && sets.ok()) {
            out << "wall sets:      " << wallNames.size() << (wallNames.isEmpty() ? "" : " (") << wallNames.join(", ")
                << (wallNames.isEmpty() ? "" : ")") << '\n';
            out << "random sets:    " << randomNames.size() << (randomNames.isEmpty() ? "" : " (")
                << randomNames.join(", ") << (randomNames.isEmpty() ? "" : ")") << '\n';
        }
        if (named) {
            out << '\n';
        }
    }
    out.flush();
    o.out += text.toUtf8();
    // Every note of the load is printed, also when the records themselves were all fine.
    QStringList problems = LoadNotes::problems(report);
    if (!sets.ok()) {
        problems << sets.error;
    }
    o.err = problemLines(file.name, problems);
    o.problem = report.skipped > 0 || !sets.ok();
    return o;
}

}  // namespace

namespace Commands {

int info(const QStringList& args) {
    return LevelBatch::command("info", help, args,
                               [](const LevelBatch::Entry& file, const LevelBatch::Options& options) {
                                   return describe(file, options.json, options.files.size() > 1);
                               });
}

}  // namespace Commands
