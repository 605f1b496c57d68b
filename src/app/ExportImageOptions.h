#pragma once

#include <QRect>
#include <array>

#include "view/LevelPicture.h"

// What File > Export Image draws: one area of the level at one zoom step, with or without the grid
// and the cell numbers.
struct ExportImageOptions {
    enum Area { WholeLevel, Selection, VisibleView };

    // The cells of each area; the selection's is empty when the map has none.
    std::array<QRect, 3> areas;
    Area area = WholeLevel;
    float zoom = 0.25f;
    bool grid = false;
    bool numbers = false;

    LevelPicture::Options picture() const { return {areas[static_cast<size_t>(area)], zoom, grid, numbers}; }
};
