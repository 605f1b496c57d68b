#include "view/PictureBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), picture(1, 1, QImage::Format_RGB32) {
    picture.fill(Qt::black);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::resizeImage(QSize size) {
    size = size.expandedTo(QSize(1, 1));
    if (size == picture.size()) {
        return;
    }
    QImage grown(size, QImage::Format_RGB32);
    grown.fill(Qt::black);
    QPainter(&grown).drawImage(0, 0, picture);
    picture = grown;
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    // Drawn 1:1 in view pixels; on a high-density screen each view pixel becomes a crisp block.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(event->rect(), picture, event->rect());
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized(event->size());
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(event->button(), event->buttons(), event->position(), event->modifiers());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMove(event->buttons(), event->position(), event->modifiers());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseUp(event->button(), event->buttons(), event->position(), event->modifiers());
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    emit keyDown(event);
}

void PictureBox::keyReleaseEvent(QKeyEvent* event) {
    emit keyUp(event);
}

void PictureBox::wheelEvent(QWheelEvent* event) {
    emit wheel(event);
}
