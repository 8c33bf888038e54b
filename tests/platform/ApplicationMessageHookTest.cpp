#include "Exceptions.h"
#include "KeyState.h"
#include "Keyboard.h"
#include "Messages.h"
#include "VirtualKeys.h"
#include "support/FakeMessageBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

struct TSeen {
    UINT Message;
    WPARAM WParam;
    friend bool operator==(const TSeen&, const TSeen&) = default;
};

std::ostream& operator<<(std::ostream& out, const TSeen& s) {
    return out << "{0x" << std::hex << s.Message << ", 0x" << s.WParam << "}";
}

// A window that records the messages it receives, with a focused line edit in it.
class TRecordingWindow : public QWidget {
public:
    TRecordingWindow() {
        auto* layout = new QVBoxLayout(this);
        Edit = new QLineEdit(this);
        layout->addWidget(Edit);
    }
    std::vector<MSG> Received;
    QLineEdit* Edit;

protected:
    bool event(QEvent* e) override {
        if (e->type() != TMessageEvent::Type()) return QWidget::event(e);
        Received.push_back(static_cast<TMessageEvent*>(e)->Msg());
        return true;
    }
};

class ApplicationMessageHook : public ::testing::Test {
protected:
    void SetUp() override {
        FPreviousKeys = SetKeyStateTable(&Keys);
        SetApplicationMessageHook([this](MSG& msg, bool& handled) {
            Hooked.push_back(msg);
            if (Action) Action(msg, handled);
        });
        Window.show();
        Window.activateWindow();
        Window.Edit->setFocus();
    }
    void TearDown() override {
        SetApplicationMessageHook({});
        SetKeyStateTable(FPreviousKeys);
    }

    static std::vector<TSeen> Seen(const std::vector<MSG>& messages) {
        std::vector<TSeen> seen;
        for (const MSG& m : messages)
            seen.push_back({m.message, m.wParam});
        return seen;
    }

    QWindow* Handle() { return Window.windowHandle(); }

    TKeyStateTable Keys;
    TRecordingWindow Window;
    std::vector<MSG> Hooked;
    std::function<void(MSG&, bool&)> Action;

private:
    TKeyStateTable* FPreviousKeys = nullptr;
};

} // namespace

TEST_F(ApplicationMessageHook, SeesAMessagePostedFromAnotherThreadBeforeTheWindowDoes) {
    std::thread poster([this] { PostMessage(&Window, WM_KEYDOWN, 'Z', 7); });
    poster.join();
    Action = [this](MSG&, bool&) { EXPECT_TRUE(Window.Received.empty()); };
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(Hooked.size(), 1u);
    EXPECT_EQ(Hooked[0].hwnd, &Window);
    EXPECT_EQ(Hooked[0].lParam, 7);
    EXPECT_EQ(Seen(Window.Received), (std::vector<TSeen>{{WM_KEYDOWN, 'Z'}}));
}

TEST_F(ApplicationMessageHook, PassesThePostedMessageOnAsTheHookLeftIt) {
    Action = [](MSG& msg, bool& handled) {
        if (msg.message == WM_USER) handled = true;
        msg.wParam = 0;
    };
    PostMessage(&Window, WM_USER, 5, 6);
    PostMessage(&Window, WM_KEYDOWN, 'Z', 6);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(Seen(Hooked), (std::vector<TSeen>{{WM_USER, 5}, {WM_KEYDOWN, 'Z'}}));
    ASSERT_EQ(Seen(Window.Received), (std::vector<TSeen>{{WM_KEYDOWN, 0}}));
    EXPECT_EQ(Window.Received[0].lParam, 6);
}

TEST_F(ApplicationMessageHook, NeverDeliversAMessageToAWindowDestroyedMeanwhile) {
    auto* doomed = new TRecordingWindow;
    PostMessage(doomed, WM_KEYDOWN, 'Z', 0);
    delete doomed;
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(Hooked.empty());
    EXPECT_FALSE(PostMessage(nullptr, WM_KEYDOWN, 'Z', 0));
}

TEST_F(ApplicationMessageHook, SeesOwnKeysAsKeyMessagesOfTheFocusedControl) {
    QTest::keyClick(Handle(), Qt::Key_Z);
    ASSERT_EQ(Seen(Hooked), (std::vector<TSeen>{{WM_KEYDOWN, 'Z'}, {WM_KEYUP, 'Z'}}));
    EXPECT_EQ(Hooked[0].hwnd, Window.Edit);
    EXPECT_EQ(Hooked[0].lParam, LPARAM(0x002C0001));
    EXPECT_EQ(Hooked[1].lParam, LPARAM(0xC02C0001u));
    // Left alone by the hook, the key reaches the window's preview and then the control.
    EXPECT_EQ(Seen(Window.Received), Seen(Hooked));
    EXPECT_EQ(Window.Edit->text(), "z");
}

