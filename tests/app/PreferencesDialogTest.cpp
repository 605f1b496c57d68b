#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSpinBox>

#include "MapFixture.h"
#include "app/PreferencesDialog.h"
#include "app/RecoveryCopies.h"
#include "model/UserSettings.h"

class PreferencesDialogTest : public MapFixture {
protected:
    void TearDown() override {
        for (const char* group : {"History", "Recovery"}) {
            userSettings()->remove(QString::fromLatin1(group));
        }
        MapFixture::TearDown();
    }
    // Opens Edit > Preferences, sets both boxes and answers with `button`.
    void choose(int steps, double delay, QDialogButtonBox::StandardButton button) {
        general->mainMenu()->preferencesAction()->trigger();
        auto* dialog = general->findChild<PreferencesDialog*>(QStringLiteral("frmPreferences"));
        ASSERT_NE(dialog, nullptr);
        shown = {dialog->undoStepsBox()->value(), dialog->recoveryDelayBox()->value()};
        dialog->undoStepsBox()->setValue(steps);
        dialog->recoveryDelayBox()->setValue(delay);
        dialog->buttonBox()->button(button)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_EQ(general->findChild<PreferencesDialog*>(), nullptr);
    }
    std::pair<int, double> shown;
};

TEST_F(PreferencesDialogTest, UndoDepthReachesOpenAndNewLevelsAndTheDelayReachesTheRecoveryCopies) {
    choose(500, 2.5, QDialogButtonBox::Cancel);
    EXPECT_EQ(shown, std::make_pair(10, 5.0)) << "the defaults";
    EXPECT_EQ(map->level().undoStack().depth(), 10);
    choose(30, 2.5, QDialogButtonBox::Ok);
    EXPECT_EQ(map->level().undoStack().depth(), 30);
    EXPECT_EQ(RecoveryCopies::Timing::fromUserSettings().delayMs, 2500);
    EXPECT_EQ(general->documents().newLevel()->level().undoStack().depth(), 30);
    for (int16_t i = 0; i < 25; ++i) {
        paintUndoable(map, i, 0, 3);
    }
    choose(12, 2.5, QDialogButtonBox::Ok);
    EXPECT_EQ(shown, std::make_pair(30, 2.5));
    for (int i = 0; i < 12; ++i) {
        undo();
    }
    EXPECT_FALSE(canUndo()) << "a lower depth trims the open levels at once";
}
