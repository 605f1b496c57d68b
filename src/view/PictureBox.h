#pragma once

#include <QImage>
#include <QWidget>

// A picture surface that keeps its content: what is drawn into `image` stays until drawn over, and
// the widget only shows it. Mouse and key input is passed on as signals with view-pixel positions.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Resizes the kept image with the widget (new area black).
    void resizeImage(QSize size);
    // Shows the image's current content.
    void refresh() { update(); }
    // Shows the image's current content within `area`; the rest of the screen is up to date.
    void refresh(const QRect& area) { update(area); }

    // The kept image the box shows; drawing into it shows on the next refresh.
    QImage& image() { return picture; }
    const QImage& image() const { return picture; }

signals:
    void mouseDown(Qt::MouseButton button, Qt::MouseButtons held, QPointF pos, Qt::KeyboardModifiers mods);
    void mouseMove(Qt::MouseButtons held, QPointF pos, Qt::KeyboardModifiers mods);
    void mouseUp(Qt::MouseButton button, Qt::MouseButtons held, QPointF pos, Qt::KeyboardModifiers mods);
    void keyDown(QKeyEvent* event);
    void keyUp(QKeyEvent* event);
    void wheel(QWheelEvent* event);
    void resized(QSize size);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QImage picture;
};
