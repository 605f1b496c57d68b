#pragma once

// What a level tells the window that shows it. The core never knows the window itself; tests,
// benchmarks and the command-line tool run a level with no observer at all.
class LevelObserver {
public:
    virtual ~LevelObserver() = default;
    // One cell was written; the overview pixel is already up to date.
    virtual void redrawCell(int x, int y, bool refresh) = 0;
    // Many cells (or the tileset) changed: redraw everything visible.
    virtual void redrawView() = 0;
    // The undo or redo stack became empty or non-empty.
    virtual void undoRedoChanged(bool canUndo, bool canRedo) = 0;
    // The level gained or lost a tileset of its own.
    virtual void tilesetChanged(bool ownTileset) = 0;
};
