#include "Exceptions.h"
#include "TestItems.h"

#include <QPointer>
#include <gtest/gtest.h>

namespace {

QString assertionOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const EAssertionFailed& e) {
        return e.Message();
    }
    return QStringLiteral("(no assertion)");
}

QStringList keyNamesOf(const std::vector<TSDLItem*>& items) {
    QStringList names;
    for (TSDLItem* item : items)
        names.append(static_cast<TTestItem*>(item)->KeyName);
    return names;
}

class ListEdit : public ::testing::Test {
protected:
    ListEdit() {
        for (const char* name : {"A", "B", "C", "D"})
            AddTestItem(List, name, QByteArray(name) != "B");
    }
    TSDLListe List;
};

TEST(ListNew, NeedsAClassFromTheCallerOrTheList) {
    TSDLListe list;
    EXPECT_EQ(assertionOf([&] { list.New(nullptr); }),
              QStringLiteral("TSDLListe.New: ClassToCreate not assigned"));
    list.ClassToCreate = &TTestItem::staticMetaObject;
    std::unique_ptr<TSDLItem> made(list.New(nullptr));
    EXPECT_STREQ(made->metaObject()->className(), "TTestItem");
    EXPECT_EQ(made->ID(), 1);
    EXPECT_EQ(list.Count(), 0);
    std::unique_ptr<TSDLItem> plain(list.New(&TSDLItem::staticMetaObject));
    EXPECT_STREQ(plain->metaObject()->className(), "TSDLItem");
    EXPECT_EQ(plain->ID(), 2);
}

TEST(ListNew, TheClassGivenAtConstructionIsTheDefault) {
    TSDLListe list(&TTestItem::staticMetaObject);
    TSDLItem* item = list.Add(TSDLItemClass(nullptr));
    EXPECT_NE(qobject_cast<TTestItem*>(item), nullptr);
    EXPECT_EQ(list.AllItems(), std::vector<TSDLItem*>{item});
}

TEST_F(ListEdit, AddingAndInsertingByClassLeaveTheFilteredViewAlone) {
    List.SetFilter("LShift=True");
    List.SetFiltered(true);
    TSDLItem* added = List.Add(&TTestItem::staticMetaObject);
    TSDLItem* inserted = List.Insert(1, &TTestItem::staticMetaObject);
    EXPECT_EQ(added->ID(), 5);
    EXPECT_EQ(inserted->ID(), 6);
    EXPECT_EQ(List.AllItems()[1], inserted);
    EXPECT_EQ(List.AllItems().back(), added);
    EXPECT_EQ(List.Count(), 3);
    EXPECT_THROW(List.Insert(8, &TTestItem::staticMetaObject), EListError);
    EXPECT_THROW(List.Insert(-1, &TTestItem::staticMetaObject), EListError);
    EXPECT_EQ(List.LastID(), 6);
}

TEST_F(ListEdit, AddingAnItemAtAPlaceInsertsItThere) {
    auto* item = new TTestItem;
    item->KeyName = "X";
    EXPECT_EQ(List.Add(item, 2), 5);
    EXPECT_EQ(keyNamesOf(List.AllItems()), (QStringList{"A", "B", "X", "C", "D"}));
    TTestItem outsider;
    EXPECT_THROW(List.Add(&outsider, 9), EListError);
}

TEST_F(ListEdit, IDsCannotBeWrittenFromOutside) {
    TSDLItem* item = List.Items(0);
    item->setProperty("ID", 42);
    item->SetID(42);
    EXPECT_EQ(item->ID(), 1);
}

// An item whose ID may be set from outside, as one read from elsewhere would carry.
class TWritableIDItem : public TSDLItem {
public:
    TWritableIDItem() { IDWritable = true; }
};

TEST_F(ListEdit, UpdateLastIDRaisesButNeverLowers) {
    List.NextID();
    List.NextID();
    List.UpdateLastID();
    EXPECT_EQ(List.LastID(), 6);
    auto* item = new TWritableIDItem;
    List.Add(item);
    item->SetID(50);
    EXPECT_EQ(item->ID(), 50);
    List.UpdateLastID();
    EXPECT_EQ(List.LastID(), 50);
}

TEST_F(ListEdit, SwapExchangesTwoPlacesOfTheActiveView) {
    List.Swap(0, 3);
    EXPECT_EQ(keyNamesOf(List.AllItems()), (QStringList{"D", "B", "C", "A"}));
    List.SetFilter("LShift=True");
    List.SetFiltered(true);
    List.Swap(List.Items(0), List.Items(2));
    EXPECT_EQ(keyNamesOf(List.FilteredItems()), (QStringList{"A", "C", "D"}));
    EXPECT_EQ(keyNamesOf(List.AllItems()), (QStringList{"D", "B", "C", "A"}));
}

