#pragma once

#include <QString>

class frmGeneral;

// The layout the user left behind, kept in the user's settings: the main window's place, size and
// toolbars, whether the right panel was collapsed, and the folder of the last file dialog.
namespace LayoutMemory {

// Keeps the main window's layout for the next start.
void save(const frmGeneral& window);
// Puts the main window back as save kept it; false when nothing was kept, so the caller places it.
bool restore(frmGeneral& window);
// The folder the last open or save dialog ended in; empty before the first one.
QString lastFolder();
void setLastFolder(const QString& folder);

}  // namespace LayoutMemory
