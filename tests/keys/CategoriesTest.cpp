#include "Felleskode/QtPrinters.h"
#include "ShippedKeysFixture.h"

#include <set>

namespace {

TEST_F(ShippedKeysTest, StartsWithNothingScheduledOrRemembered) {
    EXPECT_EQ(Keys->CurrentKeyID(), 0);
    EXPECT_EQ(Keys->CurrentPicture(), QString());
    EXPECT_EQ(Keys->PendingKey(), nullptr);
    EXPECT_EQ(Keys->SavedFilter(), QString());
    EXPECT_EQ(Keys->Categories(), nullptr);
    EXPECT_EQ(Keys->CategoryAt(0), nullptr);
    EXPECT_FALSE(Keys->PanelTimer().Enabled());
    EXPECT_EQ(Keys->PanelTimer().Interval(), 800);
    EXPECT_FALSE(Keys->PanelVisible);
}

TEST_F(ShippedKeysTest, BuildCategoriesGivesOneEntryPerDisplayCategoryOfTheView) {
    Keys->SetCategoryFilter(false);
    std::set<QString> distinct;
    for (TSDLItem* item : Keys->Keys().AllItems())
        distinct.insert(static_cast<TKey_Kes*>(item)->DisplayCategory());
    EXPECT_EQ(Keys->BuildCategories(), 54);
    EXPECT_EQ(distinct.size(), 54u);
    QStringList first;
    for (int i = 0; i < 54; ++i) {
        const TKey_Kes* key = Keys->CategoryAt(i);
        ASSERT_NE(key, nullptr);
        first.append(key->DisplayCategory());
        // Each entry holds the first binding of its category in the view.
        for (TSDLItem* item : Keys->Keys().AllItems()) {
            if (static_cast<TKey_Kes*>(item)->DisplayCategory() == key->DisplayCategory()) {
                EXPECT_EQ(item, key);
                break;
            }
        }
    }
    EXPECT_EQ(Keys->CategoryAt(54), nullptr);
    EXPECT_EQ(Keys->CategoryAt(-1), nullptr);
    EXPECT_EQ(Keys->BuildCategories(), 54);
    QStringList second;
    for (int i = 0; i < 54; ++i)
        second.append(Keys->CategoryAt(i)->DisplayCategory());
    EXPECT_EQ(first, second);
}

TEST_F(ShippedKeysTest, BuildCategoriesOnOneCategoryGivesOne) {
    Keys->FilterByCategory("Electrical Power Controls", false, false);
    EXPECT_EQ(Keys->BuildCategories(), 1);
    EXPECT_EQ(Keys->CategoryAt(0)->DisplayCategory(), QStringLiteral("Electrical Power Controls"));
    EXPECT_EQ(Keys->SavedFilter(), QString());
}

TEST_F(ShippedKeysTest, FilterByCategoryIgnoresCaseAndRemembersOnRequest) {
    Keys->FilterByCategory("General", true, true);
    const int general = Keys->Keys().Count();
    EXPECT_GT(general, 1);
    EXPECT_EQ(Keys->SavedFilter(), QStringLiteral("Category=General\r\n"));
    Keys->FilterByCategory("GENERAL", true, false);
    EXPECT_EQ(Keys->Keys().Count(), general);
    EXPECT_EQ(Keys->SavedFilter(), QStringLiteral("Category=General\r\n"));
    EXPECT_TRUE(Keys->KeysFiltered());

    Keys->SetCategoryFilter(false);
    EXPECT_FALSE(Keys->KeysFiltered());
    EXPECT_EQ(Keys->Keys().Count(), 500);
    Keys->SetCategoryFilter(true);
    EXPECT_TRUE(Keys->KeysFiltered());
    EXPECT_EQ(Keys->Keys().Count(), general);
    EXPECT_EQ(Keys->Keys().GetFilter(), QStringLiteral("Category=General\r\n"));
}

TEST_F(ShippedKeysTest, SetCategoryFilterBeforeAnyRememberedKeepsTheLastView) {
    Find('Z', {"LCtrl"});
    Keys->SetCategoryFilter(true);
    EXPECT_EQ(Keys->Keys().GetFilter(), QString());
    EXPECT_TRUE(Keys->KeysFiltered());
    ASSERT_EQ(Keys->Keys().Count(), 1);
    EXPECT_EQ(static_cast<TKey_Kes*>(Keys->Keys().Items(0))->CommandName(),
              QStringLiteral("Time accelerate"));
}

} // namespace
