#include "app/frmGeneral.h"

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
#include <QToolButton>

#include "app/AppIcons.h"
#include "app/EditCommands.h"
#include "app/ExportImageCommand.h"
#include "app/ExtraCommands.h"
#include "app/FileCommands.h"
#include "app/HelpMenu.h"
#include "app/InputGuard.h"
#include "app/LayoutMemory.h"
#include "app/MainMenu.h"
#include "app/MdiArrange.h"
#include "app/RecentFiles.h"
#include "app/RecoveryCopies.h"
#include "app/RightPanel.h"
#include "app/StatusBar.h"
#include "app/TilesetPicker.h"
#include "app/TilesetTileInfo.h"
#include "app/ToolBars.h"
#include "app/ViewMenu.h"
#include "app/frmMain.h"
#include "model/LevelFile.h"
#include "tools/ToolDispatch.h"
#include "view/MapView.h"
#include "view/PictureBox.h"

frmGeneral::frmGeneral(std::unique_ptr<AppDialogs> dialogs, QWidget* parent, const QString& recentIni)
    : QMainWindow(parent),
      mdi(new QMdiArea),
      dialogBoxes(std::move(dialogs)),
      files(std::make_unique<FileCommands>(*this)),
      recovery(new RecoveryCopies(*this)) {
    setWindowTitle(QStringLiteral("Quarn"));
    setWindowIcon(AppIcons::icon(QStringLiteral("quarn")));
    setAcceptDrops(true);
    menu = new MainMenu(this, recentIni.isEmpty() ? RecentFiles::defaultIniPath() : recentIni);
    toolbars = new ToolBars(this, *menu);
    panel = new RightPanel;
    picker = new TilesetPicker(*this, *panel);
    picradar = panel->picradar;
    lblposition = panel->lblposition;

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
    new TilesetTileInfo(*this, *panel, *picker);
    setMapCommandsEnabled(false);
    setOwnTilesetItemsEnabled(false);
    setUndoRedoEnabled(false, false);
    SetCurrentTool(ToolId::Hand);
    new InputGuard(*this);
}

frmGeneral::~frmGeneral() {
    // The map windows go with the window area; nothing may react to their activation any more.
    disconnect(mdi, nullptr, this, nullptr);
}

void frmGeneral::connectCommands() {
    connect(menu->mnuNew, &QAction::triggered, this, [this] { NewMap(); });
    connect(menu->mnuOpen, &QAction::triggered, this, [this] { OpenMap({}); });
    connect(menu->mnuSave, &QAction::triggered, this, [this] { SaveMap(false); });
    connect(menu->mnuSaveAs, &QAction::triggered, this, [this] { SaveMap(true); });
    connect(menu->mnuExportImage, &QAction::triggered, this, [this] { ExportImageCommand::run(*this); });
    connect(menu->mnuImportTileset, &QAction::triggered, this, [this] { ImportTileset(); });
    connect(menu->mnuExportTileset, &QAction::triggered, this, [this] { ExportTileset(); });
    connect(menu->mnudiscardtileset, &QAction::triggered, this, [this] { DiscardTileset(); });
    connect(menu->mnuExit, &QAction::triggered, this, [this] { close(); });
    connect(menu->recent, &RecentFiles::chosen, this, [this](int index) { mnulstRecent_Click(index); });
    connect(menu->mnuUndo, &QAction::triggered, this,
            [this] { withActiveMap([](frmMain& map) { map.level.undoredo.Undo(); }); });
    connect(menu->mnuRedo, &QAction::triggered, this,
            [this] { withActiveMap([](frmMain& map) { map.level.undoredo.Redo(); }); });
    connect(menu->mnuCascade, &QAction::triggered, mdi, &QMdiArea::cascadeSubWindows);
    connect(menu->mnuTileH, &QAction::triggered, this, [this] { MdiArrange::tileHorizontally(*mdi); });
    connect(menu->mnuTileV, &QAction::triggered, this, [this] { MdiArrange::tileVertically(*mdi); });
    for (int i = 0; i < SlotCount; ++i) {
        connect(menu->mnuMaps[static_cast<size_t>(i)], &QAction::triggered, this, [this, i] { mnuMaps_Click(i); });
    }

    connect(toolbars->tbGrid, &QAction::triggered, this, [this](bool pressed) {
        withActiveMap([pressed](frmMain& map) {
            map.setShowGrid(pressed);
            map.updatePreview(true);
        });
    });
    connect(toolbars->tbTileNr, &QAction::triggered, this, [this](bool pressed) {
        withActiveMap([pressed](frmMain& map) {
            map.setShowTileNumbers(pressed);
            map.UpdateLevel();
        });
    });
    for (const ToolId id : AllTools) {
        connect(toolbars->toolButton(id), &QAction::triggered, this, [this, id] { SetCurrentTool(id); });
    }
    for (int i = 0; i < 3; ++i) {
        connect(panel->optLineW[static_cast<size_t>(i)], &QToolButton::clicked, this,
                [this, i] { lineWidthClicked(i); });
    }
    connect(picradar, &PictureBox::mouseDown, this, [this](Qt::MouseButton, Qt::MouseButtons, QPointF pos) {
        withActiveMap([pos](frmMain& map) { map.view->radarClick(pos.x(), pos.y()); });
    });
    connect(panel->pictileset, &PictureBox::keyDown, this, [this](QKeyEvent* e) { forwardKey(e, true); });
    connect(panel->pictileset, &PictureBox::keyUp, this, [this](QKeyEvent* e) { forwardKey(e, false); });
    for (QToolButton* button : panel->optLineW) {
        button->installEventFilter(this);
    }
    connect(panel, &RightPanel::resized, this,
            [this] { withActiveMap([](frmMain& map) { map.updatePreview(true); }); });
    connect(mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        if (auto* map = sub ? qobject_cast<frmMain*>(sub->widget()) : nullptr) {
            for (QMdiSubWindow* other : mdi->subWindowList()) {
                if (auto* background = qobject_cast<frmMain*>(other->widget())) {
                    background->view->setDormant(background != map);
                }
            }
            map->Form_Activate();
        }
    });
}

