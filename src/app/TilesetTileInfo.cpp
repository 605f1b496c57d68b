#include "app/TilesetTileInfo.h"

#include <QHelpEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolTip>

#include "app/MainWindow.h"
#include "app/MapWindow.h"
#include "app/RightPanel.h"
#include "app/TilesetPicker.h"
#include "view/PictureBox.h"

TilesetTileInfo::TilesetTileInfo(MainWindow& general, RightPanel& panel, TilesetPicker& picker)
    : QObject(&panel), general(general), panel(panel), picker(picker), tileset(panel.tilesetPicture) {
    tilesLabel = new QLabel(&panel);
    tilesLabel->setObjectName(QStringLiteral("lblTiles"));
    tilesLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Beside the "Tileset" heading, within the expanded panel; the collapsed panel is too narrow to
    // show any of it.
    tilesLabel->setGeometry(110, 3, RightPanel::ExpandedWidth - 114, 22);
    tileset->installEventFilter(this);
    connect(&picker, &TilesetPicker::chosen, this, [this] { refresh(); });
    connect(general.mdiArea(), &QMdiArea::subWindowActivated, this, [this] { refresh(); });
    refresh();
}

QString TilesetTileInfo::chosenText() const {
    const MapWindow* map = general.activeMap();
    if (map == nullptr) {
        return {};
    }
    return tr("Left %1 \u00b7 Right %2").arg(map->tilesetLeft()).arg(map->tilesetRight());
}

QString TilesetTileInfo::tipText(int tile) {
    if (tile > TilesetPicker::HighestTile) {
        return tr("Tile %1 (cannot be placed: cells hold up to %2)").arg(tile).arg(TilesetPicker::HighestTile);
    }
    return tr("Tile %1").arg(tile);
}

void TilesetTileInfo::refresh() {
    const QString text = chosenText();
    tilesLabel->setText(text);
    // Collapsed, the panel shows only the small preview; its tooltip names the two tiles.
    panel.tilePreview->setToolTip(text);
}

bool TilesetTileInfo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tileset && event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int tile = general.activeMap() != nullptr ? picker.tileAt(help->pos()) : 0;
        if (tile == 0) {
            QToolTip::hideText();
        } else {
            // The tip goes when the pointer leaves the tile, so the next tile gets its own.
            const QRect cell((tile - 1) % 19 * 16, (tile - 1) / 19 * 16, 16, 16);
            QToolTip::showText(help->globalPos(), tipText(tile), tileset, cell);
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}
