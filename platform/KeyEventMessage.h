#pragma once
// A key event of the window system in the form of a key message.

#include "KeyboardLayout.h"
#include "Messages.h"

#include <optional>

class QKeyEvent;

struct TKeyEventMessage {
    MSG Msg;
    TPhysicalKey Key;
};

// The key message of event for window hwnd, or nothing for keys the layout does not know and for
// the synthetic releases between auto-repeated presses. On X11 (fromXServer) the event's native
// scan code is the X key code, which gives the key exactly, left and right apart; elsewhere the key
// comes from the Qt key and the keypad modifier, and a modifier whose side is not told is the left one.
std::optional<TKeyEventMessage> KeyEventMessage(const QKeyEvent& event, HWND hwnd, bool fromXServer);
