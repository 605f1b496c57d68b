#pragma once

#include <QString>

// Small helpers shared by the main window's commands.
namespace General {

// The last part of a path (either separator), or the part before a trailing separator.
QString fileNameOf(const QString& path);
// The text after the last "." of a name; the whole name when it has none.
QString extensionOf(const QString& name);
// True for names the editor opens from the command line or a drop: extension exactly "lvl".
bool isLevelName(const QString& name);

}  // namespace General
