#include "app/StatusBar.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <array>
#include <cmath>

#include "app/MainWindow.h"
#include "app/MapWindow.h"
#include "model/ObjectProcedures.h"
#include "selection/SelectionShape.h"
#include "tools/ShortcutTable.h"
#include "tools/ToolTable.h"
#include "view/MapView.h"
#include "view/PictureBox.h"

namespace {

// What each tool does with the mouse, in tool order.
constexpr std::array<const char*, ToolCount> Hints{{
    QT_TRANSLATE_NOOP("StatusBar", "left click zooms in, right click zooms out"),
    QT_TRANSLATE_NOOP("StatusBar", "drag to mark cells, drag the selection to move it; Del empties it, Esc drops it"),
    QT_TRANSLATE_NOOP("StatusBar", "drag to move the view"),
    QT_TRANSLATE_NOOP("StatusBar", "drag to paint the left or right tile; hold Ctrl to pick a tile"),
    QT_TRANSLATE_NOOP("StatusBar", "click or drag to pick the left or right tile from the map"),
    QT_TRANSLATE_NOOP("StatusBar", "drag to empty cells"),
    QT_TRANSLATE_NOOP("StatusBar", "click to fill an area with the left or right tile; hold Ctrl to pick a tile"),
    QT_TRANSLATE_NOOP("StatusBar", "drag to draw a line; hold Ctrl to pick a tile"),
    QT_TRANSLATE_NOOP("StatusBar", "left click adds a corner, right click ends the polyline"),
    QT_TRANSLATE_NOOP("StatusBar", "drag to draw a rectangle outline; hold Ctrl to pick a tile"),
    QT_TRANSLATE_NOOP("StatusBar", "drag to draw an ellipse; hold Ctrl to pick a tile"),
}};

QLabel* field(StatusBar* bar, const QString& name, int minimumWidth, bool permanent) {
    auto* label = new QLabel(bar);
    label->setObjectName(name);
    label->setMinimumWidth(minimumWidth);
    if (permanent) {
        bar->addPermanentWidget(label);
    } else {
        bar->addWidget(label, 1);
    }
    return label;
}

void showText(QLabel* label, const QString& text) {
    if (label->text() != text) {
        label->setText(text);
    }
}

}  // namespace

StatusBar::StatusBar(MainWindow& general) : QStatusBar(&general), general(general) {
    setObjectName(QStringLiteral("statusBar"));
    ui.hintLabel = field(this, QStringLiteral("lblHint"), 0, false);
    ui.cellLabel = field(this, QStringLiteral("lblCell"), 110, true);
    ui.tileLabel = field(this, QStringLiteral("lblTile"), 110, true);
    ui.selectionLabel = field(this, QStringLiteral("lblSelection"), 110, true);
    ui.zoomLabel = field(this, QStringLiteral("lblZoom"), 80, true);
    connect(general.mdiArea(), &QMdiArea::subWindowActivated, this,
            [this](QMdiSubWindow* sub) { follow(sub != nullptr ? qobject_cast<MapWindow*>(sub->widget()) : nullptr); });
    for (int tool = 1; tool <= ToolCount; ++tool) {
        connect(general.toolButton(static_cast<ToolId>(tool)), &QAction::toggled, this, [this] { refresh(); });
    }
    refresh();
}

QString StatusBar::tileText(const Level& level, int column, int row) {
    if (!Level::inGrid(column, row)) {
        return {};
    }
    const auto x = static_cast<int16_t>(column);
    const auto y = static_cast<int16_t>(row);
    const int16_t value = level.getTile(x, y);
    if (value != -1) {
        return value == 0 ? tr("Tile 0 (empty)") : tr("Tile %1").arg(value);
    }
    const auto anchor = ObjectProcedures::getObjectOrigin(level, x, y);
    if (!anchor) {
        return tr("Tile -1 (covered, no object)");
    }
    const auto [ax, ay] = *anchor;
    return tr("Tile -1 (covered by %1 at %2, %3)").arg(level.getTile(ax, ay)).arg(ax).arg(ay);
}

