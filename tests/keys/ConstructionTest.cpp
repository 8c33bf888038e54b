#include "Exceptions.h"
#include "Felleskode/QtPrinters.h"
#include "FixtureTables.h"
#include "support/FakeMessageBox.h"

#include <gtest/gtest.h>

namespace {

TEST(TdmKeysConstruction, ReadsTheThreeTablesInOrder) {
    TFixtureTables tables = KeysOnly({"key = 'A'"});
    TdmKeys keys(tables.Source());
    EXPECT_EQ(*tables.Asked, (QStringList{"KES_KEYS", "VK_KEYS", "EXTRA_CATEGORY"}));
}

struct TMissingCase {
    const char* Missing;
    int Asked;
};

class TdmKeysMissingTable : public ::testing::TestWithParam<TMissingCase> {};

TEST_P(TdmKeysMissingTable, StopsTheConstructionWithTheResourceError) {
    TFixtureTables tables = KeysOnly({"key = 'A'@ reformers = 'LCtrl'"});
    tables.Set("VK_KEYS", {"VK_BACK\t08\tBACK"}).Set("EXTRA_CATEGORY", {"A\t\t\tLCtrl\tX"});
    tables.Tables.remove(QString::fromLatin1(GetParam().Missing));
    try {
        TdmKeys keys(tables.Source());
        FAIL() << "constructed";
    } catch (const EResNotFound& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Resource %1 not found").arg(GetParam().Missing));
    }
    EXPECT_EQ(tables.Asked->size(), GetParam().Asked);
}

INSTANTIATE_TEST_SUITE_P(Tables, TdmKeysMissingTable,
                         ::testing::Values(TMissingCase{"KES_KEYS", 1}, TMissingCase{"VK_KEYS", 2},
                                           TMissingCase{"EXTRA_CATEGORY", 3}));

// The shipped tables, as the program embeds them.
class ShippedKeys : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        FakeMessageBox boxes;
        Keys = new TdmKeys;
        Messages = boxes.Texts.size();
    }
    static void TearDownTestSuite() {
        delete Keys;
        Keys = nullptr;
    }
    static TdmKeys* Keys;
    static qsizetype Messages;
};

TdmKeys* ShippedKeys::Keys = nullptr;
qsizetype ShippedKeys::Messages = 0;

TEST_F(ShippedKeys, LoadWithoutAMessageAndLeaveOneBindingInView) {
    EXPECT_EQ(Messages, 0);
    EXPECT_EQ(Keys->Keys().AllItems().size(), 500u);
    EXPECT_EQ(Keys->VKKeys().Count(), 50);
    EXPECT_FALSE(Keys->VKKeys().Filtered());
    EXPECT_TRUE(Keys->Keys().Filtered());
    EXPECT_EQ(Keys->Keys().Count(), 1);
    EXPECT_EQ(Keys->Keys().LastID(), 500);
    EXPECT_EQ(Keys->VKKeys().LastID(), 50);
}

TEST_F(ShippedKeys, GiveAFinerCategoryTo156Bindings) {
    int named = 0;
    for (TSDLItem* item : Keys->Keys().AllItems())
        if (!static_cast<TKey_Kes*>(item)->Category_Ekstra().isEmpty()) ++named;
    EXPECT_EQ(named, 156);
}

TEST_F(ShippedKeys, NameTheKeysOfTheKeyNameTable) {
    const auto* first = static_cast<TKey_VK*>(Keys->VKKeys().Items(0));
    const auto* pageDown = static_cast<TKey_VK*>(Keys->VKKeys().Items(9));
    const auto* last = static_cast<TKey_VK*>(Keys->VKKeys().Items(49));
    EXPECT_EQ(first->Key(), 0x08);
    EXPECT_EQ(first->KeyName(), QStringLiteral("BACK"));
    EXPECT_EQ(pageDown->Key(), 0x22);
    EXPECT_EQ(pageDown->KeyName(), QStringLiteral("PAGEDOWN"));
    EXPECT_EQ(last->Key(), 0x90);
    EXPECT_EQ(last->KeyName(), QStringLiteral("NumLock"));
}

TEST_F(ShippedKeys, BindTimeAccelerateToLeftCtrlZ) {
    const TKey_Kes* found = nullptr;
    for (TSDLItem* item : Keys->Keys().AllItems()) {
        auto* key = static_cast<TKey_Kes*>(item);
        if (key->CommandName() == QStringLiteral("Time accelerate")) found = key;
    }
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->KeyName(), QStringLiteral("Z"));
    EXPECT_TRUE(found->LCtrl());
    EXPECT_FALSE(found->RCtrl() || found->LShift() || found->RShift() || found->LAlt() || found->RAlt() ||
                 found->LWin() || found->RWin());
    EXPECT_EQ(found->Category(), QStringLiteral("General"));
}

} // namespace
