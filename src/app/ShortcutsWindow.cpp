#include "app/ShortcutsWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "tools/ShortcutTable.h"

namespace {

// The tables mark their texts for translation under this context.
QString text(const char* s) {
    return QCoreApplication::translate("ShortcutTable", s);
}

QString toolName(ToolId tool) {
    return text(ShortcutTable::toolKey(tool)->description);
}

// Menu items with a key, depth first; the caption loses its mnemonic and what follows a tab.
void addMenuRows(const QMenu& menu, const QString& path, QList<ShortcutsWindow::Row>& rows) {
    for (const QAction* action : menu.actions()) {
        const QString caption = action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
        if (action->menu() != nullptr) {
            addMenuRows(*action->menu(), path + QStringLiteral(" > ") + caption, rows);
            continue;
        }
        QStringList keys;
        for (const QKeySequence& key : action->shortcuts()) {
            keys << key.toString(QKeySequence::NativeText);
        }
        if (keys.isEmpty() && action->text().contains(QLatin1Char('\t'))) {
            keys << action->text().section(QLatin1Char('\t'), 1);
        }
        if (!keys.isEmpty() && !action->isSeparator()) {
            rows.append({QCoreApplication::translate("ShortcutsWindow", "Menu commands"),
                         keys.join(QStringLiteral(", ")), path + QStringLiteral(" > ") + caption});
        }
    }
}

}  // namespace

QList<ShortcutsWindow::Row> ShortcutsWindow::rows(const QMenuBar& menus) {
    using namespace ShortcutTable;
    QList<Row> rows;
    for (const KeyShortcut& key : Keys) {
        if (key.action == KeyAction::PickTool) {
            rows.append({tr("Tools"), text(key.keyName), text(key.description)});
        }
    }
    for (const KeyShortcut& key : Keys) {
        if (key.action == KeyAction::PickTool) {
            const QString tool = toolName(key.tool);
            for (const MouseGesture& g : Gestures) {
                if (g.tool == key.tool) {
                    rows.append({tool, text(g.gesture), text(g.description)});
                }
            }
            for (const KeyShortcut& other : Keys) {
                if (other.action != KeyAction::PickTool && other.tool == key.tool) {
                    rows.append({tool, text(other.keyName), text(other.description)});
                }
            }
            if (turnsIntoDropper(key.tool)) {
                rows.append({tool, tr("Hold Ctrl"), tr("Pick tiles as the dropper does, until Ctrl is let go")});
            }
        }
    }
    for (const KeyShortcut& key : Keys) {
        if (key.tool == AnyTool) {
            rows.append({tr("View"), text(key.keyName), text(key.description)});
        }
    }
    for (const MouseGesture& g : Gestures) {
        if (g.tool == AnyTool) {
            rows.append({tr("View"), text(g.gesture), text(g.description)});
        }
    }
    for (const QAction* top : menus.actions()) {
        if (top->menu() != nullptr) {
            addMenuRows(*top->menu(), top->text().remove(QLatin1Char('&')), rows);
        }
    }
    return rows;
}

ShortcutsWindow::ShortcutsWindow(const QMenuBar& menus, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmShortcuts"));
    setWindowTitle(tr("Keyboard Shortcuts"));
    list = new QTreeWidget;
    list->setColumnCount(2);
    list->setHeaderLabels({tr("Key or gesture"), tr("What it does")});
    list->setRootIsDecorated(false);
    list->setAlternatingRowColors(true);
    QTreeWidgetItem* group = nullptr;
    for (const Row& row : rows(menus)) {
        if (group == nullptr || group->text(0) != row.group) {
            group = new QTreeWidgetItem(list, {row.group});
            QFont bold = group->font(0);
            bold.setBold(true);
            group->setFont(0, bold);
            group->setFirstColumnSpanned(true);
            group->setExpanded(true);
        }
        new QTreeWidgetItem(group, {row.keys, row.action});
    }
    list->expandAll();
    list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    layout->addWidget(buttons);
    resize(680, 700);
}