QString StatusBar::zoomText(float zoom) {
    const QString step = zoom < 1.0f ? QStringLiteral("1/%1").arg(std::lround(1.0f / zoom)) : QString::number(zoom);
    return tr("Zoom %1").arg(step);
}

QString StatusBar::toolHint(ToolId id) {
    const int tool = static_cast<int>(id);
    const ShortcutTable::KeyShortcut* row = ShortcutTable::toolKey(id);
    if (row == nullptr || tool < 1 || tool > ToolCount) {
        return {};
    }
    return tr("%1 (%2): %3")
        .arg(QCoreApplication::translate("ShortcutTable", row->description),
             QCoreApplication::translate("ShortcutTable", row->keyName), tr(Hints[static_cast<size_t>(tool - 1)]));
}

std::optional<QSize> StatusBar::selectionSize(const MapWindow& map) {
    const SelectionState state = map.sel().selstate();
    if (state == SelectionState::Selected) {
        const CellRect r = map.sel().rect();
        return QSize(r.width(), r.height());
    }
    if (state == SelectionState::Drawing) {
        // While the rectangle is drawn, only its outline knows how far it reaches.
        const SelectionShape& outline = map.sel().outline();
        const float t = map.magnifier().zoomFactor() * 16.0f;
        return QSize(static_cast<int>(std::lround(outline.width() / t)),
                     static_cast<int>(std::lround(outline.height() / t)));
    }
    return std::nullopt;
}

void StatusBar::follow(MapWindow* map) {
    PictureBox* next = map != nullptr ? map->view()->viewSurface() : nullptr;
    if (next != view) {
        if (view != nullptr) {
            view->removeEventFilter(this);
            disconnect(view, nullptr, this, nullptr);
        }
        view = next;
        pointer.reset();
        if (view != nullptr) {
            view->installEventFilter(this);
            // Connected after the map's tools, so the texts show what the tool made of the event.
            const auto track = [this](QPointF pos) {
                pointer = pos;
                refresh();
            };
            connect(next, &PictureBox::mouseMove, this,
                    [track](Qt::MouseButtons, QPointF pos, Qt::KeyboardModifiers) { track(pos); });
            connect(next, &PictureBox::mouseDown, this,
                    [track](Qt::MouseButton, Qt::MouseButtons, QPointF pos, Qt::KeyboardModifiers) { track(pos); });
            connect(next, &PictureBox::mouseUp, this,
                    [track](Qt::MouseButton, Qt::MouseButtons, QPointF pos, Qt::KeyboardModifiers) { track(pos); });
        }
    }
    refresh();
}

void StatusBar::refresh() {
    showText(ui.hintLabel, toolHint(general.currentTool()));
    MapWindow* map = general.activeMap();
    if (map == nullptr || view != map->view()->viewSurface()) {
        for (QLabel* label : {ui.cellLabel, ui.tileLabel, ui.selectionLabel, ui.zoomLabel}) {
            showText(label, QString());
        }
        return;
    }
    showText(ui.zoomLabel, zoomText(map->magnifier().zoomFactor()));
    const std::optional<QSize> selected = selectionSize(*map);
    showText(ui.selectionLabel,
             selected ? tr("Selection %1 x %2").arg(selected->width()).arg(selected->height()) : QString());
    if (!pointer) {
        showText(ui.cellLabel, QString());
        showText(ui.tileLabel, QString());
        return;
    }
    const int column = map->view()->cellX(pointer->x());
    const int row = map->view()->cellY(pointer->y());
    const bool inGrid = Level::inGrid(column, row);
    showText(ui.cellLabel, inGrid ? tr("Cell %1, %2").arg(column).arg(row) : QString());
    showText(ui.tileLabel, tileText(map->level(), column, row));
}

bool StatusBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view) {
        switch (event->type()) {
            case QEvent::Leave:
                pointer.reset();
                refresh();
                break;
            case QEvent::Paint:
            case QEvent::KeyRelease:
                // Every redraw of the view follows a change of zoom, scroll, cells or selection.
                refresh();
                break;
            default:
                break;
        }
    }
    return QStatusBar::eventFilter(watched, event);
}
