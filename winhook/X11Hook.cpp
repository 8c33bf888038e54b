// SetHook and FreeHook on X11.
#include "WinHook.h"
#include "X11KeyboardWatcher.h"

namespace {
std::unique_ptr<TX11KeyboardWatcher> watcher;
}

bool SetHook(HWND window, unsigned /*message*/) {
    watcher.reset();
    if (!window) return false;
    watcher = TX11KeyboardWatcher::Start(window);
    return watcher != nullptr;
}

bool FreeHook() {
    const bool wasSet = watcher != nullptr;
    watcher.reset();
    return wasSet;
}
