#include "cli/LevelBatch.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "cli/Commands.h"
#include "model/FileAccess.h"
#include "model/Tileset.h"

namespace LevelBatch {

namespace {

// Every *.lvl entry below `folder`, whatever it turns out to be (a file, a link that leads nowhere or
// in a circle, a FIFO): reading it says what it is, so a folder is never called clean while an entry was
// passed over. Names are kept as the system's bytes, so one that is not valid UTF-8 is read like any
// other. Links to folders are not followed, so the walk cannot circle; a folder that cannot be searched
// is an entry of its own.
QList<Entry> levelsIn(const QString& folder) {
    namespace fs = std::filesystem;
    QList<Entry> found;
    std::vector<fs::path> pending{fs::path(QFile::encodeName(folder).toStdString())};
    while (!pending.empty()) {
        const fs::path dir = pending.back();
        pending.pop_back();
        std::error_code error;
        for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
            std::error_code ignored;
            if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
                pending.push_back(it->path());
            } else if (it->path().filename().native().ends_with(".lvl") && !it->is_directory(ignored)) {
                found.append({QByteArray::fromStdString(it->path().native()), {}});
            }
        }
        if (error) {
            found.append(
                {QByteArray::fromStdString(dir.native()),
                 QStringLiteral("cannot be searched: %1").arg(FileAccess::inWords(qt_error_string(error.value())))});
        }
    }
    std::sort(found.begin(), found.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
    return found;
}

}  // namespace

std::optional<QString> parse(const QStringList& args, Options& options, const QStringList& flags) {
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
        } else if (flags.contains(a)) {
            options.flags << a;
        } else if (a.startsWith(QLatin1String("--"))) {
            return QStringLiteral("unknown option %1").arg(a);
        } else if (QFileInfo(a).isDir()) {
            options.files << levelsIn(a);
        } else {
            // A name that does not exist stays in the list: reading it reports the problem in its place.
            options.files.append({QFile::encodeName(a), {}});
        }
    }
    if (options.files.isEmpty()) {
        return QStringLiteral("no level files given");
    }
    return std::nullopt;
}

bool run(const Options& options, const std::function<Outcome(const Entry& file)>& handle) {
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
        std::fwrite(o.out.constData(), 1, static_cast<size_t>(o.out.size()), stdout);
        std::fwrite(o.err.constData(), 1, static_cast<size_t>(o.err.size()), stderr);
        std::fflush(stdout);
        anyProblem = anyProblem || o.problem;
    }
    return anyProblem;
}

int command(const char* name, const char* help, const QStringList& args,
            const std::function<Outcome(const Entry& file, const Options& options)>& handle, const QStringList& flags) {
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        std::fputs(help, stdout);
        return Commands::Success;
    }
    Options options;
    if (const auto error = parse(args, options, flags)) {
        std::fprintf(stderr, "quarn-lvl %s: %s\n\n%s", name, qPrintable(*error), help);
        return Commands::Usage;
    }
    return run(options, [&](const Entry& file) { return handle(file, options); }) ? Commands::BadInput
                                                                                  : Commands::Success;
}

}  // namespace LevelBatch
