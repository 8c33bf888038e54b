#pragma once
// Keyboard translation on the US English layout, the only layout the program uses: virtual key,
// scan code and character, the keyboard state of the thread, and the layout's loading.

#include "Messages.h"

#include <QtGlobal>

// MapVirtualKey's translations.
constexpr unsigned MAPVK_VK_TO_VSC = 0;    // virtual key -> scan code (generic modifiers: the left key)
constexpr unsigned MAPVK_VSC_TO_VK = 1;    // scan code -> virtual key, modifiers generic
constexpr unsigned MAPVK_VK_TO_CHAR = 2;   // virtual key -> its character without Shift, letters upper case
constexpr unsigned MAPVK_VSC_TO_VK_EX = 3; // scan code -> virtual key, modifiers sided
// Scan codes of the E0-prefixed keys carry 0xE000 (0xE01D is right Ctrl); MAPVK_VK_TO_VSC
// returns the bare code, as the layout does. Unknown codes and kinds give 0.
unsigned MapVirtualKey(unsigned code, unsigned mapType);

// The characters that vk types with the modifiers of keyState (256 entries, bit 0x80 down, bit 1
// toggled): Shift, Caps Lock (letters), Ctrl (control characters). Ctrl with Alt types nothing, as
// the US layout has no AltGr level. Writes at most two characters; returns how many (0 or 1 here).
// The scan code and flags are accepted as the platform's translation takes them and not needed.
int ToAscii(unsigned vk, unsigned scanCode, const quint8* keyState, char* buffer, unsigned flags);

// The key that types ch: the virtual key in the low byte, in the high byte 1 for Shift and 2 for Ctrl;
// -1 when no key types it.
qint16 VkKeyScan(char ch);

// The keyboard state of the thread: 256 entries, bit 0x80 for a key that is down, bit 1 for a key
// that is toggled; taken from the key state (KeyState.h). Keys toggled before the program started
// are seen as not toggled. Fails (false) only for a null buffer.
bool GetKeyboardState(quint8* keyState);

// Keyboard layouts. Only US English, "00000409", can be loaded; anything else gives 0. The key
// translations above follow it whether loaded or not: loading is bookkeeping that lets the program
// pair its load and unload. Each successful load needs one unload.
using HKL = quintptr;
constexpr unsigned KLF_ACTIVATE = 1;
HKL LoadKeyboardLayout(const char* name, unsigned flags);
bool UnloadKeyboardLayout(HKL layout);
// How many loads are not unloaded yet.
int LoadedKeyboardLayouts();

// The keystroke data of a key message (lParam): repeat count (bits 0-15), scan code (16-23),
// extended key (24), Alt held (29), the key was down before (30), the key is being released (31).
struct TKeystroke {
    quint16 RepeatCount = 1;
    quint8 ScanCode = 0;
    bool Extended = false;
    bool AltDown = false;
    bool WasDown = false;
    bool Released = false;
};
LPARAM KeystrokeData(const TKeystroke& keystroke);
TKeystroke KeystrokeOf(LPARAM keyData);
