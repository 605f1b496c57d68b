#pragma once

#include <QWidget>
#include <cstdint>

#include "model/Level.h"
#include "model/LevelObserver.h"
#include "selection/ClipB.h"
#include "selection/Selection.h"
#include "tools/Line.h"
#include "tools/SPline.h"
#include "tools/SelectionHooks.h"
#include "tools/bucket.h"
#include "tools/pencil.h"
#include "view/MapViewHost.h"
#include "view/dropper.h"
#include "view/hand.h"
#include "view/magnifier.h"
#include "walls/walltiles.h"

class frmGeneral;
class MapView;
class QMdiSubWindow;
class ToolDispatch;

// One open level in its window: the level itself, its view, and (as they arrive) its tools,
// selection and clipboard objects. Everything it owns lives exactly as long as the window.
class frmMain : public QWidget, public LevelObserver, public MapViewHost {
    Q_OBJECT
public:
    frmMain(frmGeneral& general, int16_t slot, QWidget* parent = nullptr);
    ~frmMain() override;

    frmGeneral& general;
    Level level;
    // The zoom of this map, and the zoom tool.
    ::magnifier magnifier;
    MapView* view;
    int16_t mapslot;
    int16_t tilesetleft = 1;
    int16_t tilesetright = 2;
    bool usinggrid = false;
    bool usingtilenr = false;
    bool tempToolActive = false;
    int savedTool = 0;

    // The tools of this map, each handed the window once; `tools` routes the view's input to the
    // current one.
    ::pencil pencil;
    Line tline;
    ::SPline SPline;
    ::bucket bucket;
    ::hand hand;
    ::dropper dropper;
    ToolDispatch* tools;
    // The selection as the tools see it: "no selection" until the map has one.
    SelectionHooks* selectionHooks = &SelectionHooks::none();

    // Tool shortcuts: `KeyCode` a virtual key code, `Shift` 1 Shift, 2 Ctrl, 4 Alt.
    void UseShortcutTool(bool KeyDown, int KeyCode, int Shift);
    // Line width button `index` (0, 1, 2) gives strokes 1, 3 or 5 cells wide in this map.
    void setLineWidth(int index);
    // Ends a polyline in progress as one undo step (another tool was picked, or the window closes).
    void endPolyline();

    // This window became the active one: the main window's tileset panel, buttons, menus and
    // the left and right tiles follow it.
    void Form_Activate();
    // True when the window may close: nothing unsaved, or the user agrees to lose the changes.
    bool mayClose();

    // The selection with its floating block, the paste in progress and the wall tile sets.
    Selection sel;
    ClipB clip;
    ::walltiles walltiles;

    // Redraw calls, as every edit makes them.
    void UpdateLevelTile(int16_t x, int16_t y, bool refresh) override;
    void UpdateLevel() override;
    void updatePreview(bool refresh);
    // Shows `mapchanged` in the window's caption ("[*]").
    void showModified();

    // LevelObserver
    void undoRedoChanged(bool canUndo, bool canRedo) override;
    void tilesetChanged(bool ownTileset) override;
    // MapViewHost
    float zoomFactor() const override;
    bool showGrid() const override { return usinggrid; }
    bool showTileNumbers() const override { return usingtilenr; }
    int selectionState() const override;
    void stopSelecting(bool refresh) override;
    QRect UpdateSelectionOnPreview(bool fromUpdateLevel) override;
    std::optional<QRectF> radarSelectionFrame() const override;
    PictureBox* radar() override;
    void clearMouseIsDown() override;

protected:
    void closeEvent(QCloseEvent* event) override;
};
