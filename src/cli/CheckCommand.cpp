#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/Commands.h"
#include "cli/LevelBatch.h"
#include "model/Level.h"
#include "model/LevelFile.h"

namespace {

const char* const help =
    "Usage: quarn-lvl check FILE|FOLDER... [--json] [--jobs N]\n"
    "Reports every problem of every level, one line per problem with the file name: files that cannot be\n"
    "read, damaged tileset headers, skipped records and why, special tiles that leave the grid or cover\n"
    "used cells. Folders are searched for *.lvl files. --json prints one JSON object per line and file.\n"
    "--jobs N reads N files at once (default: one per core); the output keeps the order of the files.\n"
    "Exit status 0 when every file is clean, 1 when any has a problem, 2 on wrong usage.\n";

QStringList problemsOf(const LoadReport& report) {
    if (!report.ok()) {
        return {report.message};
    }
    QStringList problems;
    if (report.outsideGrid > 0) {
        problems
            << QStringLiteral("%1 record(s) lie outside the 1024 x 1024 grid and are skipped").arg(report.outsideGrid);
    }
    if (report.cutOffBytes > 0) {
        problems
            << QStringLiteral("the last record is cut off after %1 byte(s) and is skipped").arg(report.cutOffBytes);
    }
    for (const LoadReport::ObjectProblem& p : report.objectProblems) {
        QStringList what;
        if (p.leavesGrid) {
            what << QStringLiteral("leaves the grid");
        }
        if (p.covered > 0) {
            what << QStringLiteral("covers %1 used cell(s), which are lost").arg(p.covered);
        }
        problems << QStringLiteral("special tile %1 at column %2, row %3 %4")
                        .arg(p.tile)
                        .arg(p.column)
                        .arg(p.row)
                        .arg(what.join(QStringLiteral(" and ")));
    }
    if (report.objectProblemCount > static_cast<qint64>(report.objectProblems.size())) {
        problems << QStringLiteral("%1 more special tile(s) leave the grid or cover used cells")
                        .arg(report.objectProblemCount - static_cast<qint64>(report.objectProblems.size()));
    }
    if (!report.readProblem.isEmpty()) {
        problems << QStringLiteral("the file could not be read to its end: %1").arg(report.readProblem);
    }
    if (!report.tilesetProblem.isEmpty()) {
        problems << QStringLiteral("the embedded tileset cannot be shown: %1").arg(report.tilesetProblem);
    }
    return problems;
}

LevelBatch::Outcome checkFile(const QString& file, bool json) {
    Level level;
    level.keepOverview = false;
    const QStringList problems = problemsOf(LevelFile::OpenMap(level, file));
    LevelBatch::Outcome o;
    o.problem = !problems.isEmpty();
    if (json) {
        o.out = QString::fromUtf8(QJsonDocument(QJsonObject{{"file", file},
                                                            {"ok", problems.isEmpty()},
                                                            {"problems", QJsonArray::fromStringList(problems)}})
                                      .toJson(QJsonDocument::Compact)) +
                QLatin1Char('\n');
        return o;
    }
    for (const QString& problem : problems) {
        o.out += QStringLiteral("%1: %2\n").arg(QDir::toNativeSeparators(file), problem);
    }
    return o;
}

}  // namespace

namespace Commands {

int check(const QStringList& args) {
    return LevelBatch::command("check", help, args, [](const QString& file, const LevelBatch::Options& options) {
        return checkFile(file, options.json);
    });
}

}  // namespace Commands
