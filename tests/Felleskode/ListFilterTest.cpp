#include "ConditionParser.h"
#include "TestItems.h"
#include "support/FakeMessageBox.h"

#include <gtest/gtest.h>

namespace {

QStringList keyNamesOf(const TSDLListe& list) {
    QStringList names;
    for (int i = 0; i < list.Count(); ++i)
        names.append(static_cast<TTestItem*>(list.Items(i))->KeyName);
    return names;
}

// Five bindings-like items: Z+LShift, A, Z+LCtrl, B+LShift+LCtrl, Z.
class ListFilter : public ::testing::Test {
protected:
    ListFilter() {
        AddTestItem(List, "Z", true, false, "General");
        AddTestItem(List, "A", false, false, "View");
        AddTestItem(List, "Z", false, true, "Weapons");
        AddTestItem(List, "B", true, true, "Hydraulics");
        AddTestItem(List, "Z", false, false, "Avionics");
    }
    void Filter(const QString& text) {
        List.SetFiltered(false);
        List.SetFilter(text);
        List.SetFiltered(true);
    }
    TSDLListe List;
};

TEST(ListIDs, AreHandedOutFromOneAndNeverReused) {
    TSDLListe list;
    EXPECT_EQ(list.Count(), 0);
    auto* first = new TTestItem;
    EXPECT_EQ(list.Add(first), 1);
    EXPECT_EQ(first->ID(), 1);
    for (int i = 0; i < 9; ++i)
        list.Add(new TTestItem);
    EXPECT_EQ(list.LastID(), 10);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.LastID(), 10);
    EXPECT_EQ(list.Add(new TTestItem), 11);
}

TEST_F(ListFilter, SettingTheFilterWhileOffKeepsAllItemsInView) {
    List.SetFilter("LShift=True");
    EXPECT_EQ(List.Count(), 5);
    List.SetFiltered(true);
    EXPECT_EQ(keyNamesOf(List), (QStringList{"Z", "B"}));
}

TEST_F(ListFilter, AnEmptyFilterSwitchesOffAndTheLastSelectionComesBack) {
    Filter("LCtrl=True");
    List.SetFilter("");
    EXPECT_FALSE(List.Filtered());
    EXPECT_EQ(List.Count(), 5);
    List.SetFiltered(true);
    EXPECT_EQ(keyNamesOf(List), (QStringList{"Z", "B"}));
    EXPECT_EQ(List.GetFilter(), QString());
}

