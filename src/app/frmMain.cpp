#include "app/frmMain.h"

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QVBoxLayout>

#include "app/RecoveryCopies.h"
#include "app/frmGeneral.h"
#include "tools/ToolDispatch.h"
#include "view/MapView.h"

frmMain::frmMain(frmGeneral& general, int16_t slot, QWidget* parent)
    : QWidget(parent), general(general), view(new MapView(level, *this, this)), mapslot(slot) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    level.setObserver(this);
    resize(673 + 17, 505 + 17);
    magnifier.setParent(view);
    for (ToolBase* tool : std::initializer_list<ToolBase*>{&pencil, &tline, &SPline, &bucket, &hand, &dropper}) {
        tool->setParent(this);
    }
    tools = new ToolDispatch(*this);
    sel.setParent(this);
    clip.setParent(this);
    walltiles.setParent(this);
    selectionHooks = &sel;
}

frmMain::~frmMain() {
    level.setObserver(nullptr);
}

void frmMain::UseShortcutTool(bool KeyDown, int KeyCode, int Shift) {
    tools->UseShortcutTool(KeyDown, KeyCode, Shift);
}

void frmMain::setLineWidth(int index) {
    tline.linew = static_cast<int16_t>(index * 2 + 1);
}

void frmMain::endPolyline() {
    SPline.EndPolyline();
}

void frmMain::Form_Activate() {
    general.showTileset(level.tileset.pictileset());
    general.showDisplaySwitches(usinggrid, usingtilenr);
    general.setOwnTilesetItemsEnabled(!level.usingDefaultTileset);
    general.activemap = mapslot;
    general.SetLeftSelection(tilesetleft);
    general.SetRightSelection(tilesetright);
    general.setUndoRedoEnabled(level.undoredo.canUndo(), level.undoredo.canRedo());
    general.UpdateMenuMaps();
    // A Ctrl-held dropper belongs to the map it started in.
    if (!tempToolActive) {
        general.endTemporaryTool();
    }
    UpdateLevel();
    general.focusActiveMap();
}

bool frmMain::mayClose() {
    return !level.mapchanged ||
           general.dialogs().ask(
               this, windowTitle() + QStringLiteral(" - Not all changes have been saved, do you want to proceed?"));
}

void frmMain::closeEvent(QCloseEvent* event) {
    endPolyline();
    if (!general.exitApproved && !mayClose()) {
        event->ignore();
        return;
    }
    general.recoveryCopies().forget(*this);
    general.DestroyMap(mapslot);
    event->accept();
}

void frmMain::UpdateLevelTile(int16_t x, int16_t y, bool refresh) {
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
    general.recoveryCopies().mapChanged(*this);
    if (general.activeMap() == this) {
        general.setUndoRedoEnabled(canUndo, canRedo);
    }
}

void frmMain::tilesetChanged(bool ownTileset) {
    showModified();
    general.recoveryCopies().mapChanged(*this);
    if (general.activeMap() == this) {
        general.setOwnTilesetItemsEnabled(ownTileset);
        general.showTileset(level.tileset.pictileset());
        general.SetLeftSelection(tilesetleft);
        general.SetRightSelection(tilesetright);
    }
}

float frmMain::zoomFactor() const {
    return magnifier.Zoom();
}

int frmMain::selectionState() const {
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
    return general.activeMap() == this ? general.picradar : nullptr;
}

void frmMain::clearMouseIsDown() {
    general.mouseIsDown = false;
}
