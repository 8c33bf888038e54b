#pragma once
// The keys of a US 104-key keyboard and what the US English layout makes of them. Every key is
// known by its virtual key, its scan code (set 1, with the extended flag for the E0-prefixed keys)
// and its X server key code (evdev numbering, the one every current X server uses).

#include <QtGlobal>

#include <optional>

// One key as the system's messages and key state describe it.
struct TPhysicalKey {
    quint16 VK = 0;      // as key messages carry it: generic VK_SHIFT / VK_CONTROL / VK_MENU for either side
    quint16 SidedVK = 0; // as the key state records it: VK_LSHIFT, VK_RCONTROL...; for other keys the VK
    quint8 ScanCode = 0;
    bool Extended = false;

    friend bool operator==(const TPhysicalKey&, const TPhysicalKey&) = default;
};

// The keypad keys name a digit or the decimal point with Num Lock on and an editing key without;
// numLock chooses. Unknown key codes give nothing.
std::optional<TPhysicalKey> PhysicalKeyOfXKeyCode(quint8 keyCode, bool numLock);

// Where a virtual key sits: the left key for a generic modifier, the keypad for VK_NUMPAD0..9 and
// VK_DECIMAL, the editing block for the navigation keys.
std::optional<TPhysicalKey> PhysicalKeyOfVK(quint16 vk);

// The keypad key that gives vk: with Num Lock for digits and the point, without it for the editing
// keys (VK_HOME for the 7...), and Enter, Num Lock and the four operators.
std::optional<TPhysicalKey> KeypadKeyOfVK(quint16 vk);

// The virtual key of a scan code; extended is the E0 prefix. Keypad keys give their editing key
// (Num Lock is a matter of the moment, not of the key). Modifiers come back sided when
// sided is true (VK_RSHIFT for 0x36), generic otherwise (VK_SHIFT).
quint16 VKOfScanCode(quint8 scanCode, bool extended, bool sided);

// The character a virtual key types on the US layout, without (shifted false) or with Shift;
// 0 when it types none. Letters are lower case without Shift.
char CharacterOfVK(quint16 vk, bool shifted);

// The key that types ch, and whether Shift is needed for it; nothing when no key types it alone.
struct TKeyOfChar {
    quint16 VK;
    bool Shift;
};
std::optional<TKeyOfChar> KeyOfCharacter(char ch);
