#pragma once

#include "tools/ToolContext.h"
#include "tools/WindowServices.h"

class MapWindow;

// The map window as its tools, selection and clipboard see it: the window's own parts (the tool
// context), and the main window's program-wide state and controls (the window services).
class MapWindowHost : public ToolContext, public WindowServices {
public:
    explicit MapWindowHost(MapWindow& map) : map(map) {}

    // ToolContext
    QWidget* window() override;
    Level& level() override;
    MapView& view() override;
    SelectionHooks& selection() override;
    LineTool& lines() override;
    LevelSets& levelSets() override;
    int16_t tilesetLeft() const override;
    int16_t tilesetRight() const override;
    void pickLeftTile(int tile) override;
    void pickRightTile(int tile) override;
    void redrawView() override;
    void updatePreview(bool refresh) override;

    // WindowServices
    ToolId currentTool() const override;
    void setCurrentTool(ToolId tool) override;
    void beginTemporaryTool(ToolId tool) override;
    void endTemporaryTool() override;

    PaintMode paintMode() const override;
    void togglePaintMode(PaintMode mode) override;

    bool mouseIsDown() const override;
    void setMouseIsDown(bool down) override;

    Dialogs& dialogs() override;
    bool fillInScreen() const override;
    void switchGrid() override;
    void switchTileNumbers() override;
    void showStatus(const QString& text) override;

private:
    MapWindow& map;
};
