// The sets file reader on any bytes: it refuses in one line with no sets, or what it reads writes
// out and reads again to the same sets, and every random draw of them gives a tile the set may draw.
#include <algorithm>

#include "FuzzSupport.h"
#include "model/ObjectProcedures.h"
#include "walls/RandomDraw.h"
#include "walls/SetsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const SetsFile::ReadResult read = SetsFile::parse(bytes, QStringLiteral("in.lvl.sets.json"));
    if (!read.ok()) {
        if (!read.sets.isEmpty() || read.error.contains(QLatin1Char('\n'))) {
            FuzzSupport::fail("a refused sets file gives sets or more than one line");
        }
        return 0;
    }
    const SetsFile::ReadResult again = SetsFile::parse(SetsFile::encode(read.sets), QStringLiteral("out"));
    if (!again.ok() || !(again.sets == read.sets)) {
        FuzzSupport::fail("sets written out do not read back the same");
    }
    for (const RandomSet& set : read.sets.randomSets()) {
        const RandomDraw draw(set);
        for (int x = 0; x < 16; ++x) {
            const int16_t tile = draw.tileAt(read.sets.seed(), x, x * 7, 3);
            const auto drawable = [&](const RandomSet::Entry& e) { return e.tile == tile && e.weight > 0; };
            if (draw.isEmpty() ? tile != 0
                               : ObjectProcedures::isSpecialTile(tile) ||
                                     std::none_of(set.entries().begin(), set.entries().end(), drawable)) {
                FuzzSupport::fail("a random draw gave a tile its set may not draw");
            }
        }
    }
    return 0;
}