TEST_F(ApplicationMessageHook, GivesAltCombinationsAndF10AsSystemKeys) {
    QTest::keyClick(Handle(), Qt::Key_X, Qt::AltModifier);
    QTest::keyClick(Handle(), Qt::Key_F10);
    EXPECT_EQ(Seen(Hooked), (std::vector<TSeen>{{WM_SYSKEYDOWN, VK_MENU},
                                                {WM_SYSKEYDOWN, 'X'},
                                                {WM_SYSKEYUP, 'X'},
                                                {WM_SYSKEYUP, VK_MENU},
                                                {WM_SYSKEYDOWN, VK_F10},
                                                {WM_SYSKEYUP, VK_F10}}));
    ASSERT_GE(Hooked.size(), 2u);
    EXPECT_TRUE(KeystrokeOf(Hooked[1].lParam).AltDown);
}

TEST_F(ApplicationMessageHook, NamesTheKeypadAndTheControlKeysByTheirOwnVirtualKeys) {
    QTest::keyClick(Handle(), Qt::Key_5, Qt::KeypadModifier);
    QTest::keyClick(Handle(), Qt::Key_Home, Qt::KeypadModifier);
    QTest::keyClick(Handle(), Qt::Key_PageDown);
    QTest::keyClick(Handle(), Qt::Key_Apostrophe);
    QTest::keyClick(Handle(), Qt::Key_Exclam);
    std::vector<TSeen> downs;
    for (const MSG& m : Hooked)
        if (m.message == WM_KEYDOWN) downs.push_back({m.message, m.wParam});
    EXPECT_EQ(downs, (std::vector<TSeen>{{WM_KEYDOWN, VK_NUMPAD5},
                                         {WM_KEYDOWN, VK_HOME},
                                         {WM_KEYDOWN, VK_NEXT},
                                         {WM_KEYDOWN, VK_OEM_7},
                                         {WM_KEYDOWN, '1'}}));
    ASSERT_GE(Hooked.size(), 6u);
    EXPECT_FALSE(KeystrokeOf(Hooked[2].lParam).Extended); // the keypad's Home
    EXPECT_TRUE(KeystrokeOf(Hooked[4].lParam).Extended);  // the editing block's Page Down
}

TEST_F(ApplicationMessageHook, AKeyWhoseCodeTheHookClearedReachesOnlyTheWindow) {
    Action = [](MSG& msg, bool&) {
        if (msg.message == WM_KEYDOWN) msg.wParam = 0;
    };
    QTest::keyClick(Handle(), Qt::Key_Z);
    EXPECT_EQ(Seen(Window.Received), (std::vector<TSeen>{{WM_KEYDOWN, 0}, {WM_KEYUP, 'Z'}}));
    EXPECT_EQ(Window.Edit->text(), "");
}

TEST_F(ApplicationMessageHook, AKeyTheHookHandledReachesNeitherWindowNorControl) {
    Action = [](MSG&, bool& handled) { handled = true; };
    QTest::keyClick(Handle(), Qt::Key_Z);
    EXPECT_EQ(Hooked.size(), 2u);
    EXPECT_TRUE(Window.Received.empty());
    EXPECT_EQ(Window.Edit->text(), "");
}

TEST_F(ApplicationMessageHook, ReportsAnErrorOfTheHookAndDropsTheMessage) {
    FakeMessageBox boxes;
    Action = [](MSG&, bool&) { throw ERangeError("Range check error"); };
    PostMessage(&Window, WM_KEYDOWN, 0x10000, 0);
    QCoreApplication::sendPostedEvents();
    QTest::keyClick(Handle(), Qt::Key_Z);
    EXPECT_EQ(boxes.Texts, QStringList({"Range check error", "Range check error", "Range check error"}));
    EXPECT_TRUE(Window.Received.empty());
    EXPECT_EQ(Window.Edit->text(), "");
}

TEST_F(ApplicationMessageHook, FeedsTheKeyStateBeforeTheHookRuns) {
    Action = [this](MSG& msg, bool&) {
        if (msg.message == WM_KEYDOWN) {
            EXPECT_TRUE(Keys.IsDown(VK_LSHIFT));
        }
    };
    QTest::keyPress(Handle(), Qt::Key_Shift);
    EXPECT_TRUE(Keys.IsDown(VK_SHIFT));
    QTest::keyRelease(Handle(), Qt::Key_Shift);
    EXPECT_FALSE(Keys.IsDown(VK_LSHIFT));
    EXPECT_EQ(GetAsyncKeyState(VK_LSHIFT), 1);
    EXPECT_EQ(Seen(Hooked), (std::vector<TSeen>{{WM_KEYDOWN, VK_SHIFT}, {WM_KEYUP, VK_SHIFT}}));
}

TEST_F(ApplicationMessageHook, WithoutAHookKeysStillReachThePreviewAndTheControl) {
    SetApplicationMessageHook({});
    QTest::keyClick(Handle(), Qt::Key_Z);
    EXPECT_TRUE(Hooked.empty());
    EXPECT_EQ(Seen(Window.Received), (std::vector<TSeen>{{WM_KEYDOWN, 'Z'}, {WM_KEYUP, 'Z'}}));
    EXPECT_EQ(Window.Edit->text(), "z");
}
