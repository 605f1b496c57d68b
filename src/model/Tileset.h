#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>

// The pictures of a level's tiles: the loaded tileset with the fixed strip of extra tiles below it,
// and the same picture scaled to the view's zoom so that drawing a tile is a plain block copy.
class Tileset {
public:
    static constexpr int TileSize = 16;
    static constexpr int TilesPerRow = 19;

    Tileset();

    // Builds the pictures from a BMP in memory, or from the default tileset when `bmp` is empty.
    // When the picture cannot be shown it shows the default tileset and returns why ("it is ...").
    QString initTileset(const QByteArray& bmp);
    // Rescales the zoomed picture; the one-pixel zoom never draws tiles, so it keeps the last one.
    void setZoom(float zoom);
    float zoom() const { return zoomFactor; }

    const QImage& tilesetPicture() const { return picture; }
    const QImage& zoomedTiles() const { return zoomed; }

    // Where tile `n` lies in a tileset picture whose tiles are `t` pixels wide.
    static QRect tileSource(int n, int t);
    // Tile number under a pixel of the tileset picture.
    static int tileAt(int x, int y) { return (y / TileSize) * TilesPerRow + x / TileSize + 1; }

    static const QImage& extraTiles();
    static const QImage& specialTiles();
    // default.bmp beside the program or in its installed data folder; a copy built into the program stands in when it
    // is missing.
    static QString defaultTilesetPath();
    static QByteArray defaultTilesetBytes();

private:
    static QByteArray readDefaultTileset();
    static QImage defaultPicture();

    QImage picture;
    QImage zoomed;
    float zoomFactor = 1.0f;
};
