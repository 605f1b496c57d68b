#pragma once

#include <QByteArray>
#include <QStringList>

#include "model/LoadReport.h"

class Level;

// What loading a level came to, in the command-line tool's own words: the editor's messages speak of
// windows and names that the tool does not have.
namespace LoadNotes {

// Why the file was not read at all, or what is damaged in it; empty for a sound file.
QStringList problems(const LoadReport& report);
// What the loader decided quietly without anything being lost for certain: cells given twice.
QStringList warnings(const LoadReport& report);
// Loads `name` for a command that goes on with the level: says on standard error why it cannot be read,
// or what is damaged in it (the level is still used then). Returns whether the level was loaded.
bool load(Level& level, const QByteArray& name);

}  // namespace LoadNotes
