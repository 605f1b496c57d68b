#include "app/MdiArrange.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace MdiArrange {

namespace {

void tile(QMdiArea& area, bool rows) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* w : area.subWindowList(QMdiArea::CreationOrder)) {
        if (w->isVisible() && !w->isMinimized()) {
            windows << w;
        }
    }
    const auto n = static_cast<int>(windows.size());
    if (n == 0) {
        return;
    }
    const QSize room = area.viewport()->size();
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* w = windows[i];
        if (w->isMaximized()) {
            w->showNormal();
        }
        // Integer shares that add up to the whole room, so no pixel row is left over.
        if (rows) {
            const int top = room.height() * i / n;
            w->setGeometry(0, top, room.width(), room.height() * (i + 1) / n - top);
        } else {
            const int left = room.width() * i / n;
            w->setGeometry(left, 0, room.width() * (i + 1) / n - left, room.height());
        }
    }
}

}  // namespace

void tileHorizontally(QMdiArea& area) {
    tile(area, true);
}

void tileVertically(QMdiArea& area) {
    tile(area, false);
}

}  // namespace MdiArrange
