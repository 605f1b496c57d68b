#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

// What every fuzz target shares: a Qt application for the pictures and fonts, a private folder for
// the files the readers insist on, and a check that stops the run with a message.
namespace FuzzSupport {

// Writes the input to a file of that name in the run's own folder and returns its path.
QString writeFile(const char* name, const uint8_t* data, size_t size);
QString path(const char* name);
// A broken promise of the code under test: reported, then the run stops as on a crash.
[[noreturn]] void fail(const char* what);

// The zoom steps of the view, smallest first.
inline constexpr float zooms[] = {1.0f / 16, 0.25f, 0.5f, 1.0f, 2.0f};

}  // namespace FuzzSupport
