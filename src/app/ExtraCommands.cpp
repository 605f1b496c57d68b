#include "app/ExtraCommands.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "app/MapWindow.h"
#include "app/ToolBars.h"

namespace {

QAction* addAfter(QMenu* menu, QAction* after, const QString& caption, const QString& name) {
    const QList<QAction*> items = menu->actions();
    const qsizetype at = items.indexOf(after) + 1;
    auto* action = new QAction(caption, menu);
    action->setObjectName(name);
    menu->insertAction(at < items.size() ? items[at] : nullptr, action);
    return action;
}

}  // namespace

ExtraCommands::ExtraCommands(MainWindow& general) : QObject(&general), general(general) {
    MainMenu& menu = *general.mainMenu();
    ui.closeAction = addAfter(menu.fileMenu(), menu.saveAsAction(), tr("Close"), QStringLiteral("mnuClose"));
    ui.closeAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    connect(ui.closeAction, &QAction::triggered, this, [this] { closeMap(); });
    menu.exitAction()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // A map window's own menu closes it with Ctrl+W too; two owners of one key would disable it.
    connect(general.mdiArea(), &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        if (sub != nullptr && sub->systemMenu() != nullptr) {
            for (QAction* item : sub->systemMenu()->actions()) {
                QList<QKeySequence> keys = item->shortcuts();
                if (keys.removeAll(ui.closeAction->shortcut()) > 0) {
                    item->setShortcuts(keys);
                }
            }
        }
    });

    menu.editMenu()->addSeparator();
    ui.selectAllAction = menu.editMenu()->addAction(tr("Select All"));
    ui.selectAllAction->setObjectName(QStringLiteral("mnuSelectAll"));
    ui.selectAllAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    connect(ui.selectAllAction, &QAction::triggered, this, [this] { selectAll(); });
    ui.deselectAction = menu.editMenu()->addAction(tr("Deselect"));
    ui.deselectAction->setObjectName(QStringLiteral("mnuDeselect"));
    ui.deselectAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    connect(ui.deselectAction, &QAction::triggered, this, [this] { deselect(); });
    // The Delete key stays with the view's own key handling; the menu only names it.
    ui.deleteAction = menu.editMenu()->addAction(tr("Delete") + QLatin1Char('\t') +
                                                 QKeySequence(Qt::Key_Delete).toString(QKeySequence::NativeText));
    ui.deleteAction->setObjectName(QStringLiteral("mnuDelete"));
    connect(ui.deleteAction, &QAction::triggered, this, [this] { deleteSelection(); });

    connect(menu.editMenu(), &QMenu::aboutToShow, this, [this] { syncEnabled(); });
    connect(menu.fileMenu(), &QMenu::aboutToShow, this, [this] { syncEnabled(); });
    // The map commands are switched together with the Grid button.
    connect(general.toolBars()->gridAction(), &QAction::changed, this, [this] { syncEnabled(); });
    syncEnabled();
}

void ExtraCommands::syncEnabled() {
    const MapWindow* map = general.activeMap();
    const bool open = map != nullptr && general.toolBars()->gridAction()->isEnabled();
    ui.closeAction->setEnabled(open);
    ui.selectAllAction->setEnabled(open);
    // Deselect keeps its key whenever a map is open; Delete has no key of its own here, so it may
    // follow the selection.
    ui.deselectAction->setEnabled(open);
    ui.deleteAction->setEnabled(open && map->sel().selstate() == SelectionState::Selected &&
                                general.currentTool() == ToolId::Selection);
}

void ExtraCommands::closeMap() {
    if (MapWindow* map = general.activeMap()) {
        map->parentWidget()->close();
    }
}

void ExtraCommands::selectAll() {
    if (MapWindow* map = general.activeMap()) {
        map->sel().selectAll();
    }
}

void ExtraCommands::deselect() {
    MapWindow* map = general.activeMap();
    if (map != nullptr && map->sel().selstate() == SelectionState::Selected) {
        map->sel().applySelection();
    }
}

void ExtraCommands::deleteSelection() {
    MapWindow* map = general.activeMap();
    if (map != nullptr && map->sel().selstate() == SelectionState::Selected &&
        general.currentTool() == ToolId::Selection) {
        map->sel().deleteSelection();
    }
}
