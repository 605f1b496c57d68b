// The XML map import on any bytes: it never fails unsafely, refuses in one line, and fills only valid cells.
#include "MapImportCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MapImportCheck::run("in.tmx", data, size);
    return 0;
}
