#include "app/MainMenu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "app/AppIcons.h"
#include "app/RecentFiles.h"

namespace {

QAction* item(QMenu* menu, const QString& caption, const QString& name, const QKeySequence& shortcut = {},
              const QString& icon = {}, const QString& tooltip = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    if (!icon.isEmpty()) {
        action->setIcon(AppIcons::icon(icon));
    }
    if (!tooltip.isEmpty()) {
        action->setToolTip(tooltip);
    }
    return action;
}

// The platform's keys for a standard command, or `fallback` where it has none.
QList<QKeySequence> standardKeys(QKeySequence::StandardKey key, const QKeySequence& fallback) {
    const QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    return keys.isEmpty() ? QList<QKeySequence>{fallback} : keys;
}

}  // namespace

MainMenu::MainMenu(QMainWindow* window, const QString& recentIni) : QObject(window) {
    QMenu* file = ui.fileMenu = window->menuBar()->addMenu(tr("&File"));
    ui.newAction = item(file, tr("New"), QStringLiteral("mnuNew"), QKeySequence(Qt::CTRL | Qt::Key_N),
                        QStringLiteral("new"), tr("New map"));
    ui.openAction = item(file, tr("Open"), QStringLiteral("mnuOpen"), QKeySequence(Qt::CTRL | Qt::Key_O),
                         QStringLiteral("open"), tr("Open a map"));
    ui.saveAction = item(file, tr("Save"), QStringLiteral("mnuSave"), QKeySequence(Qt::CTRL | Qt::Key_S),
                         QStringLiteral("save"), tr("Save map"));
    ui.saveAsAction = item(file, tr("Save As..."), QStringLiteral("mnuSaveAs"));
    ui.saveAsAction->setShortcuts(standardKeys(QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)));
    ui.exportImageAction = item(file, tr("Export Image..."), QStringLiteral("mnuExportImage"));
    ui.exportMapAction = item(file, tr("Export Map..."), QStringLiteral("mnuExportMap"), {}, {},
                              tr("Write the level as a TMX or JSON tile map for other editors and game engines"));
    file->addSeparator();
    ui.importTilesetAction = item(file, tr("Import Tileset"), QStringLiteral("mnuImportTileset"));
    ui.exportTilesetAction = item(file, tr("Export Tileset"), QStringLiteral("mnuExportTileset"));
    ui.discardTilesetAction = item(file, tr("Discard Tileset"), QStringLiteral("mnudiscardtileset"));
    file->addSeparator();
    ui.recentMenu = file->addMenu(tr("Recent"));
    ui.recentMenu->setObjectName(QStringLiteral("mnuRecent"));
    ui.recent = new RecentFiles(ui.recentMenu, recentIni, this);
    file->addSeparator();
    ui.exitAction = item(file, tr("Exit"), QStringLiteral("mnuExit"));
    ui.exitAction->setMenuRole(QAction::QuitRole);
    ui.exitAction->setShortcuts(standardKeys(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));

    QMenu* edit = ui.editMenu = window->menuBar()->addMenu(tr("&Edit"));
    ui.undoAction = item(edit, tr("Undo"), QStringLiteral("mnuUndo"), QKeySequence(Qt::CTRL | Qt::Key_Z),
                         QStringLiteral("undo"), tr("Undo"));
    ui.redoAction = item(edit, tr("Redo"), QStringLiteral("mnuRedo"), QKeySequence(Qt::CTRL | Qt::Key_Y),
                         QStringLiteral("redo"), tr("Redo"));
    edit->addSeparator();
    ui.cutAction = item(edit, tr("Cut"), QStringLiteral("mnuCut"), QKeySequence(Qt::CTRL | Qt::Key_X),
                        QStringLiteral("cut"), tr("Cut the selection"));
    ui.copyAction = item(edit, tr("Copy"), QStringLiteral("mnuCopy"), QKeySequence(Qt::CTRL | Qt::Key_C),
                         QStringLiteral("copy"), tr("Copy the selection"));
    ui.pasteAction = item(edit, tr("Paste"), QStringLiteral("mnuPaste"), QKeySequence(Qt::CTRL | Qt::Key_V),
                          QStringLiteral("paste"), tr("Paste the selection"));
    edit->addSeparator();
    ui.replaceAction = item(edit, tr("Replace"), QStringLiteral("mnuReplace"), QKeySequence(Qt::CTRL | Qt::Key_H));
    ui.mirrorAction = item(edit, tr("Mirror"), QStringLiteral("mnuMirror"), QKeySequence(Qt::CTRL | Qt::Key_M),
                           QStringLiteral("mirror"), tr("Mirror the selection"));
    ui.flipAction = item(edit, tr("Flip"), QStringLiteral("mnuFlip"), QKeySequence(Qt::CTRL | Qt::Key_I),
                         QStringLiteral("flip"), tr("Flip the selection"));
    edit->addSeparator();
    ui.retileWallsAction = item(edit, tr("Re-tile Walls"), QStringLiteral("mnuRetileWalls"));
    ui.retileWallsAction->setStatusTip(
        tr("Give every wall of the selection, or of the map, the piece its neighbours ask for"));
    edit->addSeparator();
    ui.preferencesAction = item(edit, tr("Preferences..."), QStringLiteral("mnuPreferences"));
    ui.preferencesAction->setMenuRole(QAction::PreferencesRole);
    for (QAction* later : {ui.cutAction, ui.copyAction, ui.pasteAction, ui.replaceAction, ui.mirrorAction,
                           ui.flipAction, ui.retileWallsAction}) {
        later->setEnabled(false);
    }

    ui.windowMenu = window->menuBar()->addMenu(tr("&Window"));
    ui.windowMenu->setObjectName(QStringLiteral("mnuWindow"));
    ui.cascadeAction = item(ui.windowMenu, tr("Cascade"), QStringLiteral("mnuCascade"));
    ui.tileHorizontallyAction = item(ui.windowMenu, tr("Tile Horizontally"), QStringLiteral("mnuTileH"));
    ui.tileVerticallyAction = item(ui.windowMenu, tr("Tile Vertically"), QStringLiteral("mnuTileV"));
    ui.windowMenu->addSeparator();
    for (int i = 0; i < MapItems; ++i) {
        QAction* map = ui.windowMenu->addAction(QString());
        map->setObjectName(QStringLiteral("mnuMaps%1").arg(i));
        map->setCheckable(true);
        map->setVisible(false);
        ui.mapActions[static_cast<size_t>(i)] = map;
    }
}
