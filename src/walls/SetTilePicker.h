#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QScrollArea>
#include <cstdint>

class PictureBox;

// The tiles 1..255 of a tileset picture in a scroll area, to pick from with the mouse: a click picks
// one tile, a drag a block of them, framed while the button is held.
class SetTilePicker : public QScrollArea {
    Q_OBJECT
public:
    explicit SetTilePicker(QWidget* parent = nullptr);

    // Shows the tiles of `tileset` (16 x 16, 19 a row).
    void setTileset(const QImage& tileset);
    // The picture the mouse acts on; a tile's top-left pixel there is tilePixel(tile).
    PictureBox* picture() const { return box; }
    static QPoint tilePixel(int16_t tile);
    // The tile number at column `x`, row `y` of the picture, 0 past tile 255.
    static int16_t tileAt(int x, int y);

signals:
    // A block of tiles picked, in tile columns and rows; 1 x 1 for a click.
    void tilesPicked(QRect cells);

private:
    void press(QPointF pos);
    void move(QPointF pos);
    void release(QPointF pos);
    QPoint cellAt(QPointF pos) const;
    void showFrame();

    PictureBox* box;
    QImage tiles;
    QPoint anchor;
    QPoint reached;
    bool dragging = false;
};
