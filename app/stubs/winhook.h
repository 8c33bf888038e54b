#pragma once
// Stand-in for the keyboard-hook library until winhook/ provides it: no hook can be set.
// Delete when winhook/ lands.

#include "Messages.h"

inline bool SetHook(HWND, int) { return false; }
inline bool FreeHook() { return false; }
