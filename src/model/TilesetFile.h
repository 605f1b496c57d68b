#pragma once

#include <QString>

class Level;

// Giving a level a tileset of its own from a file, writing it out, and going back to the default.
class TilesetFile {
public:
    static const char* const depthMessage;

    // Takes the tileset from a BMP file or from a level file that carries one. Returns an empty
    // string on success, otherwise the message to show; the level is then unchanged.
    static QString importTileset(Level& level, const QString& filename);
    // Writes the level's own tileset as a BMP file, byte for byte. Fails when it has none.
    static QString exportTileset(const Level& level, const QString& filename);
    static void discardTileset(Level& level);
};
