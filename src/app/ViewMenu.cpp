#include "app/ViewMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>

#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "app/MapWindow.h"
#include "app/RightPanel.h"
#include "app/ToolBars.h"
#include "model/Level.h"
#include "view/MapView.h"
#include "view/PictureBox.h"

namespace {

constexpr std::array<const char*, ViewMenu::ZoomSteps.size()> StepCaptions{
    {QT_TRANSLATE_NOOP("ViewMenu", "Zoom 1/16 (1 pixel per cell)"),
     QT_TRANSLATE_NOOP("ViewMenu", "Zoom 1/4 (4 pixels per cell)"),
     QT_TRANSLATE_NOOP("ViewMenu", "Zoom 1/2 (8 pixels per cell)"),
     QT_TRANSLATE_NOOP("ViewMenu", "Zoom 1 (16 pixels per cell)"),
     QT_TRANSLATE_NOOP("ViewMenu", "Zoom 2 (32 pixels per cell)")}};

}  // namespace

ViewMenu::ViewMenu(MainWindow& general) : QObject(&general), general(general) {
    ui.viewMenu = new QMenu(tr("&View"), general.menuBar());
    ui.viewMenu->setObjectName(QStringLiteral("mnuView"));
    general.menuBar()->insertMenu(general.mainMenu()->windowMenu()->menuAction(), ui.viewMenu);

    ui.zoomInAction = ui.viewMenu->addAction(tr("Zoom In"));
    ui.zoomInAction->setObjectName(QStringLiteral("mnuZoomIn"));
    ui.zoomInAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)});
    connect(ui.zoomInAction, &QAction::triggered, this, [this] { zoomStep(true); });
    ui.zoomOutAction = ui.viewMenu->addAction(tr("Zoom Out"));
    ui.zoomOutAction->setObjectName(QStringLiteral("mnuZoomOut"));
    ui.zoomOutAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    connect(ui.zoomOutAction, &QAction::triggered, this, [this] { zoomStep(false); });

    ui.viewMenu->addSeparator();
    auto* group = new QActionGroup(this);
    for (size_t i = 0; i < ZoomSteps.size(); ++i) {
        QAction* step = ui.viewMenu->addAction(tr(StepCaptions[i]));
        step->setObjectName(QStringLiteral("mnuZoomStep%1").arg(i));
        step->setCheckable(true);
        group->addAction(step);
        const float zoom = ZoomSteps[i];
        connect(step, &QAction::triggered, this, [this, zoom] { zoomTo(zoom); });
        zoomStepActions[i] = step;
    }

    ui.viewMenu->addSeparator();
    // The toolbar shows pictures only, so the toolbar action's text is free for the menu.
    general.toolBars()->tileNumbersAction()->setText(tr("Tile Numbers"));
    for (QAction* shared : {general.toolBars()->gridAction(), general.toolBars()->tileNumbersAction()}) {
        // A check mark reads better in a menu than a pressed picture.
        shared->setIconVisibleInMenu(false);
        ui.viewMenu->addAction(shared);
    }
    ui.showRightPanelAction = ui.viewMenu->addAction(tr("Show Right Panel"));
    ui.showRightPanelAction->setObjectName(QStringLiteral("mnuShowRightPanel"));
    ui.showRightPanelAction->setCheckable(true);
    // The panel also changes with its own button and at start, so a trigger always toggles it.
    connect(ui.showRightPanelAction, &QAction::triggered, this, [this] {
        this->general.rightPanel()->togglerightpanel_Click();
        syncChecks();
    });
    connect(general.rightPanel()->togglerightpanel(), &QPushButton::clicked, this, [this] { syncChecks(); });
    // Zooming needs a map, as Grid does.
    connect(general.toolBars()->gridAction(), &QAction::changed, this, [this] { syncChecks(); });
    connect(ui.viewMenu, &QMenu::aboutToShow, this, [this] { syncChecks(); });
    syncChecks();
}

void ViewMenu::syncChecks() {
    const MapWindow* map = general.activeMap();
    const bool enabled = map != nullptr && general.toolBars()->gridAction()->isEnabled();
    ui.zoomInAction->setEnabled(enabled);
    ui.zoomOutAction->setEnabled(enabled);
    for (size_t i = 0; i < ZoomSteps.size(); ++i) {
        zoomStepActions[i]->setEnabled(enabled);
        zoomStepActions[i]->setChecked(map != nullptr && map->magnifier().zoomFactor() == ZoomSteps[i]);
    }
    ui.showRightPanelAction->setChecked(general.rightPanel()->expanded());
}

void ViewMenu::zoomStep(bool in) {
    MapWindow* map = general.activeMap();
    if (map == nullptr) {
        return;
    }
    // The cell in the middle of the view stays there, as far as the map's edges allow.
    const PictureBox* view = map->view()->viewSurface();
    const auto x = static_cast<int16_t>(std::clamp(map->view()->cellX(view->width() / 2.0), 0, Level::Size - 1));
    const auto y = static_cast<int16_t>(std::clamp(map->view()->cellY(view->height() / 2.0), 0, Level::Size - 1));
    if (in) {
        map->magnifier().zoomIn(x, y);
    } else {
        map->magnifier().zoomOut(x, y);
    }
    syncChecks();
}

void ViewMenu::zoomTo(float zoom) {
    MapWindow* map = general.activeMap();
    for (size_t i = 0; map != nullptr && map->magnifier().zoomFactor() != zoom && i < ZoomSteps.size(); ++i) {
        zoomStep(map->magnifier().zoomFactor() < zoom);
    }
    syncChecks();
}
