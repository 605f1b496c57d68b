#include "app/EditCommands.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QWindow>

#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "app/MapWindow.h"
#include "app/PreferencesDialog.h"
#include "app/RightPanel.h"
#include "selection/ReplaceDialog.h"
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
    connect(menu.preferencesAction(), &QAction::triggered, this, [this] {
        auto* dialog = new PreferencesDialog(this->general.documents(), this->general.recoveryCopies());
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
        // Without a window manager nothing else gives the new window the keyboard.
        dialog->activateWindow();
    });
    connect(general.rightPanel()->createWallsButton(), &QPushButton::clicked, this, [this] { showWallSetsDialog(); });
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

void EditCommands::showWallSetsDialog() {
    general.endGesture();
    MapWindow* map = general.activeMap();
    if (!map) {
        return;
    }
    if (!walls) {
        walls = new WallSetsDialog(&general);
    }
    walls->init(map, &map->walltiles(), map->level().tileset().tilesetPicture());
    walls->show();
    walls->raise();
    walls->activateWindow();
}
