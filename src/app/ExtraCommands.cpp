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
    mnuClose = addAfter(menu.mnuFile, menu.mnuSaveAs, QStringLiteral("Close"), QStringLiteral("mnuClose"));
    mnuClose->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    connect(mnuClose, &QAction::triggered, this, [this] { closeMap(); });
    menu.mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // A map window's own menu closes it with Ctrl+W too; two owners of one key would disable it.
    connect(general.mdiArea(), &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        if (sub != nullptr && sub->systemMenu() != nullptr) {
            for (QAction* item : sub->systemMenu()->actions()) {
                QList<QKeySequence> keys = item->shortcuts();
                if (keys.removeAll(mnuClose->shortcut()) > 0) {
                    item->setShortcuts(keys);
                }
            }
        }
    });

    menu.mnuEdit->addSeparator();
    mnuSelectAll = menu.mnuEdit->addAction(QStringLiteral("Select All"));
    mnuSelectAll->setObjectName(QStringLiteral("mnuSelectAll"));
    mnuSelectAll->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    connect(mnuSelectAll, &QAction::triggered, this, [this] { selectAll(); });
    mnuDeselect = menu.mnuEdit->addAction(QStringLiteral("Deselect"));
    mnuDeselect->setObjectName(QStringLiteral("mnuDeselect"));
    mnuDeselect->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    connect(mnuDeselect, &QAction::triggered, this, [this] { deselect(); });
    // The Delete key stays with the view's own key handling; the menu only names it.
    mnuDelete = menu.mnuEdit->addAction(QStringLiteral("Delete") + QLatin1Char('\t') +
                                        QKeySequence(Qt::Key_Delete).toString(QKeySequence::NativeText));
    mnuDelete->setObjectName(QStringLiteral("mnuDelete"));
    connect(mnuDelete, &QAction::triggered, this, [this] { deleteSelection(); });

    connect(menu.mnuEdit, &QMenu::aboutToShow, this, [this] { syncEnabled(); });
    connect(menu.mnuFile, &QMenu::aboutToShow, this, [this] { syncEnabled(); });
    // The map commands are switched together with the Grid button.
    connect(general.toolBars()->tbGrid, &QAction::changed, this, [this] { syncEnabled(); });
    syncEnabled();
}

void ExtraCommands::syncEnabled() {
    const MapWindow* map = general.activeMap();
    const bool open = map != nullptr && general.toolBars()->tbGrid->isEnabled();
    mnuClose->setEnabled(open);
    mnuSelectAll->setEnabled(open);
    // Deselect keeps its key whenever a map is open; Delete has no key of its own here, so it may
    // follow the selection.
    mnuDeselect->setEnabled(open);
    mnuDelete->setEnabled(open && map->sel().selstate() == SelectionState::Selected &&
                          general.currentTool() == ToolId::Selection);
}

void ExtraCommands::closeMap() {
    if (MapWindow* map = general.activeMap()) {
        map->parentWidget()->close();
    }
}

void ExtraCommands::selectAll() {
    if (MapWindow* map = general.activeMap()) {
        map->sel().SelectAll();
    }
}

void ExtraCommands::deselect() {
    MapWindow* map = general.activeMap();
    if (map != nullptr && map->sel().selstate() == SelectionState::Selected) {
        map->sel().ApplySelection();
    }
}

void ExtraCommands::deleteSelection() {
    MapWindow* map = general.activeMap();
    if (map != nullptr && map->sel().selstate() == SelectionState::Selected &&
        general.currentTool() == ToolId::Selection) {
        map->sel().DeleteSelection();
    }
}
