#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Runs one command over many level files: names and folders (searched for *.lvl) expand to files, the files
// are handled on several threads, and each file's output is printed in the order the files were given.
namespace LevelBatch {

// What one file came to: text for standard output and for standard error, and whether it had a problem.
struct Outcome {
    QString out;
    QString err;
    bool problem = false;
};

struct Options {
    QStringList files;  // expanded: folders are replaced by the *.lvl files in them, sorted
    bool json = false;
    int jobs = 1;
};

// Reads FILE/FOLDER arguments, --json and --jobs N; anything else starting with "--" is an error.
// Returns the error text for a wrong usage.
std::optional<QString> parse(const QStringList& args, Options& options);
// Calls `handle` for every file on up to `jobs` threads, prints the outcomes in order as they become ready,
// and returns true when any file had a problem.
bool run(const Options& options, const std::function<Outcome(const QString& file)>& handle);
// A whole command over many files: --help, the options, the run; returns the exit status.
int command(const char* name, const char* help, const QStringList& args,
            const std::function<Outcome(const QString& file, const Options& options)>& handle);

}  // namespace LevelBatch
