#include "app/MdiArrange.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <algorithm>

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

void placeNew(QMdiArea& area, QMdiSubWindow& window, QSize natural) {
    int others = 0;
    for (QMdiSubWindow* w : area.subWindowList()) {
        others += (w != &window && w->isVisible() && !w->isMinimized()) ? 1 : 0;
    }
    QStyleOptionTitleBar option;
    option.initFrom(&window);
    const int step = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, &window);
    const int offset = (others % 8) * step;
    const QSize frame = window.size() - window.widget()->size();
    const QSize room = area.viewport()->size();
    // Every new window gets the same size, so a cascade shows one title bar below the other.
    const QSize size = (natural + frame).expandedTo(room * 4 / 5).boundedTo(room);
    const QPoint at(std::max(0, std::min(offset, room.width() - size.width())),
                    std::max(0, std::min(offset, room.height() - size.height())));
    window.setGeometry(QRect(at, size));
}

}  // namespace MdiArrange
