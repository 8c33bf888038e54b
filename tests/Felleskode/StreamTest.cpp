#include "TestItems.h"
#include "ZURStream.h"

#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// TTestItem streams its KeyName after the fields of TSDLItem; version 2 added LShift.
void writeTestItem(QDataStream& stream, const TSDLItem& item) {
    WriteItemFields(stream, item);
    const auto& t = static_cast<const TTestItem&>(item);
    stream << t.KeyName << t.LShift;
}

void readTestItem(QDataStream& stream, TSDLItem& item, int version) {
    ReadItemFields(stream, item, version);
    auto& t = static_cast<TTestItem&>(item);
    stream >> t.KeyName;
    if (version >= 2) stream >> t.LShift;
}

class ListFile : public ::testing::Test {
protected:
    ListFile() {
        RegisterClass(&TTestItem::staticMetaObject);
        RegisterStreamRoutine(&TTestItem::staticMetaObject, 2, writeTestItem, readTestItem);
        Path = Dir.filePath("keys.lst");
    }

    QByteArray Saved(TSDLListe& list) {
        list.SaveToFile(Path);
        QFile file(Path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }
    void Write(const QByteArray& bytes) {
        QFile file(Path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    QTemporaryDir Dir;
    QString Path;
};

TEST_F(ListFile, KeepsItemsIDsClassesAndNestedLists) {
    TSDLListe source(&TTestItem::staticMetaObject);
    AddTestItem(source, "Z", true);
    auto* nested = new TSDLListe(&TTestItem::staticMetaObject);
    AddTestItem(*nested, "N1");
    AddTestItem(*nested, "N2");
    source.Add(nested);
    source.Add(new TSDLItem);
    source.SaveToFile(Path);

    TSDLListe target;
    target.SetFilter("classname=TTestItem");
    target.SetFiltered(true);
    target.LoadFromFile(Path);
    ASSERT_EQ(target.AllItems().size(), 3u);
    auto* z = qobject_cast<TTestItem*>(target.AllItems()[0]);
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(z->KeyName, QStringLiteral("Z"));
    EXPECT_TRUE(z->LShift);
    EXPECT_EQ(z->ID(), 1);
    auto* list = qobject_cast<TSDLListe*>(target.AllItems()[1]);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->ID(), 2);
    EXPECT_EQ(list->ClassToCreate, &TTestItem::staticMetaObject);
    ASSERT_EQ(list->AllItems().size(), 2u);
    EXPECT_EQ(static_cast<TTestItem*>(list->AllItems()[1])->KeyName, QStringLiteral("N2"));
    EXPECT_EQ(list->LastID(), 2);
    EXPECT_STREQ(target.AllItems()[2]->metaObject()->className(), "TSDLItem");
    EXPECT_EQ(target.LastID(), 3);
    // Loading filters the new items at once.
    EXPECT_EQ(target.Count(), 1);
    EXPECT_EQ(target.Items(0), z);
}

TEST_F(ListFile, LoadingReplacesAndFreesTheOldItems) {
    TSDLListe source;
    AddTestItem(source, "New");
    source.SaveToFile(Path);
    TSDLListe target;
    QPointer<TTestItem> old = AddTestItem(target, "Old");
    for (int i = 0; i < 4; ++i)
        AddTestItem(target, "Old");
    target.LoadFromFile(Path);
    EXPECT_TRUE(old.isNull());
    ASSERT_EQ(target.Count(), 1);
    EXPECT_EQ(target.LastID(), 5);
    EXPECT_EQ(target.Add(new TTestItem), 6);
}

TEST_F(ListFile, AMissingFileLoadsNothing) {
    TSDLListe target;
    AddTestItem(target, "Kept");
    target.LoadFromFile(Dir.filePath("none.lst"));
    EXPECT_EQ(target.Count(), 1);
}

TEST_F(ListFile, AReadOnlyFileIsNotOverwritten) {
    Write("untouched");
    QFile::setPermissions(Path, QFile::ReadOwner | QFile::ReadUser);
    TSDLListe source;
    AddTestItem(source, "Z");
    source.SaveToFile(Path);
    QFile::setPermissions(Path, QFile::ReadOwner | QFile::WriteOwner);
    QFile file(Path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("untouched"));
}

TEST_F(ListFile, AnUnregisteredClassIsNotWritten) {
    TSDLListe source;
    source.Add(new TUnregisteredItem);
    EXPECT_THROW(source.SaveToFile(Path), EWriteError);
    EXPECT_FALSE(QFile::exists(Path));
}

// Damaged files: every one fails with a clear error and leaves the list as it was.
class DamagedListFile : public ListFile, public ::testing::WithParamInterface<int> {};

QByteArray damaged(const QByteArray& good, int kind) {
    switch (kind) {
    case 0:
        return good.left(good.size() - 3); // truncated
    case 1:
        return good.left(10); // truncated in the header
    case 2:
        return QByteArray("this is not a list file at all"); // garbage
    case 3:
        return QByteArray(); // empty
    case 4:
        return good + QByteArray("\x01\x02", 2); // trailing bytes
    default: {                                   // a class nobody registered
        QByteArray bytes = good;
        const QByteArray from = QByteArray("T\0T\0e\0s\0t\0I\0t\0e\0m", 17);
        const QByteArray to = QByteArray("T\0T\0e\0s\0t\0I\0t\0e\0x", 17);
        return bytes.replace(from, to);
    }
    }
}

TEST_P(DamagedListFile, RaisesAndLeavesTheListAsItWas) {
    TSDLListe source;
    AddTestItem(source, "Z");
    AddTestItem(source, "Y");
    const QByteArray good = Saved(source);
    Write(damaged(good, GetParam()));

    TSDLListe target;
    QPointer<TTestItem> kept = AddTestItem(target, "Kept");
    try {
        target.LoadFromFile(Path);
        FAIL() << "no error";
    } catch (const EReadError& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Cannot read file ") + Path + ": ")) << e.what();
    }
    ASSERT_FALSE(kept.isNull());
    EXPECT_EQ(target.AllItems(), std::vector<TSDLItem*>{kept.data()});
    EXPECT_EQ(target.LastID(), 1);
}

INSTANTIATE_TEST_SUITE_P(Kinds, DamagedListFile, ::testing::Range(0, 6));

TEST_F(ListFile, AHugeItemCountIsTakenForDamage) {
    TSDLListe source;
    QByteArray bytes = Saved(source);
    ASSERT_EQ(bytes.size(), 12);
    bytes.replace(8, 4, QByteArray("\x7f\xff\xff\xff", 4));
    Write(bytes);
    TSDLListe target;
    EXPECT_THROW(target.LoadFromFile(Path), EReadError);
}

} // namespace
