#include "KeyboardLayout.h"

#include "VirtualKeys.h"

#include <array>

namespace {

struct TKeyCap {
    quint8 XKeyCode;
    quint16 VK;           // with Num Lock on, for the keypad
    quint16 SidedVK;      // 0: same as VK
    quint16 NumLockOffVK; // keypad keys only
    quint8 ScanCode;
    bool Extended;
    bool Keypad;
    char Normal;
    char Shifted;
};

constexpr bool E = true;  // extended: the E0-prefixed keys
constexpr bool P = true;  // on the keypad
constexpr bool _ = false; // neither

// Main block first, so that a character typed by both a main key and a keypad key is found on the
// main key, as the layout's own character-to-key translation does.
// clang-format off
constexpr TKeyCap keyCaps[] = {
    //  X  VK             sided VK      Num Lock off scan ext pad char    shifted
    {  9, VK_ESCAPE,     0,            0,          0x01, _, _, '\x1b', '\x1b'},
    { 10, '1',           0,            0,          0x02, _, _, '1',    '!'},
    { 11, '2',           0,            0,          0x03, _, _, '2',    '@'},
    { 12, '3',           0,            0,          0x04, _, _, '3',    '#'},
    { 13, '4',           0,            0,          0x05, _, _, '4',    '$'},
    { 14, '5',           0,            0,          0x06, _, _, '5',    '%'},
    { 15, '6',           0,            0,          0x07, _, _, '6',    '^'},
    { 16, '7',           0,            0,          0x08, _, _, '7',    '&'},
    { 17, '8',           0,            0,          0x09, _, _, '8',    '*'},
    { 18, '9',           0,            0,          0x0A, _, _, '9',    '('},
    { 19, '0',           0,            0,          0x0B, _, _, '0',    ')'},
    { 20, VK_OEM_MINUS,  0,            0,          0x0C, _, _, '-',    '_'},
    { 21, VK_OEM_PLUS,   0,            0,          0x0D, _, _, '=',    '+'},
    { 22, VK_BACK,       0,            0,          0x0E, _, _, '\b',   '\b'},
    { 23, VK_TAB,        0,            0,          0x0F, _, _, '\t',   '\t'},
    { 24, 'Q',           0,            0,          0x10, _, _, 'q',    'Q'},
    { 25, 'W',           0,            0,          0x11, _, _, 'w',    'W'},
    { 26, 'E',           0,            0,          0x12, _, _, 'e',    'E'},
    { 27, 'R',           0,            0,          0x13, _, _, 'r',    'R'},
    { 28, 'T',           0,            0,          0x14, _, _, 't',    'T'},
    { 29, 'Y',           0,            0,          0x15, _, _, 'y',    'Y'},
    { 30, 'U',           0,            0,          0x16, _, _, 'u',    'U'},
    { 31, 'I',           0,            0,          0x17, _, _, 'i',    'I'},
    { 32, 'O',           0,            0,          0x18, _, _, 'o',    'O'},
    { 33, 'P',           0,            0,          0x19, _, _, 'p',    'P'},
    { 34, VK_OEM_4,      0,            0,          0x1A, _, _, '[',    '{'},
    { 35, VK_OEM_6,      0,            0,          0x1B, _, _, ']',    '}'},
    { 36, VK_RETURN,     0,            0,          0x1C, _, _, '\r',   '\r'},
    { 37, VK_CONTROL,    VK_LCONTROL,  0,          0x1D, _, _, 0,      0},
    { 38, 'A',           0,            0,          0x1E, _, _, 'a',    'A'},
    { 39, 'S',           0,            0,          0x1F, _, _, 's',    'S'},
    { 40, 'D',           0,            0,          0x20, _, _, 'd',    'D'},
    { 41, 'F',           0,            0,          0x21, _, _, 'f',    'F'},
    { 42, 'G',           0,            0,          0x22, _, _, 'g',    'G'},
    { 43, 'H',           0,            0,          0x23, _, _, 'h',    'H'},
    { 44, 'J',           0,            0,          0x24, _, _, 'j',    'J'},
    { 45, 'K',           0,            0,          0x25, _, _, 'k',    'K'},
    { 46, 'L',           0,            0,          0x26, _, _, 'l',    'L'},
    { 47, VK_OEM_1,      0,            0,          0x27, _, _, ';',    ':'},
    { 48, VK_OEM_7,      0,            0,          0x28, _, _, '\'',   '"'},
    { 49, VK_OEM_3,      0,            0,          0x29, _, _, '`',    '~'},
    { 50, VK_SHIFT,      VK_LSHIFT,    0,          0x2A, _, _, 0,      0},
    { 51, VK_OEM_5,      0,            0,          0x2B, _, _, '\\',   '|'},
    { 52, 'Z',           0,            0,          0x2C, _, _, 'z',    'Z'},
    { 53, 'X',           0,            0,          0x2D, _, _, 'x',    'X'},
    { 54, 'C',           0,            0,          0x2E, _, _, 'c',    'C'},
    { 55, 'V',           0,            0,          0x2F, _, _, 'v',    'V'},
    { 56, 'B',           0,            0,          0x30, _, _, 'b',    'B'},
    { 57, 'N',           0,            0,          0x31, _, _, 'n',    'N'},
    { 58, 'M',           0,            0,          0x32, _, _, 'm',    'M'},
    { 59, VK_OEM_COMMA,  0,            0,          0x33, _, _, ',',    '<'},
    { 60, VK_OEM_PERIOD, 0,            0,          0x34, _, _, '.',    '>'},
    { 61, VK_OEM_2,      0,            0,          0x35, _, _, '/',    '?'},
    { 62, VK_SHIFT,      VK_RSHIFT,    0,          0x36, _, _, 0,      0},
    { 64, VK_MENU,       VK_LMENU,     0,          0x38, _, _, 0,      0},
    { 65, VK_SPACE,      0,            0,          0x39, _, _, ' ',    ' '},
    { 66, VK_CAPITAL,    0,            0,          0x3A, _, _, 0,      0},
    { 67, VK_F1,         0,            0,          0x3B, _, _, 0,      0},
    { 68, VK_F2,         0,            0,          0x3C, _, _, 0,      0},
    { 69, VK_F3,         0,            0,          0x3D, _, _, 0,      0},
    { 70, VK_F4,         0,            0,          0x3E, _, _, 0,      0},
    { 71, VK_F5,         0,            0,          0x3F, _, _, 0,      0},
    { 72, VK_F6,         0,            0,          0x40, _, _, 0,      0},
    { 73, VK_F7,         0,            0,          0x41, _, _, 0,      0},
    { 74, VK_F8,         0,            0,          0x42, _, _, 0,      0},
    { 75, VK_F9,         0,            0,          0x43, _, _, 0,      0},
    { 76, VK_F10,        0,            0,          0x44, _, _, 0,      0},
    { 95, VK_F11,        0,            0,          0x57, _, _, 0,      0},
    { 96, VK_F12,        0,            0,          0x58, _, _, 0,      0},
    {105, VK_CONTROL,    VK_RCONTROL,  0,          0x1D, E, _, 0,      0},
    {107, VK_SNAPSHOT,   0,            0,          0x37, E, _, 0,      0},
    {108, VK_MENU,       VK_RMENU,     0,          0x38, E, _, 0,      0},
    { 78, VK_SCROLL,     0,            0,          0x46, _, _, 0,      0},
    {127, VK_PAUSE,      0,            0,          0x45, _, _, 0,      0},
    {118, VK_INSERT,     0,            0,          0x52, E, _, 0,      0},
    {110, VK_HOME,       0,            0,          0x47, E, _, 0,      0},
    {112, VK_PRIOR,      0,            0,          0x49, E, _, 0,      0},
    {119, VK_DELETE,     0,            0,          0x53, E, _, 0,      0},
    {115, VK_END,        0,            0,          0x4F, E, _, 0,      0},
    {117, VK_NEXT,       0,            0,          0x51, E, _, 0,      0},
    {111, VK_UP,         0,            0,          0x48, E, _, 0,      0},
    {113, VK_LEFT,       0,            0,          0x4B, E, _, 0,      0},
    {116, VK_DOWN,       0,            0,          0x50, E, _, 0,      0},
    {114, VK_RIGHT,      0,            0,          0x4D, E, _, 0,      0},
    {133, VK_LWIN,       0,            0,          0x5B, E, _, 0,      0},
    {134, VK_RWIN,       0,            0,          0x5C, E, _, 0,      0},
    {135, VK_APPS,       0,            0,          0x5D, E, _, 0,      0},
    // The keypad.
    { 77, VK_NUMLOCK,    0,            0,          0x45, E, P, 0,      0},
    {106, VK_DIVIDE,     0,            0,          0x35, E, P, '/',    '/'},
    { 63, VK_MULTIPLY,   0,            0,          0x37, _, P, '*',    '*'},
    { 82, VK_SUBTRACT,   0,            0,          0x4A, _, P, '-',    '-'},
    { 86, VK_ADD,        0,            0,          0x4E, _, P, '+',    '+'},
    {104, VK_RETURN,     0,            0,          0x1C, E, P, '\r',   '\r'},
    { 79, VK_NUMPAD7,    0,            VK_HOME,    0x47, _, P, '7',    '7'},
    { 80, VK_NUMPAD8,    0,            VK_UP,      0x48, _, P, '8',    '8'},
    { 81, VK_NUMPAD9,    0,            VK_PRIOR,   0x49, _, P, '9',    '9'},
    { 83, VK_NUMPAD4,    0,            VK_LEFT,    0x4B, _, P, '4',    '4'},
    { 84, VK_NUMPAD5,    0,            VK_CLEAR,   0x4C, _, P, '5',    '5'},
    { 85, VK_NUMPAD6,    0,            VK_RIGHT,   0x4D, _, P, '6',    '6'},
    { 87, VK_NUMPAD1,    0,            VK_END,     0x4F, _, P, '1',    '1'},
    { 88, VK_NUMPAD2,    0,            VK_DOWN,    0x50, _, P, '2',    '2'},
    { 89, VK_NUMPAD3,    0,            VK_NEXT,    0x51, _, P, '3',    '3'},
    { 90, VK_NUMPAD0,    0,            VK_INSERT,  0x52, _, P, '0',    '0'},
    { 91, VK_DECIMAL,    0,            VK_DELETE,  0x53, _, P, '.',    '.'},
};
// clang-format on

TPhysicalKey PhysicalKey(const TKeyCap& cap, quint16 vk) {
    return {vk, cap.SidedVK ? cap.SidedVK : vk, cap.ScanCode, cap.Extended};
}

const TKeyCap* CapOfVK(quint16 vk) {
    for (const TKeyCap& cap : keyCaps)
        if (cap.VK == vk || cap.SidedVK == vk) return &cap;
    return nullptr;
}

} // namespace

