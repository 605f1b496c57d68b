#include "app/MapWindow.h"

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QVBoxLayout>

#include "app/DocumentManager.h"
#include "app/MainWindow.h"
#include "app/Preferences.h"
#include "app/RecoveryCopies.h"
#include "tools/ToolDispatch.h"
#include "view/MapView.h"

MapWindow::MapWindow(MainWindow& general, int slot, QWidget* parent)
    : QWidget(parent), mapView(new MapView(document, *this, this)), mainWindow(general), slot(slot) {
    setObjectName(QStringLiteral("frmMain"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(mapView);
    document.setObserver(this);
    document.undoStack().setDepth(Preferences::undoSteps());
    resize(673 + 17, 505 + 17);
    zoom.setParent(mapView);
    for (ToolBase* tool :
         std::initializer_list<ToolBase*>{&pencil, &lineTool, &polyline, &bucketTool, &hand, &dropper}) {
        tool->attach(host, host);
    }
    // In toolbar order; the selection tool is the map's selection, which tests may stand in for.
    tools = new ToolDispatch(host, host,
                             {&zoomTool, nullptr, &hand, &pencil, &dropper, &pencil, &bucketTool, &lineTool, &polyline,
                              &lineTool, &lineTool},
                             this);
    selection.attach(host, host, clipboard);
    clipboard.attach(host, host, selection);
    hooks = &selection;
}

MapWindow::~MapWindow() {
    document.setObserver(nullptr);
}

void MapWindow::useShortcutTool(bool KeyDown, Qt::Key key, int Shift) {
    tools->useShortcutTool(KeyDown, key, Shift);
}

void MapWindow::setLineWidth(int index) {
    tline().setWidth(index * 2 + 1);
}

void MapWindow::endGesture() {
    tools->endGesture();
}

void MapWindow::switchTool(ToolId from, ToolId to) {
    tools->switchTool(from, to);
}

void MapWindow::activate() {
    mainWindow.showTileset(level().tileset().tilesetPicture());
    mainWindow.showDisplaySwitches(usinggrid, usingtilenr);
    mainWindow.setOwnTilesetItemsEnabled(!level().usingDefaultTileset());
    mainWindow.documents().activate(slot);
    mainWindow.setLeftTile(tilesetleft);
    mainWindow.setRightTile(tilesetright);
    mainWindow.setUndoRedoEnabled(level().undoStack().canUndo(), level().undoStack().canRedo());
    // A Ctrl-held dropper belongs to the map it started in.
    if (!holdsTemporaryTool()) {
        mainWindow.endTemporaryTool();
    }
    redrawView();
    mainWindow.focusActiveMap();
}

bool MapWindow::mayClose() {
    if (!level().changed()) {
        return true;
    }
    switch (mainWindow.dialogs().askToClose(
        this, tr("%1 - Not all changes have been saved, do you want to proceed?").arg(windowTitle()))) {
        case AppDialogs::CloseChoice::Proceed:
            return true;
        case AppDialogs::CloseChoice::Save:
            // A failed or cancelled save keeps the window, changes and all.
            return mainWindow.documents().saveLevel(*this, false) && !level().changed();
        case AppDialogs::CloseChoice::Stay:
            break;
    }
    return false;
}

void MapWindow::closeEvent(QCloseEvent* event) {
    // A stroke or a floating block in progress is part of what the question is about.
    endGesture();
    if (!mainWindow.documents().exitApproved() && !mayClose()) {
        event->ignore();
        return;
    }
    // A Ctrl-held dropper this map started would otherwise outlive it: the release that gives the
    // tool back finds no map holding it.
    mainWindow.endTemporaryTool();
    mainWindow.recoveryCopies().forget(*this);
    mainWindow.documents().closed(slot);
    event->accept();
}

void MapWindow::redrawCell(int x, int y, bool refresh) {
    view()->redrawCell(x, y, refresh);
}

void MapWindow::redrawView() {
    view()->redrawView();
    // Every edit, undo, redo and tileset change ends in a full redraw or a change of the stacks.
    showModified();
}

void MapWindow::showModified() {
    // The window frame shows its own caption, which carries the placeholder.
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(sub)}) {
        if (w != nullptr && w->isWindowModified() != level().changed()) {
            w->setWindowModified(level().changed());
        }
    }
    mainWindow.documents().markChanged(this);
}

void MapWindow::updatePreview(bool refresh) {
    view()->updatePreview(refresh);
}

void MapWindow::undoRedoChanged(bool canUndo, bool canRedo) {
    showModified();
    mainWindow.recoveryCopies().mapChanged(*this);
    if (mainWindow.activeMap() == this) {
        mainWindow.setUndoRedoEnabled(canUndo, canRedo);
    }
}

void MapWindow::tilesetChanged(bool ownTileset) {
    showModified();
    mainWindow.recoveryCopies().mapChanged(*this);
    if (mainWindow.activeMap() == this) {
        mainWindow.setOwnTilesetItemsEnabled(ownTileset);
        mainWindow.showTileset(level().tileset().tilesetPicture());
        mainWindow.setLeftTile(tilesetleft);
        mainWindow.setRightTile(tilesetright);
    }
}

float MapWindow::zoomFactor() const {
    return magnifier().zoomFactor();
}

SelectionState MapWindow::selectionState() const {
    return sel().selstate();
}

void MapWindow::stopSelecting(bool refresh) {
    sel().stopSelecting(refresh);
}

QRect MapWindow::drawSelectionOnPreview(bool fromUpdateLevel) {
    return sel().drawSelectionOnPreview(fromUpdateLevel);
}

QRect MapWindow::selectionCover() const {
    return sel().floatingBlockCover();
}

std::optional<QRectF> MapWindow::radarSelectionFrame() const {
    return sel().radarFrame();
}

PictureBox* MapWindow::radar() {
    return mainWindow.activeMap() == this ? mainWindow.radar() : nullptr;
}

void MapWindow::clearMouseIsDown() {
    mainWindow.setMouseIsDown(false);
}
