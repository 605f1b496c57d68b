#pragma once

#include <QString>

// Where the program finds its read-only data: beside the binary (a build folder or a portable copy) or in
// ../share/quarn of an installed prefix.
namespace ProgramFolders {

// The folder that holds `name`, beside the program first; the program's own folder when neither has it.
QString dataFile(const QString& name);
// True when the program runs from an installed prefix: its data lies in ../share/quarn, not beside it.
bool isInstalled();

}  // namespace ProgramFolders
