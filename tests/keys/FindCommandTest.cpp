#include "Felleskode/QtPrinters.h"
#include "FixtureTables.h"
#include "ShippedKeysFixture.h"
#include "VirtualKeys.h"

namespace {

TEST_F(ShippedKeysTest, PageDownWithoutModifiersIsNamedByTheKeyNameTable) {
    const TKey_Kes* expected = Binding("PageDown");
    ASSERT_NE(expected, nullptr);
    EXPECT_EQ(expected->KeyName(), QStringLiteral("PageDown"));
    EXPECT_EQ(Find(VK_NEXT), expected->CommandName());
    EXPECT_EQ(Category, expected->Category());
    ASSERT_EQ(Keys->Keys().Count(), 1);
    EXPECT_EQ(Keys->Keys().Items(0), expected);
}

TEST_F(ShippedKeysTest, TheModifierSetMustMatchExactlyWithSidesApart) {
    EXPECT_EQ(Find('Z', {"LCtrl"}), QStringLiteral("Time accelerate"));
    EXPECT_EQ(Category, QStringLiteral("General"));
    EXPECT_EQ(Find('Z', {"LCtrl", "RCtrl"}), QString());
    const TKey_Kes* right = Binding("Z", {"RCtrl"});
    ASSERT_NE(right, nullptr);
    EXPECT_EQ(Find('Z', {"RCtrl"}), right->CommandName());
    EXPECT_NE(right->CommandName(), QStringLiteral("Time accelerate"));
    EXPECT_TRUE(Boxes.Texts.isEmpty());
}

TEST_F(ShippedKeysTest, EveryBindingOfALetterIsFoundWithItsOwnFlags) {
    int tested = 0;
    for (TSDLItem* item : std::vector<TSDLItem*>(Keys->Keys().AllItems())) {
        auto* key = static_cast<TKey_Kes*>(item);
        if (key->KeyName().size() != 1 || key->KeyName()[0] < u'A' || key->KeyName()[0] > u'Z') continue;
        EXPECT_EQ(Find(quint16(key->KeyName()[0].unicode()), FlagsOf(*key)), key->CommandName()) << key->ID();
        EXPECT_EQ(Category, key->Category());
        ++tested;
    }
    EXPECT_GT(tested, 100);
}

TEST_F(ShippedKeysTest, AKeyWithoutBindingLeavesTheCategoryAsItWas) {
    Category = QStringLiteral("kept");
    EXPECT_EQ(Find('Z', {"LCtrl", "LShift", "LAlt", "RAlt"}), QString());
    EXPECT_EQ(Category, QStringLiteral("kept"));
    EXPECT_EQ(Keys->Keys().Count(), 0);
    EXPECT_TRUE(Keys->Keys().Filtered());
}

TEST_F(ShippedKeysTest, AKeyWithNoNameAtAllFindsNothing) {
    EXPECT_EQ(Find(0xE8), QString());
    EXPECT_TRUE(Boxes.Texts.isEmpty());
}

TEST_F(ShippedKeysTest, WithThePanelHiddenOnlyCommandAndCategoryAreAnswered) {
    Keys->PanelVisible = false;
    EXPECT_EQ(Find('Q', {"LShift", "LCtrl"}), Binding("Q", {"LShift", "LCtrl"})->CommandName());
    EXPECT_FALSE(Keys->PanelTimer().Enabled());
    EXPECT_EQ(Keys->CurrentKeyID(), 0);
    EXPECT_EQ(Keys->PendingKey(), nullptr);
    EXPECT_EQ(Find('Z', {"RAlt", "RWin"}), QString());
    Timers.Advance(5000);
    EXPECT_EQ(Keys->CurrentKeyID(), 0);
    EXPECT_TRUE(PictureReports.isEmpty());
    EXPECT_TRUE(Shown.isEmpty());
}

// Two bindings of one key and one modifier set.
TEST(FindCommandDuplicates, ShowOneMessageListingBothAndAnswerNothing) {
    FakeClock clock;
    FakeTimerFactory timers(clock);
    FakeMessageBox boxes;
    TFixtureTables tables = KeysOnly(
        {"key = 'Z'@ reformers = 'LCtrl'@ name = 'Time accelerate'@ category = 'General'",
         "key = 'Z'@ reformers = 'LShift'@ name = 'Time normal'@ category = 'General'",
         "key = 'Z'@ reformers = 'RAlt';'LCtrl';'RWin'@ name = 'Trim reset'@ category = 'Flight Control'",
         "key = 'z'@ reformers = 'lctrl';'ralt';'rwin'@ name = 'Gear up'@ category = 'Systems'"});
    tables.Set("VK_KEYS", {"VK_NEXT\t22\tPAGEDOWN"});
    TdmKeys keys(tables.Source());
    QString command = "x";
    QString category = "y";
    keys.PanelVisible = true;
    keys.FindCommand('Z', false, true, false, true, false, false, true, false, command, category);
    EXPECT_EQ(command, QString());
    EXPECT_EQ(category, QStringLiteral("y"));
    ASSERT_EQ(boxes.Texts.size(), 1);
    EXPECT_EQ(boxes.Texts[0],
              QString(26, u' ') +
                  "ERROR IN SHORTCUTS!!!\r\n\r\nPlease send printscreen of error to "
                  "\"support@kestrova-shortcuts.example\"\r\n\r\n\r\nDUPLICATED SHORTCUTS:\r\n\r\n"
                  "Flight Control-Trim reset-\"Z\"--RAlt-LCtrl-RWin\r\n\r\n"
                  "Systems-Gear up-\"z\"--RAlt-LCtrl-RWin\r\n\r\n");
    EXPECT_FALSE(keys.PanelTimer().Enabled());
    EXPECT_EQ(keys.CurrentKeyID(), 0);
}

TEST(FindCommandDuplicates, ListTheLeftSideWhenBothSidesAreSet) {
    FakeClock clock;
    FakeTimerFactory timers(clock);
    FakeMessageBox boxes;
    TdmKeys keys(KeysOnly({"key = 'A'@ reformers = 'LShift';'RShift'@ name = 'One'@ category = 'C'",
                           "key = 'A'@ reformers = 'RShift';'LShift'@ name = 'Two'@ category = 'C'"})
                     .Source());
    QString command;
    QString category;
    keys.FindCommand('A', false, false, false, false, true, true, false, false, command, category);
    ASSERT_EQ(boxes.Texts.size(), 1);
    EXPECT_TRUE(boxes.Texts[0].endsWith("C-One-\"A\"-LShift---\r\n\r\nC-Two-\"A\"-LShift---\r\n\r\n"));
}

} // namespace
