#include "ModifierSet.h"

namespace {

enum class TSide { Left, Right };

struct TToggleRule {
    int VirtualKey;
    bool TModifierSet::*Flag;
    TSide Side; // the side of the key; the other side is cleared
};

// Order matters: when several modifier keys are down, only the first one listed is taken.
// virtual key          flag                     side
constexpr TToggleRule ToggleOrder[] = {
    {0xA4 /* VK_LMENU */, &TModifierSet::LAlt, TSide::Left},
    {0xA5 /* VK_RMENU */, &TModifierSet::RAlt, TSide::Right},
    {0x5B /* VK_LWIN */, &TModifierSet::LWin, TSide::Left},
    {0xA0 /* VK_LSHIFT */, &TModifierSet::LShift, TSide::Left},
    {0xA1 /* VK_RSHIFT */, &TModifierSet::RShift, TSide::Right},
    {0xA2 /* VK_LCONTROL */, &TModifierSet::LCtrl, TSide::Left},
    {0xA3 /* VK_RCONTROL */, &TModifierSet::RCtrl, TSide::Right},
};

} // namespace

void TModifierSet::ClearLeft() { LAlt = LShift = LCtrl = LWin = false; }

void TModifierSet::ClearRight() { RAlt = RShift = RCtrl = false; }

bool TModifierSet::Toggle(const std::function<qint16(int virtualKey)>& keyState) {
    for (const TToggleRule& rule : ToggleOrder) {
        if (keyState(rule.VirtualKey) == 0) continue;
        const bool inverted = !(this->*rule.Flag);
        if (rule.Side == TSide::Left)
            ClearRight();
        else
            ClearLeft();
        this->*rule.Flag = inverted;
        return true;
    }
    return false;
}