std::optional<TPhysicalKey> PhysicalKeyOfXKeyCode(quint8 keyCode, bool numLock) {
    for (const TKeyCap& cap : keyCaps) {
        if (cap.XKeyCode != keyCode) continue;
        return PhysicalKey(cap, cap.NumLockOffVK && !numLock ? cap.NumLockOffVK : cap.VK);
    }
    return std::nullopt;
}

std::optional<TPhysicalKey> PhysicalKeyOfVK(quint16 vk) {
    if (const TKeyCap* cap = CapOfVK(vk)) {
        return PhysicalKey(*cap, cap->VK);
    }
    return KeypadKeyOfVK(vk); // VK_CLEAR
}

std::optional<TPhysicalKey> KeypadKeyOfVK(quint16 vk) {
    for (const TKeyCap& cap : keyCaps) {
        if (!cap.Keypad) continue;
        if (cap.VK == vk || cap.NumLockOffVK == vk) return PhysicalKey(cap, vk);
    }
    return std::nullopt;
}

quint16 VKOfScanCode(quint8 scanCode, bool extended, bool sided) {
    for (const TKeyCap& cap : keyCaps) {
        if (cap.ScanCode != scanCode || cap.Extended != extended) continue;
        if (cap.NumLockOffVK) return cap.NumLockOffVK; // the key's own meaning; Num Lock is applied later
        return sided && cap.SidedVK ? cap.SidedVK : cap.VK;
    }
    return 0;
}

char CharacterOfVK(quint16 vk, bool shifted) {
    for (const TKeyCap& cap : keyCaps)
        if (cap.VK == vk) return shifted ? cap.Shifted : cap.Normal;
    return 0;
}

std::optional<TKeyOfChar> KeyOfCharacter(char ch) {
    if (ch == 0) return std::nullopt;
    for (const TKeyCap& cap : keyCaps) {
        if (cap.Normal == ch) return TKeyOfChar{cap.VK, false};
        if (cap.Shifted == ch) return TKeyOfChar{cap.VK, true};
    }
    return std::nullopt;
}
