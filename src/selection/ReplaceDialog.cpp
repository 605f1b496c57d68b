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
    setWindowTitle(tr("Replace Tiles in"));
    auto option = [this](const QString& caption) { return new QRadioButton(caption, this); };
    auto box = [this] {
        auto* b = new QLineEdit(this);
        b->installEventFilter(this);
        return b;
    };
    auto button = [this](const QString& caption) { return new QPushButton(caption, this); };
    auto with = [this] {
        // Part of its option's sentence: a click on it picks the option, as one on the verb does.
        auto* l = new QLabel(tr("with"), this);
        l->installEventFilter(this);
        return l;
    };
    ui.switchLeftRightOption = option(tr("Switch left  <-> right"));
    ui.switchCustomOption = option(tr("Switch"));
    ui.customOldEdit = box();
    ui.customWithLabel = with();
    ui.customNewEdit = box();
    ui.inSelectionCheck = new QCheckBox(tr("In selection only"), this);
    ui.okButton = button(tr("OK"));
    ui.cancelButton = button(tr("Cancel"));
    ui.oldTilePicture = new PictureBox(this);
    ui.newTilePicture = new PictureBox(this);
    ui.replaceLeftRightOption = option(tr("Replace left -> right"));
    ui.replaceCustomOption = option(tr("Replace"));
    ui.replaceOldEdit = box();
    ui.replaceWithLabel = with();
    ui.replaceNewEdit = box();
    ui.updateButton = button(tr("Update"));
    setTabOrder(ui.switchLeftRightOption, ui.switchCustomOption);
    setTabOrder(ui.switchCustomOption, ui.customOldEdit);
    setTabOrder(ui.customOldEdit, ui.customNewEdit);
    setTabOrder(ui.customNewEdit, ui.inSelectionCheck);
    setTabOrder(ui.inSelectionCheck, ui.okButton);
    setTabOrder(ui.okButton, ui.cancelButton);
    setTabOrder(ui.cancelButton, ui.replaceLeftRightOption);
    setTabOrder(ui.replaceLeftRightOption, ui.replaceCustomOption);
    setTabOrder(ui.replaceCustomOption, ui.replaceOldEdit);
    setTabOrder(ui.replaceOldEdit, ui.replaceNewEdit);
    setTabOrder(ui.replaceNewEdit, ui.updateButton);
    auto* group = new QButtonGroup(this);
    for (QRadioButton* b :
         {ui.switchLeftRightOption, ui.switchCustomOption, ui.replaceLeftRightOption, ui.replaceCustomOption}) {
        group->addButton(b);
        connect(b, &QRadioButton::clicked, this, [this] { updatePreview(); });
    }
    ui.switchLeftRightOption->setChecked(true);
    for (PictureBox* p : {ui.oldTilePicture, ui.newTilePicture}) {
        p->resizeImage({16, 16});
        p->setFocusPolicy(Qt::NoFocus);
    }
    connect(ui.updateButton, &QPushButton::clicked, this, [this] { updatePreview(); });
    connect(ui.okButton, &QPushButton::clicked, this, [this] { acceptReplace(); });
    connect(ui.cancelButton, &QPushButton::clicked, this, [this] { close(); });
    ui.okButton->setDefault(true);
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
    const int boxHeight = std::max(19, ui.customOldEdit->minimumSizeHint().height());

    // A custom option reads as a sentence: the verb, the old number's box, "with", the new one's.
    const auto sentence = [&](QRadioButton* verb, QLineEdit* oldBox, QLabel* word, QLineEdit* newBox, int y) {
        const int row = std::max({boxHeight, verb->sizeHint().height(), word->sizeHint().height()});
        const int boxTop = y + (row - boxHeight) / 2;
        verb->setGeometry(8, y, verb->sizeHint().width(), row);
        oldBox->setGeometry(after(verb, 72), boxTop, boxWidth, boxHeight);
        word->setGeometry(after(oldBox, 0), y, word->sizeHint().width(), row);
        newBox->setGeometry(after(word, 136), boxTop, boxWidth, boxHeight);
    };
    ui.switchLeftRightOption->setGeometry(8, 16, width(ui.switchLeftRightOption, 137),
                                          height(ui.switchLeftRightOption, 17));
    sentence(ui.switchCustomOption, ui.customOldEdit, ui.customWithLabel, ui.customNewEdit,
             below(ui.switchLeftRightOption, 40));
    ui.replaceLeftRightOption->setGeometry(8, below(ui.customOldEdit, below(ui.switchCustomOption, 80)),
                                           width(ui.replaceLeftRightOption, 137),
                                           height(ui.replaceLeftRightOption, 17));
    sentence(ui.replaceCustomOption, ui.replaceOldEdit, ui.replaceWithLabel, ui.replaceNewEdit,
             below(ui.replaceLeftRightOption, 104));
    ui.inSelectionCheck->setGeometry(8, below(ui.replaceOldEdit, below(ui.replaceCustomOption, 144)),
                                     width(ui.inSelectionCheck, 177), height(ui.inSelectionCheck, 17));

    int left = 0;
    for (const QWidget* w :
         {static_cast<QWidget*>(ui.switchLeftRightOption), static_cast<QWidget*>(ui.customNewEdit),
          static_cast<QWidget*>(ui.replaceLeftRightOption), static_cast<QWidget*>(ui.replaceNewEdit)}) {
        left = std::max(left, w->geometry().right() + 1);
    }
    // The frame around the two previews, with the line that joins them and the Update button.
    const int fx = std::max(208, left + 3 * gap);
    ui.oldTilePicture->setGeometry(fx + 8, 32, 17, 17);
    ui.newTilePicture->setGeometry(fx + 64, 32, 17, 17);
    // Sized from its text alone: the style's least button width would not fit the frame.
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, ui.updateButton);
    ui.updateButton->setGeometry(fx + 16, 56,
                                 std::max(65, metrics.horizontalAdvance(ui.updateButton->text()) + 2 * margin + 4),
                                 std::max(13, metrics.height() + 4));
    previewFrame = QRect(fx, 8, std::max(97, ui.updateButton->geometry().right() + 1 + 16 - fx),
                         std::max(65, ui.updateButton->geometry().bottom() + 1 + gap - 8));
    joinLine = QLine(fx + 32, 40, fx + 56, 40);

    const int buttons = std::max(below(ui.inSelectionCheck, 176), previewFrame.bottom() + 1 + 2 * gap);
    ui.okButton->setGeometry(32, buttons, width(ui.okButton, 113), height(ui.okButton, 25));
    ui.cancelButton->setGeometry(after(ui.okButton, 168), buttons, width(ui.cancelButton, 89),
                                 height(ui.cancelButton, 25));
    setFixedSize(std::max({313, previewFrame.right() + 1 + 8, ui.cancelButton->geometry().right() + 1 + 8}),
                 std::max(209, ui.okButton->geometry().bottom() + 1 + 8));
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
    if (event->type() == QEvent::MouseButtonPress &&
        (watched == ui.customWithLabel || watched == ui.replaceWithLabel)) {
        (watched == ui.customWithLabel ? ui.switchCustomOption : ui.replaceCustomOption)->click();
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
    return next && next != box && next != ui.cancelButton && isAncestorOf(next);
}

