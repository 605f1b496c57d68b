#pragma once

#include <QString>
#include <cstdint>

#include "model/LoadReport.h"

class Level;

// Reading and writing `.lvl` files: an optional embedded BMP tileset, then 4-byte cell records.
class LevelFile {
public:
    static const char* const invalidTilesetMessage;

    // Loads `filename` into a fresh (empty) level. Only regular files are read, and never past their
    // size at open; a file in which nothing at all can be read is refused. Damaged input never
    // writes outside the grid: what can be read safely is kept, the report says what was skipped,
    // and the level then takes no file name (`activeFile` stays empty), so that no save can
    // silently replace the damaged file.
    // A file without a tileset block in which fewer than half of the records lie on the grid is no
    // level either (a note, a text file).
    static LoadReport openLevel(Level& level, const QString& filename);
    // The same for a name in the system's own bytes, as a folder walk meets it. A name that is not
    // valid UTF-8 is read all the same, but the level takes no file name, as one could not be saved under it.
    static LoadReport openLevel(Level& level, const QByteArray& nativeName);
    // Writes the level through a temporary file, keeps the previous file as `<filename>.bak` (the
    // old backup is replaced only by a complete new one), then moves the new file into place.
    // Returns an empty string on success, otherwise what failed and why in the user's words; on
    // failure the previous file and backup are untouched and the level stays marked changed.
    // Temporary files an interrupted earlier save of the same file left beside it are removed.
    static QString saveLevel(Level& level, const QString& filename);
    // Starts an empty level with the default tileset.
    static void newLevel(Level& level);
    // The record bytes of every used cell, in row order (what follows the tileset block).
    static QByteArray encodeRecords(const Level& level);
    // The same for a grid of Level::Size x Level::Size cells held apart from its level (a snapshot).
    static QByteArray encodeRecords(const int16_t* cells);
};
