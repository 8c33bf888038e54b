#include "Felleskode/QtPrinters.h"
#include "ShippedKeysFixture.h"
#include "VirtualKeys.h"

namespace {

struct TNameCase {
    quint16 VK;
    const char* Name;
};

class KeyNameOfTest : public ShippedKeysTest, public ::testing::WithParamInterface<TNameCase> {};

TEST_P(KeyNameOfTest, AsksTheLayoutThenTheKeyNameTable) {
    EXPECT_EQ(KeyNameOf(GetParam().VK, Keys.get()), QString::fromLatin1(GetParam().Name));
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyNameOfTest,
                         ::testing::Values(TNameCase{'Z', "z"}, TNameCase{'1', "1"},
                                           TNameCase{VK_SPACE, "SPACE"}, TNameCase{VK_RETURN, "ENTER"},
                                           TNameCase{VK_TAB, "TAB"}, TNameCase{VK_F1, "F1"},
                                           TNameCase{VK_NEXT, "PAGEDOWN"}, TNameCase{VK_NUMPAD5, "5"},
                                           TNameCase{VK_OEM_7, "'"}, TNameCase{VK_OEM_5, "\\"},
                                           TNameCase{VK_OEM_PLUS, "="}, TNameCase{VK_NUMLOCK, "NumLock"}));

TEST_F(ShippedKeysTest, ModifiersDownDoNotChangeTheName) {
    for (quint16 vk : {VK_LSHIFT, VK_LCONTROL, VK_LMENU, VK_LWIN})
        KeyState.KeyDown(vk);
    EXPECT_EQ(KeyNameOf('Z', Keys.get()), QStringLiteral("z"));
    EXPECT_EQ(KeyNameOf('1', Keys.get()), QStringLiteral("1"));
}

TEST_F(ShippedKeysTest, AKeyWithoutCharacterOrTableNameGetsTheLastCharacter) {
    const quint16 unnamed = 0xE8;
    EXPECT_EQ(KeyNameOf(unnamed, Keys.get()), QString());
    EXPECT_EQ(KeyNameOf('Q', Keys.get()), QStringLiteral("q"));
    EXPECT_EQ(KeyNameOf(VK_SPACE, Keys.get()), QStringLiteral("SPACE")); // blank: not remembered
    EXPECT_EQ(KeyNameOf(unnamed, Keys.get()), QStringLiteral("q"));
    EXPECT_EQ(LastChar, QStringLiteral("q"));
}

TEST_F(ShippedKeysTest, TheOneArgumentFormAsksTheProgramsDatabase) {
    EXPECT_EQ(KeyNameOf(VK_F1), QString()); // no database yet
    dmKeys = Keys.get();
    EXPECT_EQ(KeyNameOf(VK_F1), QStringLiteral("F1"));
    dmKeys = nullptr;
}

TEST_F(ShippedKeysTest, KeyNamesOfTheTableAndBack) {
    EXPECT_EQ(Keys->GetVKKeyName(VK_F11), QStringLiteral("F11"));
    EXPECT_EQ(Keys->GetVKKeyName('Z'), QString());
    EXPECT_TRUE(Keys->VKKeys().Filtered());
    EXPECT_EQ(Keys->VirtualKeyOf("pagedown"), VK_NEXT);
    EXPECT_EQ(Keys->VirtualKeyOf("Num5"), VK_NUMPAD5);
    EXPECT_EQ(Keys->VirtualKeyOf("Z"), 0);
    EXPECT_EQ(Keys->VirtualKeyOf(""), 0);
    // Searched over all key names, whatever the last filter was.
    EXPECT_EQ(Keys->VirtualKeyOf("BACK"), 0x08);
}

TEST_F(ShippedKeysTest, TheLookUpUsesTheTableNameWhereKeyNameOfGivesTheCharacter) {
    const TKey_Kes* num5 = Binding("Num5");
    ASSERT_NE(num5, nullptr);
    EXPECT_EQ(Find(VK_NUMPAD5), num5->CommandName());
}

} // namespace
