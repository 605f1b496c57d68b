#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Runs one command over many level files: names and folders (searched for *.lvl) expand to files, the files
// are handled on several threads, and each file's output is printed in the order the files were given.
namespace LevelBatch {

// What one file came to: bytes for standard output and for standard error (names are shown byte for
// byte), and whether it had a problem.
struct Outcome {
    QByteArray out;
    QByteArray err;
    bool problem = false;
};

// A file to handle, named in the system's own bytes. `problem` says why a folder walk could not go on
// where it met this name (a folder that cannot be searched); such an entry is reported, not read.
struct Entry {
    QByteArray name;
    QString problem;
};

struct Options {
    QList<Entry> files;  // expanded: folders are replaced by every *.lvl entry in them, sorted
    bool json = false;
    int jobs = 1;
    QStringList flags;  // the command's own flags that were given
};

// Reads FILE/FOLDER arguments, --json, --jobs N and the command's own `flags`; anything else starting
// with "--" is an error. Returns the error text for a wrong usage.
std::optional<QString> parse(const QStringList& args, Options& options, const QStringList& flags = {});
// Calls `handle` for every file on up to `jobs` threads, prints the outcomes in order as they become ready,
// and returns true when any file had a problem.
bool run(const Options& options, const std::function<Outcome(const Entry& file)>& handle);
// A whole command over many files: --help, the options, the run; returns the exit status.
int command(const char* name, const char* help, const QStringList& args,
            const std::function<Outcome(const Entry& file, const Options& options)>& handle,
            const QStringList& flags = {});

}  // namespace LevelBatch