TEST_F(ListEdit, SwapOutsideTheViewFailsWithTheIndexInTheMessage) {
    EXPECT_EQ(assertionOf([&] { List.Swap(0, List.Count()); }),
              QStringLiteral("TSDLListe.Swap( ): Index out of bounds (idx2 = 4"));
    EXPECT_EQ(assertionOf([&] { List.Swap(-1, 0); }),
              QStringLiteral("TSDLListe.Swap( ): Index out of bounds (idx1 = -1"));
    TTestItem outsider;
    EXPECT_EQ(assertionOf([&] { List.Swap(List.Items(0), &outsider); }),
              QStringLiteral("TSDLListe.Swap( ): Index out of bounds (idx2 = -1"));
    TSDLListe empty;
    EXPECT_EQ(assertionOf([&] { empty.Swap(0, 0); }),
              QStringLiteral("TSDLListe.Swap( ): Index out of bounds (idx1 = 0"));
}

TEST_F(ListEdit, MoveWorksOnAllItemsEvenWhileFiltered) {
    List.SetFilter("KeyName=D");
    List.SetFiltered(true);
    List.Move(0, 3);
    EXPECT_EQ(keyNamesOf(List.AllItems()), (QStringList{"B", "C", "D", "A"}));
    List.Move(List.AllItems()[2], 0);
    EXPECT_EQ(keyNamesOf(List.AllItems()), (QStringList{"D", "B", "C", "A"}));
    EXPECT_EQ(keyNamesOf(List.FilteredItems()), QStringList{"D"});
    EXPECT_THROW(List.Move(0, 4), EListError);
    EXPECT_THROW(List.Move(4, 0), EListError);
    TTestItem outsider;
    EXPECT_THROW(List.Move(&outsider, 0), EListError);
    EXPECT_EQ(List.AllItems().size(), 4u);
}

TEST_F(ListEdit, IndexOfAndFindByIDSeeTheActiveView) {
    TSDLItem* b = List.AllItems()[1];
    EXPECT_EQ(List.IndexOf(b), 1);
    EXPECT_EQ(List.FindByID(2), b);
    List.SetFilter("LShift=True");
    List.SetFiltered(true);
    EXPECT_EQ(List.IndexOf(b), -1);
    EXPECT_EQ(List.FindByID(2), nullptr);
    EXPECT_EQ(List.IndexOf(List.AllItems()[3]), 2);
    EXPECT_EQ(List.FindByID(4), List.AllItems()[3]);
}

TEST(ListOwnership, ClearFreesTheItemsOnlyWhenTheListOwnsThem) {
    TTestItem kept;
    QPointer<TSDLItem> owned;
    {
        TSDLListe borrowing;
        borrowing.OwnsObjects = false;
        borrowing.Add(&kept);
        borrowing.Clear();
        EXPECT_TRUE(borrowing.AllItems().empty());
        borrowing.Add(&kept);
    }
    EXPECT_EQ(kept.ID(), 2);
    {
        TSDLListe owning;
        owned = AddTestItem(owning, "Z");
        owning.SetFilter("KeyName=Z");
        owning.SetFiltered(true);
        owning.Clear();
        EXPECT_TRUE(owned.isNull());
        EXPECT_EQ(owning.Count(), 0);
        owned = AddTestItem(owning, "Y");
    }
    EXPECT_TRUE(owned.isNull());
}

TEST_F(ListEdit, CompareOrdersBySortField) {
    auto* a = static_cast<TTestItem*>(List.AllItems()[0]);
    auto* b = static_cast<TTestItem*>(List.AllItems()[1]);
    a->Weight = 2.5;
    b->Weight = 2;
    List.SortField = "keyname";
    EXPECT_EQ(List.Compare(a, b), -1);
    EXPECT_EQ(List.Compare(b, a), 1);
    EXPECT_EQ(List.Compare(a, a), 0);
    List.SortReversed = true;
    EXPECT_EQ(List.Compare(a, b), 1);
    List.SortReversed = false;
    List.SortField = "Weight";
    EXPECT_EQ(List.Compare(a, b), 1);
    List.SortField = "LShift"; // A has LShift, B has not: "True" after "False"
    EXPECT_EQ(List.Compare(a, b), 1);
    List.SortField = "ID";
    EXPECT_EQ(List.Compare(a, b), -1);
    TSDLItem plain;
    List.SortField = "KeyName"; // an item without the property has no value, which sorts first
    EXPECT_EQ(List.Compare(&plain, a), -1);
    EXPECT_EQ(List.Compare(&plain, &plain), 0);
}

} // namespace
