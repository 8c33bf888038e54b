// The real main window with the real keyboard hook on an X display: another application's window has
// the focus, real key events are injected with XTest, and the test reads what the window shows.
// Run by run-e2e.sh, which gives it a virtual display of its own.
#include "AL_ZoomImg.h"
#include "DesignFonts.h"
#include "PictureImage.h"
#include "animator.h"
#include "locVortal.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <memory>

namespace {

// Paths given by run-e2e.sh.
QString KeyTargetProgram;
QString ArtifactFolder;

constexpr int Patience = 10000; // ms an X round trip, a fade or the 800 ms panel timer may take at most

class MainWindowE2E : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        FInjector = XOpenDisplay(nullptr);
        ASSERT_NE(FInjector, nullptr);
    }
    static void TearDownTestSuite() {
        XCloseDisplay(FInjector);
        FInjector = nullptr;
    }

    void SetUp() override {
        Window = std::make_unique<TfrmVortal_Kes_Commands>();
        Window->show();
        ASSERT_TRUE(Window->Hooked()) << "the keyboard hook needs XInput 2 on the display";
        // The splash fades in, hands the activation back, fades out, and the window fades in.
        ASSERT_TRUE(QTest::qWaitFor([this] { return Window->AlphaBlendValue() == 255; }, Patience));
        StartKeyTarget();
    }

    void TearDown() override {
        Target.kill();
        Target.waitForFinished();
        Window.reset();
    }

    // Another application, with its line of text focused, below the expanded main window.
    void StartKeyTarget() {
        Target.start(KeyTargetProgram, {QStringLiteral("930")});
        ASSERT_TRUE(Target.waitForStarted());
        QProcess search;
        search.start(QStringLiteral("xdotool"), {"search", "--sync", "--onlyvisible", "--name", "^Key target$"});
        ASSERT_TRUE(search.waitForFinished(Patience));
        const QString id = QString::fromLatin1(search.readAllStandardOutput()).split('\n').value(0);
        ASSERT_FALSE(id.isEmpty());
        ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), {"windowfocus", "--sync", id}), 0);
    }

    // A key going down and up as the keyboard would send it, wherever the focus is.
    static void Press(KeySym key) {
        const KeyCode code = XKeysymToKeycode(FInjector, key);
        XTestFakeKeyEvent(FInjector, code, True, 0);
        XTestFakeKeyEvent(FInjector, code, False, 0);
        XFlush(FInjector);
    }

    bool WaitForKey(const QString& key) {
        return QTest::qWaitFor([&] { return Window->lblKey->text() == key; }, Patience);
    }

    // What the other window's line holds, as far as it has told so far.
    QString TypedIntoTarget() {
        FTyped += QString::fromLatin1(Target.readAllStandardOutput());
        return FTyped.trimmed().split('\n').last();
    }

    void SaveScreenshot(const QString& name) {
        QTest::qWait(0);
        const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(Window->winId());
        ASSERT_TRUE(shot.save(QDir(ArtifactFolder).filePath(name + QStringLiteral(".png"))));
    }

    std::unique_ptr<TfrmVortal_Kes_Commands> Window;
    QProcess Target;

private:
    static Display* FInjector;
    QString FTyped;
};

Display* MainWindowE2E::FInjector = nullptr;

} // namespace

TEST_F(MainWindowE2E, ABoundKeyShowsItsCommand) {
    Press(XK_Next);
    ASSERT_TRUE(WaitForKey(QStringLiteral("PAGEDOWN")));
    EXPECT_EQ(Window->lblCommand->text(), QStringLiteral("Collective decrease"));
    EXPECT_EQ(Window->lblCategory->text(), QStringLiteral("Flight Control"));
}

TEST_F(MainWindowE2E, ATappedLeftCtrlThenZIsTimeAccelerate) {
    Press(XK_Control_L);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Window->imgLCtrl->isHidden(); }, Patience));
    Press(XK_z);
    ASSERT_TRUE(WaitForKey(QStringLiteral("Z")));
    EXPECT_EQ(Window->lblCommand->text(), QStringLiteral("Time accelerate"));
    EXPECT_EQ(Window->lblCategory->text(), QStringLiteral("General"));
    EXPECT_FALSE(Window->imgLCtrl->isHidden());
    SaveScreenshot(QStringLiteral("collapsed"));
}

