#include "app/ToolBars.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QSizePolicy>
#include <QToolBar>

#include "app/AppIcons.h"
#include "app/MainMenu.h"

namespace {

QToolBar* bar(QMainWindow* window, Qt::ToolBarArea area, const QString& name) {
    auto* toolbar = new QToolBar(name, window);
    toolbar->setObjectName(name);
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setIconSize(QSize(24, 24));
    toolbar->toggleViewAction()->setEnabled(false);
    window->addToolBar(area, toolbar);
    return toolbar;
}

QAction* check(QObject* parent, const QString& key, const QString& icon, const QString& tooltip) {
    auto* action = new QAction(AppIcons::icon(icon), key, parent);
    action->setObjectName(key);
    action->setCheckable(true);
    action->setToolTip(tooltip);
    return action;
}

}  // namespace

ToolBars::ToolBars(QMainWindow* window, const MainMenu& menu) : QObject(window) {
    top = bar(window, Qt::TopToolBarArea, QStringLiteral("toolbartop"));
    grid = check(this, QStringLiteral("Grid"), QStringLiteral("grid"), tr("Show the grid"));
    tileNumbers = check(this, QStringLiteral("TileNr"), QStringLiteral("tilenr"), tr("Toggle Tile Numbers"));
    fillInScreen = check(this, QStringLiteral("FillInScreen"), QStringLiteral("fillinscreen"),
                         tr("Bucket fills only within the visible area"));
    fillInScreen->setChecked(true);
    walls = check(this, QStringLiteral("Walls"), QStringLiteral("walls"),
                  tr("Walls: the painting tools draw walls of the current wall set that join by themselves (W)"));
    random = check(this, QStringLiteral("Random"), QStringLiteral("random"),
                   tr("Random: the painting tools draw the left tile from the current random set (N)"));
    modeGroup = new QActionGroup(this);
    modeGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    modeGroup->addAction(walls);
    modeGroup->addAction(random);
    // Null stands for a separator.
    const std::array<QAction*, 21> entries{
        menu.newAction(),
        menu.openAction(),
        menu.saveAction(),
        nullptr,
        menu.cutAction(),
        menu.copyAction(),
        menu.pasteAction(),
        nullptr,
        menu.undoAction(),
        menu.redoAction(),
        nullptr,
        grid,
        tileNumbers,
        nullptr,
        menu.mirrorAction(),
        menu.flipAction(),
        nullptr,
        fillInScreen,
        nullptr,
        walls,
        random,
    };
    for (QAction* action : entries) {
        if (action == nullptr) {
            top->addSeparator();
        } else {
            top->addAction(action);
        }
    }
    auto* spring = new QWidget(top);
    spring->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    top->addWidget(spring);
    about = new QLabel(top);
    about->setObjectName(QStringLiteral("picabout"));
    about->setText(tr("<b>Quarn</b> %1 &nbsp;<span style='color:palette(mid)'>tile level editor</span>&nbsp;")
                       .arg(QApplication::applicationVersion()));
    about->setToolTip(
        tr("Quarn %1: an editor for 1024 x 1024 tile levels (.lvl)").arg(QApplication::applicationVersion()));
    top->addWidget(about);

    left = bar(window, Qt::LeftToolBarArea, QStringLiteral("Toolbarleft"));
    toolGroup = new QActionGroup(this);
    toolGroup->setExclusive(true);
    for (const ToolId tool : AllTools) {
        const ToolEntry& entry = toolEntry(tool);
        QAction* action = check(toolGroup, QString::fromLatin1(entry.key), QString::fromLatin1(entry.icon),
                                QCoreApplication::translate("ToolTable", entry.tooltip));
        toolGroup->addAction(action);
        left->addAction(action);
        tools[toolIndex(tool)] = action;
    }
}

PaintMode ToolBars::paintMode() const {
    if (walls->isChecked()) {
        return PaintMode::Walls;
    }
    return random->isChecked() ? PaintMode::Random : PaintMode::Plain;
}

void ToolBars::togglePaintMode(PaintMode mode) {
    if (mode == PaintMode::Walls) {
        walls->trigger();
    } else if (mode == PaintMode::Random) {
        random->trigger();
    } else if (QAction* pressed = modeGroup->checkedAction()) {
        pressed->trigger();
    }
}
