#include "HookKeys.h"
#include "KeyState.h"
#include "Keyboard.h"
#include "VirtualKeys.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// X key codes (evdev) of the keys used here.
constexpr quint8 XZ = 52, XA = 38, XShiftR = 62, XControlL = 37, XKp7 = 79, XF10 = 76;
constexpr int Delay = 660, Interval = 40;

struct TPosted {
    WPARAM VK;
    quint8 Scan;
    bool Extended;
    bool WasDown;
    friend bool operator==(const TPosted&, const TPosted&) = default;
};

std::ostream& operator<<(std::ostream& out, const TPosted& p) {
    return out << "{vk 0x" << std::hex << p.VK << ", scan 0x" << int(p.Scan) << (p.Extended ? ", ext" : "")
               << (p.WasDown ? ", was down" : "") << "}";
}

class HookKeys : public ::testing::Test {
protected:
    void SetUp() override { FPrevious = SetKeyStateTable(&State); }
    void TearDown() override { SetKeyStateTable(FPrevious); }

    TKeyStateTable State;
    std::vector<TPosted> Posted;
    THookKeys Keys{[this](WPARAM vk, LPARAM data) {
                       const TKeystroke k = KeystrokeOf(data);
                       EXPECT_EQ(k.RepeatCount, 1);
                       EXPECT_FALSE(k.Released);
                       Posted.push_back({vk, k.ScanCode, k.Extended, k.WasDown});
                   },
                   Delay, Interval};

private:
    TKeyStateTable* FPrevious = nullptr;
};

} // namespace

TEST_F(HookKeys, PostsAKeyDownForEveryPressInAnotherApplication) {
    Keys.Press(XZ, false, false, 0);
    Keys.Release(XZ);
    Keys.Press(XShiftR, false, false, 10);
    Keys.Press(XF10, false, false, 20);
    EXPECT_EQ(Posted,
              (std::vector<TPosted>{
                  {'Z', 0x2C, false, false}, {VK_SHIFT, 0x36, false, false}, {VK_F10, 0x44, false, false}}));
}

TEST_F(HookKeys, KeepsTheKeyStateOfEachSide) {
    Keys.Press(XShiftR, false, false, 0);
    EXPECT_TRUE(State.IsDown(VK_RSHIFT));
    EXPECT_FALSE(State.IsDown(VK_LSHIFT));
    EXPECT_TRUE(State.IsDown(VK_SHIFT));
    Keys.Release(XShiftR);
    EXPECT_FALSE(State.IsDown(VK_SHIFT));
    EXPECT_EQ(GetAsyncKeyState(VK_RSHIFT), 1); // pressed since the last question
}

TEST_F(HookKeys, LeavesKeysOfTheProgramsOwnWindowsToThem) {
    Keys.Press(XControlL, false, true, 0);
    EXPECT_TRUE(Posted.empty());
    EXPECT_FALSE(State.IsDown(VK_LCONTROL));
    EXPECT_FALSE(Keys.NextRepeatDue());
    // Still down as far as the hook knows: a second report counts as a repeat elsewhere.
    Keys.Press(XControlL, false, false, 5);
    EXPECT_EQ(Posted, (std::vector<TPosted>{{VK_CONTROL, 0x1D, false, true}}));
}

TEST_F(HookKeys, TakesAReleaseReportedTwiceOnce) {
    Keys.Press(XZ, false, false, 0);
    Keys.Release(XZ);
    State.KeyDown('Z'); // as if an own window saw it go down again meanwhile
    Keys.Release(XZ);
    EXPECT_TRUE(State.IsDown('Z'));
    Keys.Press(XZ, false, false, 10);
    EXPECT_FALSE(Posted.back().WasDown);
}

TEST_F(HookKeys, ReadsTheKeypadWithTheNumLockOfTheMomentAndReleasesWhatWentDown) {
    Keys.Press(XKp7, false, false, 0);
    Keys.Press(XKp7 + 1, true, false, 0);
    EXPECT_EQ(Posted,
              (std::vector<TPosted>{{VK_HOME, 0x47, false, false}, {VK_NUMPAD8, 0x48, false, false}}));
    Keys.Release(XKp7); // Num Lock switched on meanwhile: still the Home that went down comes up
    EXPECT_FALSE(State.IsDown(VK_HOME));
}

TEST_F(HookKeys, IgnoresKeysTheLayoutDoesNotKnow) {
    Keys.Press(94, false, false, 0);
    Keys.Release(94);
    EXPECT_TRUE(Posted.empty());
}

TEST_F(HookKeys, RepeatsAHeldKeyAtTheKeyboardsDelayAndRate) {
    Keys.Press(XZ, false, false, 1000);
    ASSERT_EQ(Keys.NextRepeatDue(), 1000u + Delay);
    Keys.Repeat(false, 1000 + Delay - 1);
    EXPECT_EQ(Posted.size(), 1u);
    Keys.Repeat(false, 1000 + Delay);
    Keys.Repeat(false, 1000 + Delay + Interval);
    EXPECT_EQ(Posted, (std::vector<TPosted>{
                          {'Z', 0x2C, false, false}, {'Z', 0x2C, false, true}, {'Z', 0x2C, false, true}}));
    Keys.Release(XZ);
    EXPECT_FALSE(Keys.NextRepeatDue());
}

TEST_F(HookKeys, RepeatsOnlyTheKeyPressedLast) {
    Keys.Press(XShiftR, false, false, 0);
    Keys.Press(XA, false, false, 100);
    EXPECT_EQ(Keys.NextRepeatDue(), 100u + Delay);
    Keys.Repeat(false, 100 + Delay);
    EXPECT_EQ(Posted.back(), (TPosted{'A', 0x1E, false, true}));
    Keys.Release(XA);
    // Shift is still held, but a key released ends the repeating, as on the platform.
    EXPECT_FALSE(Keys.NextRepeatDue());
    Keys.Release(XShiftR);
}

TEST_F(HookKeys, ARepeatMissedDuringAStallIsNotMadeUpFor) {
    Keys.Press(XZ, false, false, 0);
    Keys.Repeat(false, 5000);
    EXPECT_EQ(Posted.size(), 2u);
    EXPECT_GT(*Keys.NextRepeatDue(), 5000u);
    Keys.Repeat(false, 5000);
    EXPECT_EQ(Posted.size(), 2u);
}

TEST_F(HookKeys, RepeatsNothingIntoTheProgramsOwnWindows) {
    Keys.Press(XZ, false, false, 0);
    Keys.Repeat(true, Delay);
    EXPECT_EQ(Posted.size(), 1u);
    Keys.Repeat(false, Delay + Interval);
    EXPECT_EQ(Posted.size(), 2u);
}
