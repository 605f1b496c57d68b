#include "app/frmGeneral.h"

#include <QDockWidget>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QVBoxLayout>

#include "app/frmMain.h"
#include "model/LevelFile.h"
#include "view/MapView.h"
#include "view/PictureBox.h"

frmGeneral::frmGeneral(std::unique_ptr<Dialogs> dialogs, QWidget* parent)
    : QMainWindow(parent),
      mdi(new QMdiArea(this)),
      picradar(new PictureBox),
      lblposition(new QLabel),
      dialogBoxes(std::move(dialogs)) {
    setCentralWidget(mdi);
    picradar->setFixedSize(288, 288);
    picradar->resizeImage(QSize(288, 288));
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(lblposition);
    layout->addWidget(picradar);
    layout->addStretch();
    auto* dock = new QDockWidget(this);
    dock->setWidget(panel);
    addDockWidget(Qt::RightDockWidgetArea, dock);
}

frmGeneral::~frmGeneral() = default;

int16_t frmGeneral::getFreeMapSlot() const {
    for (int16_t i = 0; i < SlotCount; ++i) {
        if (!mapinuse[static_cast<size_t>(i)]) {
            return i;
        }
    }
    return -1;
}

frmMain* frmGeneral::NewMap() {
    const int16_t slot = getFreeMapSlot();
    if (slot < 0) {
        dialogs().message(this, QStringLiteral("Error: Maximum number of maps are already open"));
        return nullptr;
    }
    auto* map = new frmMain(*this, slot);
    mapinuse[static_cast<size_t>(slot)] = true;
    maps[static_cast<size_t>(slot)] = map;
    activemap = slot;
    QMdiSubWindow* sub = mdi->addSubWindow(map);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    map->setWindowTitle(QStringLiteral("Untitled"));
    LevelFile::NewMap(map->level);
    map->view->centreView();
    sub->show();
    map->UpdateLevel();
    return map;
}

int16_t frmGeneral::OpenMap(const QString&) {
    return -1;
}

void frmGeneral::SaveMap(bool) {}

void frmGeneral::DestroyMap(int16_t index) {
    maps[static_cast<size_t>(index)] = nullptr;
    mapinuse[static_cast<size_t>(index)] = false;
}

frmMain* frmGeneral::activeMap() const {
    return mapinuse[static_cast<size_t>(activemap)] ? maps[static_cast<size_t>(activemap)] : nullptr;
}

void frmGeneral::setUndoRedoEnabled(bool, bool) {}

void frmGeneral::setOwnTilesetItemsEnabled(bool) {}