bool ReplaceDialog::checkBox(QLineEdit* box) {
    bool ok = false;
    const double value = TileText::readValue(box->text(), &ok);
    if (ok && value >= 0 && value <= 255) {
        return true;
    }
    // The message takes the focus itself; its own focus change must not check again.
    checking = true;
    dialogs.message(this, tr("Tile numbers are between 0 and 255"));
    box->setFocus();
    checking = false;
    return false;
}

void ReplaceDialog::drawTile(PictureBox* into, int16_t tile) {
    into->image().fill(Qt::black);
    if (tile >= 1 && tile <= 255) {
        Blit::copy(into->image(), {0, 0}, tileset, Tileset::tileSource(tile, Tileset::TileSize));
    }
}

void ReplaceDialog::updatePreview() {
    QLineEdit* oldBox = nullptr;
    QLineEdit* newBox = nullptr;
    if (ui.switchCustomOption->isChecked()) {
        oldBox = ui.customOldEdit;
        newBox = ui.customNewEdit;
    } else if (ui.replaceCustomOption->isChecked()) {
        oldBox = ui.replaceOldEdit;
        newBox = ui.replaceNewEdit;
    }
    if (!oldBox) {
        drawTile(ui.oldTilePicture, lefttile);
        drawTile(ui.newTilePicture, righttile);
    } else if (!oldBox->text().isEmpty() && !newBox->text().isEmpty()) {
        bool okOld = false;
        bool okNew = false;
        const double o = TileText::readValue(oldBox->text(), &okOld);
        const double n = TileText::readValue(newBox->text(), &okNew);
        if (okOld && okNew && o >= 0 && o <= 255 && n >= 0 && n <= 255) {
            drawTile(ui.oldTilePicture, boxNumber(oldBox));
            drawTile(ui.newTilePicture, boxNumber(newBox));
        }
    }
    ui.oldTilePicture->refresh();
    ui.newTilePicture->refresh();
}

void ReplaceDialog::acceptReplace() {
    // Return in a box presses OK without the box losing the focus.
    auto* box = qobject_cast<QLineEdit*>(focusWidget());
    if (box && !checkBox(box)) {
        return;
    }
    release();
    int mode = 0;
    int16_t src = lefttile;
    int16_t dest = righttile;
    if (ui.switchCustomOption->isChecked()) {
        mode = 1;
        src = boxNumber(ui.customOldEdit);
        dest = boxNumber(ui.customNewEdit);
    } else if (ui.replaceLeftRightOption->isChecked()) {
        mode = 2;
    } else if (ui.replaceCustomOption->isChecked()) {
        mode = 3;
        src = boxNumber(ui.replaceOldEdit);
        dest = boxNumber(ui.replaceNewEdit);
    }
    execute(mode, src, dest, ui.inSelectionCheck->isChecked());
    close();
}

void ReplaceDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawRect(previewFrame.adjusted(0, 0, -1, -1));  // Shape1 around the previews
    p.drawLine(joinLine);                             // Line1 joining them
}
