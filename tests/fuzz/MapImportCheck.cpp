#include "MapImportCheck.h"

#include "FuzzSupport.h"
#include "mapformats/MapImport.h"
#include "model/Level.h"
#include "model/LevelFile.h"

namespace MapImportCheck {

void run(const char* name, const uint8_t* data, size_t size) {
    // One level for the whole run: the import empties it first, as it must for a reused level too.
    static Level* level = [] {
        auto* l = new Level;
        l->setKeepOverview(false);
        return l;
    }();
    MapImport::Options options;
    options.lenient = size > 0 && data[size - 1] == '\n';
    const MapImport::Result result = MapImport::import(FuzzSupport::writeFile(name, data, size), options, *level);
    if (!result.ok()) {
        if (result.error.contains(QLatin1Char('\n'))) {
            FuzzSupport::fail("a refusal takes more than one line");
        }
        if (!LevelFile::encodeRecords(*level).isEmpty()) {
            FuzzSupport::fail("a refused map left cells in the level");
        }
        return;
    }
    for (int i = 0; i < Level::Size * Level::Size; ++i) {
        const int16_t v = level->cells()[i];
        if (v < -1 || v > 255) {
            FuzzSupport::fail("an imported cell holds no valid value");
        }
    }
}

}  // namespace MapImportCheck
