#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>
#include <utility>

#include "app/MapWindowHost.h"
#include "model/Level.h"
#include "model/LevelObserver.h"
#include "selection/Selection.h"
#include "selection/TileClipboard.h"
#include "tools/BucketTool.h"
#include "tools/DropperTool.h"
#include "tools/HandTool.h"
#include "tools/LineTool.h"
#include "tools/PencilTool.h"
#include "tools/PolylineTool.h"
#include "tools/SelectionHooks.h"
#include "tools/ToolId.h"
#include "tools/ZoomTool.h"
#include "view/Magnifier.h"
#include "view/MapViewHost.h"
#include "walls/LevelSets.h"

class MainWindow;
class MapView;
class QMdiSubWindow;
class ToolDispatch;

// One open level in its window: the level itself, its view, and (as they arrive) its tools,
// selection and clipboard objects. Everything it owns lives exactly as long as the window.
class MapWindow : public QWidget, public LevelObserver, public MapViewHost {
    Q_OBJECT
public:
    MapWindow(MainWindow& general, int slot, QWidget* parent = nullptr);
    ~MapWindow() override;

    MainWindow& general() const { return mainWindow; }
    // The document slot this map occupies.
    int mapslot() const { return slot; }
    Level& level() { return document; }
    const Level& level() const { return document; }
    Magnifier& magnifier() { return zoom; }
    const Magnifier& magnifier() const { return zoom; }
    MapView* view() const { return mapView; }
    LineTool& tline() { return lineTool; }
    BucketTool& bucket() { return bucketTool; }
    SelectionHooks& selectionHooks() const { return *hooks; }
    Selection& sel() { return selection; }
    const Selection& sel() const { return selection; }
    TileClipboard& clip() { return clipboard; }
    // The wall sets and random sets of this level.
    LevelSets& levelSets() { return sets; }
    const LevelSets& levelSets() const { return sets; }
    // The tiles painted with the left and with any other mouse button.
    int16_t tilesetLeft() const { return tilesetleft; }
    int16_t tilesetRight() const { return tilesetright; }
    void setTilesetLeft(int tile) { tilesetleft = static_cast<int16_t>(tile); }
    void setTilesetRight(int tile) { tilesetright = static_cast<int16_t>(tile); }
    void setShowGrid(bool show) { usinggrid = show; }
    void setShowTileNumbers(bool show) { usingtilenr = show; }

    // The Ctrl-held dropper of this map: hold keeps the tool it replaced, release gives it back
    // (nothing when none is held), forget drops it for good.
    void holdTemporaryTool(ToolId replaced) { savedTool = replaced; }
    std::optional<ToolId> releaseTemporaryTool() { return std::exchange(savedTool, std::nullopt); }
    void forgetTemporaryTool() { savedTool.reset(); }
    bool holdsTemporaryTool() const { return savedTool.has_value(); }

    // Tool shortcuts: `key` the key pressed or released, `Shift` 1 Shift, 2 Ctrl, 4 Alt.
    void useShortcutTool(bool KeyDown, Qt::Key key, int Shift);
    // Line width button `index` (0, 1, 2) gives strokes 1, 3 or 5 cells wide in this map.
    void setLineWidth(int index);
    // Ends the open gesture of this map's tools and selection: see MainWindow::endGesture.
    void endGesture();
    // The current tool of every map changes from `from` to `to`.
    void switchTool(ToolId from, ToolId to);

    // This window became the active one: the main window's tileset panel, buttons, menus and
    // the left and right tiles follow it.
    void activate();
    // True when the window may close: nothing unsaved, or the user agrees to lose the changes or
    // has them saved.
    bool mayClose();

    // Redraw calls, as every edit makes them.
    void redrawCell(int x, int y, bool refresh) override;
    void redrawView() override;
    void updatePreview(bool refresh);
    // Shows whether the level differs from its file in the window's caption ("[*]").
    void showModified();

    // LevelObserver
    void undoRedoChanged(bool canUndo, bool canRedo) override;
    void tilesetChanged(bool ownTileset) override;
    // MapViewHost
    float zoomFactor() const override;
    bool showGrid() const override { return usinggrid; }
    bool showTileNumbers() const override { return usingtilenr; }
    SelectionState selectionState() const override;
    void stopSelecting(bool refresh) override;
    QRect drawSelectionOnPreview(bool fromUpdateLevel) override;
    QRect selectionCover() const override;
    std::optional<QRectF> radarSelectionFrame() const override;
    PictureBox* radar() override;
    void clearMouseIsDown() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Level document;
    // What the tools, the selection and the clipboard see of this window.
    MapWindowHost host{*this};
    // The zoom of this map, and the zoom tool.
    Magnifier zoom;
    ZoomTool zoomTool{zoom};
    MapView* mapView;
    // The tools of this map, each handed the window once; `tools` routes the view's input to the
    // current one.
    PencilTool pencil;
    LineTool lineTool;
    PolylineTool polyline;
    BucketTool bucketTool;
    HandTool hand;
    DropperTool dropper;
    ToolDispatch* tools;
    // The selection as the tools see it: "no selection" until the map has one.
    SelectionHooks* hooks = &SelectionHooks::none();
    // The selection with its floating block, the paste in progress, and the wall and random sets.
    Selection selection;
    TileClipboard clipboard;
    LevelSets sets;

    MainWindow& mainWindow;
    int slot;
    int16_t tilesetleft = 1;
    int16_t tilesetright = 2;
    bool usinggrid = false;
    bool usingtilenr = false;
    std::optional<ToolId> savedTool;
};
