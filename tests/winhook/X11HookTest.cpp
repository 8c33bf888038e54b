// The X11 hook end to end: a virtual X server of the test's own, keys injected with XTest on a
// second connection, and the messages the hook posts to a window of this process.
#include "KeyState.h"
#include "Keyboard.h"
#include "Messages.h"
#include "VirtualKeys.h"
#include "WinHook.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <unistd.h>
#include <vector>

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

constexpr quint8 XZ = 52, XA = 38, XR = 27, XShiftR = 62, XControlL = 37, XPrior = 112, XF10 = 76, XKp5 = 84;

// The window the hook posts to: records every key message.
class TReceiver : public QObject {
public:
    std::vector<MSG> Keys;
    std::function<void()> OnMessage;

protected:
    void customEvent(QEvent* e) override {
        if (e->type() != TMessageEvent::Type()) return;
        Keys.push_back(static_cast<TMessageEvent*>(e)->Msg());
        if (OnMessage) OnMessage();
    }
};

class X11Hook : public ::testing::Test {
public:
    static void SetUpTestSuite() {
        const QString xvfb = QStandardPaths::findExecutable("Xvfb");
        if (xvfb.isEmpty()) return;
        Server = new QProcess;
        // -displayfd: the server picks a free display and writes its number once it accepts clients.
        Server->start(xvfb,
                      {"-displayfd", "1", "-noreset", "-screen", "0", "640x480x24", "-nolisten", "tcp"});
        if (!Server->waitForReadyRead(10000)) return;
        DisplayName = ":" + Server->readAllStandardOutput().trimmed();
        qputenv("DISPLAY", DisplayName);
    }
    static void TearDownTestSuite() {
        if (!Server) return;
        Server->terminate();
        Server->waitForFinished(5000);
        delete Server;
        Server = nullptr;
    }

protected:
    void SetUp() override {
        if (DisplayName.isEmpty()) GTEST_SKIP() << "Xvfb is not installed or did not start";
        Injector = XOpenDisplay(DisplayName.constData());
        ASSERT_NE(Injector, nullptr);
        FPreviousKeys = SetKeyStateTable(&State);
        Foreign = MakeWindow(1); // a window of some other process
        Own = MakeWindow(getpid());
        Focus(Foreign);
    }
    void TearDown() override {
        if (!Injector) return;
        FreeHook();
        XTestFakeKeyEvent(Injector, XShiftR, False, 0);
        XDestroyWindow(Injector, Foreign);
        XDestroyWindow(Injector, Own);
        XCloseDisplay(Injector);
        SetKeyStateTable(FPreviousKeys);
    }

    unsigned long MakeWindow(long pid) {
        Window w = XCreateSimpleWindow(Injector, DefaultRootWindow(Injector), 0, 0, 100, 100, 0, 0, 0);
        Atom pidAtom = XInternAtom(Injector, "_NET_WM_PID", False);
        XChangeProperty(Injector, w, pidAtom, XA_CARDINAL, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&pid), 1);
        XMapWindow(Injector, w);
        XSync(Injector, False);
        return w;
    }
    void Focus(unsigned long w) {
        XSetInputFocus(Injector, w, RevertToPointerRoot, CurrentTime);
        XSync(Injector, False);
    }
    void Press(quint8 code) { XTestFakeKeyEvent(Injector, code, True, 0), XSync(Injector, False); }
    void Release(quint8 code) { XTestFakeKeyEvent(Injector, code, False, 0), XSync(Injector, False); }
    void Tap(quint8 code) { Press(code), Release(code); }

    // Runs the event loop until count key messages have arrived (or five seconds have passed).
    bool WaitForKeys(size_t count) {
        if (Receiver.Keys.size() >= count) return true;
        QEventLoop loop;
        Receiver.OnMessage = [&] {
            if (Receiver.Keys.size() >= count) loop.quit();
        };
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        loop.exec();
        Receiver.OnMessage = nullptr;
        return Receiver.Keys.size() >= count;
    }

    std::vector<WPARAM> KeyCodes() const {
        std::vector<WPARAM> codes;
        for (const MSG& m : Receiver.Keys)
            codes.push_back(m.wParam);
        return codes;
    }

    static inline QProcess* Server = nullptr;
    static inline QByteArray DisplayName;
    Display* Injector = nullptr;
    unsigned long Foreign = 0, Own = 0;
    TKeyStateTable State;
    TReceiver Receiver;

private:
    TKeyStateTable* FPreviousKeys = nullptr;
};

} // namespace

TEST_F(X11Hook, PostsTheKeysOfAnotherWindowAsKeyDowns) {
    ASSERT_TRUE(SetHook(&Receiver, WM_USER + 300));
    for (quint8 code : {XZ, XShiftR, XControlL, XPrior, XF10})
        Tap(code);
    ASSERT_TRUE(WaitForKeys(5));
    EXPECT_EQ(KeyCodes(), (std::vector<WPARAM>{'Z', VK_SHIFT, VK_CONTROL, VK_PRIOR, VK_F10}));
    for (const MSG& m : Receiver.Keys) {
        EXPECT_EQ(m.message, WM_KEYDOWN);
        EXPECT_EQ(m.hwnd, &Receiver);
    }
    const TKeystroke shift = KeystrokeOf(Receiver.Keys[1].lParam),
                     prior = KeystrokeOf(Receiver.Keys[3].lParam);
    EXPECT_EQ(shift.ScanCode, 0x36);
    EXPECT_EQ(prior.ScanCode, 0x49);
    EXPECT_TRUE(prior.Extended);
    EXPECT_FALSE(prior.WasDown);
}

