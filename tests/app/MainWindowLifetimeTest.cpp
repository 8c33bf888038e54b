// The main window from creation to its end: placement, the two heights, the splash hand-over, the
// fades, About, and what the destruction gives back.
#include "MainWindowFixture.h"

#include "AL_ZoomImg.h"
#include "PictureImage.h"
#include "VirtualKeys.h"
#include "animator.h"
#include "dmKeys.h"

#include <QLabel>
#include <QScreen>

namespace {

class MainWindowLifetime : public TMainWindowFixture {
protected:
    void TearDown() override {
        TMainWindowFixture::TearDown();
        TAnimator::FreeRunner();
    }

    // Moves the clock on and lets the event loop turn: timers, one animation pass, an activation.
    void After(quint64 ms) {
        Timers.Advance(ms);
        QApplication::processEvents();
        QApplication::processEvents();
    }

    // The start-up course up to the moment the main window is opaque.
    void FinishStartUp() {
        After(0);
        After(500);     // the splash has faded in and took the activation
        After(2000);    // TimerSplash gives the activation back; the splash holds 100 ms...
        After(100);
        After(200);     // ...and fades out in 200 ms
        After(300);     // the main window fades in from 50 in 300 ms
    }
};

} // namespace

TEST_F(MainWindowLifetime, IsPlacedByItsDesignedHeightThenCollapsed) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(Window->y(), (screen.height() - 780) / 4);
    EXPECT_EQ(Window->x(), (screen.width() - 760) / 2);
    EXPECT_EQ(Window->Height(), 320);
}

TEST_F(MainWindowLifetime, TheSizeButtonSwitchesBetweenTheTwoHeights) {
    Window->imgFormSize->clicked();
    EXPECT_TRUE(dmKeys->PanelVisible);
    EXPECT_EQ(Window->Height(), 913);
    EXPECT_EQ(Window->pnlBottom->geometry(), QRect(0, 294, 752, 887 - 294));
    EXPECT_TRUE(Window->pnlTop->updatesEnabled());
    Window->imgFormSize->clicked();
    EXPECT_FALSE(dmKeys->PanelVisible);
    EXPECT_EQ(Window->Height(), 320);
    EXPECT_EQ(Window->pnlBottom->height(), 0);
    EXPECT_TRUE(Window->pnlTop->updatesEnabled());
}

TEST_F(MainWindowLifetime, ExpandingBeforeAnyKeyChangesOnlyTheHeight) {
    Window->imgFormSizeClick();
    Pump();
    EXPECT_EQ(Window->lblCommand->text(), QStringLiteral("Command"));
    EXPECT_TRUE(Window->lblKey->text().isEmpty());
    EXPECT_FALSE(Window->Viewer()->isVisible());
}

TEST_F(MainWindowLifetime, ExpandingAfterAKeyShowsItsPanelPictureOnceLoaded) {
    HookTap('S');
    ASSERT_EQ(Window->lblCommand->text(), QStringLiteral("Stopwatch lap"));
    Window->imgFormSizeClick();
    Pump();
    EXPECT_FALSE(Window->Viewer()->isVisible());
    Timers.Advance(799);
    EXPECT_FALSE(Window->Viewer()->isVisible());
    Timers.Advance(1);
    EXPECT_TRUE(Window->Viewer()->isVisible());
    EXPECT_FALSE(Window->Viewer()->Picture().isNull());
}

TEST_F(MainWindowLifetime, DestructionGivesBackTheLayoutTheDatabaseAndTheViewer) {
    EXPECT_EQ(LoadedKeyboardLayouts(), 1);
    EXPECT_NE(dmKeys, nullptr);
    Window.reset();
    EXPECT_EQ(LoadedKeyboardLayouts(), 0);
    EXPECT_EQ(dmKeys, nullptr);
    EXPECT_EQ(frmVortal_Kes_Commands, nullptr);
}

TEST_F(MainWindowLifetime, StartsTransparentUnderTheStartUpSplash) {
    EXPECT_EQ(Window->AlphaBlendValue(), 0);
    ASSERT_NE(frmSplash, nullptr);
    EXPECT_FALSE(Window->TimerSplash->Enabled());
}

TEST_F(MainWindowLifetime, AfterTheStartUpSplashTheWindowIsOpaque) {
    FinishStartUp();
    EXPECT_EQ(frmSplash, nullptr);
    EXPECT_EQ(Window->AlphaBlendValue(), 255);
    EXPECT_FALSE(Window->TimerSplash->Enabled());
    EXPECT_EQ(Window->TimerSplash->Interval(), 2000);
}

TEST_F(MainWindowLifetime, ASplashFadedOutFadesTheTransparentWindowInFrom50) {
    FinishStartUp();
    Window->SetAlphaBlendValue(0);
    Window->SplashFadedOut();
    After(0);
    After(3);
    EXPECT_GE(Window->AlphaBlendValue(), 50);
    EXPECT_LE(Window->AlphaBlendValue(), 55);
    After(147);
    EXPECT_GT(Window->AlphaBlendValue(), 50);
    EXPECT_LT(Window->AlphaBlendValue(), 255);
    After(150);
    EXPECT_EQ(Window->AlphaBlendValue(), 255);
}

TEST_F(MainWindowLifetime, AboutShowsTheSplashWithALongerHoldAndLeavesTheWindowOpaque) {
    FinishStartUp();
    ASSERT_EQ(Window->AlphaBlendValue(), 255);
    Window->imgClose->customClick();
    EXPECT_EQ(Window->TimerSplash->Interval(), 6000);
    ASSERT_NE(frmSplash, nullptr);
    After(0);
    After(500);
    EXPECT_TRUE(Window->TimerSplash->Enabled());
    After(5999);
    EXPECT_TRUE(Window->TimerSplash->Enabled());
    After(1); // the window takes the activation back: the splash holds 100 ms and fades out in 200 ms
    EXPECT_FALSE(Window->TimerSplash->Enabled());
    After(100);
    ASSERT_NE(frmSplash, nullptr);
    After(200);
    EXPECT_EQ(frmSplash, nullptr);
    EXPECT_EQ(Window->AlphaBlendValue(), 255);
    EXPECT_EQ(Window->TimerSplash->Interval(), 2000);
    // A later About starts from 6000 ms anew.
    Window->imgCloseClick();
    Window->imgClosePropertiesCustomClick();
    EXPECT_EQ(Window->TimerSplash->Interval(), 6000);
}

TEST_F(MainWindowLifetime, CloseHoldsTheWindowOpaqueThenFadesItOutAndCloses) {
    FinishStartUp();
    Window->imgClose->clicked();
    After(0);
    After(99);
    EXPECT_EQ(Window->AlphaBlendValue(), 255);
    EXPECT_TRUE(Window->isVisible());
    After(151);
    EXPECT_GT(Window->AlphaBlendValue(), 0);
    EXPECT_LT(Window->AlphaBlendValue(), 255);
    After(150);
    EXPECT_EQ(Window->AlphaBlendValue(), 0);
    EXPECT_FALSE(Window->isVisible());
}
