#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/Commands.h"
#include "cli/FileNames.h"
#include "cli/LevelBatch.h"
#include "cli/LoadNotes.h"
#include "model/Level.h"
#include "model/LevelFile.h"
#include "walls/SetsFile.h"

namespace {

const char* const help =
    "Usage: quarn-lvl check FILE|FOLDER... [--json] [--strict] [--jobs N]\n"
    "Reports every problem of every level, one line per problem with the file name: files that cannot be\n"
    "read, damaged tileset headers, skipped records and why, special tiles that leave the grid or cover\n"
    "used cells, a damaged sets file (LEVEL.lvl.sets.json) beside a level. Folders are searched for *.lvl\n"
    "entries, and every one is reported: links that lead nowhere or in a circle, and folders that cannot\n"
    "be searched, are problems too.\n"
    "Records that give a cell another tile after it already has one are ignored as the editor ignores\n"
    "them; each is a line with \"warning:\", which is no problem unless --strict is given.\n"
    "Names are shown byte for byte, with a backslash and control characters escaped (\\\\, \\n, \\xHH).\n"
    "--json prints one JSON object per line and file: \"file\" (a byte that is not UTF-8 shows as U+FFFD,\n"
    "and \"fileBytes\" then holds the name's bytes in hexadecimal), \"ok\", \"problems\" and \"warnings\".\n"
    "--jobs N reads N files at once (default: one per core); the output keeps the order of the files.\n"
    "Exit status 0 when every file is clean, 1 when any has a problem, 2 on wrong usage.\n";

const QString strictFlag = QStringLiteral("--strict");

LevelBatch::Outcome checkFile(const LevelBatch::Entry& file, const LevelBatch::Options& options) {
    QStringList problems;
    QStringList warnings;
    if (!file.problem.isEmpty()) {
        problems << file.problem;
    } else {
        Level level;
        level.setKeepOverview(false);
        const LoadReport report = LevelFile::openLevel(level, file.name);
        problems = LoadNotes::problems(report);
        warnings = LoadNotes::warnings(report);
        if (const SetsFile::ReadResult sets = SetsFile::read(SetsFile::setsPathFor(file.name)); !sets.ok()) {
            problems << sets.error;
        }
    }
    const bool strict = options.flags.contains(strictFlag);
    LevelBatch::Outcome o;
    o.problem = !problems.isEmpty() || (strict && !warnings.isEmpty());
    if (options.json) {
        QJsonObject object = FileNames::json(file.name);
        object.insert(QStringLiteral("ok"), !o.problem);
        object.insert(QStringLiteral("problems"), QJsonArray::fromStringList(problems));
        object.insert(QStringLiteral("warnings"), QJsonArray::fromStringList(warnings));
        o.out = QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
        return o;
    }
    const QByteArray name = FileNames::text(file.name);
    for (const QString& problem : problems) {
        o.out += name + ": " + problem.toUtf8() + '\n';
    }
    for (const QString& warning : warnings) {
        o.out += name + ": warning: " + warning.toUtf8() + '\n';
    }
    return o;
}

}  // namespace

namespace Commands {

int check(const QStringList& args) {
    return LevelBatch::command("check", help, args, checkFile, {strictFlag});
}

}  // namespace Commands
