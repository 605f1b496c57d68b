#pragma once

#include <QString>

class MainWindow;

// The layout the user left behind, kept in the user's settings: the main window's place, size and
// toolbars and whether the right panel was collapsed. (The file dialogs keep their own last folder.)
namespace LayoutMemory {

// Keeps the main window's layout for the next start.
void save(const MainWindow& window);
// Puts the main window back as save kept it; false when nothing was kept, so the caller places it.
bool restore(MainWindow& window);

}  // namespace LayoutMemory
