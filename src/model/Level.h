#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "history/Changes.h"
#include "history/EditTarget.h"
#include "history/UndoRedoStack.h"
#include "model/OverviewImage.h"
#include "model/Tileset.h"
#include "model/TilesetBlock.h"

class LevelEdit;
class LevelObserver;
struct LoadReport;

// One level: the 1024 x 1024 grid with its special tiles, its tileset, its overview image and
// its undo history. Every edit goes through an open LevelEdit, so that it is recorded and undone.
class Level : public EditTarget {
    friend class LevelEdit;

public:
    static constexpr int Size = 1024;

    Level();
    Level(const Level&) = delete;
    Level& operator=(const Level&) = delete;

    static bool inGrid(int x, int y) { return x >= 0 && x < Size && y >= 0 && y < Size; }

    int16_t getTile(int tileX, int tileY) const { return tiles[index(tileX, tileY)]; }
    // Plain write with no record, for loading.
    void putTile(int tileX, int tileY, int16_t value) { tiles[index(tileX, tileY)] = value; }
    const int16_t* cells() const { return tiles.data(); }

    // Sets every cell to 0 without recording anything.
    void eraseTiles();
    // Whole-map replace (`replace` true) or swap of two tile numbers, as one undoable step.
    void switchOrReplace(int16_t src, int16_t dest, bool replace);
    // Covers the square of a special tile at (X, Y) with -1; cells past the grid's edge are left out.
    void completeSpecialTiles(int X, int Y);
    // Covers every special tile in row order and rebuilds the overview image, as after loading. With
    // `report`, notes each special tile whose square leaves the grid or covers used cells.
    void completeAfterLoad(LoadReport* report = nullptr);

    // Keeps the overview pixel in step and asks the window to redraw the cell.
    void redrawCell(int x, int y, bool refresh = false);
    void redrawView() override;

    // Whether the level differs from its file: its history left the step of the last save, or
    // something the history does not hold (a tileset, a recovered copy) changed it.
    bool changed() const { return changedOutsideHistory || !history.isClean(); }
    // A change the history does not hold: only a save clears it.
    void markChanged() { changedOutsideHistory = true; }
    // The level now is what its file holds.
    void markSaved();

    // EditTarget
    UndoRedoStack& undoStack() override { return history; }
    const UndoRedoStack& undoStack() const { return history; }
    void writeBack(const Changes& batch, Changes& reverse) override;
    void undoRedoChanged(bool canUndo, bool canRedo) override;

    void setObserver(LevelObserver* o);
    LevelObserver* observer() const { return view; }

    // The overview image (one pixel a cell), the tileset block as the file holds it, and the tile
    // pictures drawn from it.
    OverviewImage& overview() { return overviewPicture; }
    const OverviewImage& overview() const { return overviewPicture; }
    TilesetBlock& tilesetBlock() { return block; }
    const TilesetBlock& tilesetBlock() const { return block; }
    Tileset& tileset() { return pictures; }
    const Tileset& tileset() const { return pictures; }
    // Whether the level uses the program's tileset rather than one of its own.
    bool usingDefaultTileset() const { return defaultTileset; }
    void setUsingDefaultTileset(bool usingDefault) { defaultTileset = usingDefault; }
    // False for levels that are only read, never shown: loading then leaves the overview picture unbuilt.
    bool keepOverview() const { return overviewKept; }
    void setKeepOverview(bool keep) { overviewKept = keep; }
    // The file the level was read from or last saved to; empty for a level without one.
    const QString& activeFile() const { return file; }
    void setActiveFile(const QString& name) { file = name; }

private:
    UndoRedoStack history;
    OverviewImage overviewPicture;
    TilesetBlock block;
    Tileset pictures;
    bool defaultTileset = true;
    bool overviewKept = true;
    QString file;

    // Writes a cell, recording its previous value; writing the value a cell already holds records
    // nothing. Inline: every edit, undo and redo writes each of its cells through it.
    void setTile(int tileX, int tileY, int16_t value, Changes& undoch) {
        int16_t& cell = tiles[index(tileX, tileY)];
        if (cell == value) {
            return;
        }
        undoch.record(tileX, tileY, cell);
        cell = value;
    }
    void noteObjectProblem(int x, int y, int n, LoadReport& report) const;
    static size_t index(int x, int y) { return static_cast<size_t>(y) * Size + static_cast<size_t>(x); }

    std::vector<int16_t> tiles;
    LevelObserver* view = nullptr;
    bool changedOutsideHistory = false;
};
