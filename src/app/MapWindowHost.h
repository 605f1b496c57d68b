#pragma once

#include "tools/MapHost.h"

class MapWindow;

// The map window as its tools, selection, clipboard and walls dialog see it: the window's own
// parts, and the main window's program-wide state and controls.
class MapWindowHost : public MapHost {
public:
    explicit MapWindowHost(MapWindow& map) : map(map) {}

    QWidget* window() override;
    Level& level() override;
    MapView& view() override;
    SelectionHooks& selection() override;
    LineTool& lines() override;

    ToolId currentTool() const override;
    void setCurrentTool(ToolId tool) override;
    void beginTemporaryTool(ToolId tool) override;
    void endTemporaryTool() override;

    int16_t tilesetLeft() const override;
    int16_t tilesetRight() const override;
    void pickLeftTile(int tile) override;
    void pickRightTile(int tile) override;

    bool mouseIsDown() const override;
    void setMouseIsDown(bool down) override;

    Dialogs& dialogs() override;
    bool fillInScreen() const override;
    void switchGrid() override;
    void switchTileNumbers() override;
    void showStatus(const QString& text) override;

    void redrawView() override;
    void updatePreview(bool refresh) override;

private:
    MapWindow& map;
};
