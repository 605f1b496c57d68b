#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

// What reading a level file came to, for the window's message and for `quarn-lvl info`.
struct LoadReport {
    enum class Outcome {
        Loaded,          // the level is there; `message` may still report skipped records
        InvalidTileset,  // the embedded tileset has fewer than 8 bits per pixel; nothing was read
        Failed,          // the file could not be read at all; nothing was read
    };

    // A special tile as the file holds it, before its square is completed: a square that leaves the grid is
    // cut at the edge, and used cells inside a square are lost when the square is completed.
    struct ObjectProblem {
        int column = 0;
        int row = 0;
        int tile = 0;
        bool leavesGrid = false;
        int covered = 0;  // used cells of the file inside the square, other than the special tile itself
    };
    static constexpr size_t MaxObjectProblems = 1000;

    // A record for a cell that an earlier record already gave another tile; the earlier one is kept.
    struct RepeatedCell {
        int column = 0;
        int row = 0;
        int kept = 0;
        int ignored = 0;
    };
    static constexpr size_t MaxRepeatedCells = 1000;

    Outcome outcome = Outcome::Loaded;
    QString message;
    QString refusal;         // why nothing was read, in words that follow the file's name ("is not a level file: ...")
    qint64 records = 0;      // whole records in the body
    qint64 skipped = 0;      // records that lay outside the grid, and an incomplete last record
    qint64 outsideGrid = 0;  // of the skipped: records whose column or row lies past the grid
    qint64 cutOffBytes = 0;  // bytes of an incomplete last record
    qint64 kept = 0;         // records that set a cell
    QString readProblem;     // why the file could not be read to its end, if it could not
    QString tilesetProblem;  // why the embedded tileset cannot be shown, if it cannot
    std::vector<ObjectProblem> objectProblems;  // the first MaxObjectProblems of them
    qint64 objectProblemCount = 0;
    std::vector<RepeatedCell> repeatedCells;  // the first MaxRepeatedCells of them
    qint64 repeatedCellCount = 0;

    bool ok() const { return outcome == Outcome::Loaded; }
};
