#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "app/AppIcons.h"
#include "app/DocumentManager.h"
#include "app/EditCommands.h"
#include "app/ExportImageCommand.h"
#include "app/ExportMapCommand.h"
#include "app/ExtraCommands.h"
#include "app/HelpMenu.h"
#include "app/InputGuard.h"
#include "app/LayoutMemory.h"
#include "app/MainMenu.h"
#include "app/MapWindow.h"
#include "app/MdiArrange.h"
#include "app/RecentFiles.h"
#include "app/RecoveryCopies.h"
#include "app/RightPanel.h"
#include "app/StatusBar.h"
#include "app/TilesetCommands.h"
#include "app/TilesetPicker.h"
#include "app/TilesetTileInfo.h"
#include "app/ToolBars.h"
#include "app/ViewMenu.h"
#include "model/LevelFile.h"
#include "tools/ToolDispatch.h"
#include "view/MapView.h"
#include "view/PictureBox.h"

MainWindow::MainWindow(std::unique_ptr<AppDialogs> dialogs, QWidget* parent, const QString& recentIni)
    : QMainWindow(parent), mdi(new QMdiArea), dialogBoxes(std::move(dialogs)) {
    setObjectName(QStringLiteral("frmGeneral"));
    setWindowTitle(QStringLiteral("Quarn"));
    setWindowIcon(AppIcons::icon(QStringLiteral("quarn")));
    setAcceptDrops(true);
    menu = new MainMenu(this, recentIni.isEmpty() ? RecentFiles::defaultIniPath() : recentIni);
    toolbars = new ToolBars(this, *menu);
    docs = new DocumentManager(
        *dialogBoxes, *this, *menu->recent(),
        [this](int slot) {
            // The new map starts with the tool the user chose, not with a Ctrl-held dropper.
            endTemporaryTool();
            return new MapWindow(*this, slot);
        },
        this);
    tilesets = std::make_unique<TilesetCommands>(*docs);
    recovery = new RecoveryCopies(*docs);
    panel = new RightPanel;
    picker = new TilesetPicker(*this, *panel);
    radarPicture = panel->radarPicture();
    cellPositionLabel = panel->cellPositionLabel();

    auto* centre = new QWidget;
    auto* layout = new QHBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    mdi->setObjectName(QStringLiteral("mdi"));
    mdi->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    layout->addWidget(mdi, 1);
    layout->addWidget(panel);
    setCentralWidget(centre);

    connectCommands();
    edits = new EditCommands(*this);
    setStatusBar(new StatusBar(*this));
    new ViewMenu(*this);
    new ExtraCommands(*this);
    new HelpMenu(*this);
    new TilesetTileInfo(*docs, *panel, *picker);
    setMapCommandsEnabled(false);
    setOwnTilesetItemsEnabled(false);
    setUndoRedoEnabled(false, false);
    setCurrentTool(ToolId::Hand);
    new InputGuard(*this);
}

MainWindow::~MainWindow() {
    // The map windows go with the window area; nothing may react to their activation any more, neither
    // this window nor the status bar, menus and panel parts that follow the active map.
    disconnect(mdi, &QMdiArea::subWindowActivated, nullptr, nullptr);
    disconnect(mdi, nullptr, this, nullptr);
}

