#include "cli/LoadNotes.h"

#include <cstdio>

#include "cli/FileNames.h"
#include "model/LevelFile.h"

namespace LoadNotes {

QStringList problems(const LoadReport& report) {
    if (!report.ok()) {
        return {report.refusal};
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

QStringList warnings(const LoadReport& report) {
    QStringList warnings;
    for (const LoadReport::RepeatedCell& c : report.repeatedCells) {
        warnings << QStringLiteral("column %1, row %2 is given tile %3 after tile %4; tile %3 is ignored")
                        .arg(c.column)
                        .arg(c.row)
                        .arg(c.ignored)
                        .arg(c.kept);
    }
    if (report.repeatedCellCount > static_cast<qint64>(report.repeatedCells.size())) {
        warnings << QStringLiteral("%1 more record(s) give a cell another tile and are ignored")
                        .arg(report.repeatedCellCount - static_cast<qint64>(report.repeatedCells.size()));
    }
    return warnings;
}

bool load(Level& level, const QByteArray& name) {
    const LoadReport report = LevelFile::openLevel(level, name);
    for (const QString& problem : problems(report)) {
        std::fprintf(stderr, "quarn-lvl: %s: %s\n", FileNames::text(name).constData(), problem.toUtf8().constData());
    }
    return report.ok();
}

}  // namespace LoadNotes
