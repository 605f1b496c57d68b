#pragma once

#include <QString>
#include <QStringList>

class Level;

// Turns a map of the XML (.tmx) or JSON (.tmj) map format into a level: one tile layer's tiles become
// cells, the special tiles of our own exports become objects again, and the tilesets become the level's
// tile pictures. Hostile maps are refused with one line that says why; they never crash, hang, reach
// other files or allocate more than the level needs.
class MapImport {
public:
    struct Options {
        QString layer;         // the tile layer to take; the first one when empty
        bool lenient = false;  // flipped or rotated tiles are taken unflipped instead of refused
    };
    struct Result {
        QString error;              // one line; empty when the level was filled
        bool refusedFlips = false;  // the error is about flipped tiles, which `lenient` would take
        QStringList warnings;       // what was taken only in part
        QString layer;              // the layer taken
        QStringList tileLayers;     // every tile layer of the map
        QStringList otherLayers;    // its object, image and group layers

        bool ok() const { return error.isEmpty(); }
    };

    // Fills `level`, which must be fresh. On failure the level is left empty with the default tileset.
    static Result import(const QString& path, const Options& options, Level& level);
    // Whether `name` has the extension of a map this import reads.
    static bool isMapName(const QString& name);
};
