#pragma once

#include <QString>
#include <QtGlobal>

// What reading a level file came to, for the window's message and for `quarn-lvl info`.
struct LoadReport {
    enum class Outcome {
        Loaded,          // the level is there; `message` may still report skipped records
        InvalidTileset,  // the embedded tileset has fewer than 8 bits per pixel; nothing was read
        Failed,          // the file could not be read at all; nothing was read
    };

    Outcome outcome = Outcome::Loaded;
    QString message;
    qint64 records = 0;  // whole records in the body
    qint64 skipped = 0;  // records that lay outside the grid, and an incomplete last record
    qint64 kept = 0;     // records that set a cell

    bool ok() const { return outcome == Outcome::Loaded; }
};
