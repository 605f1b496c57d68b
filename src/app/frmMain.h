#pragma once

#include <QWidget>
#include <cstdint>

#include "model/Level.h"
#include "model/LevelObserver.h"
#include "view/MapViewHost.h"

class frmGeneral;
class MapView;
class QMdiSubWindow;

// One open level in its window: the level itself, its view, and (as they arrive) its tools,
// selection and clipboard objects. Everything it owns lives exactly as long as the window.
class frmMain : public QWidget, public LevelObserver, public MapViewHost {
    Q_OBJECT
public:
    frmMain(frmGeneral& general, int16_t slot, QWidget* parent = nullptr);
    ~frmMain() override;

    frmGeneral& general;
    Level level;
    MapView* view;
    int16_t mapslot;
    int16_t tilesetleft = 1;
    int16_t tilesetright = 2;
    bool usinggrid = false;
    bool usingtilenr = false;
    bool tempToolActive = false;
    int savedTool = 0;

    // Tool, selection, clipboard and wall objects of this map are members below, each handed this
    // window once when it is created.

    // Redraw calls, as every edit makes them.
    void UpdateLevelTile(int16_t x, int16_t y, bool refresh) override;
    void UpdateLevel() override;
    void updatePreview(bool refresh);

    // LevelObserver
    void undoRedoChanged(bool canUndo, bool canRedo) override;
    void tilesetChanged(bool ownTileset) override;
    // MapViewHost
    float zoomFactor() const override;
    bool showGrid() const override { return usinggrid; }
    bool showTileNumbers() const override { return usingtilenr; }
    void UpdateSelectionOnPreview(bool fromUpdateLevel) override;
    PictureBox* radar() override;

private:
    float zoom = 1.0f;
};
