#include "cli/LevelBatch.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>
#include <cstdio>

#include "cli/Commands.h"
#include "model/Tileset.h"

namespace LevelBatch {

namespace {

QStringList levelsIn(const QString& folder) {
    QStringList found;
    QDirIterator it(folder, {QStringLiteral("*.lvl")}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        found << it.next();
    }
    found.sort();
    return found;
}

}  // namespace

std::optional<QString> parse(const QStringList& args, Options& options) {
    options.jobs = std::max(1, QThread::idealThreadCount());
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--json")) {
            options.json = true;
        } else if (a == QLatin1String("--jobs")) {
            bool ok = false;
            const int jobs = i + 1 < args.size() ? args[++i].toInt(&ok) : 0;
            if (!ok || jobs < 1 || jobs > 256) {
                return QStringLiteral("--jobs takes a number from 1 to 256");
            }
            options.jobs = jobs;
        } else if (a.startsWith(QLatin1String("--"))) {
            return QStringLiteral("unknown option %1").arg(a);
        } else if (QFileInfo(a).isDir()) {
            options.files << levelsIn(a);
        } else {
            // A name that does not exist stays in the list: reading it reports the problem in its place.
            options.files << a;
        }
    }
    if (options.files.isEmpty()) {
        return QStringLiteral("no level files given");
    }
    return std::nullopt;
}

bool run(const Options& options, const std::function<Outcome(const QString& file)>& handle) {
    // Every level starts from the default tileset, which is decoded once and then only shared; decoding it
    // here first keeps the worker threads from racing to do it.
    { const Tileset warmUp; }
    QThreadPool pool;
    pool.setMaxThreadCount(options.jobs);
    // Each file is a task of its own, so a file that takes long never holds up the others' reading.
    QFuture<Outcome> outcomes = QtConcurrent::mapped(&pool, options.files, handle);
    bool anyProblem = false;
    for (int i = 0; i < options.files.size(); ++i) {
        const Outcome& o = outcomes.resultAt(i);
        std::fputs(o.out.toUtf8().constData(), stdout);
        std::fputs(o.err.toUtf8().constData(), stderr);
        std::fflush(stdout);
        anyProblem = anyProblem || o.problem;
    }
    return anyProblem;
}

int command(const char* name, const char* help, const QStringList& args,
            const std::function<Outcome(const QString& file, const Options& options)>& handle) {
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        std::fputs(help, stdout);
        return Commands::Success;
    }
    Options options;
    if (const auto error = parse(args, options)) {
        std::fprintf(stderr, "quarn-lvl %s: %s\n\n%s", name, qPrintable(*error), help);
        return Commands::Usage;
    }
    return run(options, [&](const QString& file) { return handle(file, options); }) ? Commands::BadInput
                                                                                    : Commands::Success;
}

}  // namespace LevelBatch
