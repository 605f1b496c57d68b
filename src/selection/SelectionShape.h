#pragma once

#include <QPen>
#include <QRect>
#include <QWidget>

class QPainter;

// The selection outline `selectionOutline`: a white rectangle lying on the view surface, placed in view
// pixels. It never takes the mouse; the view underneath receives every event.
class SelectionShape : public QWidget {
    Q_OBJECT
public:
    explicit SelectionShape(QWidget* surface);

    // Position and size in view pixels, as the mouse gestures work with them.
    float x() const { return left; }
    float y() const { return top; }
    float width() const { return w; }
    float height() const { return h; }
    bool isVisible() const { return shown; }
    void setLeft(float v);
    void setTop(float v);
    void setWidth(float v);
    void setHeight(float v);
    void setVisible(bool visible) override;
    // Hidden and back at (0, 0), 1 x 1, as a new outline starts.
    void hideShape();
    // The outline in whole view pixels.
    QRect outline() const;
    // True when view point (X, Y) is on the outline: 2 pixels of margin left and above, 3 right and below.
    bool contains(float X, float Y) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void place();
    // Strokes the edges of `r` (inclusive pixel bounds) that lie in `exposed`.
    static void strokeEdges(QPainter& p, const QRect& r, QPen pen, const QRect& exposed);

    float left = 0;
    float top = 0;
    float w = 1;
    float h = 1;
    bool shown = false;
};
