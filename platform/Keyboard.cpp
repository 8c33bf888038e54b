#include "Keyboard.h"

#include "KeyState.h"
#include "KeyboardLayout.h"
#include "VirtualKeys.h"

#include <QtCore/QByteArrayView>

#include <atomic>
#include <cctype>

namespace {

constexpr unsigned ExtendedPrefix = 0xE000;

bool IsDown(const quint8* keyState, quint16 vk) {
    return keyState[vk] & 0x80;
}

// What Ctrl makes of a key: the control characters of the letters and of [ \ ], line feed for Enter
// and delete for Backspace; other keys type nothing with Ctrl.
char ControlCharacter(quint16 vk, char normal) {
    if (vk >= 'A' && vk <= 'Z') return char(vk - 'A' + 1);
    switch (vk) {
    case VK_OEM_4:
    case VK_OEM_5:
    case VK_OEM_6:
        return char(normal - 0x40);
    case VK_RETURN:
        return '\n';
    case VK_BACK:
        return '\x7f';
    case VK_SPACE:
        return ' ';
    default:
        return 0;
    }
}

// The key typed with Ctrl that gives a control character, for VkKeyScan (line feed is Ctrl+J).
quint16 ControlKeyOf(char ch) {
    if (ch >= 1 && ch <= 26) return quint16('A' + ch - 1);
    switch (ch) {
    case '\x1c':
        return VK_OEM_5;
    case '\x1d':
        return VK_OEM_6;
    case '\x7f':
        return VK_BACK;
    default:
        return 0;
    }
}

constexpr HKL usEnglish = 0x04090409;
std::atomic<int> loadedLayouts = 0;

} // namespace

unsigned MapVirtualKey(unsigned code, unsigned mapType) {
    switch (mapType) {
    case MAPVK_VK_TO_VSC: {
        std::optional<TPhysicalKey> key = code <= 0xFFFF ? PhysicalKeyOfVK(quint16(code)) : std::nullopt;
        return key ? key->ScanCode : 0;
    }
    case MAPVK_VSC_TO_VK:
    case MAPVK_VSC_TO_VK_EX: {
        const bool extended = (code & 0xFF00) == ExtendedPrefix;
        if ((code & 0xFF00) && !extended) return 0;
        return VKOfScanCode(quint8(code), extended, mapType == MAPVK_VSC_TO_VK_EX);
    }
    case MAPVK_VK_TO_CHAR: {
        const char ch = code <= 0xFFFF ? CharacterOfVK(quint16(code), false) : 0;
        return unsigned(quint8(std::toupper(quint8(ch))));
    }
    default:
        return 0;
    }
}

int ToAscii(unsigned vk, unsigned /*scanCode*/, const quint8* keyState, char* buffer, unsigned /*flags*/) {
    if (vk > 0xFF || !keyState || !buffer) return 0;
    const bool ctrl = IsDown(keyState, VK_CONTROL);
    if (ctrl && IsDown(keyState, VK_MENU)) return 0;
    bool shifted = IsDown(keyState, VK_SHIFT);
    const char normal = CharacterOfVK(quint16(vk), false);
    if (normal >= 'a' && normal <= 'z' && (keyState[VK_CAPITAL] & 1)) shifted = !shifted;
    const char ch = ctrl ? ControlCharacter(quint16(vk), normal) : CharacterOfVK(quint16(vk), shifted);
    if (!ch) return 0;
    buffer[0] = ch;
    return 1;
}

qint16 VkKeyScan(char ch) {
    if (std::optional<TKeyOfChar> key = KeyOfCharacter(ch)) return qint16(key->VK | (key->Shift ? 0x100 : 0));
    if (quint16 vk = ControlKeyOf(ch)) return qint16(vk | 0x200);
    return -1;
}

bool GetKeyboardState(quint8* keyState) {
    if (!keyState) return false;
    const TKeyStateTable& table = KeyStateTable();
    for (int vk = 0; vk < 256; ++vk)
        keyState[vk] =
            quint8((table.IsDown(quint16(vk)) ? 0x80 : 0) | (table.IsToggled(quint16(vk)) ? 1 : 0));
    return true;
}

HKL LoadKeyboardLayout(const char* name, unsigned /*flags*/) {
    if (!name || QByteArrayView(name) != "00000409") return 0;
    ++loadedLayouts;
    return usEnglish;
}

bool UnloadKeyboardLayout(HKL layout) {
    if (layout != usEnglish) return false;
    int loaded = loadedLayouts.load();
    while (loaded > 0 && !loadedLayouts.compare_exchange_weak(loaded, loaded - 1)) {
    }
    return loaded > 0;
}

int LoadedKeyboardLayouts() {
    return loadedLayouts.load();
}

LPARAM KeystrokeData(const TKeystroke& k) {
    quint32 data = k.RepeatCount | quint32(k.ScanCode) << 16 | quint32(k.Extended) << 24 |
                   quint32(k.AltDown) << 29 | quint32(k.WasDown) << 30 | quint32(k.Released) << 31;
    return LPARAM(data);
}

TKeystroke KeystrokeOf(LPARAM keyData) {
    const quint32 data = quint32(keyData);
    TKeystroke k;
    k.RepeatCount = quint16(data & 0xFFFF);
    k.ScanCode = quint8(data >> 16);
    k.Extended = data >> 24 & 1;
    k.AltDown = data >> 29 & 1;
    k.WasDown = data >> 30 & 1;
    k.Released = data >> 31 & 1;
    return k;
}
