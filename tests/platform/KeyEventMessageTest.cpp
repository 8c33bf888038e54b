#include "KeyEventMessage.h"
#include "Keyboard.h"
#include "VirtualKeys.h"

#include <QInputDevice>
#include <QKeyEvent>
#include <gtest/gtest.h>

namespace {

// A keyboard of the test's own: without it every key event would register a lasting default one.
const QInputDevice& Keyboard() {
    static const QInputDevice keyboard("test keyboard", 1, QInputDevice::DeviceType::Keyboard);
    return keyboard;
}

QKeyEvent XKey(QEvent::Type type, int qtKey, quint32 xKeyCode, Qt::KeyboardModifiers mods = {},
               bool repeat = false) {
    return QKeyEvent(type, qtKey, mods, xKeyCode, 0, 0, QString(), repeat, 1, &Keyboard());
}

} // namespace

// On X11 the key code tells the key exactly, whatever Qt made of it.
TEST(KeyEventMessage, TakesTheKeyFromTheXKeyCode) {
    struct Case {
        int QtKey;
        quint32 XKeyCode;
        Qt::KeyboardModifiers Mods;
        quint16 VK, SidedVK;
        quint8 Scan;
        UINT Message = WM_KEYDOWN;
    };
    const Case cases[] = {
        {Qt::Key_Shift, 62, {}, VK_SHIFT, VK_RSHIFT, 0x36},
        {Qt::Key_Control, 105, {}, VK_CONTROL, VK_RCONTROL, 0x1D},
        {Qt::Key_AltGr, 108, {}, VK_MENU, VK_RMENU, 0x38, WM_SYSKEYDOWN},
        {Qt::Key_Super_R, 134, {}, VK_RWIN, VK_RWIN, 0x5C},
        {Qt::Key_5, 84, Qt::KeypadModifier, VK_NUMPAD5, VK_NUMPAD5, 0x4C},
        {Qt::Key_Clear, 84, Qt::KeypadModifier, VK_CLEAR, VK_CLEAR, 0x4C},
        {Qt::Key_Z, 52, Qt::ShiftModifier, 'Z', 'Z', 0x2C},
        {Qt::Key_PageDown, 0, {}, VK_NEXT, VK_NEXT, 0x51}, // no key code: the Qt key decides
    };
    for (const Case& c : cases) {
        std::optional<TKeyEventMessage> m =
            KeyEventMessage(XKey(QEvent::KeyPress, c.QtKey, c.XKeyCode, c.Mods), nullptr, true);
        ASSERT_TRUE(m) << c.XKeyCode;
        EXPECT_EQ(m->Msg.message, c.Message) << c.XKeyCode;
        EXPECT_EQ(m->Msg.wParam, c.VK) << c.XKeyCode;
        EXPECT_EQ(m->Key.SidedVK, c.SidedVK) << c.XKeyCode;
        EXPECT_EQ(KeystrokeOf(m->Msg.lParam).ScanCode, c.Scan) << c.XKeyCode;
    }
}

TEST(KeyEventMessage, LeavesTheKeyCodeAloneOffX11) {
    std::optional<TKeyEventMessage> m =
        KeyEventMessage(XKey(QEvent::KeyPress, Qt::Key_Shift, 62), nullptr, false);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->Key.SidedVK, VK_LSHIFT);
}

TEST(KeyEventMessage, GivesAutoRepeatAsKeyDownsThatFoundTheKeyDown) {
    std::optional<TKeyEventMessage> repeat =
        KeyEventMessage(XKey(QEvent::KeyPress, Qt::Key_Z, 52, {}, true), nullptr, true);
    ASSERT_TRUE(repeat);
    EXPECT_TRUE(KeystrokeOf(repeat->Msg.lParam).WasDown);
    EXPECT_FALSE(KeyEventMessage(XKey(QEvent::KeyRelease, Qt::Key_Z, 52, {}, true), nullptr, true));
}

TEST(KeyEventMessage, CtrlAltIsNoSystemKey) {
    std::optional<TKeyEventMessage> m = KeyEventMessage(
        XKey(QEvent::KeyPress, Qt::Key_Z, 52, Qt::ControlModifier | Qt::AltModifier), nullptr, true);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->Msg.message, WM_KEYDOWN);
}

TEST(KeyEventMessage, KnowsNothingOfKeysOutsideTheLayout) {
    EXPECT_FALSE(KeyEventMessage(XKey(QEvent::KeyPress, Qt::Key_VolumeUp, 123), nullptr, true));
    EXPECT_FALSE(KeyEventMessage(XKey(QEvent::KeyPress, Qt::Key_Eacute, 0), nullptr, false));
}