TEST(ListFilterNew, SwitchingOnWithoutFilterLinesShowsNothing) {
    TSDLListe list;
    AddTestItem(list, "Z");
    list.SetFiltered(true);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(ListFilter, TheViewIsASnapshotUntilTheFilterIsAppliedAgain) {
    Filter("LShift=True");
    auto* a = static_cast<TTestItem*>(List.AllItems()[1]);
    a->LShift = true;
    EXPECT_EQ(List.Count(), 2);
    // GetFilter ends each line with CR LF, so the same text without it is a new filter.
    List.SetFilter("LShift=True");
    EXPECT_EQ(List.Count(), 3);
    a->LShift = false;
    List.SetFilter(List.GetFilter());
    EXPECT_EQ(List.Count(), 3);
    List.Refilter();
    EXPECT_EQ(List.Count(), 2);
}

TEST_F(ListFilter, AllLinesMustHold) {
    Filter("KeyName=Z\r\nLCtrl=True");
    EXPECT_EQ(keyNamesOf(List), QStringList{"Z"});
    EXPECT_TRUE(static_cast<TTestItem*>(List.Items(0))->LCtrl);
    EXPECT_EQ(List.GetFilter(), QStringLiteral("KeyName=Z\r\nLCtrl=True\r\n"));
}

TEST_F(ListFilter, TextAndIdOrderFollowTheirRules) {
    Filter("Category<M");
    EXPECT_EQ(keyNamesOf(List), (QStringList{"A", "Z"})); // "View" and "Weapons" sort after "M"
    Filter("ID<3");
    EXPECT_EQ(keyNamesOf(List), (QStringList{"Z", "A"}));
    Filter("KeyName=z");
    EXPECT_EQ(List.Count(), 3);
    Filter("KeyName= Z");
    EXPECT_EQ(List.Count(), 0);
}

TEST_F(ListFilter, AnInvalidBooleanShowsOneMessagePerItemTested) {
    FakeMessageBox boxes;
    Filter("lshift=yes");
    EXPECT_EQ(List.Count(), 0);
    EXPECT_EQ(boxes.Texts.size(), 5);
    boxes.Texts.clear();
    Filter("KeyName=Z\r\nLShift=yes");
    EXPECT_EQ(boxes.Texts.size(), 3);
}

TEST_F(ListFilter, AnUnknownPropertyMatchesNothingSilently) {
    FakeMessageBox boxes;
    Filter("NoSuchProperty=1");
    EXPECT_EQ(List.Count(), 0);
    EXPECT_TRUE(boxes.Texts.isEmpty());
}

TEST_F(ListFilter, AMalformedLineFailsTheOperationAndLeavesTheListUsable) {
    List.SetFilter("KeyName");
    try {
        List.SetFiltered(true);
        FAIL();
    } catch (const EFilterError& e) {
        EXPECT_EQ(
            e.Message(),
            QStringLiteral("Feil i filter: \"KeyName\"\r\nFant ikke gyldig operator. (CurrToken=KeyName)"));
    }
    EXPECT_TRUE(List.Filtered());
    EXPECT_EQ(List.Count(), 0);
    EXPECT_THROW(List.SetFilter("KeyName=Z\r\n\r\n"), EFilterError);
    List.SetFilter("KeyName=A");
    EXPECT_EQ(keyNamesOf(List), QStringList{"A"});
}

TEST_F(ListFilter, GetItemOutsideTheViewIsNull) {
    Filter("KeyName=Z");
    EXPECT_EQ(List.GetItem(-1), nullptr);
    EXPECT_EQ(List.GetItem(List.Count()), nullptr);
    EXPECT_NE(List.GetItem(List.Count() - 1), nullptr);
}

TEST_F(ListFilter, LocateSearchesTheViewOnlyWhenAskedAndFiltered) {
    EXPECT_EQ(List.Locate("KeyName=B", true), 3);
    Filter("LShift=True");
    EXPECT_EQ(List.Locate("KeyName=B", true), 1);
    EXPECT_EQ(List.Locate("KeyName=B", false), 3);
    EXPECT_EQ(List.Locate("KeyName=A", true), -1);
    EXPECT_EQ(List.Locate("KeyName=Z\r\nLCtrl=True", false), 2);
    EXPECT_THROW(List.Locate("KeyName", false), EFilterError);
    // The search lines are gone with the failed call; the filter is untouched.
    EXPECT_EQ(List.Locate("", false), 0);
    EXPECT_EQ(List.GetFilter(), QStringLiteral("LShift=True\r\n"));
}

TEST_F(ListFilter, AddingWhileFilteredAppendsAMatchToTheView) {
    Filter("KeyName=Z");
    auto* match = new TTestItem;
    match->KeyName = "Z";
    List.Add(match, 0);
    EXPECT_EQ(List.AllItems().front(), match);
    EXPECT_EQ(List.Count(), 4);
    EXPECT_EQ(List.Items(3), match);
    List.Add(new TTestItem);
    EXPECT_EQ(List.Count(), 4);
    List.Add(&TTestItem::staticMetaObject)->setProperty("KeyName", "Z");
    EXPECT_EQ(List.Count(), 4);
    EXPECT_EQ(List.AllItems().size(), 8u);
}

TEST_F(ListFilter, AFilterErrorWhileAddingLeavesTheItemWithTheCaller) {
    List.SetFilter("LShift");
    EXPECT_THROW(List.SetFiltered(true), EFilterError);
    TTestItem outsider;
    EXPECT_THROW(List.Add(&outsider), EFilterError);
    EXPECT_EQ(List.AllItems().size(), 5u);
    EXPECT_EQ(outsider.ID(), 0);
    EXPECT_EQ(List.LastID(), 5);
}

} // namespace
