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
        general->mainMenu()->replaceAction()->trigger();
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
        {[](ReplaceDialog* d) { QTest::mouseClick(d->cancelButton(), Qt::LeftButton); }, false},
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
            leave(dialog->customNewEdit(), refused ? QStringLiteral("300") : QStringLiteral("7"));
            ASSERT_EQ(dialog->customNewEdit()->hasFocus(), refused);
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
        const QImage wanted = map->level().tileset().tilesetPicture().copy(Tileset::tileSource(tile, 16));
        return box->image().convertToFormat(QImage::Format_RGB32) == wanted.convertToFormat(QImage::Format_RGB32);
    };
    EXPECT_TRUE(shows(dialog->oldTilePicture(), 20) && shows(dialog->newTilePicture(), 33));
    dialog->replaceCustomOption()->click();
    leave(dialog->replaceNewEdit(), QStringLiteral("300"));
    EXPECT_EQ(dialogs->messages, QStringList(QStringLiteral("Tile numbers are between 0 and 255")));
    EXPECT_TRUE(dialog->replaceNewEdit()->hasFocus());
    leave(dialog->replaceNewEdit(), QStringLiteral("255.4"));  // read before rounding: refused
    EXPECT_EQ(dialogs->messages.size(), 2);
    EXPECT_TRUE(dialog->replaceNewEdit()->hasFocus());
    leave(dialog->replaceNewEdit(), QStringLiteral("8"));
    leave(dialog->replaceOldEdit(), QString());  // empty counts as 0
    EXPECT_EQ(dialogs->messages.size(), 2);
    dialog->replaceOldEdit()->setText(QStringLiteral("7"));
    dialog->updateButton()->click();
    EXPECT_TRUE(shows(dialog->oldTilePicture(), 7) && shows(dialog->newTilePicture(), 8));
    dialog->cancelButton()->click();
}

TEST_F(ReplaceDialogTest, EveryCaptionReadsInFullAtAnyFontSize) {
    ReplaceDialog* dialog = open();
    const QList<QWidget*> captions = {dialog->switchLeftRightOption(), dialog->switchCustomOption(),
                                      dialog->customWithLabel(),       dialog->replaceLeftRightOption(),
                                      dialog->replaceCustomOption(),   dialog->replaceWithLabel(),
                                      dialog->inSelectionCheck(),      dialog->okButton(),
                                      dialog->cancelButton()};
    const QList<QWidget*> boxes = {dialog->customOldEdit(), dialog->customNewEdit(), dialog->replaceOldEdit(),
                                   dialog->replaceNewEdit()};
    const QList<QWidget*> all =
        captions + boxes + QList<QWidget*>{dialog->oldTilePicture(), dialog->newTilePicture(), dialog->updateButton()};
    for (const int pixels : {8, 11, 13, 16, 22, 30}) {
        QFont font = dialog->font();
        font.setPixelSize(pixels);
        dialog->setFont(font);
        for (QWidget* w : captions) {
            EXPECT_GE(w->width(), w->sizeHint().width()) << pixels << " " << w->metaObject()->className();
            EXPECT_GE(w->height(), w->sizeHint().height()) << pixels << " " << w->metaObject()->className();
        }
        // The small Update button inside the preview frame is sized from its text alone.
        const QSize text = QFontMetrics(font).size(0, dialog->updateButton()->text());
        EXPECT_GE(dialog->updateButton()->width(), text.width()) << pixels;
        EXPECT_GE(dialog->updateButton()->height(), text.height()) << pixels;
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
        EXPECT_LT(dialog->switchCustomOption()->geometry().right(), dialog->customOldEdit()->x());
        EXPECT_LT(dialog->customOldEdit()->geometry().right(), dialog->customWithLabel()->x());
        EXPECT_LT(dialog->customWithLabel()->geometry().right(), dialog->customNewEdit()->x());
    }
    dialog->replaceWithLabel()->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    QTest::mouseClick(dialog->replaceWithLabel(), Qt::LeftButton);
    EXPECT_TRUE(dialog->replaceCustomOption()->isChecked());
    dialog->cancelButton()->click();
}
