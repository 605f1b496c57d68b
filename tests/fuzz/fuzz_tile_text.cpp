// The tile text reader on any text: a text that reads as a block formats and reads back to the
// very same block.
#include "FuzzSupport.h"
#include "model/Level.h"
#include "selection/TileText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto block = TileText::parse(text);
    if (!block) {
        return 0;
    }
    if (block->width() < 1 || block->height() < 1 || block->width() > Level::Size || block->height() > Level::Size) {
        FuzzSupport::fail("a block is larger than the grid");
    }
    static Level level;
    level.eraseTiles();
    for (int y = 0; y < block->height(); ++y) {
        for (int x = 0; x < block->width(); ++x) {
            const int16_t v = block->at(x, y);
            if (v < -1 || v > 255) {
                FuzzSupport::fail("a block holds a value that is no cell value");
            }
            level.putTile(static_cast<int16_t>(x), static_cast<int16_t>(y), v);
        }
    }
    const auto again =
        TileText::parse(TileText::format(level, CellRect{0, 0, block->width() - 1, block->height() - 1}));
    if (!again || again->width() != block->width() || again->height() != block->height()) {
        FuzzSupport::fail("a formatted block does not read back with its size");
    }
    for (int y = 0; y < block->height(); ++y) {
        for (int x = 0; x < block->width(); ++x) {
            if (again->at(x, y) != block->at(x, y)) {
                FuzzSupport::fail("a formatted block reads back with other values");
            }
        }
    }
    return 0;
}
