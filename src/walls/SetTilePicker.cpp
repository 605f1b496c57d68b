#include "walls/SetTilePicker.h"

#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "model/Tileset.h"
#include "view/PictureBox.h"

namespace {

constexpr int Size = Tileset::TileSize;
constexpr int Columns = Tileset::TilesPerRow;
constexpr int Rows = (255 + Columns - 1) / Columns;

}  // namespace

SetTilePicker::SetTilePicker(QWidget* parent) : QScrollArea(parent), box(new PictureBox) {
    setObjectName(QStringLiteral("picTileset"));
    box->resizeImage({Columns * Size, Rows * Size});
    box->setFixedSize(Columns * Size, Rows * Size);
    box->setFocusPolicy(Qt::NoFocus);
    setWidget(box);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Room for every column beside the vertical scroll bar, which a short window still needs.
    setMinimumWidth(Columns * Size + 2 * frameWidth() + verticalScrollBar()->sizeHint().width());
    connect(box, &PictureBox::mouseDown, this, [this](Qt::MouseButton button, Qt::MouseButtons, QPointF pos) {
        if (button == Qt::LeftButton) {
            press(pos);
        }
    });
    connect(box, &PictureBox::mouseMove, this, [this](Qt::MouseButtons, QPointF pos) { move(pos); });
    connect(box, &PictureBox::mouseUp, this, [this](Qt::MouseButton button, Qt::MouseButtons, QPointF pos) {
        if (button == Qt::LeftButton) {
            release(pos);
        }
    });
}

void SetTilePicker::setTileset(const QImage& tileset) {
    tiles = QImage(Columns * Size, Rows * Size, QImage::Format_RGB32);
    tiles.fill(Qt::black);
    QPainter p(&tiles);
    p.drawImage(0, 0, tileset, 0, 0, Columns * Size, Rows * Size);
    // Numbers past 255 are no tiles a set can hold.
    p.fillRect(QRect(tilePixel(256), QPoint(Columns * Size - 1, Rows * Size - 1)), Qt::black);
    dragging = false;
    showFrame();
}

QPoint SetTilePicker::tilePixel(int16_t tile) {
    return Tileset::tileSource(tile, Size).topLeft();
}

int16_t SetTilePicker::tileAt(int x, int y) {
    const int tile = y * Columns + x + 1;
    return x >= 0 && x < Columns && y >= 0 && tile <= 255 ? static_cast<int16_t>(tile) : int16_t{0};
}

QPoint SetTilePicker::cellAt(QPointF pos) const {
    return {std::clamp(static_cast<int>(pos.x()) / Size, 0, Columns - 1),
            std::clamp(static_cast<int>(pos.y()) / Size, 0, Rows - 1)};
}

void SetTilePicker::press(QPointF pos) {
    anchor = reached = cellAt(pos);
    dragging = true;
    showFrame();
}

void SetTilePicker::move(QPointF pos) {
    if (dragging && cellAt(pos) != reached) {
        reached = cellAt(pos);
        showFrame();
    }
}

void SetTilePicker::release(QPointF pos) {
    if (!dragging) {
        return;
    }
    reached = cellAt(pos);
    dragging = false;
    showFrame();
    emit tilesPicked(QRect(anchor, reached).normalized());
}

void SetTilePicker::showFrame() {
    box->image() = tiles.copy();
    if (dragging) {
        QPainter p(&box->image());
        p.setPen(QPen(Qt::yellow, 2));
        const QRect cells = QRect(anchor, reached).normalized();
        p.drawRect(cells.x() * Size + 1, cells.y() * Size + 1, cells.width() * Size - 2, cells.height() * Size - 2);
    }
    box->refresh();
}
