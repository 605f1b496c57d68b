#pragma once

#include <QPointer>
#include <QStatusBar>
#include <optional>

#include "tools/ToolId.h"

class Level;
class PictureBox;
class QLabel;
class MainWindow;
class MapWindow;

// The main window's status bar: the cell under the pointer and its tile, the zoom step, the size of
// the selection and a hint for the current tool, all of the active map. It follows the active map's
// view by itself; the right panel's position label is left to the tools.
class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusBar(MainWindow& general);

    // "Tile 5", or for a covered cell the special tile covering it and the cell of its anchor.
    static QString tileText(const Level& level, int column, int row);
    // "Zoom 1/4" for a zoom factor of 0.25.
    static QString zoomText(float zoom);
    // What the current tool does with the mouse, with its key.
    static QString toolHint(ToolId tool);

    // Reads everything again from the active map and the pointer's last place on its view.
    void refresh();

    QLabel* cellLabel() const { return ui.cellLabel; }
    QLabel* tileLabel() const { return ui.tileLabel; }
    QLabel* zoomLabel() const { return ui.zoomLabel; }
    QLabel* selectionLabel() const { return ui.selectionLabel; }
    QLabel* hintLabel() const { return ui.hintLabel; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(MapWindow* map);
    // The selection's size in cells while one is drawn or selected.
    static std::optional<QSize> selectionSize(const MapWindow& map);

    MainWindow& general;
    // A plain widget pointer: the filter still sees events while the view is being destroyed.
    QPointer<QWidget> view;
    std::optional<QPointF> pointer;  // on `view`, while the pointer is over it

    // The parts built in the constructor.
    struct Ui {
        QLabel* cellLabel;
        QLabel* tileLabel;
        QLabel* zoomLabel;
        QLabel* selectionLabel;
        QLabel* hintLabel;
    } ui;
};
