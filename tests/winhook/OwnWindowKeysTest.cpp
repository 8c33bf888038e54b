// Keys typed into the program's own window on a real X server: the window system's key events,
// translated by the platform layer, and the hook together show each key once.
#include "KeyState.h"
#include "Keyboard.h"
#include "Messages.h"
#include "VirtualKeys.h"
#include "WinHook.h"

#include <QApplication>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {

constexpr quint8 XZ = 52, XA = 38, XShiftR = 62, XKp5 = 84;

QByteArray displayName; // empty: no X server, every test skips

class OwnWindowKeys : public ::testing::Test {
protected:
    void SetUp() override {
        if (displayName.isEmpty()) GTEST_SKIP() << "Xvfb is not installed or did not start";
        Injector = XOpenDisplay(displayName.constData());
        ASSERT_NE(Injector, nullptr);
        FPreviousKeys = SetKeyStateTable(&State);
        SetApplicationMessageHook([this](MSG& msg, bool&) {
            Seen.push_back(msg);
            if (OnMessage) OnMessage();
        });
        Window.resize(200, 100);
        Window.show();
        Window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Window));
        // Qt may count itself active while the server's focus merely follows the pointer into it.
        XSetInputFocus(Injector, Window.winId(), RevertToPointerRoot, CurrentTime);
        XSync(Injector, False);
        ASSERT_TRUE(SetHook(&Window, WM_USER + 300));
    }
    void TearDown() override {
        if (!Injector) return;
        FreeHook();
        SetApplicationMessageHook({});
        if (Foreign) XDestroyWindow(Injector, Foreign);
        XCloseDisplay(Injector);
        SetKeyStateTable(FPreviousKeys);
    }

    void Tap(quint8 code) {
        XTestFakeKeyEvent(Injector, code, True, 0);
        XTestFakeKeyEvent(Injector, code, False, 0);
        XSync(Injector, False);
    }
    void FocusAnotherWindow() {
        Foreign = XCreateSimpleWindow(Injector, DefaultRootWindow(Injector), 300, 0, 100, 100, 0, 0, 0);
        XMapWindow(Injector, Foreign);
        XSync(Injector, False);
        XSetInputFocus(Injector, Foreign, RevertToPointerRoot, CurrentTime);
        XSync(Injector, False);
    }

    size_t KeyDowns(WPARAM vk) const {
        return size_t(std::count_if(Seen.begin(), Seen.end(), [vk](const MSG& m) {
            return m.message == WM_KEYDOWN && m.wParam == vk;
        }));
    }
    // Runs the event loop until done() holds (or five seconds have passed).
    bool WaitUntil(const std::function<bool()>& done) {
        if (done()) return true;
        QEventLoop loop;
        OnMessage = [&] {
            if (done()) loop.quit();
        };
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        loop.exec();
        OnMessage = nullptr;
        return done();
    }

    Display* Injector = nullptr;
    unsigned long Foreign = 0;
    TKeyStateTable State;
    QWidget Window;
    std::vector<MSG> Seen;
    std::function<void()> OnMessage;

private:
    TKeyStateTable* FPreviousKeys = nullptr;
};

} // namespace

TEST_F(OwnWindowKeys, AKeyTypedIntoTheWindowIsSeenOnceAndAKeyElsewhereToo) {
    Tap(XZ);
    ASSERT_TRUE(WaitUntil([this] { return KeyDowns('Z') >= 1; }));
    FocusAnotherWindow();
    Tap(XA);
    // The hook reads in order: once its A is here, any copy of Z it made would be here as well.
    ASSERT_TRUE(WaitUntil([this] { return KeyDowns('A') >= 1; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(KeyDowns('Z'), 1u);
    EXPECT_EQ(KeyDowns('A'), 1u);
    const auto z = std::find_if(Seen.begin(), Seen.end(), [](const MSG& m) { return m.wParam == 'Z'; });
    EXPECT_EQ(KeystrokeOf(z->lParam).ScanCode, 0x2C);
}

TEST_F(OwnWindowKeys, TheWindowsKeysTellLeftFromRightAndTheKeypadFromTheEditingKeys) {
    Tap(XShiftR);
    Tap(XKp5);
    ASSERT_TRUE(WaitUntil([this] { return Seen.size() >= 4; }));
    ASSERT_EQ(Seen[0].message, UINT(WM_KEYDOWN));
    EXPECT_EQ(Seen[0].wParam, WPARAM(VK_SHIFT));
    EXPECT_EQ(KeystrokeOf(Seen[0].lParam).ScanCode, 0x36);
    EXPECT_EQ(GetAsyncKeyState(VK_RSHIFT), 1); // pressed and released since
    EXPECT_EQ(GetAsyncKeyState(VK_LSHIFT), 0);
    // Num Lock is off on a fresh server: the keypad's 5 is Clear.
    EXPECT_EQ(Seen[2].wParam, WPARAM(VK_CLEAR));
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QProcess server;
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    if (!xvfb.isEmpty() && !GTEST_FLAG_GET(list_tests)) {
        // -displayfd: the server picks a free display and writes its number once it accepts clients.
        server.start(xvfb, {"-displayfd", "1", "-noreset", "-screen", "0", "640x480x24", "-nolisten", "tcp"});
        if (server.waitForReadyRead(10000)) displayName = ":" + server.readAllStandardOutput().trimmed();
    }
    if (displayName.isEmpty()) return RUN_ALL_TESTS();
    qputenv("DISPLAY", displayName);
    qputenv("QT_QPA_PLATFORM", "xcb");
    int result;
    {
        QApplication app(argc, argv);
        result = RUN_ALL_TESTS();
    }
    server.terminate();
    server.waitForFinished(5000);
    return result;
}
