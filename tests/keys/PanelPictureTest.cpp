#include "Felleskode/QtPrinters.h"
#include "Resources.h"
#include "ShippedKeysFixture.h"

namespace {

// Q with left Shift and left Ctrl has the finer category "Electrical Power Controls", which has a picture.
class PanelSchedule : public ShippedKeysTest {
protected:
    PanelSchedule() {
        Keys->PanelVisible = true;
        Power = Binding("Q", {"LShift", "LCtrl"});
    }
    QString FindPower() { return Find('Q', {"LShift", "LCtrl"}); }
    // Another binding with a picture of its own.
    TKey_Kes* OtherPanelBinding() const {
        for (TSDLItem* item : Keys->Keys().AllItems()) {
            auto* key = static_cast<TKey_Kes*>(item);
            const QString name = PanelPictureName(key->DisplayCategory()).toUpper();
            if (key->DisplayCategory() != Power->DisplayCategory() && ResourceExists(name) &&
                key->KeyName().size() == 1 && key->KeyName()[0] >= u'A' && key->KeyName()[0] <= u'Z')
                return key;
        }
        return nullptr;
    }
    QString FindKey(const TKey_Kes& key) { return Find(quint16(key.KeyName()[0].unicode()), FlagsOf(key)); }

    TKey_Kes* Power = nullptr;
};

TEST_F(PanelSchedule, AFoundBindingLoadsItsPicture800msLater) {
    ASSERT_NE(Power, nullptr);
    ASSERT_EQ(Power->Category_Ekstra(), QStringLiteral("Electrical Power Controls"));
    EXPECT_EQ(FindPower(), Power->CommandName());
    EXPECT_EQ(Category, Power->Category()); // the main category, not the finer one
    EXPECT_EQ(Keys->CurrentKeyID(), Power->ID());
    EXPECT_EQ(Keys->PendingKey(), Power);
    EXPECT_TRUE(Keys->PanelTimer().Enabled());
    EXPECT_EQ(Keys->PanelTimer().Interval(), 800);
    // Meanwhile Keys shows the binding's finer category, remembered for the grid.
    ASSERT_GT(Keys->Keys().Count(), 1);
    for (int i = 0; i < Keys->Keys().Count(); ++i)
        EXPECT_EQ(static_cast<TKey_Kes*>(Keys->Keys().Items(i))->Category_Ekstra(), Power->Category_Ekstra());
    EXPECT_EQ(Keys->SavedFilter(), QStringLiteral("Category_Ekstra=Electrical Power Controls\r\n"));

    Timers.Advance(799);
    EXPECT_TRUE(PictureReports.isEmpty());
    Timers.Advance(1);
    EXPECT_EQ(PictureReports, QList<bool>{true});
    ASSERT_EQ(Shown.size(), 1);
    EXPECT_EQ(Shown[0], LoadResource("ELECTRICAL_POWER_CONTROLS"));
    EXPECT_EQ(Keys->CurrentPicture(), QStringLiteral("Electrical_Power_Controls"));
    EXPECT_FALSE(Keys->PanelTimer().Enabled());
    Timers.Advance(5000);
    EXPECT_EQ(PictureReports.size(), 1);
}

TEST_F(PanelSchedule, TheSameBindingReportedAgainCancelsItsLoad) {
    FindPower();
    Timers.Advance(400);
    FindPower();
    EXPECT_FALSE(Keys->PanelTimer().Enabled());
    Timers.Advance(2000);
    FindPower();
    Timers.Advance(2000);
    EXPECT_TRUE(PictureReports.isEmpty());
    EXPECT_TRUE(Shown.isEmpty());

    TKey_Kes* other = OtherPanelBinding();
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(FindKey(*other), other->CommandName());
    EXPECT_EQ(Keys->PendingKey(), other);
    Timers.Advance(800);
    EXPECT_EQ(PictureReports, QList<bool>{true});
    EXPECT_EQ(Keys->CurrentPicture(), PanelPictureName(other->DisplayCategory()));
}

TEST_F(PanelSchedule, AMissAfterAHitHidesAtOnceAndThePendingPictureStillLoads) {
    FindPower();
    Timers.Advance(300);
    EXPECT_EQ(Find('Z', {"LCtrl", "RCtrl"}), QString());
    EXPECT_EQ(PictureReports, QList<bool>{false});
    EXPECT_EQ(Keys->CurrentKeyID(), -1);
    EXPECT_EQ(Keys->CurrentPicture(), QString());
    EXPECT_EQ(Keys->Keys().Count(), 0);
    Timers.Advance(500);
    EXPECT_EQ(PictureReports, (QList<bool>{false, true}));
    // After a miss the same binding schedules again.
    FindPower();
    EXPECT_TRUE(Keys->PanelTimer().Enabled());
}

TEST_F(PanelSchedule, AnotherBindingOfTheLoadedPictureCausesNoCallBack) {
    FindPower();
    Timers.Advance(800);
    TKey_Kes* sibling = nullptr;
    for (TSDLItem* item : Keys->Keys().AllItems()) {
        auto* key = static_cast<TKey_Kes*>(item);
        if (key != Power && key->DisplayCategory() == Power->DisplayCategory() &&
            key->KeyName().size() == 1 && key->KeyName()[0] >= u'A' && key->KeyName()[0] <= u'Z')
            sibling = key;
    }
    ASSERT_NE(sibling, nullptr);
    EXPECT_EQ(FindKey(*sibling), sibling->CommandName());
    Timers.Advance(800);
    EXPECT_EQ(PictureReports, QList<bool>{true});
    EXPECT_EQ(Shown.size(), 1);
}

TEST_F(PanelSchedule, ACategoryWithoutPictureHidesTheViewerSilentlyOnce) {
    EXPECT_EQ(Find('Z', {"LCtrl"}), QStringLiteral("Time accelerate"));
    Timers.Advance(800);
    EXPECT_EQ(PictureReports, QList<bool>{false});
    EXPECT_EQ(Keys->CurrentPicture(), QStringLiteral("General"));
    EXPECT_TRUE(Boxes.Texts.isEmpty());
    EXPECT_TRUE(Shown.isEmpty());

    TKey_Kes* other = nullptr;
    for (TSDLItem* item : Keys->Keys().AllItems()) {
        auto* key = static_cast<TKey_Kes*>(item);
        if (key->DisplayCategory() == QStringLiteral("General") && key->CommandName() != "Time accelerate" &&
            key->KeyName().size() == 1 && key->KeyName()[0] >= u'A' && key->KeyName()[0] <= u'Z')
            other = key;
    }
    ASSERT_NE(other, nullptr);
    FindKey(*other);
    Timers.Advance(800);
    EXPECT_EQ(PictureReports, QList<bool>{false});
}

TEST_F(PanelSchedule, TheMainCategoryFiltersWhenThereIsNoFinerOne) {
    const TKey_Kes* accelerate = Binding("Z", {"LCtrl"});
    ASSERT_TRUE(accelerate->Category_Ekstra().isEmpty());
    Find('Z', {"LCtrl"});
    EXPECT_EQ(Keys->SavedFilter(), QStringLiteral("Category=General\r\n"));
    for (int i = 0; i < Keys->Keys().Count(); ++i)
        EXPECT_EQ(static_cast<TKey_Kes*>(Keys->Keys().Items(i))->Category(), QStringLiteral("General"));
}

TEST_F(PanelSchedule, HidingThePanelStopsSchedulingButNotAPendingLoad) {
    FindPower();
    Keys->PanelVisible = false;
    Find('Z', {"LCtrl"});
    EXPECT_EQ(Keys->PendingKey(), Power);
    Timers.Advance(800);
    EXPECT_EQ(PictureReports, QList<bool>{true});
}

TEST_F(ShippedKeysTest, LoadPanelPictureReportsWhatItCould) {
    Keys->LoadPanelPicture(nullptr);
    EXPECT_EQ(PictureReports, QList<bool>{false});
    TKey_Kes* power = Binding("Q", {"LShift", "LCtrl"});
    Keys->Viewer = nullptr; // no viewer to show it in
    Keys->LoadPanelPicture(power);
    EXPECT_EQ(PictureReports, (QList<bool>{false, false}));
    Keys->OnPanelPicture = nullptr;
    Keys->LoadPanelPicture(nullptr);
    Keys->PanelTimerTimer(); // nothing pending
    EXPECT_EQ(PictureReports.size(), 2);
}

struct TPictureNameCase {
    const char* Category;
    const char* Name;
};

class PanelPictureNameTest : public ::testing::TestWithParam<TPictureNameCase> {};

TEST_P(PanelPictureNameTest, FollowsTheFourReplacements) {
    EXPECT_EQ(PanelPictureName(QString::fromLatin1(GetParam().Category)),
              QString::fromLatin1(GetParam().Name));
}

INSTANTIATE_TEST_SUITE_P(Names, PanelPictureNameTest,
                         ::testing::Values(TPictureNameCase{"Electrical Power Controls",
                                                            "Electrical_Power_Controls"},
                                           TPictureNameCase{"Radio & Data - Panel", "Radio_Data_Panel"},
                                           TPictureNameCase{"Fuel ", "Fuel_"}, TPictureNameCase{"A-B", "A_B"},
                                           TPictureNameCase{"A  B", "AB"}, TPictureNameCase{"A   B", "A_B"},
                                           TPictureNameCase{"A&B", "A&B"},
                                           TPictureNameCase{"General", "General"}, TPictureNameCase{"", ""}));

} // namespace
