#pragma once

#include <QObject>

class QLabel;
class RightPanel;
class TilesetPicker;
class DocumentManager;

// Tile numbers in the tileset panel: the number of the tile under the pointer as a tooltip, and the
// numbers of the active map's left and right tiles beside the panel's heading.
class TilesetTileInfo : public QObject {
    Q_OBJECT
public:
    TilesetTileInfo(DocumentManager& documents, RightPanel& panel, TilesetPicker& picker);

    // "Left 5 · Right 7" for the active map; empty without one.
    QString chosenText() const;
    // The tooltip over tile `tile` of the picker.
    static QString tipText(int tile);
    // Shows the active map's tiles again.
    void refresh();

    // The numbers beside the panel's heading.
    QLabel* tilesLabel() const { return label; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DocumentManager& documents;
    QLabel* label;
    RightPanel& panel;
    TilesetPicker& picker;
    // The picker's surface, kept apart from the panel: its events still arrive while the panel is being
    // destroyed.
    QWidget* tileset;
};
