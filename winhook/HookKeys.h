#pragma once
// What the hook makes of the keyboard's raw presses and releases: key messages for the program's
// window, the key state, and the auto-repeat that raw events do not carry. Free of any window
// system, so that its rules can be tested on their own; the backend feeds it and gives it the time.

#include "Messages.h"

#include <QtGlobal>

#include <array>
#include <functional>
#include <optional>

class THookKeys {
public:
    // Auto-repeat: the first repeat delayMs after the press, then one every intervalMs.
    THookKeys(std::function<void(WPARAM vk, LPARAM keyData)> postKeyDown, int delayMs, int intervalMs);

    // ownWindowFocused: the key goes to one of the program's windows, which see it themselves;
    // the hook then only keeps track of which keys are down. numLock is the lock's state now.
    void Press(quint8 xKeyCode, bool numLock, bool ownWindowFocused, quint64 nowMs);
    void Release(quint8 xKeyCode);
    // Posts the repeat that is due by nowMs, if any. As on the platform, only the key pressed last
    // repeats, and only while it is held.
    void Repeat(bool ownWindowFocused, quint64 nowMs);
    std::optional<quint64> NextRepeatDue() const;

private:
    struct TRepeat {
        quint8 XKeyCode;
        WPARAM VK;
        LPARAM KeyData;
        quint64 Due;
    };
    std::function<void(WPARAM, LPARAM)> FPostKeyDown;
    int FDelayMs;
    int FIntervalMs;
    std::array<quint16, 256> FDown{}; // per key code: the key state's virtual key while down, else 0
    std::optional<TRepeat> FRepeat;
};