void frmGeneral::withActiveMap(const std::function<void(frmMain&)>& action) {
    if (frmMain* map = activeMap()) {
        action(*map);
    }
}

int frmGeneral::getFreeMapSlot() const {
    for (int i = 0; i < SlotCount; ++i) {
        if (!mapInUse(i)) {
            return i;
        }
    }
    return -1;
}

frmMain* frmGeneral::placeMap(int slot) {
    // The new map starts with the tool the user chose, not with a Ctrl-held dropper.
    endTemporaryTool();
    auto* map = new frmMain(*this, slot);
    maps[static_cast<size_t>(slot)] = map;
    activemap = slot;
    return map;
}

void frmGeneral::releaseSlot(int slot) {
    maps[static_cast<size_t>(slot)] = nullptr;
    QAction* item = menu->mnuMaps[static_cast<size_t>(slot)];
    item->setVisible(false);
    item->setText(QString());
}

QString frmGeneral::freeCaption(int slot) const {
    const auto taken = [this, slot](const QString& caption) {
        for (int i = 0; i < SlotCount; ++i) {
            if (i != slot && mapInUse(i) && map(i)->windowTitle() == caption) {
                return true;
            }
        }
        return false;
    };
    QString caption = QStringLiteral("Untitled");
    for (int n = 1; taken(caption); ++n) {
        caption = QStringLiteral("Untitled%1").arg(n);
    }
    return caption;
}

void frmGeneral::setCaption(frmMain* map, const QString& caption) {
    map->setWindowTitle(caption);
    if (auto* sub = qobject_cast<QMdiSubWindow*>(map->parentWidget())) {
        sub->setWindowTitle(caption + QStringLiteral("[*]"));
    }
    QAction* item = menu->mnuMaps[static_cast<size_t>(map->mapslot())];
    item->setText(QString(caption).replace(QLatin1Char('&'), QStringLiteral("&&")));
    item->setVisible(true);
}

frmMain* frmGeneral::NewMap() {
    const int slot = getFreeMapSlot();
    if (slot < 0) {
        dialogs().message(this, MaximumMessage);
        return nullptr;
    }
    frmMain* map = placeMap(slot);
    LevelFile::NewMap(map->level);
    setCaption(map, freeCaption(slot));
    showMap(map);
    return map;
}

void frmGeneral::DestroyMap(int index) {
    releaseSlot(index);
    for (const frmMain* open : maps) {
        if (open != nullptr) {
            return;
        }
    }
    showTileset(QImage());
    picradar->image.fill(Qt::black);
    picradar->refresh();
    lblposition->clear();
    setMapCommandsEnabled(false);
    setOwnTilesetItemsEnabled(false);
    setUndoRedoEnabled(false, false);
}

