#pragma once
// The window's own modifier set. Modifiers are not read from key messages: every key-down that reaches
// the window asks the asynchronous key state for the left and right modifier keys in a fixed order,
// and the first one seen inverts its flag and clears the other side. Right Win has no flag.

#include <QtGlobal>

#include <functional>

struct TModifierSet {
    bool LAlt = false;
    bool RAlt = false;
    bool LWin = false;
    bool LShift = false;
    bool RShift = false;
    bool LCtrl = false;
    bool RCtrl = false;

    void ClearLeft();
    void ClearRight();

    // keyState answers GetAsyncKeyState for a virtual key; it is asked in order and only until one key
    // answers non-zero. Returns whether a flag was inverted.
    bool Toggle(const std::function<qint16(int virtualKey)>& keyState);

    bool operator==(const TModifierSet&) const = default;
};
