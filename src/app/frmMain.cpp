#include "app/frmMain.h"

#include <QVBoxLayout>

#include "app/frmGeneral.h"
#include "view/MapView.h"

frmMain::frmMain(frmGeneral& general, int16_t slot, QWidget* parent)
    : QWidget(parent), general(general), view(new MapView(level, *this, this)), mapslot(slot) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    level.setObserver(this);
    resize(673 + 17, 505 + 17);
}

frmMain::~frmMain() {
    level.setObserver(nullptr);
}

void frmMain::UpdateLevelTile(int16_t x, int16_t y, bool refresh) {
    view->UpdateLevelTile(x, y, refresh);
}

void frmMain::UpdateLevel() {
    view->UpdateLevel();
}

void frmMain::updatePreview(bool refresh) {
    view->updatePreview(refresh);
}

void frmMain::undoRedoChanged(bool canUndo, bool canRedo) {
    if (general.activeMap() == this) {
        general.setUndoRedoEnabled(canUndo, canRedo);
    }
}

void frmMain::tilesetChanged(bool ownTileset) {
    if (general.activeMap() == this) {
        general.setOwnTilesetItemsEnabled(ownTileset);
    }
}

float frmMain::zoomFactor() const {
    return zoom;
}

void frmMain::UpdateSelectionOnPreview(bool) {}

PictureBox* frmMain::radar() {
    return general.activeMap() == this ? general.picradar : nullptr;
}
