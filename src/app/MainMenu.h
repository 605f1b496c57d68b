#pragma once

#include <QObject>
#include <array>

class QAction;
class QMainWindow;
class QMenu;
class RecentFiles;

// The main window's File, Edit and Window menus. The actions carry the captions, shortcuts and
// pictures; the top toolbar shows the same actions, so a menu item and its button are always
// enabled together. The main window connects them to its commands.
class MainMenu : public QObject {
    Q_OBJECT
public:
    static constexpr int MapItems = 10;

    // Builds the menus into `window`'s menu bar; the recent list reads and writes `recentIni`.
    MainMenu(QMainWindow* window, const QString& recentIni);

    QMenu* fileMenu;
    QMenu* editMenu;
    // File
    QAction* newAction;
    QAction* openAction;
    QAction* saveAction;
    QAction* saveAsAction;
    QAction* exportImageAction;
    QAction* exportMapAction;
    QAction* importTilesetAction;
    QAction* exportTilesetAction;
    QAction* discardTilesetAction;
    QMenu* recentMenu;
    RecentFiles* recent;
    QAction* exitAction;
    // Edit. The main window enables Cut to Flip while a map is open.
    QAction* undoAction;
    QAction* redoAction;
    QAction* cutAction;
    QAction* copyAction;
    QAction* pasteAction;
    QAction* replaceAction;
    QAction* mirrorAction;
    QAction* flipAction;
    QAction* retileWallsAction;
    QAction* preferencesAction;
    // Window
    QMenu* windowMenu;
    QAction* cascadeAction;
    QAction* tileHorizontallyAction;
    QAction* tileVerticallyAction;
    std::array<QAction*, MapItems> mapActions{};
};
