#include "tools/DropperTool.h"

#include "model/Level.h"
#include "model/ObjectProcedures.h"
#include "tools/MapHost.h"

void DropperTool::MouseDown(int16_t Button, float X, float Y) {
    const Cell cell = cellAt(X, Y);
    if (!cell.inGrid()) {
        return;
    }
    const Level& lv = level();
    int16_t n = lv.getTile(cell.x, cell.y);
    if (n == -1) {
        const auto origin = ObjectProcedures::getObjectOrigin(lv, cell.x, cell.y);
        // A covered cell with no anchor (a damaged grid) has no tile to give; -1 cannot be painted.
        n = origin ? lv.getTile((*origin)[0], (*origin)[1]) : int16_t{0};
    }
    if (Button == 1) {
        map->pickLeftTile(n);
    } else {
        map->pickRightTile(n);
    }
}

void DropperTool::MouseMove(int16_t Button, float X, float Y) {
    if (mouseIsDown()) {
        MouseDown(Button, X, Y);
    }
}
