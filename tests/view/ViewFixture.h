#pragma once

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>
#include <vector>

#include "history/Changes.h"
#include "model/Level.h"
#include "model/LevelObserver.h"
#include "view/Magnifier.h"
#include "view/MapView.h"
#include "view/MapViewHost.h"
#include "view/PictureBox.h"

// A map window reduced to what the view needs: a level, its view and zoom, a radar surface, and
// records of what the view asked of it.
class ViewFixture : public ::testing::Test, public MapViewHost, public LevelObserver {
protected:
    ViewFixture() {
        zoomTool.setParent(&view);
        level.setObserver(this);
        radarBox.resizeImage(QSize(288, 288));
    }
    ~ViewFixture() override { level.setObserver(nullptr); }
    void SetUp() override { showCentred(); }

    // Shows the view at the initial window's 673 x 505 pixels, centred as after creating a map.
    void showCentred() {
        view.resize(673 + 17, 505 + 17);
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
        view.centreView();
        view.UpdateLevel();
    }
    // Runs ZoomIn or ZoomOut until the zoom is `zoom`.
    void zoomTo(float zoom) {
        for (int i = 0; i < 8 && zoomTool.Zoom() != zoom; ++i) {
            zoom > zoomTool.Zoom() ? zoomTool.ZoomIn(512, 512) : zoomTool.ZoomOut(512, 512);
        }
        ASSERT_EQ(zoomTool.Zoom(), zoom);
    }
    QPoint origin() const { return {view.hScrollBar->value(), view.vScrollBar->value()}; }
    // Writes a cell as the editing operations do, redrawing it through the level.
    void write(int16_t x, int16_t y, int16_t value, bool refresh) {
        Changes batch;
        level.setTile(x, y, value, batch, true);
        level.UpdateLevelTile(x, y, refresh);
    }

    // MapViewHost
    float zoomFactor() const override { return zoomTool.Zoom(); }
    bool showGrid() const override { return grid; }
    bool showTileNumbers() const override { return numbers; }
    SelectionState selectionState() const override { return selstate; }
    void stopSelecting(bool refresh) override { stops.push_back(refresh); }
    QRect UpdateSelectionOnPreview(bool) override { return {}; }
    std::optional<QRectF> radarSelectionFrame() const override { return std::nullopt; }
    PictureBox* radar() override {
        ++previews;
        return &radarBox;
    }
    void clearMouseIsDown() override { mouseIsDown = false; }
    // LevelObserver
    void UpdateLevelTile(int x, int y, bool refresh) override { view.UpdateLevelTile(x, y, refresh); }
    void UpdateLevel() override { view.UpdateLevel(); }
    void undoRedoChanged(bool, bool) override {}
    void tilesetChanged(bool) override {}

    Level level;
    MapView view{level, *this};
    Magnifier zoomTool;
    PictureBox radarBox;
    bool grid = false;
    bool numbers = false;
    SelectionState selstate = SelectionState::None;
    std::vector<bool> stops;  // the refresh argument of every stopSelecting
    int previews = 0;         // updatePreview calls, counted by their radar drawing
    bool mouseIsDown = true;
};
