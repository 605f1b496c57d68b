#pragma once

#include <cstddef>
#include <cstdint>

// What the fuzz targets of both map forms check: importing any bytes either refuses in one line and
// leaves the level empty, or fills it with valid cells only.
namespace MapImportCheck {

void run(const char* name, const uint8_t* data, size_t size);

}  // namespace MapImportCheck