void MainWindow::connectCommands() {
    connect(docs, &DocumentManager::documentAdded, this, &MainWindow::showMap);
    connect(docs, &DocumentManager::documentRemoved, this, &MainWindow::hideMapItem);
    connect(docs, &DocumentManager::documentChanged, this, &MainWindow::showMapItem);
    connect(docs, &DocumentManager::activeDocumentChanged, this, &MainWindow::updateWindowMenu);
    connect(docs, &DocumentManager::lastDocumentClosed, this, &MainWindow::clearLevelParts);
    connect(docs, &DocumentManager::raiseRequested, this, &MainWindow::showMapWindow);

    connect(menu->newAction(), &QAction::triggered, this, [this] { docs->newLevel(); });
    connect(menu->openAction(), &QAction::triggered, this, [this] { docs->openLevel({}); });
    connect(menu->saveAction(), &QAction::triggered, this, [this] { docs->saveActive(false); });
    connect(menu->saveAsAction(), &QAction::triggered, this, [this] { docs->saveActive(true); });
    connect(menu->exportImageAction(), &QAction::triggered, this, [this] { ExportImageCommand::run(*docs); });
    connect(menu->exportMapAction(), &QAction::triggered, this, [this] { ExportMapCommand::run(*docs); });
    connect(menu->importTilesetAction(), &QAction::triggered, this, [this] { tilesets->importTileset(); });
    connect(menu->exportTilesetAction(), &QAction::triggered, this, [this] { tilesets->exportTileset(); });
    connect(menu->discardTilesetAction(), &QAction::triggered, this, [this] { tilesets->discardTileset(); });
    connect(menu->exitAction(), &QAction::triggered, this, [this] { close(); });
    connect(menu->recent(), &RecentFiles::chosen, docs, &DocumentManager::openRecentItem);
    // Undo and Redo take back or repeat whole steps: a gesture in progress becomes one first.
    connect(menu->undoAction(), &QAction::triggered, this, [this] {
        endGesture();
        withActiveMap([](MapWindow& map) { map.level().undoStack().undo(); });
    });
    connect(menu->redoAction(), &QAction::triggered, this, [this] {
        endGesture();
        withActiveMap([](MapWindow& map) { map.level().undoStack().redo(); });
    });
    connect(menu->cascadeAction(), &QAction::triggered, mdi, &QMdiArea::cascadeSubWindows);
    connect(menu->tileHorizontallyAction(), &QAction::triggered, this, [this] { MdiArrange::tileHorizontally(*mdi); });
    connect(menu->tileVerticallyAction(), &QAction::triggered, this, [this] { MdiArrange::tileVertically(*mdi); });
    for (int i = 0; i < DocumentManager::SlotCount; ++i) {
        connect(menu->mapActions()[static_cast<size_t>(i)], &QAction::triggered, this,
                [this, i] { activateMapItem(i); });
    }

    connect(toolbars->gridAction(), &QAction::triggered, this, [this](bool pressed) {
        withActiveMap([pressed](MapWindow& map) {
            map.setShowGrid(pressed);
            map.updatePreview(true);
        });
    });
    connect(toolbars->tileNumbersAction(), &QAction::triggered, this, [this](bool pressed) {
        withActiveMap([pressed](MapWindow& map) {
            map.setShowTileNumbers(pressed);
            map.redrawView();
        });
    });
    for (const ToolId id : AllTools) {
        connect(toolbars->toolButton(id), &QAction::triggered, this, [this, id] { setCurrentTool(id); });
    }
    for (int i = 0; i < 3; ++i) {
        connect(panel->lineWidthButtons()[static_cast<size_t>(i)], &QToolButton::clicked, this,
                [this, i] { lineWidthClicked(i); });
    }
    connect(radarPicture, &PictureBox::mouseDown, this, [this](Qt::MouseButton, Qt::MouseButtons, QPointF pos) {
        withActiveMap([pos](MapWindow& map) { map.view()->radarClick(pos.x(), pos.y()); });
    });
    connect(panel->tilesetPicture(), &PictureBox::keyDown, this, [this](QKeyEvent* e) { forwardKey(e, true); });
    connect(panel->tilesetPicture(), &PictureBox::keyUp, this, [this](QKeyEvent* e) { forwardKey(e, false); });
    for (QToolButton* button : panel->lineWidthButtons()) {
        button->installEventFilter(this);
    }
    connect(panel, &RightPanel::resized, this,
            [this] { withActiveMap([](MapWindow& map) { map.updatePreview(true); }); });
    connect(mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        if (auto* map = sub ? qobject_cast<MapWindow*>(sub->widget()) : nullptr) {
            for (QMdiSubWindow* other : mdi->subWindowList()) {
                if (auto* background = qobject_cast<MapWindow*>(other->widget())) {
                    background->view()->setDormant(background != map);
                    if (background != map) {
                        background->endGesture();
                    }
                }
            }
            map->activate();
        }
    });
}

void MainWindow::withActiveMap(const std::function<void(MapWindow&)>& action) {
    if (MapWindow* map = activeMap()) {
        action(*map);
    }
}

void MainWindow::hideMapItem(int slot) {
    QAction* item = menu->mapActions()[static_cast<size_t>(slot)];
    item->setVisible(false);
    item->setText(QString());
}

void MainWindow::showMapItem(MapWindow* map) {
    menu->mapActions()[static_cast<size_t>(map->mapslot())]->setVisible(true);
    showLevelNames();
}

void MainWindow::showLevelNames() {
    for (const MapWindow* open : docs->openMaps()) {
        const QString mark = open->level().changed() ? QStringLiteral("*") : QString();
        menu->mapActions()[static_cast<size_t>(open->mapslot())]->setText(
            QString(open->windowTitle()).replace(QLatin1Char('&'), QStringLiteral("&&")) + mark);
    }
    const MapWindow* active = activeMap();
    setWindowTitle(active != nullptr ? tr("Quarn - %1[*]").arg(active->windowTitle()) : QStringLiteral("Quarn"));
    setWindowModified(active != nullptr && active->level().changed());
}

