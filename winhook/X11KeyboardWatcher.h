#pragma once
// The X11 backend of the hook: XInput 2 raw key events of every master keyboard, read on the root
// window on a display connection and a thread of its own. Raw events arrive whatever window has the
// focus and even while another client grabs the keyboard; selecting them grabs nothing and changes
// nothing for anyone else.
//
// Keys typed into the program's own windows: the X server delivers them to the program as ordinary
// key events too, which the program translates itself. So for each press the watcher asks the
// server which window has the input focus; when that window (or the nearest ancestor that says)
// carries the program's process id in _NET_WM_PID, as every Qt top-level window does, the press is
// left to the program. The answer per focus window is remembered. The question is answered when
// the watcher reads the press, a fraction of a millisecond after it: a key pressed at the very
// moment the focus changes may be judged by the new focus.

#include "HookKeys.h"
#include "Messages.h"

#include <atomic>
#include <memory>
#include <thread>
#include <unordered_map>

struct _XDisplay;

class TX11KeyboardWatcher {
public:
    // Watches the keyboard of $DISPLAY for window; nothing when there is no display or no XInput 2.
    static std::unique_ptr<TX11KeyboardWatcher> Start(HWND window);
    ~TX11KeyboardWatcher();
    TX11KeyboardWatcher(const TX11KeyboardWatcher&) = delete;
    TX11KeyboardWatcher& operator=(const TX11KeyboardWatcher&) = delete;

private:
    TX11KeyboardWatcher(_XDisplay* display, int xiOpcode, int xkbEventBase, HWND window, int delayMs,
                        int intervalMs);
    void Run();
    void HandlePendingEvents();
    bool OwnWindowFocused();
    bool BelongsToThisProcess(unsigned long window);
    bool NumLockOn();

    _XDisplay* FDisplay;
    int FXiOpcode;
    int FXkbEventBase; // -1 without the keyboard extension
    unsigned long FRoot;
    unsigned long FPidAtom;
    unsigned FNumLockMask;
    bool FNumLock = false;
    THookKeys FKeys;
    std::unordered_map<unsigned long, bool> FOwnWindows;
    int FWakeRead = -1;
    int FWakeWrite = -1;
    std::atomic<bool> FStop = false;
    std::thread FThread;
};
