#pragma once

#include <QStringList>

// The commands of quarn-lvl. Each takes its own arguments (without the command name) and returns
// the process exit status: 0 success, 1 unreadable or damaged input, 2 wrong usage.
namespace Commands {

constexpr int Success = 0;
constexpr int BadInput = 1;
constexpr int Usage = 2;

int info(const QStringList& args);
int check(const QStringList& args);
int resave(const QStringList& args);
int exportTileset(const QStringList& args);
int render(const QStringList& args);
int exportMap(const QStringList& args);
int importMap(const QStringList& args);
int retile(const QStringList& args);

// Prints `text` to standard output when `args` ask for help (--help or -h).
bool wantsHelp(const QStringList& args, const char* text);
// Prints the usage `text` to standard error; the exit status of wrong usage.
int usageError(const char* text);

}  // namespace Commands
