#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <utility>

#include "app/AppIcons.h"
#include "app/DocumentManager.h"
#include "app/MapWindow.h"
#include "app/RightPanel.h"
#include "app/ToolBars.h"
#include "tools/ToolDispatch.h"
#include "tools/ToolTable.h"
#include "view/MapView.h"
#include "view/PictureBox.h"

// The main window's half that deals with the current tool and the keyboard: tool selection with
// the Ctrl-held dropper, the keyboard focus of the active map, and the keys of the panel's controls.

void MainWindow::focusActiveMap() {
    MapWindow* map = activeMap();
    // While the replace dialog or a modal box is open, the keyboard belongs to it; a window on its
    // way out takes nothing.
    if (!isEnabled() || QApplication::activeModalWidget() != nullptr || (map == nullptr && !isVisible())) {
        return;
    }
    // Without a window manager nobody else gives the keyboard back once a dialog has gone.
    if (!isActiveWindow()) {
        activateWindow();
    }
    if (map != nullptr) {
        map->view()->viewSurface()->setFocus();
    } else {
        // With no map the window itself takes the keys, so Ctrl+O and Ctrl+N work at once.
        setFocus();
    }
}

void MainWindow::setCurrentTool(ToolId newTool) {
    // A tool the user picks while Ctrl is held stays: the release must not bring back an older one.
    if (newTool != tool) {
        for (MapWindow* map : docs->openMaps()) {
            map->forgetTemporaryTool();
        }
    }
    applyTool(newTool);
}

void MainWindow::beginTemporaryTool(MapWindow& map, ToolId temporary) {
    map.holdTemporaryTool(tool);
    applyTool(temporary);
}

void MainWindow::endTemporaryTool() {
    for (MapWindow* map : docs->openMaps()) {
        if (const std::optional<ToolId> replaced = map->releaseTemporaryTool()) {
            applyTool(*replaced);
        }
    }
}

void MainWindow::endGesture() {
    docs->endGestures();
}

void MainWindow::applyTool(ToolId newTool) {
    endGesture();
    const ToolId old = std::exchange(tool, newTool);
    const QList<MapWindow*> open = docs->openMaps();
    for (MapWindow* map : open) {
        map->switchTool(old, tool);
    }
    const QCursor cursor = AppIcons::toolCursor(tool);
    for (MapWindow* map : open) {
        map->view()->viewSurface()->setCursor(cursor);
    }
    MapWindow* active = activeMap();
    if (active != nullptr && toolEntry(tool).endsSelection &&
        active->selectionHooks().selstate() == SelectionState::Selected) {
        active->selectionHooks().stopSelecting(true);
    }
    toolbars->toolButton(tool)->setChecked(true);
    if (active != nullptr) {
        active->view()->viewSurface()->setFocus();
    }
}

void MainWindow::lineWidthClicked(int index) {
    withActiveMap([index](MapWindow& map) { map.setLineWidth(index); });
}

void MainWindow::forwardKey(QKeyEvent* event, bool keyDown) {
    withActiveMap([event, keyDown](MapWindow& map) {
        map.useShortcutTool(keyDown, static_cast<Qt::Key>(event->key()),
                            ToolDispatch::shiftMask(event->modifiers(), event->key(), keyDown));
    });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // The line width buttons pass the tool shortcuts on, like the view and the tileset picker.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Space && key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) {
            forwardKey(key, event->type() == QEvent::KeyPress);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
