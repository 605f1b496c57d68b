#pragma once

// How the painting tools write the left tile: as it is, as walls of the map's current wall set that
// join their neighbours, or as tiles drawn from the map's current random set.
enum class PaintMode { Plain, Walls, Random };
