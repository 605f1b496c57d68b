#pragma once

#include <QString>

// Temporary files that a save killed halfway leaves beside a level. Saving goes through QSaveFile,
// which writes `<name>.XXXXXX` beside the level and, for the backup, `<name>.bak.XXXXXX`, then
// renames it into place; a process killed between the two leaves the temporary file behind.
class LevelFileLeftovers {
public:
    // Only files this long untouched are taken to be left over rather than being written right now.
    static constexpr int StaleSeconds = 60;

    // Removes the left-over temporary files of `filename`'s saves: regular files of the user, named
    // as QSaveFile names them, untouched for StaleSeconds. Nothing else is ever removed.
    static void removeStale(const QString& filename);
};
