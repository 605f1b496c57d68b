#pragma once

#include <QObject>
#include <QPointF>

class MainWindow;
class RightPanel;

// Picking the left and the right tile in the main window's tileset picker: the mouse on
// `tilesetPicture`, the red and yellow markers, and the small preview of both tiles.
class TilesetPicker : public QObject {
    Q_OBJECT
public:
    // The highest tile number a cell can hold; the extra strip shows numbers past it.
    static constexpr int HighestTile = 255;

    TilesetPicker(MainWindow& general, RightPanel& panel);

    // Marks `tilenr` as the left (right) tile, and stores it in the active map when one is open.
    // Numbers outside 1..255 change nothing.
    void setLeftTile(int tilenr);
    void setRightTile(int tilenr);
    // The tile under a point of the picker, or 0 when the point is not strictly inside it.
    int tileAt(QPointF pos) const;
    // Redraws the preview of both tiles from the picker's picture.
    void drawPreview();

    // Mouse handling of `tilesetPicture`; `buttons` uses 1 left, 2 right, 4 middle.
    void mousePress(int buttons, QPointF pos);
    void mouseMove(int buttons, QPointF pos);
    void mouseRelease();

signals:
    // The active map's left or right tile was set.
    void chosen();

private:
    MainWindow& general;
    RightPanel& panel;
};
