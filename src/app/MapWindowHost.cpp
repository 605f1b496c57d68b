#include "app/MapWindowHost.h"

#include <QLabel>

#include "app/MainWindow.h"
#include "app/MapWindow.h"
#include "app/ToolBars.h"

QWidget* MapWindowHost::window() {
    return &map;
}

Level& MapWindowHost::level() {
    return map.level();
}

MapView& MapWindowHost::view() {
    return *map.view();
}

SelectionHooks& MapWindowHost::selection() {
    return map.selectionHooks();
}

LineTool& MapWindowHost::lines() {
    return map.tline();
}

ToolId MapWindowHost::currentTool() const {
    return map.general().currentTool();
}

void MapWindowHost::setCurrentTool(ToolId tool) {
    map.general().setCurrentTool(tool);
}

void MapWindowHost::beginTemporaryTool(ToolId tool) {
    map.general().beginTemporaryTool(map, tool);
}

void MapWindowHost::endTemporaryTool() {
    map.general().endTemporaryTool();
}

int16_t MapWindowHost::tilesetLeft() const {
    return map.tilesetLeft();
}

int16_t MapWindowHost::tilesetRight() const {
    return map.tilesetRight();
}

void MapWindowHost::pickLeftTile(int tile) {
    map.general().setLeftTile(tile);
}

void MapWindowHost::pickRightTile(int tile) {
    map.general().setRightTile(tile);
}

LevelSets& MapWindowHost::levelSets() {
    return map.levelSets();
}

PaintMode MapWindowHost::paintMode() const {
    return map.general().toolBars()->paintMode();
}

void MapWindowHost::togglePaintMode(PaintMode mode) {
    map.general().toolBars()->togglePaintMode(mode);
}

bool MapWindowHost::mouseIsDown() const {
    return map.general().mouseIsDown();
}

void MapWindowHost::setMouseIsDown(bool down) {
    map.general().setMouseIsDown(down);
}

Dialogs& MapWindowHost::dialogs() {
    return map.general().dialogs();
}

bool MapWindowHost::fillInScreen() const {
    return map.general().fillInScreen();
}

void MapWindowHost::switchGrid() {
    map.general().switchGrid();
}

void MapWindowHost::switchTileNumbers() {
    map.general().switchTileNumbers();
}

void MapWindowHost::showStatus(const QString& text) {
    QLabel* label = map.general().positionLabel();
    if (label->text() != text) {
        label->setText(text);
    }
}

void MapWindowHost::redrawView() {
    map.redrawView();
}

void MapWindowHost::updatePreview(bool refresh) {
    map.updatePreview(refresh);
}
