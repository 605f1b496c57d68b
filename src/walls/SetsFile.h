#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include "walls/LevelSets.h"

// The wall sets and random sets of a level, kept as JSON beside it: `NAME.lvl.sets.json` for
// `NAME.lvl`. The level file itself knows nothing of them, so a level without sets has no such file.
//   {"version": 1, "seed": 1234,
//    "wallSets": [{"name": "Brick", "tiles": [[101, 102, 103, 104], ... four rows of four]}],
//    "randomSets": [{"name": "Floor", "tiles": [[21, 10], [22, 3], [23, 0]]}]}
// A random set lists [tile, weight] pairs. Reading trusts nothing in the file: whatever breaks a
// rule is refused whole, with one line saying why, and gives no sets.
class SetsFile {
    Q_DECLARE_TR_FUNCTIONS(SetsFile)

public:
    static constexpr int Version = 1;
    static constexpr qint64 MaxBytes = 4 * 1024 * 1024;
    static constexpr int MaxNameLength = 100;
    static constexpr int MaxRandomEntries = 256;
    static constexpr int MaxWeight = 1000000;

    struct ReadResult {
        LevelSets sets;
        QString error;       // empty when the sets were read, or when there is no file
        bool found = false;  // whether there is a file at all
        bool ok() const { return error.isEmpty(); }
    };

    // `levelPath` + ".sets.json".
    static QString setsPathFor(const QString& levelPath);
    static QByteArray setsPathFor(const QByteArray& nativeLevelPath);

    // Reads the sets file at `path` (only a regular file, at most MaxBytes). A missing file is no
    // error: it gives empty sets with `found` false. The sets read are not marked changed.
    static ReadResult read(const QString& path);
    // The same for a name in the system's own bytes, as a folder walk meets it.
    static ReadResult read(const QByteArray& nativePath);
    // The sets of the file content `bytes`; errors start with `shownName`.
    static ReadResult parse(const QByteArray& bytes, const QString& shownName);
    // The file content for `sets`: one line for each set.
    static QByteArray encode(const LevelSets& sets);

    // Writes `sets` to `path` through a temporary file, keeping the previous file as `<path>.bak`
    // as the level save does. Always writes, also empty sets. Returns an empty string on success,
    // otherwise what failed and why; on failure the previous file and backup are untouched.
    static QString write(const LevelSets& sets, const QString& path);
    // What a level save does with its sets: writes them beside `levelPath` and marks them saved.
    // Empty sets where no file exists write nothing; empty sets where a file exists write an empty
    // file (the previous one stays as `.bak`), so the sets removed in the editor stay removed.
    static QString saveBeside(LevelSets& sets, const QString& levelPath);
};
