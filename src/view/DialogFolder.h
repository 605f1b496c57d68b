#pragma once

#include <QString>

// The folder the open and save dialogs start in, kept from one run to the next. Only an ordinary
// folder of the user's is kept: a dialog that starts among special files can hang, so the
// kernel's folders and anything that is not a writable directory are never remembered.
namespace DialogFolder {

// The remembered folder, or an empty string (the dialog's own choice) when there is none or it is
// no longer an ordinary folder.
QString last();
// Remembers the folder of `file`, once that file has really been opened or written, when it is an
// existing, writable directory outside the kernel's and the system's special folders.
void remember(const QString& file);

}  // namespace DialogFolder
