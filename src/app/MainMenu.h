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

    QMenu* mnuFile;
    QMenu* mnuEdit;
    // File
    QAction* mnuNew;
    QAction* mnuOpen;
    QAction* mnuSave;
    QAction* mnuSaveAs;
    QAction* mnuExportImage;
    QAction* mnuExportMap;
    QAction* mnuImportTileset;
    QAction* mnuExportTileset;
    QAction* mnudiscardtileset;
    QMenu* mnuRecent;
    RecentFiles* recent;
    QAction* mnuExit;
    // Edit. The main window enables Cut to Flip while a map is open.
    QAction* mnuUndo;
    QAction* mnuRedo;
    QAction* mnuCut;
    QAction* mnuCopy;
    QAction* mnuPaste;
    QAction* mnuReplace;
    QAction* mnuMirror;
    QAction* mnuFlip;
    QAction* mnuPreferences;
    // Window
    QMenu* mnuWindow;
    QAction* mnuCascade;
    QAction* mnuTileH;
    QAction* mnuTileV;
    std::array<QAction*, MapItems> mnuMaps{};
};
