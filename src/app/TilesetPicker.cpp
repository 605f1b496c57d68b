#include "app/TilesetPicker.h"

#include <QFrame>
#include <QPainter>
#include <cmath>

#include "app/MainWindow.h"
#include "app/MapWindow.h"
#include "app/RightPanel.h"
#include "view/DrawRectangle.h"
#include "view/MapView.h"
#include "view/PictureBox.h"

namespace {

int buttonMask(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

QPoint markerPlace(int tilenr) {
    return {((tilenr - 1) % 19) * 16, ((tilenr - 1) / 19) * 16};
}

}  // namespace

TilesetPicker::TilesetPicker(MainWindow& general, RightPanel& panel) : QObject(&panel), general(general), panel(panel) {
    PictureBox* box = panel.tilesetPicture();
    connect(box, &PictureBox::mouseDown, this,
            [this](Qt::MouseButton button, Qt::MouseButtons, QPointF pos, Qt::KeyboardModifiers) {
                mousePress(buttonMask(button), pos);
            });
    connect(box, &PictureBox::mouseMove, this,
            [this](Qt::MouseButtons held, QPointF pos, Qt::KeyboardModifiers) { mouseMove(buttonMask(held), pos); });
    connect(box, &PictureBox::mouseUp, this, [this] { mouseRelease(); });
}

int TilesetPicker::tileAt(QPointF pos) const {
    const QSize size = panel.tilesetPicture()->image().size();
    if (!(pos.x() > 0 && pos.x() < size.width() && pos.y() > 0 && pos.y() < size.height())) {
        return 0;
    }
    return static_cast<int>(std::floor(pos.y() / 16)) * 19 + static_cast<int>(std::floor(pos.x() / 16 + 1));
}

void TilesetPicker::mousePress(int buttons, QPointF pos) {
    const int tile = tileAt(pos);
    if (tile == 0) {
        return;
    }
    general.setMouseIsDown(true);
    if (tile > HighestTile) {
        return;
    }
    if (buttons == 1) {
        setLeftTile(tile);
    } else {
        setRightTile(tile);
    }
}

void TilesetPicker::mouseMove(int buttons, QPointF pos) {
    // A move with no button held is a hover, even if a press elsewhere left the flag set.
    if (general.mouseIsDown() && buttons != 0) {
        mousePress(buttons, pos);
    }
}

void TilesetPicker::mouseRelease() {
    general.setMouseIsDown(false);
    if (MapWindow* map = general.activeMap()) {
        map->view()->viewSurface()->setFocus();
    }
}

void TilesetPicker::setLeftTile(int tilenr) {
    if (tilenr < 1 || tilenr > HighestTile) {
        return;
    }
    panel.leftsel()->move(markerPlace(tilenr));
    if (MapWindow* map = general.activeMap()) {
        map->setTilesetLeft(tilenr);
        drawPreview();
        emit chosen();
    }
}

void TilesetPicker::setRightTile(int tilenr) {
    if (tilenr < 1 || tilenr > HighestTile) {
        return;
    }
    panel.rightsel()->move(markerPlace(tilenr));
    if (MapWindow* map = general.activeMap()) {
        map->setTilesetRight(tilenr);
        drawPreview();
        emit chosen();
    }
}

void TilesetPicker::drawPreview() {
    QImage& preview = panel.tilePreview()->image();
    const QImage& tiles = panel.tilesetPicture()->image();
    {
        QPainter p(&preview);
        p.drawImage(1, 1, tiles, panel.leftsel()->x(), panel.leftsel()->y(), 16, 16);
        p.drawImage(1, 19, tiles, panel.rightsel()->x(), panel.rightsel()->y(), 16, 16);
        drawRectangle(p, 0, 17, 0, 17, QColor(255, 0, 0));
        drawRectangle(p, 0, 17, 18, 36, QColor(255, 255, 0));
    }
    panel.tilePreview()->refresh();
}
