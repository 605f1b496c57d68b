#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include "MapFixture.h"
#include "app/EditCommands.h"
#include "model/Tileset.h"
#include "selection/ReplaceDialog.h"

class ReplaceDialogTest : public MapFixture {
protected:
    ReplaceDialog* open() {
        general->mainMenu()->mnuReplace->trigger();
        return general->editCommands()->replaceDialog();
    }
    // Leaves a number box for the OK button, as a click on it would.
    void leave(QLineEdit* box, const QString& text) {
        box->setText(text);
        QApplication::setActiveWindow(box->window());
        box->setFocus();
        QApplication::processEvents();
        box->window()->findChild<QPushButton*>()->setFocus();
        QApplication::processEvents();
    }
};

// However it closes, the main window comes back. Cancel, Escape and the close button close it
// whatever a box holds, without checking the box again; OK (Return in the box) checks it first.
TEST_F(ReplaceDialogTest, DialogBlocksTheMainWindowUntilItClosesAnyWay) {
    const std::vector<std::pair<std::function<void(ReplaceDialog*)>, bool>> closings = {
        {[](ReplaceDialog*) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }, true},
        {[](ReplaceDialog* d) { QTest::mouseClick(d->cmdCancel, Qt::LeftButton); }, false},
        {[](ReplaceDialog*) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }, false},
        {[](ReplaceDialog* d) { d->close(); }, false},
        {[](ReplaceDialog* d) { delete d; }, false},
    };
    for (const auto& [closeIt, checks] : closings) {
        for (const bool refused : {false, true}) {
            QPointer<ReplaceDialog> dialog = open();
            ASSERT_FALSE(dialog.isNull());
            EXPECT_FALSE(general->isEnabled());
            EXPECT_TRUE(dialog->isEnabled());
            leave(dialog->txtcustomnew, refused ? QStringLiteral("300") : QStringLiteral("7"));
            ASSERT_EQ(dialog->txtcustomnew->hasFocus(), refused);
            const qsizetype messages = dialogs->messages.size();
            closeIt(dialog);
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            const bool kept = refused && checks;
            EXPECT_EQ(dialogs->messages.size(), messages + (kept ? 1 : 0)) << checks << refused;
            EXPECT_EQ(!dialog.isNull() && dialog->isVisible(), kept) << checks << refused;
            EXPECT_EQ(general->isEnabled(), !kept) << checks << refused;
            delete dialog;
        }
    }
}

// A number box is checked when the keyboard leaves it; Update shows the tiles of the numbers typed.
TEST_F(ReplaceDialogTest, PreviewsShowTheTwoTilesAndTheBoxesRefuseNumbersOutsideTheTileRange) {
    map->setTilesetLeft(20);
    map->setTilesetRight(33);
    ReplaceDialog* dialog = open();
    const auto shows = [&](PictureBox* box, int tile) {
        const QImage wanted = map->level().tileset.pictileset().copy(Tileset::tileSource(tile, 16));
        return box->image.convertToFormat(QImage::Format_RGB32) == wanted.convertToFormat(QImage::Format_RGB32);
    };
    EXPECT_TRUE(shows(dialog->picold, 20) && shows(dialog->picnew, 33));
    dialog->optreplacecustom->click();
    leave(dialog->txtreplacenew, QStringLiteral("300"));
    EXPECT_EQ(dialogs->messages, QStringList(QStringLiteral("Tile numbers are between 0 and 255")));
    EXPECT_TRUE(dialog->txtreplacenew->hasFocus());
    leave(dialog->txtreplacenew, QStringLiteral("255.4"));  // read before rounding: refused
    EXPECT_EQ(dialogs->messages.size(), 2);
    EXPECT_TRUE(dialog->txtreplacenew->hasFocus());
    leave(dialog->txtreplacenew, QStringLiteral("8"));
    leave(dialog->txtreplaceold, QString());  // empty counts as 0
    EXPECT_EQ(dialogs->messages.size(), 2);
    dialog->txtreplaceold->setText(QStringLiteral("7"));
    dialog->cmdUpdate->click();
    EXPECT_TRUE(shows(dialog->picold, 7) && shows(dialog->picnew, 8));
    dialog->cmdCancel->click();
}

TEST_F(ReplaceDialogTest, EveryCaptionReadsInFullAtAnyFontSize) {
    ReplaceDialog* dialog = open();
    const QList<QWidget*> captions = {
        dialog->optswitchleftright, dialog->optswitchcustom, dialog->lblcustomwith,  dialog->optreplaceleftright,
        dialog->optreplacecustom,   dialog->lblreplacewith,  dialog->chkinselection, dialog->cmdOK,
        dialog->cmdCancel};
    const QList<QWidget*> boxes = {dialog->txtcustomold, dialog->txtcustomnew, dialog->txtreplaceold,
                                   dialog->txtreplacenew};
    const QList<QWidget*> all = captions + boxes + QList<QWidget*>{dialog->picold, dialog->picnew, dialog->cmdUpdate};
    for (const int pixels : {8, 11, 13, 16, 22, 30}) {
        QFont font = dialog->font();
        font.setPixelSize(pixels);
        dialog->setFont(font);
        for (QWidget* w : captions) {
            EXPECT_GE(w->width(), w->sizeHint().width()) << pixels << " " << w->metaObject()->className();
            EXPECT_GE(w->height(), w->sizeHint().height()) << pixels << " " << w->metaObject()->className();
        }
        // The small Update button inside the preview frame is sized from its text alone.
        const QSize text = QFontMetrics(font).size(0, dialog->cmdUpdate->text());
        EXPECT_GE(dialog->cmdUpdate->width(), text.width()) << pixels;
        EXPECT_GE(dialog->cmdUpdate->height(), text.height()) << pixels;
        for (QWidget* w : boxes) {
            EXPECT_GE(w->contentsRect().width(), QFontMetrics(font).horizontalAdvance(QStringLiteral("255"))) << pixels;
        }
        for (QWidget* a : all) {
            EXPECT_TRUE(dialog->rect().contains(a->geometry())) << pixels;
            for (QWidget* b : all) {
                EXPECT_TRUE(a == b || !a->geometry().intersects(b->geometry()))
                    << pixels << " " << a->metaObject()->className() << " over " << b->metaObject()->className();
            }
        }
        // Each custom option reads as a sentence: verb, old number, "with", new number.
        EXPECT_LT(dialog->optswitchcustom->geometry().right(), dialog->txtcustomold->x());
        EXPECT_LT(dialog->txtcustomold->geometry().right(), dialog->lblcustomwith->x());
        EXPECT_LT(dialog->lblcustomwith->geometry().right(), dialog->txtcustomnew->x());
    }
    dialog->lblreplacewith->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    QTest::mouseClick(dialog->lblreplacewith, Qt::LeftButton);
    EXPECT_TRUE(dialog->optreplacecustom->isChecked());
    dialog->cmdCancel->click();
}
