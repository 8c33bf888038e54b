#pragma once
// The asynchronous key state: which keys are down now, and which went down since the last time
// anyone asked about them. It is fed by every key-down and key-up the program sees, from the
// keyboard hook (keys of other applications) and from the program's own windows, and it is read
// on the user-interface thread. Feeding and reading may happen on different threads at once.

#include <QtGlobal>

#include <array>
#include <atomic>

// One table of 256 virtual keys. A sided modifier (VK_LSHIFT ... VK_RMENU) also keeps its generic
// key (VK_SHIFT, VK_CONTROL, VK_MENU) up to date: the generic key is down while either side is.
// A generic modifier fed on its own counts as the left one.
class TKeyStateTable {
public:
    void KeyDown(quint16 vk);
    void KeyUp(quint16 vk);
    // Bit 0x8000: down now; bit 1: went down since the previous Query of this key (cleared by this call).
    qint16 Query(quint16 vk);
    bool IsDown(quint16 vk) const;
    // Flipped by every key-down that finds the key up, as Caps Lock or Num Lock switch.
    bool IsToggled(quint16 vk) const;

private:
    void Set(quint16 vk, bool down);
    std::array<std::atomic<quint8>, 256> FKeys{};
};

// GetAsyncKeyState for vk on the table in use; keys above 255 are never down.
qint16 GetAsyncKeyState(int vk);
void NoteKeyDown(quint16 vk);
void NoteKeyUp(quint16 vk);

// The table the functions above use. Tests install a table of their own and set keys on it;
// nullptr restores the program's table. Returns the previous one.
TKeyStateTable& KeyStateTable();
TKeyStateTable* SetKeyStateTable(TKeyStateTable* table);
