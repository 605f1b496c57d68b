#include "tools/BucketTool.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <algorithm>
#include <utility>
#include <vector>

#include "model/Level.h"
#include "model/ObjectProcedures.h"
#include "tools/BusyGuard.h"
#include "tools/SelectionHooks.h"
#include "tools/ToolContext.h"
#include "tools/WindowServices.h"
#include "view/Dialogs.h"

namespace {

// Cells between two looks at the clock: often enough for a 15 ms slice, rare enough to cost nothing.
constexpr int CellsPerClockCheck = 4096;

}  // namespace

void BucketTool::press(const ToolEvent& event) {
    const float X = event.x();
    const float Y = event.y();
    const Cell cell = cellAt(X, Y);
    const int16_t tile = tileFor(event.button);
    // A click while this map is filling would start a second fill inside the first.
    if (!cell.inGrid() || filling || ObjectProcedures::isSpecialTile(tile)) {
        return;
    }
    // A moved or pasted block was written when the bucket was picked: the selection lies where it shows.
    SelectionHooks& sel = selection();
    const bool inSelection = sel.selstate() == SelectionState::Selected;
    if (inSelection && !onSelection(X, Y)) {
        return;
    }
    startBatch(event.button);
    const int16_t old = level().getTile(cell.x, cell.y);
    if (ObjectProcedures::isObjectCell(level(), cell.x, cell.y)) {
        fillObject(tile, cell.x, cell.y);
    } else if (!fill(old, tile, cell.x, cell.y, *edit, inSelection, services->fillInScreen())) {
        return;
    }
    pushBatch();
}

bool BucketTool::onSelection(float X, float Y) const {
    const QRect frame = selection().selectionOutline();
    return X >= frame.left() - 2 && X <= frame.left() + frame.width() + 3 && Y >= frame.top() - 2 &&
           Y <= frame.top() + frame.height() + 3;
}

void BucketTool::fillObject(int16_t tile, int column, int row) {
    Level& lv = level();
    if (lv.getTile(column, row) != -1) {
        // The anchor itself: the object is emptied.
        ObjectProcedures::clearObject(*edit, column, row, false, 0);
    } else if (const auto origin = ObjectProcedures::getObjectOrigin(lv, column, row)) {
        // A covered cell: the square is filled whole. Filling the region of covered cells instead
        // would run on into the squares of neighbouring objects, and a limited fill would leave
        // covered cells without their anchor.
        ObjectProcedures::clearObject(*edit, (*origin)[0], (*origin)[1], false, tile);
    } else {
        edit->setTile(column, row, tile);
        lv.redrawCell(column, row, false);
    }
    map->redrawView();
}

bool BucketTool::fill(int16_t tilenr, int16_t fillnr, int X, int Y, LevelEdit& into, bool fillinselection,
                      bool fillscreenonly) {
    const bool random = brush.drawsAtRandom();
    // Equal values: the region would be walked and nothing written.
    if (tilenr == fillnr && !random) {
        return true;
    }
    // A random fill that may draw the region's own tile marks the cells it has filled instead of
    // counting on them to stop matching.
    const bool marks = brush.mayDraw(tilenr);
    std::vector<uint8_t> filled(marks ? static_cast<size_t>(Level::Size) * Level::Size : 0);
    std::vector<int16_t> drawn(random ? Level::Size : 0);
    ToolContext* const window = map;
    Level& lv = level();
    const SelectionHooks& sel = selection();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    filling = true;
    BusyGuard guard(window->window());

    int left = 0;
    int top = 0;
    int right = Level::Size - 1;
    int bottom = Level::Size - 1;
    if (!fillinselection && fillscreenonly) {
        const ViewTransform t = transform();
        left = std::max(left, t.startX());
        top = std::max(top, t.startY());
        right = std::min(right, t.endX());
        bottom = std::min(bottom, t.endY());
    }
    const int16_t* cells = lv.cells();
    // Callers keep (x, y) within the limits.
    const auto matches = [&](int x, int y) {
        const int at = y * Level::Size + x;
        return cells[at] == tilenr && (!marks || filled[static_cast<size_t>(at)] == 0) &&
               (!fillinselection || sel.isInSelection(x, y));
    };
    const auto inLimits = [&](int x, int y) { return x >= left && x <= right && y >= top && y <= bottom; };

    // Seeds of runs still to fill, as y * Size + x. The start cell's neighbours are seeds too, even
    // when the start itself lies just outside the selection (a click on the frame's margin).
    std::vector<int32_t> seeds;
    for (const auto& [dx, dy] : {std::pair{0, -1}, {-1, 0}, {0, 1}, {1, 0}, {0, 0}}) {
        if (inLimits(X + dx, Y + dy)) {
            seeds.push_back((Y + dy) * Level::Size + X + dx);
        }
    }
    QElapsedTimer clock;
    clock.start();
    int untilCheck = CellsPerClockCheck;
    while (!seeds.empty()) {
        const int y = seeds.back() / Level::Size;
        const int x = seeds.back() % Level::Size;
        seeds.pop_back();
        if (!matches(x, y)) {
            continue;
        }
        int l = x;
        int r = x;
        while (l > left && matches(l - 1, y)) {
            --l;
        }
        while (r < right && matches(r + 1, y)) {
            ++r;
        }
        if (random) {
            // The run is drawn before it is written: between two writes, which may grow the undo
            // batch, the draw's table would be fetched again for every cell.
            brush.drawRow(y, l, r, drawn.data());
            for (int c = l; c <= r; ++c) {
                into.setTile(c, y, drawn[static_cast<size_t>(c)]);
            }
            if (marks) {
                std::fill_n(filled.begin() + y * Level::Size + l, r - l + 1, uint8_t{1});
            }
            lv.overview().copyRun(y, l, r, cells + static_cast<size_t>(y) * Level::Size);
        } else {
            for (int c = l; c <= r; ++c) {
                into.setTile(c, y, fillnr);
            }
            lv.overview().setRun(y, l, r, fillnr);
        }
        lv.overview().setRun(y, l, r, fillnr);
        // One seed for each run of matching cells above and below the run just filled.
        for (const int ny : {y - 1, y + 1}) {
            if (ny < top || ny > bottom) {
                continue;
            }
            bool inRun = false;
            for (int c = l; c <= r; ++c) {
                const bool m = matches(c, ny);
                if (m && !inRun) {
                    seeds.push_back(ny * Level::Size + c);
                }
                inRun = m;
            }
        }
        untilCheck -= r - l + 1;
        if (untilCheck <= 0) {
            untilCheck = CellsPerClockCheck;
            if (clock.elapsed() >= eventSlice.count()) {
                // The radar shows the progress from the overview image.
                window->updatePreview(true);
                guard.processEvents();
                if (guard.windowGone()) {
                    QGuiApplication::restoreOverrideCursor();
                    return false;
                }
                clock.restart();
            }
        }
    }
    window->redrawView();
    filling = false;
    QGuiApplication::restoreOverrideCursor();
    return true;
}
