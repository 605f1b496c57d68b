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
    QMenu* file = fileMenu = window->menuBar()->addMenu(tr("&File"));
    newAction = item(file, tr("New"), QStringLiteral("mnuNew"), QKeySequence(Qt::CTRL | Qt::Key_N),
                     QStringLiteral("new"), tr("New map"));
    openAction = item(file, tr("Open"), QStringLiteral("mnuOpen"), QKeySequence(Qt::CTRL | Qt::Key_O),
                      QStringLiteral("open"), tr("Open a map"));
    saveAction = item(file, tr("Save"), QStringLiteral("mnuSave"), QKeySequence(Qt::CTRL | Qt::Key_S),
                      QStringLiteral("save"), tr("Save map"));
    saveAsAction = item(file, tr("Save As..."), QStringLiteral("mnuSaveAs"));
    saveAsAction->setShortcuts(standardKeys(QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)));
    exportImageAction = item(file, tr("Export Image..."), QStringLiteral("mnuExportImage"));
    exportMapAction = item(file, tr("Export Map..."), QStringLiteral("mnuExportMap"), {}, {},
                           tr("Write the level as a TMX or JSON tile map for other editors and game engines"));
    file->addSeparator();
    importTilesetAction = item(file, tr("Import Tileset"), QStringLiteral("mnuImportTileset"));
    exportTilesetAction = item(file, tr("Export Tileset"), QStringLiteral("mnuExportTileset"));
    discardTilesetAction = item(file, tr("Discard Tileset"), QStringLiteral("mnudiscardtileset"));
    file->addSeparator();
    recentMenu = file->addMenu(tr("Recent"));
    recentMenu->setObjectName(QStringLiteral("mnuRecent"));
    recent = new RecentFiles(recentMenu, recentIni, this);
    file->addSeparator();
    exitAction = item(file, tr("Exit"), QStringLiteral("mnuExit"));
    exitAction->setMenuRole(QAction::QuitRole);
    exitAction->setShortcuts(standardKeys(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));

    QMenu* edit = editMenu = window->menuBar()->addMenu(tr("&Edit"));
    undoAction = item(edit, tr("Undo"), QStringLiteral("mnuUndo"), QKeySequence(Qt::CTRL | Qt::Key_Z),
                      QStringLiteral("undo"), tr("Undo"));
    redoAction = item(edit, tr("Redo"), QStringLiteral("mnuRedo"), QKeySequence(Qt::CTRL | Qt::Key_Y),
                      QStringLiteral("redo"), tr("Redo"));
    edit->addSeparator();
    cutAction = item(edit, tr("Cut"), QStringLiteral("mnuCut"), QKeySequence(Qt::CTRL | Qt::Key_X),
                     QStringLiteral("cut"), tr("Cut the selection"));
    copyAction = item(edit, tr("Copy"), QStringLiteral("mnuCopy"), QKeySequence(Qt::CTRL | Qt::Key_C),
                      QStringLiteral("copy"), tr("Copy the selection"));
    pasteAction = item(edit, tr("Paste"), QStringLiteral("mnuPaste"), QKeySequence(Qt::CTRL | Qt::Key_V),
                       QStringLiteral("paste"), tr("Paste the selection"));
    edit->addSeparator();
    replaceAction = item(edit, tr("Replace"), QStringLiteral("mnuReplace"), QKeySequence(Qt::CTRL | Qt::Key_H));
    mirrorAction = item(edit, tr("Mirror"), QStringLiteral("mnuMirror"), QKeySequence(Qt::CTRL | Qt::Key_M),
                        QStringLiteral("mirror"), tr("Mirror the selection"));
    flipAction = item(edit, tr("Flip"), QStringLiteral("mnuFlip"), QKeySequence(Qt::CTRL | Qt::Key_I),
                      QStringLiteral("flip"), tr("Flip the selection"));
    edit->addSeparator();
    retileWallsAction = item(edit, tr("Re-tile Walls"), QStringLiteral("mnuRetileWalls"));
    retileWallsAction->setStatusTip(
        tr("Give every wall of the selection, or of the map, the piece its neighbours ask for"));
    edit->addSeparator();
    preferencesAction = item(edit, tr("Preferences..."), QStringLiteral("mnuPreferences"));
    preferencesAction->setMenuRole(QAction::PreferencesRole);
    for (QAction* later :
         {cutAction, copyAction, pasteAction, replaceAction, mirrorAction, flipAction, retileWallsAction}) {
        later->setEnabled(false);
    }

    windowMenu = window->menuBar()->addMenu(tr("&Window"));
    windowMenu->setObjectName(QStringLiteral("mnuWindow"));
    cascadeAction = item(windowMenu, tr("Cascade"), QStringLiteral("mnuCascade"));
    tileHorizontallyAction = item(windowMenu, tr("Tile Horizontally"), QStringLiteral("mnuTileH"));
    tileVerticallyAction = item(windowMenu, tr("Tile Vertically"), QStringLiteral("mnuTileV"));
    windowMenu->addSeparator();
    for (int i = 0; i < MapItems; ++i) {
        QAction* map = windowMenu->addAction(QString());
        map->setObjectName(QStringLiteral("mnuMaps%1").arg(i));
        map->setCheckable(true);
        map->setVisible(false);
        mapActions[static_cast<size_t>(i)] = map;
    }
}