void MainWindow::clearLevelParts() {
    showTileset(QImage());
    radarPicture->image().fill(Qt::black);
    radarPicture->refresh();
    cellPositionLabel->clear();
    setMapCommandsEnabled(false);
    setOwnTilesetItemsEnabled(false);
    setUndoRedoEnabled(false, false);
    showLevelNames();
    // Once the map's window has gone, the keyboard would otherwise be nobody's.
    QTimer::singleShot(0, this, [this] { focusActiveMap(); });
}

void MainWindow::updateWindowMenu() {
    for (int i = 0; i < DocumentManager::SlotCount; ++i) {
        menu->mapActions()[static_cast<size_t>(i)]->setChecked(false);
    }
    menu->mapActions()[static_cast<size_t>(docs->activeSlot())]->setChecked(true);
    showLevelNames();
}

void MainWindow::activateMapItem(int index) {
    if (MapWindow* map = docs->map(index)) {
        showMapWindow(map);
    }
}

void MainWindow::showMapWindow(MapWindow* map) {
    auto* sub = qobject_cast<QMdiSubWindow*>(map->parentWidget());
    if (sub == nullptr) {
        return;
    }
    if (sub->isMinimized()) {
        sub->showNormal();
    }
    mdi->setActiveSubWindow(sub);
    sub->raise();
    focusActiveMap();
}

void MainWindow::showMap(MapWindow* map) {
    const QSize natural = map->size();
    QMdiSubWindow* sub = mdi->addSubWindow(map);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    docs->setCaption(map, map->windowTitle());
    sub->show();
    MdiArrange::placeNew(*mdi, *sub, natural);
    map->view()->centreView();
    map->redrawView();
    map->showModified();
    setCurrentTool(tool);
    setMapCommandsEnabled(true);
}

void MainWindow::setLeftTile(int tilenr) {
    picker->setLeftTile(tilenr);
}

void MainWindow::setRightTile(int tilenr) {
    picker->setRightTile(tilenr);
}

void MainWindow::showTileset(const QImage& picture) {
    panel->showTileset(picture);
}

void MainWindow::showDisplaySwitches(bool grid, bool tileNumbers) {
    toolbars->gridAction()->setChecked(grid);
    toolbars->tileNumbersAction()->setChecked(tileNumbers);
}

void MainWindow::switchGrid() {
    toolbars->gridAction()->trigger();
}

void MainWindow::switchTileNumbers() {
    toolbars->tileNumbersAction()->trigger();
}

bool MainWindow::fillInScreen() const {
    return toolbars->fillInScreenAction()->isChecked();
}

QAction* MainWindow::toolButton(ToolId id) const {
    return toolbars->toolButton(id);
}

RecentFiles& MainWindow::recent() const {
    return *menu->recent();
}

MapWindow* MainWindow::activeMap() const {
    return docs->activeMap();
}

void MainWindow::setUndoRedoEnabled(bool canUndo, bool canRedo) {
    menu->undoAction()->setEnabled(canUndo);
    menu->redoAction()->setEnabled(canRedo);
}

void MainWindow::setOwnTilesetItemsEnabled(bool enabled) {
    menu->exportTilesetAction()->setEnabled(enabled);
    menu->discardTilesetAction()->setEnabled(enabled);
}

void MainWindow::setMapCommandsEnabled(bool enabled) {
    for (QAction* action : {menu->saveAction(), menu->saveAsAction(), menu->exportImageAction(),
                            menu->exportMapAction(), menu->importTilesetAction(), menu->cutAction(), menu->copyAction(),
                            menu->pasteAction(), menu->replaceAction(), menu->mirrorAction(), menu->flipAction(),
                            menu->retileWallsAction(), toolbars->gridAction(), toolbars->tileNumbersAction()}) {
        action->setEnabled(enabled);
    }
    panel->createWallsButton()->setEnabled(enabled);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Every changed level is asked before any window closes, so a No keeps all of them open.
    if (!docs->mayCloseAll()) {
        event->ignore();
        return;
    }
    docs->setExitApproved(true);
    LayoutMemory::save(*this);
    mdi->closeAllSubWindows();
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasUrls()) {
        return;
    }
    event->acceptProposedAction();
    QStringList names;
    for (const QUrl& url : event->mimeData()->urls()) {
        names << url.toLocalFile();
    }
    docs->openDropped(names);
}
