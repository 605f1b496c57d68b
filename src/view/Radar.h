#pragma once

#include <QImage>
#include <QPoint>
#include <QRectF>
#include <optional>

#include "view/ViewTransform.h"

// The main window's minimap: the overview image around a view, one pixel per cell.
class Radar {
public:
    // The overview part of the last drawing, kept so that a drawing of the same place over an unchanged
    // overview only copies it back and draws the frames: moving a selection then costs little.
    struct Base {
        QImage image;
        QPoint origin;
        quint64 overviewVersion = 0;
    };

    // Draws the radar of `view` into `radar`: the overview around the view's centre cell, the red
    // view frame, the dotted yellow frame of `selection` (view pixels) when given, and white lines
    // where the map ends. Returns the overview column and row shown at the radar's top-left corner.
    // `base` is reused when it shows the same place of the overview at version `overviewVersion`,
    // and is kept up to date otherwise.
    static QPoint draw(QImage& radar, const QImage& overview, quint64 overviewVersion, Base& base,
                       const ViewTransform& view, const std::optional<QRectF>& selection);
    // The scroll origin that brings the overview cell under radar pixel (X, Y), drawn with
    // `radarOrigin` at the top-left corner, to the middle of `view`, within 0..`hMax`, 0..`vMax`.
    static QPoint originForClick(const ViewTransform& view, QPoint radarOrigin, double X, double Y, int hMax, int vMax);
};