TEST_F(MainWindowE2E, AnUnboundKeyShowsNone) {
    Press(XK_bracketright);
    ASSERT_TRUE(WaitForKey(QStringLiteral("]")));
    EXPECT_EQ(Window->lblCommand->text(), QStringLiteral("< NONE >"));
    EXPECT_TRUE(Window->lblCategory->text().isEmpty());
}

TEST_F(MainWindowE2E, KeysReachTheOtherWindowUnchanged) {
    for (KeySym key : {XK_h, XK_e, XK_l, XK_l, XK_o}) Press(key);
    ASSERT_TRUE(WaitForKey(QStringLiteral("O")));
    ASSERT_TRUE(QTest::qWaitFor([this] { return TypedIntoTarget() == QStringLiteral("hello"); }, Patience))
        << TypedIntoTarget().toStdString();
}

// A modifier seen twice would be switched on and off again at once.
TEST_F(MainWindowE2E, AKeyTypedIntoTheMainWindowIsShownOnce) {
    Window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get(), Patience));
    Press(XK_Control_L);
    Press(XK_z);
    ASSERT_TRUE(WaitForKey(QStringLiteral("Z")));
    EXPECT_EQ(Window->lblCommand->text(), QStringLiteral("Time accelerate"));
    EXPECT_FALSE(Window->imgLCtrl->isHidden());
}

// Right Alt tapped before B: the hook reports Alt as a key of its own, the main window as a system
// key; either way one tap switches right Alt on for the keys after it, and the next tap off again.
// Alt has no name of its own: through the hook it is shown as the last character typed ("B"), with
// that key's command as it was before Alt switched on, so the wait is for the command, not the key.
enum class TKeysGoTo { OtherApplication, PanelViewer };

class RightAltTapE2E : public MainWindowE2E, public ::testing::WithParamInterface<TKeysGoTo> {
protected:
    bool WaitForCommand(const QString& command) {
        return QTest::qWaitFor([&] { return Window->lblCommand->text() == command; }, Patience);
    }
};

TEST_P(RightAltTapE2E, TappedRightAltThenBIsTheBeaconAndASecondTapSwitchesItOff) {
    if (GetParam() == TKeysGoTo::PanelViewer) {
        Window->imgFormSizeClick();
        Press(XK_s); // a command whose panel has a picture: the viewer shows it and takes the focus
        ASSERT_TRUE(QTest::qWaitFor([this] { return Window->Viewer()->isVisible(); }, Patience));
        Window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get(), Patience));
        Window->Viewer()->setFocus();
        ASSERT_TRUE(Window->Viewer()->hasFocus());
    }
    Press(XK_Alt_R);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Window->imgRAlt->isHidden(); }, Patience));
    Press(XK_b);
    ASSERT_TRUE(WaitForCommand(QStringLiteral("ADF inner/outer beacon"))) << Window->lblCommand->text().toStdString();
    EXPECT_EQ(Window->lblKey->text(), QStringLiteral("B"));
    EXPECT_FALSE(Window->imgRAlt->isHidden());
    Press(XK_Alt_R);
    ASSERT_TRUE(QTest::qWaitFor([this] { return Window->imgRAlt->isHidden(); }, Patience));
    Press(XK_b);
    ASSERT_TRUE(WaitForCommand(QStringLiteral("Mission briefing"))) << Window->lblCommand->text().toStdString();
    EXPECT_TRUE(Window->imgRAlt->isHidden());
}

INSTANTIATE_TEST_SUITE_P(Focus, RightAltTapE2E,
                         ::testing::Values(TKeysGoTo::OtherApplication, TKeysGoTo::PanelViewer));

TEST_F(MainWindowE2E, ExpandedTheCommandsPanelPictureShows) {
    Window->imgFormSizeClick();
    ASSERT_EQ(Window->Height(), TfrmVortal_Kes_Commands::ExpandedHeight);
    Press(XK_s); // the clock's command: its panel has a picture
    ASSERT_TRUE(WaitForKey(QStringLiteral("S")));
    ASSERT_TRUE(QTest::qWaitFor([this] { return Window->Viewer()->isVisible(); }, Patience));
    EXPECT_FALSE(Window->Viewer()->Picture().isNull());
    SaveScreenshot(QStringLiteral("expanded"));
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    RegisterDesignFonts();
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: %s <kes_keytarget> <artifact folder>\n", argv[0]);
        return 2;
    }
    KeyTargetProgram = arguments.at(1);
    ArtifactFolder = arguments.at(2);
    QDir().mkpath(ArtifactFolder);
    const int status = RUN_ALL_TESTS();
    TAnimator::FreeRunner();
    return status;
}
