#include "app/EditCommands.h"

#include <QAction>
#include <QCheckBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QWindow>

#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "app/MapWindow.h"
#include "app/PreferencesDialog.h"
#include "app/RightPanel.h"
#include "model/LevelEdit.h"
#include "selection/ReplaceDialog.h"
#include "walls/WallPainter.h"
#include "walls/WallSetsDialog.h"

EditCommands::EditCommands(MainWindow& general) : QObject(&general), general(general) {
    MainMenu& menu = *general.mainMenu();
    auto onMap = [this](void (*action)(MapWindow&)) {
        return [this, action] {
            this->general.endGesture();
            if (MapWindow* map = this->general.activeMap()) {
                action(*map);
            }
        };
    };
    connect(menu.cutAction(), &QAction::triggered, this, onMap([](MapWindow& map) { map.sel().cutSelection(); }));
    connect(menu.copyAction(), &QAction::triggered, this, onMap([](MapWindow& map) { map.sel().copySelection(); }));
    connect(menu.pasteAction(), &QAction::triggered, this, onMap([](MapWindow& map) { map.clip().paste(); }));
    connect(menu.replaceAction(), &QAction::triggered, this, [this] { showReplaceDialog(); });
    connect(menu.mirrorAction(), &QAction::triggered, this, [this] { mirrorSelection(); });
    connect(menu.flipAction(), &QAction::triggered, this, [this] { flipSelection(); });
    connect(menu.retileWallsAction(), &QAction::triggered, this, [this] { retileWalls(); });
    connect(menu.preferencesAction(), &QAction::triggered, this, [this] {
        auto* dialog = new PreferencesDialog(this->general.documents(), this->general.recoveryCopies());
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
        // Without a window manager nothing else gives the new window the keyboard.
        dialog->activateWindow();
    });
    connect(general.rightPanel()->createWallsButton(), &QPushButton::clicked, this, [this] { showWallSetsDialog(); });
    // An open sets dialog shows the sets of whichever map is active.
    connect(general.mdiArea(), &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        auto* map = sub ? qobject_cast<MapWindow*>(sub->widget()) : nullptr;
        if (map && walls && walls->isVisible() && walls->boundMap() != map) {
            walls->init(map, &map->levelSets(), map->level().tileset().tilesetPicture());
        }
    });
}

EditCommands::~EditCommands() {
    // The replace dialog has no Qt parent (the main window it disables would disable it too).
    delete replace;
}

ReplaceDialog* EditCommands::replaceDialog() const {
    return replace;
}

WallSetsDialog* EditCommands::wallsDialog() const {
    return walls;
}

void EditCommands::showReplaceDialog() {
    general.endGesture();
    MapWindow* map = general.activeMap();
    if (!map) {
        return;
    }
    delete replace;
    replace = new ReplaceDialog(
        &general, general.dialogs(), map->level().tileset().tilesetPicture(),
        [this](int mode, int16_t src, int16_t dest, bool inselection) { replaceTiles(mode, src, dest, inselection); });
    replace->setAttribute(Qt::WA_DeleteOnClose);
    // Kept above the main window although it is not its child.
    replace->winId();
    if (QWindow* owner = general.windowHandle()) {
        replace->windowHandle()->setTransientParent(owner);
    }
    const bool selected = map->sel().selstate() == SelectionState::Selected;
    replace->inSelectionCheck()->setEnabled(selected);
    replace->inSelectionCheck()->setChecked(selected);
    replace->setTiles(map->tilesetLeft(), map->tilesetRight());
    replace->show();
    // Without a window manager nothing else gives the new window the keyboard.
    replace->activateWindow();
    replace->updatePreview();
}

void EditCommands::replaceTiles(int mode, int16_t tilesrc, int16_t tiledest, bool inselection) {
    general.endGesture();
    MapWindow* map = general.activeMap();
    if (!map || mode < 0 || mode > 3) {
        return;
    }
    const bool replaceMode = mode >= 2;
    if (inselection) {
        map->sel().switchOrReplace(tilesrc, tiledest, replaceMode);
    } else {
        map->level().switchOrReplace(tilesrc, tiledest, replaceMode);
    }
}

void EditCommands::mirrorSelection() {
    general.endGesture();
    MapWindow* map = general.activeMap();
    if (!map || map->sel().selstate() != SelectionState::Selected) {
        return;
    }
    map->sel().mirror();
}

void EditCommands::flipSelection() {
    general.endGesture();
    MapWindow* map = general.activeMap();
    if (!map || map->sel().selstate() != SelectionState::Selected) {
        return;
    }
    map->sel().flip();
}

void EditCommands::retileWalls() {
    general.endGesture();
    MapWindow* map = general.activeMap();
    if (!map) {
        return;
    }
    const CellRect area = map->sel().selstate() == SelectionState::Selected
                              ? map->sel().rect()
                              : CellRect{0, 0, Level::Size - 1, Level::Size - 1};
    LevelEdit edit(map->level());
    WallPainter::retile(edit, map->levelSets(), area);
    map->level().overview().rebuild(map->level().cells());
    edit.commit();
}

void EditCommands::showWallSetsDialog() {
    general.endGesture();
    MapWindow* map = general.activeMap();
    if (!map) {
        return;
    }
    if (!walls) {
        walls = new WallSetsDialog(&general, general.dialogs());
        // The sets are saved with the level, so changing them changes the document.
        connect(walls, &WallSetsDialog::setsChanged, this, [this] {
            if (auto* bound = qobject_cast<MapWindow*>(walls->boundMap())) {
                bound->level().markChanged();
                bound->showModified();
            }
        });
    }
    walls->init(map, &map->levelSets(), map->level().tileset().tilesetPicture());
    walls->show();
    walls->raise();
    walls->activateWindow();
}
