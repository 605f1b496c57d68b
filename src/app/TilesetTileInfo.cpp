#include "app/TilesetTileInfo.h"

#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>

#include "app/DocumentManager.h"
#include "app/MapWindow.h"
#include "app/RightPanel.h"
#include "app/TilesetPicker.h"
#include "view/PictureBox.h"

TilesetTileInfo::TilesetTileInfo(DocumentManager& documents, RightPanel& panel, TilesetPicker& picker)
    : QObject(&panel), documents(documents), panel(panel), picker(picker), tileset(panel.tilesetPicture()) {
    label = new QLabel(&panel);
    label->setObjectName(QStringLiteral("lblTiles"));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Beside the "Tileset" heading, within the expanded panel; the collapsed panel is too narrow to
    // show any of it.
    label->setGeometry(110, 3, RightPanel::ExpandedWidth - 114, 22);
    tileset->installEventFilter(this);
    connect(&picker, &TilesetPicker::chosen, this, [this] { refresh(); });
    connect(&documents, &DocumentManager::activeDocumentChanged, this, [this] { refresh(); });
    connect(&documents, &DocumentManager::lastDocumentClosed, this, [this] { refresh(); });
    refresh();
}

QString TilesetTileInfo::chosenText() const {
    const MapWindow* map = documents.activeMap();
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
    label->setText(text);
    // Collapsed, the panel shows only the small preview; its tooltip names the two tiles.
    panel.tilePreview()->setToolTip(text);
}

bool TilesetTileInfo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tileset && event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int tile = documents.activeMap() != nullptr ? picker.tileAt(help->pos()) : 0;
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
