// The level loader on any bytes: loading never fails unsafely, and what it loads saves and loads
// again to the same grid and the same tileset block.
#include <QFile>
#include <cstring>

#include "FuzzSupport.h"
#include "model/Level.h"
#include "model/LevelFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Level level;
    const LoadReport report = LevelFile::openLevel(level, FuzzSupport::writeFile("in.lvl", data, size));
    if (!report.ok()) {
        if (report.message.isEmpty()) {
            FuzzSupport::fail("a refused level gives no reason");
        }
        return 0;
    }
    const QString saved = FuzzSupport::path("out.lvl");
    QFile::remove(saved);
    if (!LevelFile::saveLevel(level, saved).isEmpty()) {
        FuzzSupport::fail("a loaded level could not be saved");
    }
    Level again;
    const LoadReport second = LevelFile::openLevel(again, saved);
    const bool bothEmpty = QFile(saved).size() == 0 && LevelFile::encodeRecords(level).isEmpty();
    if (!second.ok() && !bothEmpty) {
        FuzzSupport::fail("a saved level does not load again");
    }
    if (second.skipped != 0) {
        FuzzSupport::fail("a saved level has records that are skipped");
    }
    const size_t bytes = sizeof(int16_t) * Level::Size * Level::Size;
    if (std::memcmp(level.cells(), again.cells(), bytes) != 0) {
        FuzzSupport::fail("the grid changed on saving and loading again");
    }
    if (level.usingDefaultTileset() != again.usingDefaultTileset() ||
        (!level.usingDefaultTileset() && level.tilesetBlock().bytes() != again.tilesetBlock().bytes())) {
        FuzzSupport::fail("the tileset block changed on saving and loading again");
    }
    return 0;
}
