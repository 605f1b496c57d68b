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
    newAction = item(file, QStringLiteral("New"), QStringLiteral("mnuNew"), QKeySequence(Qt::CTRL | Qt::Key_N),
                     QStringLiteral("new"), QStringLiteral("New map"));
    openAction = item(file, QStringLiteral("Open"), QStringLiteral("mnuOpen"), QKeySequence(Qt::CTRL | Qt::Key_O),
                      QStringLiteral("open"), QStringLiteral("Open a map"));
    saveAction = item(file, QStringLiteral("Save"), QStringLiteral("mnuSave"), QKeySequence(Qt::CTRL | Qt::Key_S),
                      QStringLiteral("save"), QStringLiteral("Save map"));
    saveAsAction = item(file, QStringLiteral("Save As..."), QStringLiteral("mnuSaveAs"));
    saveAsAction->setShortcuts(standardKeys(QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)));
    exportImageAction = item(file, QStringLiteral("Export Image..."), QStringLiteral("mnuExportImage"));
    exportMapAction = item(file, tr("Export Map..."), QStringLiteral("mnuExportMap"), {}, {},
                           tr("Write the level as a TMX or JSON tile map for other editors and game engines"));
    file->addSeparator();
    importTilesetAction = item(file, QStringLiteral("Import Tileset"), QStringLiteral("mnuImportTileset"));
    exportTilesetAction = item(file, QStringLiteral("Export Tileset"), QStringLiteral("mnuExportTileset"));
    discardTilesetAction = item(file, QStringLiteral("Discard Tileset"), QStringLiteral("mnudiscardtileset"));
    file->addSeparator();
    recentMenu = file->addMenu(QStringLiteral("Recent"));
    recentMenu->setObjectName(QStringLiteral("mnuRecent"));
    recent = new RecentFiles(recentMenu, recentIni, this);
    file->addSeparator();
    exitAction = item(file, QStringLiteral("Exit"), QStringLiteral("mnuExit"));
    exitAction->setMenuRole(QAction::QuitRole);
    exitAction->setShortcuts(standardKeys(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));

    QMenu* edit = editMenu = window->menuBar()->addMenu(tr("&Edit"));
    undoAction = item(edit, QStringLiteral("Undo"), QStringLiteral("mnuUndo"), QKeySequence(Qt::CTRL | Qt::Key_Z),
                      QStringLiteral("undo"), QStringLiteral("Undo"));
    redoAction = item(edit, QStringLiteral("Redo"), QStringLiteral("mnuRedo"), QKeySequence(Qt::CTRL | Qt::Key_Y),
                      QStringLiteral("redo"), QStringLiteral("Redo"));
    edit->addSeparator();
    cutAction = item(edit, QStringLiteral("Cut"), QStringLiteral("mnuCut"), QKeySequence(Qt::CTRL | Qt::Key_X),
                     QStringLiteral("cut"), QStringLiteral("Cut the selection"));
    copyAction = item(edit, QStringLiteral("Copy"), QStringLiteral("mnuCopy"), QKeySequence(Qt::CTRL | Qt::Key_C),
                      QStringLiteral("copy"), QStringLiteral("Copy the selection"));
    pasteAction = item(edit, QStringLiteral("Paste"), QStringLiteral("mnuPaste"), QKeySequence(Qt::CTRL | Qt::Key_V),
                       QStringLiteral("paste"), QStringLiteral("Paste the selection"));
    edit->addSeparator();
    replaceAction =
        item(edit, QStringLiteral("Replace"), QStringLiteral("mnuReplace"), QKeySequence(Qt::CTRL | Qt::Key_H));
    mirrorAction = item(edit, QStringLiteral("Mirror"), QStringLiteral("mnuMirror"), QKeySequence(Qt::CTRL | Qt::Key_M),
                        QStringLiteral("mirror"), QStringLiteral("Mirror the selection"));
    flipAction = item(edit, QStringLiteral("Flip"), QStringLiteral("mnuFlip"), QKeySequence(Qt::CTRL | Qt::Key_I),
                      QStringLiteral("flip"), QStringLiteral("Flip the selection"));
    edit->addSeparator();
    preferencesAction = item(edit, tr("Preferences..."), QStringLiteral("mnuPreferences"));
    preferencesAction->setMenuRole(QAction::PreferencesRole);
    for (QAction* later : {cutAction, copyAction, pasteAction, replaceAction, mirrorAction, flipAction}) {
        later->setEnabled(false);
    }

    windowMenu = window->menuBar()->addMenu(tr("&Window"));
    windowMenu->setObjectName(QStringLiteral("mnuWindow"));
    cascadeAction = item(windowMenu, QStringLiteral("Cascade"), QStringLiteral("mnuCascade"));
    tileHorizontallyAction = item(windowMenu, QStringLiteral("Tile Horizontally"), QStringLiteral("mnuTileH"));
    tileVerticallyAction = item(windowMenu, QStringLiteral("Tile Vertically"), QStringLiteral("mnuTileV"));
    windowMenu->addSeparator();
    for (int i = 0; i < MapItems; ++i) {
        QAction* map = windowMenu->addAction(QString());
        map->setObjectName(QStringLiteral("mnuMaps%1").arg(i));
        map->setCheckable(true);
        map->setVisible(false);
        mapActions[static_cast<size_t>(i)] = map;
    }
}
