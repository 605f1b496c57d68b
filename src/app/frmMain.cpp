#include "app/frmMain.h"

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QVBoxLayout>

#include "app/RecoveryCopies.h"
#include "app/frmGeneral.h"
#include "tools/ToolDispatch.h"
#include "view/MapView.h"

frmMain::frmMain(frmGeneral& general, int slot, QWidget* parent)
    : QWidget(parent), view(new MapView(level, *this, this)), mainWindow(general), slot(slot) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    level.setObserver(this);
    resize(673 + 17, 505 + 17);
    magnifier.setParent(view);
    for (ToolBase* tool : std::initializer_list<ToolBase*>{&pencil, &tline, &SPline, &bucket, &hand, &dropper}) {
        tool->setParent(&host);
    }
    // In toolbar order; the selection tool is the map's selection, which tests may stand in for.
    tools = new ToolDispatch(
        host, {&zoomTool, nullptr, &hand, &pencil, &dropper, &pencil, &bucket, &tline, &SPline, &tline, &tline}, this);
    sel.setParent(&host, &clip);
    clip.setParent(&host, &sel);
    selectionHooks = &sel;
}

frmMain::~frmMain() {
    level.setObserver(nullptr);
}

void frmMain::UseShortcutTool(bool KeyDown, Qt::Key key, int Shift) {
    tools->UseShortcutTool(KeyDown, key, Shift);
}

void frmMain::setLineWidth(int index) {
    tline.linew = static_cast<int16_t>(index * 2 + 1);
}

void frmMain::endPolyline() {
    SPline.EndPolyline();
}

void frmMain::Form_Activate() {
    mainWindow.showTileset(level.tileset.pictileset());
    mainWindow.showDisplaySwitches(usinggrid, usingtilenr);
    mainWindow.setOwnTilesetItemsEnabled(!level.usingDefaultTileset);
    mainWindow.setActiveSlot(slot);
    mainWindow.SetLeftSelection(tilesetleft);
    mainWindow.SetRightSelection(tilesetright);
    mainWindow.setUndoRedoEnabled(level.undoredo.canUndo(), level.undoredo.canRedo());
    mainWindow.UpdateMenuMaps();
    // A Ctrl-held dropper belongs to the map it started in.
    if (!holdsTemporaryTool()) {
        mainWindow.endTemporaryTool();
    }
    UpdateLevel();
    mainWindow.focusActiveMap();
}

bool frmMain::mayClose() {
    return !level.mapchanged ||
           mainWindow.dialogs().ask(
               this, windowTitle() + QStringLiteral(" - Not all changes have been saved, do you want to proceed?"));
}

void frmMain::closeEvent(QCloseEvent* event) {
    endPolyline();
    if (!mainWindow.exitApproved() && !mayClose()) {
        event->ignore();
        return;
    }
    mainWindow.recoveryCopies().forget(*this);
    mainWindow.DestroyMap(slot);
    event->accept();
}

void frmMain::UpdateLevelTile(int x, int y, bool refresh) {
    view->UpdateLevelTile(x, y, refresh);
}

void frmMain::UpdateLevel() {
    view->UpdateLevel();
    // Every edit, undo, redo and tileset change ends in a full redraw or a change of the stacks.
    showModified();
}

void frmMain::showModified() {
    // The window frame shows its own caption, which carries the placeholder.
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(sub)}) {
        if (w != nullptr && w->isWindowModified() != level.mapchanged) {
            w->setWindowModified(level.mapchanged);
        }
    }
}

void frmMain::updatePreview(bool refresh) {
    view->updatePreview(refresh);
}

void frmMain::undoRedoChanged(bool canUndo, bool canRedo) {
    showModified();
    mainWindow.recoveryCopies().mapChanged(*this);
    if (mainWindow.activeMap() == this) {
        mainWindow.setUndoRedoEnabled(canUndo, canRedo);
    }
}

void frmMain::tilesetChanged(bool ownTileset) {
    showModified();
    mainWindow.recoveryCopies().mapChanged(*this);
    if (mainWindow.activeMap() == this) {
        mainWindow.setOwnTilesetItemsEnabled(ownTileset);
        mainWindow.showTileset(level.tileset.pictileset());
        mainWindow.SetLeftSelection(tilesetleft);
        mainWindow.SetRightSelection(tilesetright);
    }
}

float frmMain::zoomFactor() const {
    return magnifier.Zoom();
}

SelectionState frmMain::selectionState() const {
    return sel.selstate();
}

void frmMain::stopSelecting(bool refresh) {
    sel.StopSelecting(refresh);
}

QRect frmMain::UpdateSelectionOnPreview(bool fromUpdateLevel) {
    return sel.UpdateSelectionOnPreview(fromUpdateLevel);
}

std::optional<QRectF> frmMain::radarSelectionFrame() const {
    return sel.radarFrame();
}

PictureBox* frmMain::radar() {
    return mainWindow.activeMap() == this ? mainWindow.radar() : nullptr;
}

void frmMain::clearMouseIsDown() {
    mainWindow.setMouseIsDown(false);
}
