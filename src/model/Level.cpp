#include "model/Level.h"

#include <algorithm>
#include <memory>

#include "history/Changes.h"
#include "model/LevelEdit.h"
#include "model/LevelObserver.h"
#include "model/LoadReport.h"
#include "model/ObjectProcedures.h"

Level::Level() : tiles(static_cast<size_t>(Size) * Size, 0) {
    history.setParent(this);
}

void Level::eraseTiles() {
    std::fill(tiles.begin(), tiles.end(), int16_t{0});
}

void Level::switchOrReplace(int16_t src, int16_t dest, bool replace) {
    LevelEdit edit(*this);
    for (int16_t y = 0; y < Size; ++y) {
        for (int16_t x = 0; x < Size; ++x) {
            const int16_t v = getTile(x, y);
            if (v == src) {
                edit.setTile(x, y, dest);
                redrawCell(x, y);
            } else if (!replace && v == dest) {
                edit.setTile(x, y, src);
                redrawCell(x, y);
            }
        }
    }
    edit.commit();
}

void Level::completeSpecialTiles(int X, int Y) {
    const int16_t v = getTile(X, Y);
    const int n = ObjectProcedures::objectExtent(v);
    if (n == 0) {
        return;
    }
    const int lastX = std::min(X + n, Size - 1);
    const int lastY = std::min(Y + n, Size - 1);
    for (int y = Y; y <= lastY; ++y) {
        std::fill(tiles.begin() + static_cast<std::ptrdiff_t>(index(X, y)),
                  tiles.begin() + static_cast<std::ptrdiff_t>(index(lastX, y)) + 1, int16_t{-1});
    }
    putTile(X, Y, v);
}

// Looked at before the square is covered: what lies in it then is what covering it loses, including
// cells of squares covered earlier in the walk, which this one overlaps.
void Level::noteObjectProblem(int x, int y, int n, LoadReport& report) const {
    LoadReport::ObjectProblem problem{x, y, getTile(static_cast<int16_t>(x), static_cast<int16_t>(y)),
                                      x + n >= Size || y + n >= Size, 0};
    for (int r = y; r <= std::min(y + n, Size - 1); ++r) {
        for (int c = x; c <= std::min(x + n, Size - 1); ++c) {
            problem.covered += (tiles[index(c, r)] != 0 && (r != y || c != x)) ? 1 : 0;
        }
    }
    if (problem.leavesGrid || problem.covered > 0) {
        ++report.objectProblemCount;
        if (report.objectProblems.size() < LoadReport::MaxObjectProblems) {
            report.objectProblems.push_back(problem);
        }
    }
}

void Level::completeAfterLoad(LoadReport* report) {
    for (int y = 0; y < Size; ++y) {
        // Covering writes only to this row's later cells and to later rows, which the walk then reads.
        const int16_t* row = tiles.data() + index(0, y);
        // Most rows hold no special tile; a branch-free test of the whole row skips them quickly.
        bool special = false;
        for (int x = 0; x < Size; ++x) {
            special |= static_cast<uint16_t>(row[x] - 217) <= 3;
        }
        if (!special) {
            continue;
        }
        for (int x = 0; x < Size; ++x) {
            const int n = ObjectProcedures::objectExtent(row[x]);
            if (n == 0) {
                continue;
            }
            if (report) {
                noteObjectProblem(x, y, n, *report);
            }
            completeSpecialTiles(x, y);
        }
    }
    if (overviewKept) {
        overviewPicture.rebuild(tiles.data());
    }
}

void Level::redrawCell(int x, int y, bool refresh) {
    overviewPicture.setCell(x, y, getTile(x, y));
    if (view) {
        view->redrawCell(x, y, refresh);
    }
}

void Level::redrawView() {
    if (view) {
        view->redrawView();
    }
}

void Level::writeBack(const Changes& batch, Changes& reverse) {
    // Every entry holds the exact value a cell had before its write, covered cells included, so the
    // backward walk leaves each cell at the value it held before the batch's first write to it. No
    // object is placed again: placing one clears whatever it overlaps, cells this walk restores too.
    for (int32_t i = batch.lastIndex(); i >= 0; --i) {
        const auto c = batch.entry(i);
        setTile(c[0], c[1], c[2], reverse);
        redrawCell(c[0], c[1]);
    }
}

void Level::markSaved() {
    changedOutsideHistory = false;
    history.setClean();
}

void Level::undoRedoChanged(bool canUndo, bool canRedo) {
    if (view) {
        view->undoRedoChanged(canUndo, canRedo);
    }
}

void Level::setObserver(LevelObserver* o) {
    view = o;
    history.notify();
}
