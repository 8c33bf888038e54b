// Toggling the window's own modifier set from the asynchronous key state.
#include "ModifierSet.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

constexpr int VK_LSHIFT = 0xA0, VK_RSHIFT = 0xA1, VK_LCONTROL = 0xA2, VK_RCONTROL = 0xA3, VK_LMENU = 0xA4,
              VK_RMENU = 0xA5, VK_LWIN = 0x5B, VK_RWIN = 0x5C;

// A key state where the given keys are down; it records which keys were asked about.
struct TFakeKeyState {
    std::set<int> Down;
    std::vector<int> Asked;

    qint16 operator()(int vk) {
        Asked.push_back(vk);
        return Down.count(vk) ? qint16(0x8000) : qint16(0);
    }
};

TModifierSet Set(std::initializer_list<bool TModifierSet::*> flags) {
    TModifierSet set;
    for (auto flag : flags) set.*flag = true;
    return set;
}

struct TToggleCase {
    const char* Name;
    TModifierSet Before;
    std::set<int> Down;
    TModifierSet After;
    bool Toggled;
};

const TToggleCase ToggleCases[] = {
    {"nothing down changes nothing", Set({&TModifierSet::LShift}), {}, Set({&TModifierSet::LShift}), false},
    {"left shift switches on", {}, {VK_LSHIFT}, Set({&TModifierSet::LShift}), true},
    {"left shift again switches off", Set({&TModifierSet::LShift}), {VK_LSHIFT}, {}, true},
    {"left ctrl joins left shift", Set({&TModifierSet::LShift}), {VK_LCONTROL},
     Set({&TModifierSet::LShift, &TModifierSet::LCtrl}), true},
    {"right ctrl clears the left side", Set({&TModifierSet::LShift, &TModifierSet::LAlt}), {VK_RCONTROL},
     Set({&TModifierSet::RCtrl}), true},
    {"left win clears the right side", Set({&TModifierSet::RAlt, &TModifierSet::RShift}), {VK_LWIN},
     Set({&TModifierSet::LWin}), true},
    {"held left shift wins over a tapped left ctrl", Set({&TModifierSet::LShift}), {VK_LSHIFT, VK_LCONTROL}, {},
     true},
    {"left alt comes first of all", {}, {VK_RMENU, VK_LMENU, VK_RCONTROL}, Set({&TModifierSet::LAlt}), true},
    {"right alt before left win", {}, {VK_LWIN, VK_RMENU}, Set({&TModifierSet::RAlt}), true},
    {"right win is never seen", Set({&TModifierSet::LCtrl}), {VK_RWIN}, Set({&TModifierSet::LCtrl}), false},
    {"right shift clears the left side", Set({&TModifierSet::LCtrl}), {VK_RSHIFT}, Set({&TModifierSet::RShift}),
     true},
};

} // namespace

TEST(ModifierSetToggle, FollowsTheOrderAndClearsTheOtherSide) {
    for (const TToggleCase& c : ToggleCases) {
        TModifierSet set = c.Before;
        TFakeKeyState state{c.Down, {}};
        EXPECT_EQ(set.Toggle(std::ref(state)), c.Toggled) << c.Name;
        EXPECT_EQ(set, c.After) << c.Name;
    }
}

TEST(ModifierSetToggle, StopsAskingAtTheFirstKeyDown) {
    TModifierSet set;
    TFakeKeyState state{{VK_LSHIFT, VK_RCONTROL}, {}};
    set.Toggle(std::ref(state));
    EXPECT_EQ(state.Asked, (std::vector<int>{VK_LMENU, VK_RMENU, VK_LWIN, VK_LSHIFT}));
}

TEST(ModifierSetToggle, AsksEveryKeyButRightWinWhenNoneIsDown) {
    TModifierSet set;
    TFakeKeyState state;
    set.Toggle(std::ref(state));
    EXPECT_EQ(state.Asked,
              (std::vector<int>{VK_LMENU, VK_RMENU, VK_LWIN, VK_LSHIFT, VK_RSHIFT, VK_LCONTROL, VK_RCONTROL}));
}

TEST(ModifierSetClear, EachSideAlone) {
    TModifierSet all = Set({&TModifierSet::LAlt, &TModifierSet::RAlt, &TModifierSet::LWin, &TModifierSet::LShift,
                            &TModifierSet::RShift, &TModifierSet::LCtrl, &TModifierSet::RCtrl});
    TModifierSet left = all;
    left.ClearLeft();
    EXPECT_EQ(left, Set({&TModifierSet::RAlt, &TModifierSet::RShift, &TModifierSet::RCtrl}));
    TModifierSet right = all;
    right.ClearRight();
    EXPECT_EQ(right, Set({&TModifierSet::LAlt, &TModifierSet::LWin, &TModifierSet::LShift, &TModifierSet::LCtrl}));
}
