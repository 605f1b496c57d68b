#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>

#include "view/ViewTransform.h"

class Level;
class MapViewHost;
class PictureBox;
class QScrollBar;

// The visible part of one level: the view surface `picpreview` with its scroll bars, the hidden
// view image `piclevel` it is drawn from, and the redraw operations every edit calls.
class MapView : public QWidget {
    Q_OBJECT
public:
    MapView(Level& level, MapViewHost& host, QWidget* parent = nullptr);

    PictureBox* picpreview;
    QScrollBar* hScr;
    QScrollBar* vscr;
    QImage piclevel;
    bool noScrollRedraw = false;
    int16_t radar_left = 0;
    int16_t radar_top = 0;

    ViewTransform transform() const;
    // Cell under a view point (may lie outside the grid).
    int cellX(double x) const { return transform().cellX(x); }
    int cellY(double y) const { return transform().cellY(y); }

    void UpdateScrollBars(bool refresh);
    void setScrollBarValues(int h, int v, bool refresh);
    // Re-ranges the scroll bars and centres the view, as after loading or creating a level.
    void centreView();
    void UpdateLevel();
    void UpdateLevelTile(int16_t X, int16_t Y, bool refresh);
    void updatePreview(bool refresh);
    void DrawGrid();
    void Form_Resize();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void hScr_Change();
    void vscr_Change();

    Level& level;
    MapViewHost& host;
};
