#include "walls/WallSetsDialog.h"

#include <QFrame>
#include <QGroupBox>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <cmath>

#include "model/Tileset.h"
#include "view/Blit.h"
#include "view/PictureBox.h"
#include "walls/WallTiles.h"

WallSetsDialog::WallSetsDialog(QWidget* owner)
    : QDialog(owner),
      wallPreview(new PictureBox(this)),
      vScrollBar(new QScrollBar(Qt::Vertical, this)),
      defaultTiles(defaultPicture()),
      currentSetBox(new QGroupBox(tr("Current"), this)),
      currentSetPicture(new PictureBox(currentSetBox)),
      addNewButton(new QPushButton(tr("Add New"), this)),
      replaceButton(new QPushButton(tr("Replace ->"), this)),
      removeButton(new QPushButton(tr("Remove"), this)) {
    setObjectName(QStringLiteral("frmCreateWallTile"));
    vScrollBar->setObjectName(QStringLiteral("vscr"));
    setWindowTitle(tr("Create Walltiles"));
    setFixedSize(424, 272);
    wallPreview->setGeometry(8, 8, 256, 256);
    wallPreview->resizeImage({256, 256});
    wallPreview->setFocusPolicy(Qt::NoFocus);
    vScrollBar->setGeometry(264, 8, 17, 256);
    vScrollBar->setRange(0, 0);
    selwall = new QFrame(wallPreview);
    selwall->setFrameStyle(QFrame::Box | QFrame::Plain);
    selwall->setLineWidth(2);
    selwall->setStyleSheet(QStringLiteral("color: rgb(255, 255, 0);"));
    selwall->setAttribute(Qt::WA_TransparentForMouseEvents);
    selwall->setGeometry(0, 0, SetSize, SetSize);
    currentSetBox->setGeometry(296, 8, 120, 96);
    currentSetPicture->setGeometry(28, 24, SetSize, SetSize);
    currentSetPicture->resizeImage({SetSize, SetSize});
    replaceButton->setGeometry(296, 112, 120, 28);
    addNewButton->setGeometry(296, 196, 120, 28);
    removeButton->setGeometry(296, 232, 120, 28);
    // Sets cannot be edited yet: nothing fills a set, so these have nothing to act on.
    replaceButton->setEnabled(false);
    removeButton->setEnabled(false);
    connect(addNewButton, &QPushButton::clicked, this, [this] { addNewSet(); });
    connect(vScrollBar, &QScrollBar::valueChanged, this, [this] { drawWallSets(); });
    connect(
        wallPreview, &PictureBox::mouseDown, this,
        [this](Qt::MouseButton, Qt::MouseButtons, QPointF pos, Qt::KeyboardModifiers) { wallPreviewPressed(pos.y()); });
}

QImage WallSetsDialog::defaultPicture() {
    QImage picture(SetSize, SetSize, QImage::Format_RGB32);
    picture.fill(qRgb(40, 40, 48));
    QPainter p(&picture);
    p.setPen(qRgb(96, 96, 112));
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            p.drawRect(i * 16, j * 16, 15, 15);
        }
    }
    return picture;
}

void WallSetsDialog::init(QWidget* mapWindow, WallTiles* mapSets, const QImage& tileset) {
    if (map) {
        disconnect(map, nullptr, this, nullptr);
    }
    map = mapWindow;
    sets = mapSets;
    if (map) {
        connect(map, &QObject::destroyed, this, &QDialog::close);
        tilesetPicture = tileset.copy();
    }
    wallTilesImage = QImage();
    drawWallSets();
}

void WallSetsDialog::drawWallSets() {
    const int n = map ? sets->lastIndex() + 1 : 0;
    wallTilesImage = QImage(SetSize, std::max(1, n * SetSize), QImage::Format_RGB32);
    wallTilesImage.fill(Qt::black);
    for (int i = 0; i < n; ++i) {
        Blit::copy(wallTilesImage, {0, SetSize * i}, defaultTiles, defaultTiles.rect());
        const WallDef& set = sets->getWallTile(i);
        for (int j = 0; j < WallDef::Entries; ++j) {
            const int16_t t = set.getWall(j);
            if (t >= 1 && t <= 255) {
                Blit::copy(wallTilesImage, {(j % 4) * 16, SetSize * i + (j / 4) * 16}, tilesetPicture,
                           Tileset::tileSource(t, Tileset::TileSize));
            }
        }
    }
    {
        // The range may lower the value; this drawing already uses the lowered one.
        const QSignalBlocker quiet(vScrollBar);
        vScrollBar->setRange(0, std::max(0, n - 1));
    }
    wallPreview->image().fill(Qt::black);
    if (n > 0) {
        Blit::copy(wallPreview->image(), {0, 0}, wallTilesImage, {0, SetSize * vScrollBar->value(), 256, 256});
    }
    wallPreview->refresh();
}

void WallSetsDialog::addNewSet() {
    if (!map) {
        return;
    }
    sets->addWallSet(WallDef());
    drawWallSets();
}

void WallSetsDialog::wallPreviewPressed(double Y) {
    picked = static_cast<int16_t>(std::floor(Y / SetSize) + vScrollBar->value());
    selwall->move(0, (picked - vScrollBar->value()) * SetSize);
}
