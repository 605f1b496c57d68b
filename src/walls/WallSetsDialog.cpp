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

WallSetsDialog::WallSetsDialog(QWidget* owner) : QDialog(owner) {
    ui.wallPreview = new PictureBox(this);
    ui.vScrollBar = new QScrollBar(Qt::Vertical, this);
    ui.defaultTiles = defaultPicture();
    ui.currentSetBox = new QGroupBox(tr("Current"), this);
    ui.currentSetPicture = new PictureBox(ui.currentSetBox);
    ui.addNewButton = new QPushButton(tr("Add New"), this);
    ui.replaceButton = new QPushButton(tr("Replace ->"), this);
    ui.removeButton = new QPushButton(tr("Remove"), this);
    setObjectName(QStringLiteral("frmCreateWallTile"));
    ui.vScrollBar->setObjectName(QStringLiteral("vscr"));
    setWindowTitle(tr("Create Walltiles"));
    setFixedSize(424, 272);
    ui.wallPreview->setGeometry(8, 8, 256, 256);
    ui.wallPreview->resizeImage({256, 256});
    ui.wallPreview->setFocusPolicy(Qt::NoFocus);
    ui.vScrollBar->setGeometry(264, 8, 17, 256);
    ui.vScrollBar->setRange(0, 0);
    ui.selwall = new QFrame(ui.wallPreview);
    ui.selwall->setFrameStyle(QFrame::Box | QFrame::Plain);
    ui.selwall->setLineWidth(2);
    ui.selwall->setStyleSheet(QStringLiteral("color: rgb(255, 255, 0);"));
    ui.selwall->setAttribute(Qt::WA_TransparentForMouseEvents);
    ui.selwall->setGeometry(0, 0, SetSize, SetSize);
    ui.currentSetBox->setGeometry(296, 8, 120, 96);
    ui.currentSetPicture->setGeometry(28, 24, SetSize, SetSize);
    ui.currentSetPicture->resizeImage({SetSize, SetSize});
    ui.replaceButton->setGeometry(296, 112, 120, 28);
    ui.addNewButton->setGeometry(296, 196, 120, 28);
    ui.removeButton->setGeometry(296, 232, 120, 28);
    // Sets cannot be edited yet: nothing fills a set, so these have nothing to act on.
    ui.replaceButton->setEnabled(false);
    ui.removeButton->setEnabled(false);
    connect(ui.addNewButton, &QPushButton::clicked, this, [this] { addNewSet(); });
    connect(ui.vScrollBar, &QScrollBar::valueChanged, this, [this] { drawWallSets(); });
    connect(
        ui.wallPreview, &PictureBox::mouseDown, this,
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
        ui.tilesetPicture = tileset.copy();
    }
    ui.wallTilesImage = QImage();
    drawWallSets();
}

void WallSetsDialog::drawWallSets() {
    const int n = map ? sets->lastIndex() + 1 : 0;
    ui.wallTilesImage = QImage(SetSize, std::max(1, n * SetSize), QImage::Format_RGB32);
    ui.wallTilesImage.fill(Qt::black);
    for (int i = 0; i < n; ++i) {
        Blit::copy(ui.wallTilesImage, {0, SetSize * i}, ui.defaultTiles, ui.defaultTiles.rect());
        const WallDef& set = sets->getWallTile(i);
        for (int j = 0; j < WallDef::Entries; ++j) {
            const int16_t t = set.getWall(j);
            if (t >= 1 && t <= 255) {
                Blit::copy(ui.wallTilesImage, {(j % 4) * 16, SetSize * i + (j / 4) * 16}, ui.tilesetPicture,
                           Tileset::tileSource(t, Tileset::TileSize));
            }
        }
    }
    {
        // The range may lower the value; this drawing already uses the lowered one.
        const QSignalBlocker quiet(ui.vScrollBar);
        ui.vScrollBar->setRange(0, std::max(0, n - 1));
    }
    ui.wallPreview->image().fill(Qt::black);
    if (n > 0) {
        Blit::copy(ui.wallPreview->image(), {0, 0}, ui.wallTilesImage, {0, SetSize * ui.vScrollBar->value(), 256, 256});
    }
    ui.wallPreview->refresh();
}

void WallSetsDialog::addNewSet() {
    if (!map) {
        return;
    }
    sets->addWallSet(WallDef());
    drawWallSets();
}

void WallSetsDialog::wallPreviewPressed(double Y) {
    ui.picked = static_cast<int16_t>(std::floor(Y / SetSize) + ui.vScrollBar->value());
    ui.selwall->move(0, (ui.picked - ui.vScrollBar->value()) * SetSize);
}
