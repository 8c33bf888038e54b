#include "HookKeys.h"

#include "KeyState.h"
#include "Keyboard.h"
#include "KeyboardLayout.h"

THookKeys::THookKeys(std::function<void(WPARAM, LPARAM)> postKeyDown, int delayMs, int intervalMs)
    : FPostKeyDown(std::move(postKeyDown)), FDelayMs(qMax(delayMs, 1)), FIntervalMs(qMax(intervalMs, 1)) {}

void THookKeys::Press(quint8 xKeyCode, bool numLock, bool ownWindowFocused, quint64 nowMs) {
    std::optional<TPhysicalKey> key = PhysicalKeyOfXKeyCode(xKeyCode, numLock);
    if (!key) return;
    const bool wasDown = FDown[xKeyCode] != 0;
    if (!wasDown) FDown[xKeyCode] = key->SidedVK;
    if (ownWindowFocused) {
        // The window's own key messages repeat it, and feed the key state.
        FRepeat.reset();
        return;
    }
    TKeystroke keystroke;
    keystroke.ScanCode = key->ScanCode;
    keystroke.Extended = key->Extended;
    keystroke.WasDown = wasDown;
    NoteKeyDown(key->SidedVK);
    FPostKeyDown(key->VK, KeystrokeData(keystroke));
    // A press of a key that is down already (a device reporting twice) keeps the schedule.
    if (wasDown && FRepeat && FRepeat->XKeyCode == xKeyCode) return;
    keystroke.WasDown = true;
    FRepeat = TRepeat{xKeyCode, key->VK, KeystrokeData(keystroke), nowMs + quint64(FDelayMs)};
}

void THookKeys::Release(quint8 xKeyCode) {
    const quint16 vk = FDown[xKeyCode];
    if (!vk) return; // releases can be reported twice
    FDown[xKeyCode] = 0;
    if (FRepeat && FRepeat->XKeyCode == xKeyCode) FRepeat.reset();
    // Up is up, wherever the key went down: a key that went down in another application and comes
    // up in ours must not stay down. Setting it up twice changes nothing.
    NoteKeyUp(vk);
}

void THookKeys::Repeat(bool ownWindowFocused, quint64 nowMs) {
    if (!FRepeat || nowMs < FRepeat->Due) return;
    // After a stall, carry on from now rather than posting the missed repeats in a burst.
    FRepeat->Due = qMax(FRepeat->Due + quint64(FIntervalMs), nowMs + 1);
    if (ownWindowFocused) return;
    FPostKeyDown(FRepeat->VK, FRepeat->KeyData);
}

std::optional<quint64> THookKeys::NextRepeatDue() const {
    if (!FRepeat) return std::nullopt;
    return FRepeat->Due;
}
