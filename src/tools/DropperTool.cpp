#include "tools/DropperTool.h"

#include "model/Level.h"
#include "model/ObjectProcedures.h"
#include "tools/ToolContext.h"

void DropperTool::press(const ToolEvent& event) {
    const Cell cell = cellAt(event.x(), event.y());
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
    if (event.button == Qt::LeftButton) {
        map->pickLeftTile(n);
    } else {
        map->pickRightTile(n);
    }
}

void DropperTool::move(const ToolEvent& event) {
    if (event.button != Qt::NoButton) {
        press(event);
    }
}