TEST_F(X11Hook, KeepsTheKeyStateOfLeftAndRight) {
    ASSERT_TRUE(SetHook(&Receiver, WM_USER + 300));
    Press(XShiftR);
    ASSERT_TRUE(WaitForKeys(1));
    EXPECT_TRUE(State.IsDown(VK_RSHIFT));
    EXPECT_FALSE(State.IsDown(VK_LSHIFT));
    Release(XShiftR);
    Tap(XA); // the hook reads in order: once A is here, the release has been seen
    ASSERT_TRUE(WaitForKeys(2));
    EXPECT_FALSE(State.IsDown(VK_RSHIFT));
    EXPECT_EQ(GetAsyncKeyState(VK_RSHIFT), 1);
}

TEST_F(X11Hook, LeavesKeysTypedIntoTheProgramsOwnWindowsAlone) {
    ASSERT_TRUE(SetHook(&Receiver, WM_USER + 300));
    Focus(Own);
    Tap(XZ);
    Tap(XShiftR);
    EXPECT_TRUE(FreeHook()); // delivers what went down before
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(Receiver.Keys.empty());
    // Nor fed the key state: the window's own key messages do that.
    EXPECT_EQ(GetAsyncKeyState(VK_RSHIFT), 0);
}

TEST_F(X11Hook, TakesTheWindowUnderThePointerWhenTheFocusFollowsIt) {
    ASSERT_TRUE(SetHook(&Receiver, WM_USER + 300));
    XSetInputFocus(Injector, PointerRoot, RevertToPointerRoot, CurrentTime);
    XWarpPointer(Injector, None, DefaultRootWindow(Injector), 0, 0, 0, 0, 50, 50);
    XRaiseWindow(Injector, Own);
    XSync(Injector, False);
    Tap(XZ);
    // Freed before the other window comes up, so that it cannot be the one that judges Z.
    EXPECT_TRUE(FreeHook());
    XRaiseWindow(Injector, Foreign);
    XSync(Injector, False);
    ASSERT_TRUE(SetHook(&Receiver, WM_USER + 300));
    Tap(XA);
    ASSERT_TRUE(WaitForKeys(1));
    EXPECT_EQ(KeyCodes(), (std::vector<WPARAM>{'A'}));
}

TEST_F(X11Hook, DeliversKeysThatWentDownBeforeItWasFreed) {
    ASSERT_TRUE(SetHook(&Receiver, WM_USER + 300));
    Tap(XZ);
    EXPECT_TRUE(FreeHook());
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(KeyCodes(), (std::vector<WPARAM>{'Z'}));
}

TEST_F(X11Hook, ReadsTheKeypadWithTheServersNumLock) {
    ASSERT_TRUE(SetHook(&Receiver, WM_USER + 300));
    const unsigned numLock = XkbKeysymToModifiers(Injector, XK_Num_Lock);
    ASSERT_NE(numLock, 0u);
    XkbLockModifiers(Injector, XkbUseCoreKbd, numLock, 0);
    XSync(Injector, False);
    Tap(XKp5);
    XkbLockModifiers(Injector, XkbUseCoreKbd, numLock, numLock);
    XSync(Injector, False);
    Tap(XKp5);
    XkbLockModifiers(Injector, XkbUseCoreKbd, numLock, 0);
    XSync(Injector, False);
    ASSERT_TRUE(WaitForKeys(2));
    EXPECT_EQ(KeyCodes(), (std::vector<WPARAM>{VK_CLEAR, VK_NUMPAD5}));
}

TEST_F(X11Hook, RepeatsAHeldKeyWithTheWasDownBit) {
    // The hook takes the server's delay and rate when it is set; short ones keep the test quick.
    ASSERT_TRUE(XkbSetAutoRepeatRate(Injector, XkbUseCoreKbd, 50, 20));
    XSync(Injector, False);
    ASSERT_TRUE(SetHook(&Receiver, WM_USER + 300));
    Press(XR);
    ASSERT_TRUE(WaitForKeys(3));
    Release(XR);
    XkbSetAutoRepeatRate(Injector, XkbUseCoreKbd, 660, 40);
    Tap(XA);
    ASSERT_TRUE(WaitForKeys(4));
    // However many repeats came before the release, the key after it is the last message.
    EXPECT_EQ(Receiver.Keys.back().wParam, WPARAM('A'));
    for (size_t i = 0; i + 1 < Receiver.Keys.size(); ++i) {
        EXPECT_EQ(Receiver.Keys[i].wParam, WPARAM('R'));
        EXPECT_EQ(KeystrokeOf(Receiver.Keys[i].lParam).WasDown, i > 0) << i;
    }
}

TEST_F(X11Hook, SettingTheHookAgainReplacesItAndFreeingItTwiceFails) {
    ASSERT_TRUE(SetHook(&Receiver, WM_USER + 300));
    ASSERT_TRUE(SetHook(&Receiver, WM_USER + 300));
    Tap(XZ);
    Tap(XA);
    ASSERT_TRUE(WaitForKeys(2));
    QCoreApplication::processEvents();
    EXPECT_EQ(KeyCodes(), (std::vector<WPARAM>{'Z', 'A'}));
    EXPECT_TRUE(FreeHook());
    EXPECT_FALSE(FreeHook());
}

TEST_F(X11Hook, FailsWithoutADisplay) {
    const QByteArray display = qgetenv("DISPLAY");
    qunsetenv("DISPLAY");
    EXPECT_FALSE(SetHook(&Receiver, WM_USER + 300));
    qputenv("DISPLAY", display);
    EXPECT_FALSE(SetHook(nullptr, WM_USER + 300));
}