void frmGeneral::UpdateMenuMaps() {
    for (int i = 0; i < SlotCount; ++i) {
        menu->mnuMaps[static_cast<size_t>(i)]->setChecked(false);
    }
    menu->mnuMaps[static_cast<size_t>(activemap)]->setChecked(true);
}

void frmGeneral::mnuMaps_Click(int index) {
    if (mapInUse(index)) {
        showMapWindow(map(index));
    }
}

void frmGeneral::showMapWindow(frmMain* map) {
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

void frmGeneral::showMap(frmMain* map) {
    const QSize natural = map->size();
    QMdiSubWindow* sub = mdi->addSubWindow(map);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    setCaption(map, map->windowTitle());
    sub->show();
    MdiArrange::placeNew(*mdi, *sub, natural);
    map->view->centreView();
    map->UpdateLevel();
    map->showModified();
    SetCurrentTool(tool);
    setMapCommandsEnabled(true);
}

std::optional<int> frmGeneral::OpenMap(const QString& filename) {
    return files->OpenMap(filename);
}

void frmGeneral::openLevels(const QStringList& names) {
    files->openLevels(names);
}

void frmGeneral::SaveMap(bool saveas) {
    files->SaveMap(saveas);
    withActiveMap([this](frmMain& map) {
        map.showModified();
        recovery->mapChanged(map);
    });
}

void frmGeneral::ImportTileset() {
    files->ImportTileset();
}

void frmGeneral::ExportTileset() {
    files->ExportTileset();
}

void frmGeneral::DiscardTileset() {
    files->DiscardTileset();
}

void frmGeneral::mnulstRecent_Click(int index) {
    files->mnulstRecent_Click(index);
}

void frmGeneral::SetLeftSelection(int tilenr) {
    picker->SetLeftSelection(tilenr);
}

void frmGeneral::SetRightSelection(int tilenr) {
    picker->SetRightSelection(tilenr);
}

void frmGeneral::showTileset(const QImage& picture) {
    panel->showTileset(picture);
}

void frmGeneral::showDisplaySwitches(bool grid, bool tileNumbers) {
    toolbars->tbGrid->setChecked(grid);
    toolbars->tbTileNr->setChecked(tileNumbers);
}

bool frmGeneral::fillInScreen() const {
    return toolbars->tbFillInScreen->isChecked();
}

QAction* frmGeneral::topButton(const QString& key) const {
    return toolbars->button(key);
}

QAction* frmGeneral::toolButton(ToolId id) const {
    return toolbars->toolButton(id);
}

RecentFiles& frmGeneral::recent() const {
    return *menu->recent;
}

frmMain* frmGeneral::activeMap() const {
    return map(activemap);
}

void frmGeneral::setUndoRedoEnabled(bool canUndo, bool canRedo) {
    menu->mnuUndo->setEnabled(canUndo);
    menu->mnuRedo->setEnabled(canRedo);
}

void frmGeneral::setOwnTilesetItemsEnabled(bool enabled) {
    menu->mnuExportTileset->setEnabled(enabled);
    menu->mnudiscardtileset->setEnabled(enabled);
}

void frmGeneral::setMapCommandsEnabled(bool enabled) {
    for (QAction* action :
         {menu->mnuSave, menu->mnuSaveAs, menu->mnuExportImage, menu->mnuImportTileset, menu->mnuCut, menu->mnuCopy,
          menu->mnuPaste, menu->mnuReplace, menu->mnuMirror, menu->mnuFlip, toolbars->tbGrid, toolbars->tbTileNr}) {
        action->setEnabled(enabled);
    }
    panel->cmdCreateWalls->setEnabled(enabled);
}

void frmGeneral::closeEvent(QCloseEvent* event) {
    // Every changed level is asked before any window closes, so a No keeps all of them open.
    for (frmMain* map : maps) {
        if (map != nullptr && !map->mayClose()) {
            event->ignore();
            return;
        }
    }
    exitAsked = true;
    LayoutMemory::save(*this);
    mdi->closeAllSubWindows();
    event->accept();
}

void frmGeneral::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void frmGeneral::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasUrls()) {
        return;
    }
    event->acceptProposedAction();
    QStringList names;
    for (const QUrl& url : event->mimeData()->urls()) {
        names << url.toLocalFile();
    }
    files->openDropped(names);
}
