#include "selection/frmReplace.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

#include "app/Dialogs.h"
#include "model/Tileset.h"
#include "selection/TileText.h"
#include "view/Blit.h"
#include "view/PictureBox.h"

frmReplace::frmReplace(QWidget* blocked, Dialogs& dialogs, const QImage& tileset, Execute execute)
    : QDialog(nullptr), blocked(blocked), dialogs(dialogs), tileset(tileset), execute(std::move(execute)) {
    // No Qt parent: a child window would be disabled with the main window it disables.
    setWindowTitle(QStringLiteral("Replace Tiles in"));
    setFixedSize(313, 209);
    // The captions and the blanks the number boxes cover were laid out for a small 8-point face.
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    auto option = [this](const char* caption, QRect at) {
        auto* b = new QRadioButton(QString::fromUtf8(caption), this);
        b->setGeometry(at);
        return b;
    };
    auto box = [this](QRect at) {
        auto* b = new QLineEdit(this);
        b->setGeometry(at);
        b->installEventFilter(this);
        return b;
    };
    auto button = [this](const char* caption, QRect at) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setGeometry(at);
        return b;
    };
    // The two left/right options reach to the preview frame, so their captions are not cut.
    optswitchleftright = option("Switch left  <-> right", {8, 16, 195, 17});
    optswitchcustom = option("Switch                 with", {8, 40, 137, 25});
    txtcustomold = box({72, 40, 33, 19});
    txtcustomnew = box({136, 40, 33, 19});
    chkinselection = new QCheckBox(QStringLiteral("In selection only"), this);
    chkinselection->setGeometry(8, 144, 177, 17);
    cmdOK = button("OK", {32, 176, 113, 25});
    cmdCancel = button("Cancel", {168, 176, 89, 25});
    picold = new PictureBox(this);
    picold->setGeometry(216, 32, 17, 17);
    picnew = new PictureBox(this);
    picnew->setGeometry(272, 32, 17, 17);
    optreplaceleftright = option("Replace left -> right", {8, 80, 195, 17});
    optreplacecustom = option("Replace               with", {8, 104, 137, 25});
    txtreplaceold = box({72, 104, 33, 19});
    txtreplacenew = box({136, 104, 33, 19});
    cmdUpdate = button("Update", {224, 56, 65, 13});
    // The boxes lie over the blanks of their option's caption and must stay on top of it; narrower
    // blanks put "with" between the two boxes as the caption intends.
    for (QLineEdit* b : {txtcustomold, txtcustomnew, txtreplaceold, txtreplacenew}) {
        b->raise();
    }
    for (QRadioButton* b : {optswitchcustom, optreplacecustom}) {
        QFont sentence = b->font();
        sentence.setWordSpacing(-2);
        b->setFont(sentence);
    }
    setTabOrder(optswitchleftright, optswitchcustom);
    setTabOrder(optswitchcustom, txtcustomold);
    setTabOrder(txtcustomold, txtcustomnew);
    setTabOrder(txtcustomnew, chkinselection);
    setTabOrder(chkinselection, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
    setTabOrder(cmdCancel, optreplaceleftright);
    setTabOrder(optreplaceleftright, optreplacecustom);
    setTabOrder(optreplacecustom, txtreplaceold);
    setTabOrder(txtreplaceold, txtreplacenew);
    setTabOrder(txtreplacenew, cmdUpdate);
    auto* group = new QButtonGroup(this);
    for (QRadioButton* b : {optswitchleftright, optswitchcustom, optreplaceleftright, optreplacecustom}) {
        group->addButton(b);
        connect(b, &QRadioButton::clicked, this, [this] { updatePreview(); });
    }
    optswitchleftright->setChecked(true);
    for (PictureBox* p : {picold, picnew}) {
        p->resizeImage({16, 16});
        p->setFocusPolicy(Qt::NoFocus);
    }
    connect(cmdUpdate, &QPushButton::clicked, this, [this] { updatePreview(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { close(); });
    cmdOK->setDefault(true);
}

frmReplace::~frmReplace() {
    release();
}

int16_t frmReplace::boxNumber(const QLineEdit* box) {
    return static_cast<int16_t>(TileText::readNumber(box->text()));
}

void frmReplace::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (blocked) {
        blocked->setEnabled(false);
    }
}

void frmReplace::hideEvent(QHideEvent* event) {
    release();
    QDialog::hideEvent(event);
}

void frmReplace::release() {
    if (blocked) {
        blocked->setEnabled(true);
    }
}

bool frmReplace::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !checking) {
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (box && checkBox(box)) {
            updatePreview();
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool frmReplace::checkBox(QLineEdit* box) {
    bool ok = false;
    const double value = TileText::readValue(box->text(), &ok);
    if (ok && value >= 0 && value <= 255) {
        return true;
    }
    // The message takes the focus itself; its own focus change must not check again.
    checking = true;
    dialogs.message(this, QStringLiteral("Tile numbers are between 0 and 255"));
    box->setFocus();
    checking = false;
    return false;
}

void frmReplace::drawTile(PictureBox* into, int16_t tile) {
    into->image.fill(Qt::black);
    if (tile >= 1 && tile <= 255) {
        Blit::copy(into->image, {0, 0}, tileset, Tileset::tileSource(tile, Tileset::TileSize));
    }
}

void frmReplace::updatePreview() {
    QLineEdit* oldBox = nullptr;
    QLineEdit* newBox = nullptr;
    if (optswitchcustom->isChecked()) {
        oldBox = txtcustomold;
        newBox = txtcustomnew;
    } else if (optreplacecustom->isChecked()) {
        oldBox = txtreplaceold;
        newBox = txtreplacenew;
    }
    if (!oldBox) {
        drawTile(picold, lefttile);
        drawTile(picnew, righttile);
    } else if (!oldBox->text().isEmpty() && !newBox->text().isEmpty()) {
        bool okOld = false;
        bool okNew = false;
        const double o = TileText::readValue(oldBox->text(), &okOld);
        const double n = TileText::readValue(newBox->text(), &okNew);
        if (okOld && okNew && o >= 0 && o <= 255 && n >= 0 && n <= 255) {
            drawTile(picold, boxNumber(oldBox));
            drawTile(picnew, boxNumber(newBox));
        }
    }
    picold->refresh();
    picnew->refresh();
}

void frmReplace::cmdOK_Click() {
    release();
    int mode = 0;
    int16_t src = lefttile;
    int16_t dest = righttile;
    if (optswitchcustom->isChecked()) {
        mode = 1;
        src = boxNumber(txtcustomold);
        dest = boxNumber(txtcustomnew);
    } else if (optreplaceleftright->isChecked()) {
        mode = 2;
    } else if (optreplacecustom->isChecked()) {
        mode = 3;
        src = boxNumber(txtreplaceold);
        dest = boxNumber(txtreplacenew);
    }
    execute(mode, src, dest, chkinselection->isChecked());
    close();
}

void frmReplace::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawRect(208, 8, 96, 64);    // Shape1 around the previews
    p.drawLine(240, 40, 264, 40);  // Line1 joining them
}
