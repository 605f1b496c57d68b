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
    mainToolBar = bar(window, Qt::TopToolBarArea, QStringLiteral("toolbartop"));
    tbGrid = check(this, QStringLiteral("Grid"), QStringLiteral("grid"), tr("Show the grid"));
    tbTileNr = check(this, QStringLiteral("TileNr"), QStringLiteral("tilenr"), tr("Toggle Tile Numbers"));
    tbFillInScreen = check(this, QStringLiteral("FillInScreen"), QStringLiteral("fillinscreen"),
                           tr("Bucket fills only within the visible area"));
    tbFillInScreen->setChecked(true);
    const std::array<std::pair<const char*, QAction*>, 18> entries{{
        {"New", menu.newAction},
        {"Open", menu.openAction},
        {"Save", menu.saveAction},
        {nullptr, nullptr},
        {"Cut", menu.cutAction},
        {"Copy", menu.copyAction},
        {"Paste", menu.pasteAction},
        {nullptr, nullptr},
        {"Undo", menu.undoAction},
        {"Redo", menu.redoAction},
        {nullptr, nullptr},
        {"Grid", tbGrid},
        {"TileNr", tbTileNr},
        {nullptr, nullptr},
        {"Mirror", menu.mirrorAction},
        {"Flip", menu.flipAction},
        {nullptr, nullptr},
        {"FillInScreen", tbFillInScreen},
    }};
    for (const auto& [key, action] : entries) {
        if (action == nullptr) {
            mainToolBar->addSeparator();
        } else {
            mainToolBar->addAction(action);
            keys.insert(QString::fromLatin1(key), action);
        }
    }
    auto* spring = new QWidget(mainToolBar);
    spring->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    mainToolBar->addWidget(spring);
    aboutPicture = new QLabel(mainToolBar);
    aboutPicture->setObjectName(QStringLiteral("picabout"));
    aboutPicture->setText(tr("<b>Quarn</b> %1 &nbsp;<span style='color:palette(mid)'>tile level editor</span>&nbsp;")
                              .arg(QApplication::applicationVersion()));
    aboutPicture->setToolTip(
        tr("Quarn %1: an editor for 1024 x 1024 tile levels (.lvl)").arg(QApplication::applicationVersion()));
    mainToolBar->addWidget(aboutPicture);

    toolsToolBar = bar(window, Qt::LeftToolBarArea, QStringLiteral("Toolbarleft"));
    toolGroup = new QActionGroup(this);
    toolGroup->setExclusive(true);
    for (const ToolId tool : AllTools) {
        const ToolEntry& entry = toolEntry(tool);
        QAction* action = check(toolGroup, QString::fromLatin1(entry.key), QString::fromLatin1(entry.icon),
                                QCoreApplication::translate("ToolTable", entry.tooltip));
        toolGroup->addAction(action);
        toolsToolBar->addAction(action);
        tools[toolIndex(tool)] = action;
    }
}
