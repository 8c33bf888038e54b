// SetHook and FreeHook on Windows: a low-level keyboard hook, which the system calls on the
// thread that set it (the program's user-interface thread, whose message loop drives it) for every
// key of every application before it reaches its window. The hook only looks and passes each key
// on. The asynchronous key state is the system's own there, so nothing is fed.
#include "WinHook.h"

namespace {

HHOOK hook = nullptr;
HWND target = nullptr;
bool down[256] = {};

// Messages carry the generic modifier; the low-level hook tells the side.
WPARAM MessageKey(DWORD vk) {
    switch (vk) {
    case VK_LSHIFT:
    case VK_RSHIFT:
        return VK_SHIFT;
    case VK_LCONTROL:
    case VK_RCONTROL:
        return VK_CONTROL;
    case VK_LMENU:
    case VK_RMENU:
        return VK_MENU;
    default:
        return vk;
    }
}

// Keys typed into the program's own windows reach them as their own key messages.
bool OwnWindowFocused() {
    HWND foreground = GetForegroundWindow();
    if (!foreground) return false;
    DWORD process = 0;
    GetWindowThreadProcessId(foreground, &process);
    return process == GetCurrentProcessId();
}

LRESULT CALLBACK LowLevelKeyboard(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
        const DWORD vk = key->vkCode & 0xFF;
        const bool press = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
        const bool wasDown = down[vk];
        down[vk] = press;
        if (press && !OwnWindowFocused()) {
            const LPARAM keyData =
                LPARAM(1 | (key->scanCode & 0xFF) << 16 | (key->flags & LLKHF_EXTENDED ? 1u << 24 : 0) |
                       (wasDown ? 1u << 30 : 0));
            PostMessageW(target, WM_KEYDOWN, MessageKey(vk), keyData);
        }
    }
    return CallNextHookEx(nullptr, code, message, data);
}

HMODULE ThisLibrary() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&LowLevelKeyboard), &module);
    return module;
}

} // namespace

bool WINAPI SetHook(HWND window, unsigned /*message*/) {
    FreeHook();
    if (!window) return false;
    target = window;
    hook = SetWindowsHookExW(WH_KEYBOARD_LL, LowLevelKeyboard, ThisLibrary(), 0);
    return hook != nullptr;
}

bool WINAPI FreeHook() {
    if (!hook) return false;
    const bool removed = UnhookWindowsHookEx(hook);
    hook = nullptr;
    target = nullptr;
    return removed;
}
