#include "KeyEventMessage.h"

#include "Clock.h"
#include "Keyboard.h"
#include "VirtualKeys.h"

#include <QKeyEvent>

namespace {

struct TQtKey {
    int QtKey;
    quint16 VK;
};

// Keys that type no character, as Qt names them.
// clang-format off
constexpr TQtKey namedKeys[] = {
    {Qt::Key_Escape, VK_ESCAPE},   {Qt::Key_Tab, VK_TAB},           {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Backspace, VK_BACK},  {Qt::Key_Return, VK_RETURN},     {Qt::Key_Enter, VK_RETURN},
    {Qt::Key_Insert, VK_INSERT},   {Qt::Key_Delete, VK_DELETE},     {Qt::Key_Pause, VK_PAUSE},
    {Qt::Key_Print, VK_SNAPSHOT},  {Qt::Key_SysReq, VK_SNAPSHOT},   {Qt::Key_Clear, VK_CLEAR},
    {Qt::Key_Home, VK_HOME},       {Qt::Key_End, VK_END},           {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},           {Qt::Key_Right, VK_RIGHT},       {Qt::Key_Down, VK_DOWN},
    {Qt::Key_PageUp, VK_PRIOR},    {Qt::Key_PageDown, VK_NEXT},     {Qt::Key_Shift, VK_LSHIFT},
    {Qt::Key_Control, VK_LCONTROL},{Qt::Key_Alt, VK_LMENU},         {Qt::Key_AltGr, VK_RMENU},
    {Qt::Key_Meta, VK_LWIN},       {Qt::Key_Super_L, VK_LWIN},      {Qt::Key_Super_R, VK_RWIN},
    {Qt::Key_Menu, VK_APPS},       {Qt::Key_CapsLock, VK_CAPITAL},  {Qt::Key_NumLock, VK_NUMLOCK},
    {Qt::Key_ScrollLock, VK_SCROLL},
    {Qt::Key_F1, VK_F1},  {Qt::Key_F2, VK_F2},  {Qt::Key_F3, VK_F3},   {Qt::Key_F4, VK_F4},
    {Qt::Key_F5, VK_F5},  {Qt::Key_F6, VK_F6},  {Qt::Key_F7, VK_F7},   {Qt::Key_F8, VK_F8},
    {Qt::Key_F9, VK_F9},  {Qt::Key_F10, VK_F10},{Qt::Key_F11, VK_F11}, {Qt::Key_F12, VK_F12},
};

// Keys of the keypad that type a character, with Num Lock on where that matters.
constexpr TQtKey keypadKeys[] = {
    {Qt::Key_0, VK_NUMPAD0}, {Qt::Key_1, VK_NUMPAD1}, {Qt::Key_2, VK_NUMPAD2}, {Qt::Key_3, VK_NUMPAD3},
    {Qt::Key_4, VK_NUMPAD4}, {Qt::Key_5, VK_NUMPAD5}, {Qt::Key_6, VK_NUMPAD6}, {Qt::Key_7, VK_NUMPAD7},
    {Qt::Key_8, VK_NUMPAD8}, {Qt::Key_9, VK_NUMPAD9}, {Qt::Key_Period, VK_DECIMAL},
    {Qt::Key_Comma, VK_DECIMAL}, {Qt::Key_Asterisk, VK_MULTIPLY}, {Qt::Key_Plus, VK_ADD},
    {Qt::Key_Minus, VK_SUBTRACT}, {Qt::Key_Slash, VK_DIVIDE},
};
// clang-format on

quint16 FindVK(const TQtKey* begin, const TQtKey* end, int qtKey) {
    for (const TQtKey* k = begin; k != end; ++k)
        if (k->QtKey == qtKey) return k->VK;
    return 0;
}

std::optional<TPhysicalKey> KeyOfQtKey(const QKeyEvent& event) {
    const int qtKey = event.key();
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    quint16 vk = keypad ? FindVK(std::begin(keypadKeys), std::end(keypadKeys), qtKey) : 0;
    if (!vk) vk = FindVK(std::begin(namedKeys), std::end(namedKeys), qtKey);
    if (vk) {
        if (keypad)
            if (std::optional<TPhysicalKey> key = KeypadKeyOfVK(vk)) return key;
        return PhysicalKeyOfVK(vk);
    }
    // Printable keys: Qt names them by their character (letters upper case).
    if (qtKey >= 0x20 && qtKey < 0x7F) {
        qint16 scan = VkKeyScan(char(QChar::toLower(char32_t(qtKey))));
        if (scan != -1) return PhysicalKeyOfVK(quint16(scan & 0xFF));
    }
    return std::nullopt;
}

UINT MessageOf(const QKeyEvent& event, quint16 vk, bool altDown) {
    const bool system = altDown || vk == VK_MENU || vk == VK_F10;
    if (event.type() == QEvent::KeyPress) return system ? WM_SYSKEYDOWN : WM_KEYDOWN;
    return system ? WM_SYSKEYUP : WM_KEYUP;
}

} // namespace

std::optional<TKeyEventMessage> KeyEventMessage(const QKeyEvent& event, HWND hwnd, bool fromXServer) {
    const bool release = event.type() == QEvent::KeyRelease;
    if (release && event.isAutoRepeat()) return std::nullopt;
    std::optional<TPhysicalKey> key;
    if (fromXServer && event.nativeScanCode() > 0 && event.nativeScanCode() < 256) {
        // Only the keypad's keys depend on Num Lock; Qt tells it by naming a digit or the point.
        const int qtKey = event.key();
        const bool numLock =
            (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || qtKey == Qt::Key_Period || qtKey == Qt::Key_Comma;
        key = PhysicalKeyOfXKeyCode(quint8(event.nativeScanCode()), numLock);
    }
    if (!key) key = KeyOfQtKey(event);
    if (!key) return std::nullopt;

    const Qt::KeyboardModifiers mods = event.modifiers();
    const bool altDown = (mods & Qt::AltModifier) && !(mods & Qt::ControlModifier);
    TKeystroke keystroke;
    keystroke.ScanCode = key->ScanCode;
    keystroke.Extended = key->Extended;
    keystroke.AltDown = altDown || key->VK == VK_MENU;
    keystroke.WasDown = release || event.isAutoRepeat();
    keystroke.Released = release;

    TKeyEventMessage result;
    result.Key = *key;
    result.Msg.hwnd = hwnd;
    result.Msg.message = MessageOf(event, key->VK, altDown);
    result.Msg.wParam = key->VK;
    result.Msg.lParam = KeystrokeData(keystroke);
    result.Msg.time = quint32(GetTickCount64());
    return result;
}
