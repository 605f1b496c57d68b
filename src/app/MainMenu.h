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

    QMenu* fileMenu() const { return ui.fileMenu; }
    QMenu* editMenu() const { return ui.editMenu; }
    // File
    QAction* newAction() const { return ui.newAction; }
    QAction* openAction() const { return ui.openAction; }
    QAction* saveAction() const { return ui.saveAction; }
    QAction* saveAsAction() const { return ui.saveAsAction; }
    QAction* exportImageAction() const { return ui.exportImageAction; }
    QAction* exportMapAction() const { return ui.exportMapAction; }
    QAction* importTilesetAction() const { return ui.importTilesetAction; }
    QAction* exportTilesetAction() const { return ui.exportTilesetAction; }
    QAction* discardTilesetAction() const { return ui.discardTilesetAction; }
    RecentFiles* recent() const { return ui.recent; }
    QAction* exitAction() const { return ui.exitAction; }
    // Edit. The main window enables Cut to Flip while a map is open.
    QAction* undoAction() const { return ui.undoAction; }
    QAction* redoAction() const { return ui.redoAction; }
    QAction* cutAction() const { return ui.cutAction; }
    QAction* copyAction() const { return ui.copyAction; }
    QAction* pasteAction() const { return ui.pasteAction; }
    QAction* replaceAction() const { return ui.replaceAction; }
    QAction* mirrorAction() const { return ui.mirrorAction; }
    QAction* flipAction() const { return ui.flipAction; }
    QAction* retileWallsAction() const { return ui.retileWallsAction; }
    QAction* preferencesAction() const { return ui.preferencesAction; }
    // Window
    QMenu* windowMenu() const { return ui.windowMenu; }
    QAction* cascadeAction() const { return ui.cascadeAction; }
    QAction* tileHorizontallyAction() const { return ui.tileHorizontallyAction; }
    QAction* tileVerticallyAction() const { return ui.tileVerticallyAction; }
    const std::array<QAction*, MapItems>& mapActions() const { return ui.mapActions; }

private:
    // The parts built in the constructor.
    struct Ui {
        QMenu* fileMenu;
        QMenu* editMenu;
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
        QMenu* windowMenu;
        QAction* cascadeAction;
        QAction* tileHorizontallyAction;
        QAction* tileVerticallyAction;
        std::array<QAction*, MapItems> mapActions{};
    } ui;
};
