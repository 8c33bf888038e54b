#pragma once
// The keyboard-hook library. While the hook is set, every key that goes down while another
// application has the keyboard focus is posted to the window given to SetHook as WM_KEYDOWN, with
// the virtual key in wParam (generic VK_SHIFT / VK_CONTROL / VK_MENU for either side, VK_LWIN and
// VK_RWIN apart) and the keystroke data in lParam (scan code, extended bit, was-down bit for
// auto-repeat). A held key repeats at the keyboard's delay and rate. Keys typed into the program's
// own windows are left to the program's own key messages, so each key is seen once. The library
// only watches: it never grabs the keyboard and never sends or alters a key.
//
// Both functions return a one-byte Boolean. SetHook fails when the keyboard cannot be watched (on
// X11: no display, or no XInput 2); the program goes on without it. Setting the hook again replaces
// the previous one. message is the number the program reserves for the hook (WM_USER + 300); keys
// arrive as WM_KEYDOWN, which is what the program handles, and the number is not used otherwise.
// The window must outlive the hook: call FreeHook before destroying it.

#ifdef _WIN32
#include <windows.h>
#define WINHOOK_API extern "C" __declspec(dllexport)
#define WINHOOK_CALL WINAPI
#else
#include "Messages.h"
#define WINHOOK_API extern "C" __attribute__((visibility("default")))
#define WINHOOK_CALL
#endif

WINHOOK_API bool WINHOOK_CALL SetHook(HWND window, unsigned message);
WINHOOK_API bool WINHOOK_CALL FreeHook();
