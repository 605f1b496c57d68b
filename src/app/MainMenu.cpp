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
    QMenu* file = mnuFile = window->menuBar()->addMenu(tr("&File"));
    mnuNew = item(file, QStringLiteral("New"), QStringLiteral("mnuNew"), QKeySequence(Qt::CTRL | Qt::Key_N),
                  QStringLiteral("new"), QStringLiteral("New map"));
    mnuOpen = item(file, QStringLiteral("Open"), QStringLiteral("mnuOpen"), QKeySequence(Qt::CTRL | Qt::Key_O),
                   QStringLiteral("open"), QStringLiteral("Open a map"));
    mnuSave = item(file, QStringLiteral("Save"), QStringLiteral("mnuSave"), QKeySequence(Qt::CTRL | Qt::Key_S),
                   QStringLiteral("save"), QStringLiteral("Save map"));
    mnuSaveAs = item(file, QStringLiteral("Save As..."), QStringLiteral("mnuSaveAs"));
    mnuSaveAs->setShortcuts(standardKeys(QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)));
    mnuExportImage = item(file, QStringLiteral("Export Image..."), QStringLiteral("mnuExportImage"));
    mnuExportMap = item(file, tr("Export Map..."), QStringLiteral("mnuExportMap"), {}, {},
                        tr("Write the level as a TMX or JSON tile map for other editors and game engines"));
    file->addSeparator();
    mnuImportTileset = item(file, QStringLiteral("Import Tileset"), QStringLiteral("mnuImportTileset"));
    mnuExportTileset = item(file, QStringLiteral("Export Tileset"), QStringLiteral("mnuExportTileset"));
    mnudiscardtileset = item(file, QStringLiteral("Discard Tileset"), QStringLiteral("mnudiscardtileset"));
    file->addSeparator();
    mnuRecent = file->addMenu(QStringLiteral("Recent"));
    mnuRecent->setObjectName(QStringLiteral("mnuRecent"));
    recent = new RecentFiles(mnuRecent, recentIni, this);
    file->addSeparator();
    mnuExit = item(file, QStringLiteral("Exit"), QStringLiteral("mnuExit"));
    mnuExit->setMenuRole(QAction::QuitRole);
    mnuExit->setShortcuts(standardKeys(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));

    QMenu* edit = mnuEdit = window->menuBar()->addMenu(tr("&Edit"));
    mnuUndo = item(edit, QStringLiteral("Undo"), QStringLiteral("mnuUndo"), QKeySequence(Qt::CTRL | Qt::Key_Z),
                   QStringLiteral("undo"), QStringLiteral("Undo"));
    mnuRedo = item(edit, QStringLiteral("Redo"), QStringLiteral("mnuRedo"), QKeySequence(Qt::CTRL | Qt::Key_Y),
                   QStringLiteral("redo"), QStringLiteral("Redo"));
    edit->addSeparator();
    mnuCut = item(edit, QStringLiteral("Cut"), QStringLiteral("mnuCut"), QKeySequence(Qt::CTRL | Qt::Key_X),
                  QStringLiteral("cut"), QStringLiteral("Cut the selection"));
    mnuCopy = item(edit, QStringLiteral("Copy"), QStringLiteral("mnuCopy"), QKeySequence(Qt::CTRL | Qt::Key_C),
                   QStringLiteral("copy"), QStringLiteral("Copy the selection"));
    mnuPaste = item(edit, QStringLiteral("Paste"), QStringLiteral("mnuPaste"), QKeySequence(Qt::CTRL | Qt::Key_V),
                    QStringLiteral("paste"), QStringLiteral("Paste the selection"));
    edit->addSeparator();
    mnuReplace =
        item(edit, QStringLiteral("Replace"), QStringLiteral("mnuReplace"), QKeySequence(Qt::CTRL | Qt::Key_H));
    mnuMirror = item(edit, QStringLiteral("Mirror"), QStringLiteral("mnuMirror"), QKeySequence(Qt::CTRL | Qt::Key_M),
                     QStringLiteral("mirror"), QStringLiteral("Mirror the selection"));
    mnuFlip = item(edit, QStringLiteral("Flip"), QStringLiteral("mnuFlip"), QKeySequence(Qt::CTRL | Qt::Key_I),
                   QStringLiteral("flip"), QStringLiteral("Flip the selection"));
    edit->addSeparator();
    mnuPreferences = item(edit, tr("Preferences..."), QStringLiteral("mnuPreferences"));
    mnuPreferences->setMenuRole(QAction::PreferencesRole);
    for (QAction* later : {mnuCut, mnuCopy, mnuPaste, mnuReplace, mnuMirror, mnuFlip}) {
        later->setEnabled(false);
    }

    mnuWindow = window->menuBar()->addMenu(tr("&Window"));
    mnuWindow->setObjectName(QStringLiteral("mnuWindow"));
    mnuCascade = item(mnuWindow, QStringLiteral("Cascade"), QStringLiteral("mnuCascade"));
    mnuTileH = item(mnuWindow, QStringLiteral("Tile Horizontally"), QStringLiteral("mnuTileH"));
    mnuTileV = item(mnuWindow, QStringLiteral("Tile Vertically"), QStringLiteral("mnuTileV"));
    mnuWindow->addSeparator();
    for (int i = 0; i < MapItems; ++i) {
        QAction* map = mnuWindow->addAction(QString());
        map->setObjectName(QStringLiteral("mnuMaps%1").arg(i));
        map->setCheckable(true);
        map->setVisible(false);
        mnuMaps[static_cast<size_t>(i)] = map;
    }
}
