#include "model/RecoverySnapshot.h"

#include "model/Level.h"

RecoverySnapshot RecoverySnapshot::take(const Level& level, const QString& caption) {
    RecoverySnapshot snapshot;
    snapshot.original = level.activeFile();
    snapshot.caption = caption;
    snapshot.time = QDateTime::currentDateTimeUtc();
    if (!level.usingDefaultTileset()) {
        snapshot.tilesetBlock = level.tilesetBlock().bytes();
    }
    const int16_t* cells = level.cells();
    snapshot.cells.assign(cells, cells + static_cast<size_t>(Level::Size) * Level::Size);
    return snapshot;
}
