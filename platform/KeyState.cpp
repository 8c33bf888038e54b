#include "KeyState.h"

#include "VirtualKeys.h"

namespace {

constexpr quint8 Down = 0x80;
constexpr quint8 Toggled = 0x01;
constexpr quint8 PressedSinceQuery = 0x02;

// The generic key of a sided modifier and the other side, or 0 for other keys.
struct TSides {
    quint16 Generic, Left, Right;
};
constexpr TSides sides[] = {
    {VK_SHIFT, VK_LSHIFT, VK_RSHIFT},
    {VK_CONTROL, VK_LCONTROL, VK_RCONTROL},
    {VK_MENU, VK_LMENU, VK_RMENU},
};

const TSides* SidesOf(quint16 vk) {
    for (const TSides& s : sides)
        if (vk == s.Generic || vk == s.Left || vk == s.Right) return &s;
    return nullptr;
}

TKeyStateTable programTable;
std::atomic<TKeyStateTable*> current = &programTable;

} // namespace

void TKeyStateTable::Set(quint16 vk, bool down) {
    std::atomic<quint8>& key = FKeys[vk];
    if (down) {
        quint8 old = key.fetch_or(Down | PressedSinceQuery);
        if (!(old & Down)) key.fetch_xor(Toggled);
    } else {
        key.fetch_and(quint8(~Down));
    }
}

void TKeyStateTable::KeyDown(quint16 vk) {
    if (vk > 255) return;
    const TSides* s = SidesOf(vk);
    if (!s) return Set(vk, true);
    Set(vk == s->Generic ? s->Left : vk, true);
    Set(s->Generic, true);
}

void TKeyStateTable::KeyUp(quint16 vk) {
    if (vk > 255) return;
    const TSides* s = SidesOf(vk);
    if (!s) return Set(vk, false);
    Set(vk == s->Generic ? s->Left : vk, false);
    if (!IsDown(s->Left) && !IsDown(s->Right)) Set(s->Generic, false);
}

qint16 TKeyStateTable::Query(quint16 vk) {
    if (vk > 255) return 0;
    quint8 old = FKeys[vk].fetch_and(quint8(~PressedSinceQuery));
    return qint16((old & Down ? 0x8000 : 0) | (old & PressedSinceQuery ? 1 : 0));
}

bool TKeyStateTable::IsDown(quint16 vk) const {
    return vk <= 255 && (FKeys[vk].load() & Down);
}

bool TKeyStateTable::IsToggled(quint16 vk) const {
    return vk <= 255 && (FKeys[vk].load() & Toggled);
}

qint16 GetAsyncKeyState(int vk) {
    return vk < 0 || vk > 255 ? 0 : KeyStateTable().Query(quint16(vk));
}

void NoteKeyDown(quint16 vk) {
    KeyStateTable().KeyDown(vk);
}

void NoteKeyUp(quint16 vk) {
    KeyStateTable().KeyUp(vk);
}

TKeyStateTable& KeyStateTable() {
    return *current.load();
}

TKeyStateTable* SetKeyStateTable(TKeyStateTable* table) {
    return current.exchange(table ? table : &programTable);
}
