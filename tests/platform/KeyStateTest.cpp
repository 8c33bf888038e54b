#include "KeyState.h"
#include "VirtualKeys.h"

#include <gtest/gtest.h>

namespace {

constexpr qint16 DownNow = qint16(0x8000);
constexpr qint16 PressedSinceQuery = 1;

// A table of the test's own, installed for the fixture's lifetime.
class KeyState : public ::testing::Test {
protected:
    void SetUp() override { FPrevious = SetKeyStateTable(&Table); }
    void TearDown() override { SetKeyStateTable(FPrevious); }
    TKeyStateTable Table;

private:
    TKeyStateTable* FPrevious = nullptr;
};

} // namespace

TEST_F(KeyState, AHeldKeyIsDownAndWasPressedOnlyUntilTheFirstQuery) {
    NoteKeyDown(VK_LSHIFT);
    EXPECT_EQ(GetAsyncKeyState(VK_LSHIFT), DownNow | PressedSinceQuery);
    EXPECT_EQ(GetAsyncKeyState(VK_LSHIFT), DownNow);
    NoteKeyUp(VK_LSHIFT);
    EXPECT_EQ(GetAsyncKeyState(VK_LSHIFT), 0);
}

TEST_F(KeyState, AKeyTappedBetweenTwoQueriesIsReportedOnce) {
    NoteKeyDown(VK_RCONTROL);
    NoteKeyUp(VK_RCONTROL);
    EXPECT_EQ(GetAsyncKeyState(VK_RCONTROL), PressedSinceQuery);
    EXPECT_EQ(GetAsyncKeyState(VK_RCONTROL), 0);
}

TEST_F(KeyState, ASidedModifierDrivesItsGenericKeyWhileEitherSideIsDown) {
    NoteKeyDown(VK_LMENU);
    NoteKeyDown(VK_RMENU);
    NoteKeyUp(VK_LMENU);
    EXPECT_TRUE(Table.IsDown(VK_MENU));
    EXPECT_FALSE(Table.IsDown(VK_LMENU));
    NoteKeyUp(VK_RMENU);
    EXPECT_FALSE(Table.IsDown(VK_MENU));
    EXPECT_EQ(GetAsyncKeyState(VK_MENU), PressedSinceQuery);
}

TEST_F(KeyState, AGenericModifierOnItsOwnIsTheLeftOne) {
    NoteKeyDown(VK_SHIFT);
    EXPECT_TRUE(Table.IsDown(VK_LSHIFT));
    EXPECT_FALSE(Table.IsDown(VK_RSHIFT));
    NoteKeyUp(VK_SHIFT);
    EXPECT_FALSE(Table.IsDown(VK_LSHIFT));
    EXPECT_FALSE(Table.IsDown(VK_SHIFT));
}

TEST_F(KeyState, AReleaseThatArrivesTwiceChangesNothingMore) {
    NoteKeyDown(VK_LCONTROL);
    NoteKeyUp(VK_LCONTROL);
    NoteKeyUp(VK_LCONTROL);
    EXPECT_EQ(GetAsyncKeyState(VK_LCONTROL), PressedSinceQuery);
    EXPECT_EQ(GetAsyncKeyState(VK_CONTROL), PressedSinceQuery);
}

TEST_F(KeyState, EveryPressThatFindsTheKeyUpTogglesIt) {
    NoteKeyDown(VK_CAPITAL);
    NoteKeyDown(VK_CAPITAL); // auto-repeat
    NoteKeyUp(VK_CAPITAL);
    EXPECT_TRUE(Table.IsToggled(VK_CAPITAL));
    NoteKeyDown(VK_CAPITAL);
    NoteKeyUp(VK_CAPITAL);
    EXPECT_FALSE(Table.IsToggled(VK_CAPITAL));
}

TEST_F(KeyState, KeysOutsideTheTableAreNeverDown) {
    NoteKeyDown(0x1FF);
    EXPECT_EQ(GetAsyncKeyState(0x1FF), 0);
    EXPECT_EQ(GetAsyncKeyState(-1), 0);
    EXPECT_FALSE(Table.IsDown(0x1FF));
}

TEST(KeyStateTable, TheProgramTableComesBackWhenATestTableIsRemoved) {
    TKeyStateTable& program = KeyStateTable();
    TKeyStateTable own;
    TKeyStateTable* previous = SetKeyStateTable(&own);
    EXPECT_EQ(previous, &program);
    NoteKeyDown('Z');
    EXPECT_TRUE(own.IsDown('Z'));
    EXPECT_FALSE(program.IsDown('Z'));
    SetKeyStateTable(nullptr);
    EXPECT_EQ(&KeyStateTable(), &program);
}
