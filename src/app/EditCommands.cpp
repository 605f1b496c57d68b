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
    connect(menu.mnuCut, &QAction::triggered, this, onMap([](MapWindow& map) { map.sel().CutSelection(); }));
    connect(menu.mnuCopy, &QAction::triggered, this, onMap([](MapWindow& map) { map.sel().CopySelection(); }));
    connect(menu.mnuPaste, &QAction::triggered, this, onMap([](MapWindow& map) { map.clip().Paste(); }));
    connect(menu.mnuReplace, &QAction::triggered, this, [this] { ShowReplace(); });
    connect(menu.mnuMirror, &QAction::triggered, this, [this] { ExecuteMirror(); });
    connect(menu.mnuFlip, &QAction::triggered, this, [this] { ExecuteFlip(); });
    connect(menu.mnuPreferences, &QAction::triggered, this, [this] {
        auto* dialog = new PreferencesDialog(this->general);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
        // Without a window manager nothing else gives the new window the keyboard.
        dialog->activateWindow();
    });
    connect(general.rightPanel()->cmdCreateWalls, &QPushButton::clicked, this, [this] { ShowCreateWalls(); });
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

void EditCommands::ShowReplace() {
    general.endGesture();
    MapWindow* map = general.activeMap();
    if (!map) {
        return;
    }
    delete replace;
    replace = new ReplaceDialog(&general, general.dialogs(), map->level().tileset.pictileset(),
                                [this](int mode, int16_t src, int16_t dest, bool inselection) {
                                    ExecuteReplace(mode, src, dest, inselection);
                                });
    replace->setAttribute(Qt::WA_DeleteOnClose);
    // Kept above the main window although it is not its child.
    replace->winId();
    if (QWindow* owner = general.windowHandle()) {
        replace->windowHandle()->setTransientParent(owner);
    }
    const bool selected = map->sel().selstate() == SelectionState::Selected;
    replace->chkinselection->setEnabled(selected);
    replace->chkinselection->setChecked(selected);
    replace->lefttile = map->tilesetLeft();
    replace->righttile = map->tilesetRight();
    replace->show();
    // Without a window manager nothing else gives the new window the keyboard.
    replace->activateWindow();
    replace->updatePreview();
}

void EditCommands::ExecuteReplace(int mode, int16_t tilesrc, int16_t tiledest, bool inselection) {
    general.endGesture();
    MapWindow* map = general.activeMap();
    if (!map || mode < 0 || mode > 3) {
        return;
    }
    const bool replaceMode = mode >= 2;
    if (inselection) {
        map->sel().SwitchOrReplace(tilesrc, tiledest, replaceMode);
    } else {
        map->level().SwitchOrReplace(tilesrc, tiledest, replaceMode);
    }
}

void EditCommands::ExecuteMirror() {
    general.endGesture();
    MapWindow* map = general.activeMap();
    if (!map || map->sel().selstate() != SelectionState::Selected) {
        return;
    }
    map->sel().Mirror();
}

void EditCommands::ExecuteFlip() {
    general.endGesture();
    MapWindow* map = general.activeMap();
    if (!map || map->sel().selstate() != SelectionState::Selected) {
        return;
    }
    map->sel().Flip();
}

void EditCommands::ShowCreateWalls() {
    general.endGesture();
    MapWindow* map = general.activeMap();
    if (!map) {
        return;
    }
    if (!walls) {
        walls = new WallSetsDialog(&general);
    }
    walls->init(map, &map->walltiles(), map->level().tileset.pictileset());
    walls->show();
    walls->raise();
    walls->activateWindow();
}
