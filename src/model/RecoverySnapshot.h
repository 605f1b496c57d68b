#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <vector>

#include "model/FileStamp.h"

class Level;

// What a recovery copy of a level holds, taken apart from the level so that encoding and writing
// can run on another thread while the user goes on editing.
struct RecoverySnapshot {
    // Copies the grid, the level's own tileset (shared, not copied) and its names. This is the part
    // of a recovery copy that runs on the UI thread; it costs one copy of the grid.
    static RecoverySnapshot take(const Level& level, const QString& caption);

    QString original;
    QString caption;
    QDateTime time;
    // The level's own file when the copy began.
    FileStamp base;
    // The first write of a copy: the writer takes `base` from the file then, on its own thread, and
    // gives it to the later writes of the same copy.
    bool beginsCopy = false;
    // Empty when the level uses the default tileset, as its saved file would have none.
    QByteArray tilesetBlock;
    std::vector<int16_t> cells;
};
