#include "selection/ReplaceDialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "model/Tileset.h"
#include "selection/TileText.h"
#include "view/Blit.h"
#include "view/Dialogs.h"
#include "view/PictureBox.h"

ReplaceDialog::ReplaceDialog(QWidget* blocked, Dialogs& dialogs, const QImage& tileset, Execute execute)
    : QDialog(nullptr), blocked(blocked), dialogs(dialogs), tileset(tileset), execute(std::move(execute)) {
    setObjectName(QStringLiteral("frmReplace"));
    // No Qt parent: a child window would be disabled with the main window it disables.
    setWindowTitle(QStringLiteral("Replace Tiles in"));
    auto option = [this](const char* caption) { return new QRadioButton(QString::fromUtf8(caption), this); };
    auto box = [this] {
        auto* b = new QLineEdit(this);
        b->installEventFilter(this);
        return b;
    };
    auto button = [this](const char* caption) { return new QPushButton(QString::fromUtf8(caption), this); };
    auto with = [this] {
        // Part of its option's sentence: a click on it picks the option, as one on the verb does.
        auto* l = new QLabel(QStringLiteral("with"), this);
        l->installEventFilter(this);
        return l;
    };
    optswitchleftright = option("Switch left  <-> right");
    optswitchcustom = option("Switch");
    txtcustomold = box();
    lblcustomwith = with();
    txtcustomnew = box();
    chkinselection = new QCheckBox(QStringLiteral("In selection only"), this);
    cmdOK = button("OK");
    cmdCancel = button("Cancel");
    picold = new PictureBox(this);
    picnew = new PictureBox(this);
    optreplaceleftright = option("Replace left -> right");
    optreplacecustom = option("Replace");
    txtreplaceold = box();
    lblreplacewith = with();
    txtreplacenew = box();
    cmdUpdate = button("Update");
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
    layOut();
}

void ReplaceDialog::layOut() {
    // The original places and sizes where the font leaves room; each caption gets the width and
    // height its font needs, and what follows it moves right or down as far as that takes.
    const QFontMetrics metrics(font());
    const int gap = std::max(4, metrics.averageCharWidth() / 2);
    const auto width = [](const QWidget* w, int least) { return std::max(least, w->sizeHint().width()); };
    const auto height = [](const QWidget* w, int least) { return std::max(least, w->sizeHint().height()); };
    const auto below = [gap](const QWidget* w, int least) { return std::max(least, w->geometry().bottom() + 1 + gap); };
    const auto after = [gap](const QWidget* w, int least) { return std::max(least, w->geometry().right() + 1 + gap); };
    // Wide enough for "255" however the style frames the text.
    const int boxWidth = std::max(33, metrics.horizontalAdvance(QStringLiteral("2550")) + 2 * gap);
    const int boxHeight = std::max(19, txtcustomold->minimumSizeHint().height());

    // A custom option reads as a sentence: the verb, the old number's box, "with", the new one's.
    const auto sentence = [&](QRadioButton* verb, QLineEdit* oldBox, QLabel* word, QLineEdit* newBox, int y) {
        const int row = std::max({boxHeight, verb->sizeHint().height(), word->sizeHint().height()});
        const int boxTop = y + (row - boxHeight) / 2;
        verb->setGeometry(8, y, verb->sizeHint().width(), row);
        oldBox->setGeometry(after(verb, 72), boxTop, boxWidth, boxHeight);
        word->setGeometry(after(oldBox, 0), y, word->sizeHint().width(), row);
        newBox->setGeometry(after(word, 136), boxTop, boxWidth, boxHeight);
    };
    optswitchleftright->setGeometry(8, 16, width(optswitchleftright, 137), height(optswitchleftright, 17));
    sentence(optswitchcustom, txtcustomold, lblcustomwith, txtcustomnew, below(optswitchleftright, 40));
    optreplaceleftright->setGeometry(8, below(txtcustomold, below(optswitchcustom, 80)),
                                     width(optreplaceleftright, 137), height(optreplaceleftright, 17));
    sentence(optreplacecustom, txtreplaceold, lblreplacewith, txtreplacenew, below(optreplaceleftright, 104));
    chkinselection->setGeometry(8, below(txtreplaceold, below(optreplacecustom, 144)), width(chkinselection, 177),
                                height(chkinselection, 17));

    int left = 0;
    for (const QWidget* w : {static_cast<QWidget*>(optswitchleftright), static_cast<QWidget*>(txtcustomnew),
                             static_cast<QWidget*>(optreplaceleftright), static_cast<QWidget*>(txtreplacenew)}) {
        left = std::max(left, w->geometry().right() + 1);
    }
    // The frame around the two previews, with the line that joins them and the Update button.
    const int fx = std::max(208, left + 3 * gap);
    picold->setGeometry(fx + 8, 32, 17, 17);
    picnew->setGeometry(fx + 64, 32, 17, 17);
    // Sized from its text alone: the style's least button width would not fit the frame.
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, cmdUpdate);
    cmdUpdate->setGeometry(fx + 16, 56, std::max(65, metrics.horizontalAdvance(cmdUpdate->text()) + 2 * margin + 4),
                           std::max(13, metrics.height() + 4));
    previewFrame = QRect(fx, 8, std::max(97, cmdUpdate->geometry().right() + 1 + 16 - fx),
                         std::max(65, cmdUpdate->geometry().bottom() + 1 + gap - 8));
    joinLine = QLine(fx + 32, 40, fx + 56, 40);

    const int buttons = std::max(below(chkinselection, 176), previewFrame.bottom() + 1 + 2 * gap);
    cmdOK->setGeometry(32, buttons, width(cmdOK, 113), height(cmdOK, 25));
    cmdCancel->setGeometry(after(cmdOK, 168), buttons, width(cmdCancel, 89), height(cmdCancel, 25));
    setFixedSize(std::max({313, previewFrame.right() + 1 + 8, cmdCancel->geometry().right() + 1 + 8}),
                 std::max(209, cmdOK->geometry().bottom() + 1 + 8));
}

void ReplaceDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        layOut();
        update();
    }
}

ReplaceDialog::~ReplaceDialog() {
    release();
}

int16_t ReplaceDialog::boxNumber(const QLineEdit* box) {
    return static_cast<int16_t>(TileText::readNumber(box->text()));
}

void ReplaceDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (blocked) {
        blocked->setEnabled(false);
    }
}

void ReplaceDialog::hideEvent(QHideEvent* event) {
    release();
    QDialog::hideEvent(event);
}

void ReplaceDialog::release() {
    if (blocked) {
        blocked->setEnabled(true);
    }
}

bool ReplaceDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && (watched == lblcustomwith || watched == lblreplacewith)) {
        (watched == lblcustomwith ? optswitchcustom : optreplacecustom)->click();
        return true;
    }
    if (event->type() == QEvent::FocusOut && !checking) {
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (box && leavesTowardsControl(box) && checkBox(box)) {
            updatePreview();
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool ReplaceDialog::leavesTowardsControl(const QLineEdit* box) const {
    // Qt has already moved the focus when the box hears it leave. Cancel, Escape and the close
    // button must close the dialog whatever a box holds, and a context menu or another window
    // taking the keyboard is no leaving at all: checking then would trap the designer in the box.
    const QWidget* next = QApplication::focusWidget();
    return next && next != box && next != cmdCancel && isAncestorOf(next);
}

bool ReplaceDialog::checkBox(QLineEdit* box) {
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

void ReplaceDialog::drawTile(PictureBox* into, int16_t tile) {
    into->image.fill(Qt::black);
    if (tile >= 1 && tile <= 255) {
        Blit::copy(into->image, {0, 0}, tileset, Tileset::tileSource(tile, Tileset::TileSize));
    }
}

void ReplaceDialog::updatePreview() {
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

void ReplaceDialog::cmdOK_Click() {
    // Return in a box presses OK without the box losing the focus.
    auto* box = qobject_cast<QLineEdit*>(focusWidget());
    if (box && !checkBox(box)) {
        return;
    }
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

void ReplaceDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawRect(previewFrame.adjusted(0, 0, -1, -1));  // Shape1 around the previews
    p.drawLine(joinLine);                             // Line1 joining them
}
