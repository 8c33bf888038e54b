#include "PublishedProps.h"
#include "Exceptions.h"
#include "TestItems.h"

#include <gtest/gtest.h>

namespace {

struct TKindCase {
    const char* Name;
    TTypeKind Kind;
    const char* TypeName;
};

class PublishedKindTest : public ::testing::TestWithParam<TKindCase> {};

TEST_P(PublishedKindTest, MapsTheQtTypeToItsKindAndDumpName) {
    const TPropInfo* prop = FindPropInfo(&TTestItem::staticMetaObject, QString::fromLatin1(GetParam().Name));
    ASSERT_NE(prop, nullptr);
    EXPECT_EQ(prop->Kind, GetParam().Kind);
    EXPECT_EQ(prop->TypeName, QString::fromLatin1(GetParam().TypeName));
}

INSTANTIATE_TEST_SUITE_P(
    Properties, PublishedKindTest,
    ::testing::Values(
        TKindCase{"ID", TTypeKind::Integer, "Integer"}, TKindCase{"Count", TTypeKind::Integer, "Integer"},
        TKindCase{"Port", TTypeKind::Word, "Word"}, TKindCase{"Big", TTypeKind::Int64, "Int64"},
        TKindCase{"Initial", TTypeKind::Char, "Char"}, TKindCase{"LShift", TTypeKind::Boolean, "Boolean"},
        TKindCase{"Colour", TTypeKind::Enumeration, "TColour"},
        TKindCase{"Weight", TTypeKind::Float, "Double"}, TKindCase{"KeyName", TTypeKind::String, "string"},
        TKindCase{"Symbol", TTypeKind::WChar, "WideChar"}, TKindCase{"Options", TTypeKind::Set, "TOptions"},
        TKindCase{"Owner", TTypeKind::Class, "TSDLItem"}, TKindCase{"Helper", TTypeKind::Class, "QObject"},
        TKindCase{"Extra", TTypeKind::Variant, "Variant"}));

TEST(PublishedProps, LookUpIgnoresAsciiCase) {
    TTestItem item;
    EXPECT_TRUE(IsPublishedProp(&item, u"keyname"));
    EXPECT_TRUE(IsPublishedProp(&item, u"KEYNAME"));
    EXPECT_TRUE(IsPublishedProp(&item, u"id"));
    EXPECT_FALSE(IsPublishedProp(&item, u"Key"));
    EXPECT_FALSE(IsPublishedProp(&item, u"NoSuchProperty"));
}

TEST(PublishedProps, QObjectsOwnPropertiesAreNotPublished) {
    TTestItem item;
    EXPECT_FALSE(IsPublishedProp(&item, u"objectName"));
    TSDLListe list;
    EXPECT_EQ(PublishedProps(list.metaObject()).size(), 1u);
}

TEST(PublishedProps, ListsAllPropertiesSortedByName) {
    QStringList names;
    for (const TPropInfo* p : GetPropList(&TTestItem::staticMetaObject))
        names.append(p->Name);
    EXPECT_EQ(names,
              (QStringList{"Big", "Category", "Colour", "Count", "Extra", "Helper", "ID", "Initial",
                           "KeyName", "LCtrl", "LShift", "Options", "Owner", "Port", "Symbol", "Weight"}));
}

TEST(PublishedProps, GivesTaggedValues) {
    TTestItem owner;
    TTestItem item;
    item.LShift = true;
    item.Colour = TTestItem::Blue;
    item.Options = TTestItem::Lit | TTestItem::Blinking;
    item.Initial = 'A';
    item.Symbol = QChar(u'Z');
    item.Count = 5;
    item.KeyName = QStringLiteral("Q");
    item.Owner = &owner;
    auto value = [&](const char* name) {
        return GetPropValue(&item, *FindPropInfo(item.metaObject(), QString::fromLatin1(name)));
    };
    EXPECT_EQ(value("LShift"), QVariant(QStringLiteral("True")));
    EXPECT_EQ(value("LCtrl"), QVariant(QStringLiteral("False")));
    EXPECT_EQ(value("Colour"), QVariant(QStringLiteral("Blue")));
    EXPECT_EQ(value("Options"), QVariant(QStringLiteral("Lit,Blinking")));
    EXPECT_EQ(value("Initial"), QVariant(qint64(65)));
    EXPECT_EQ(value("Symbol"), QVariant(qint64(90)));
    EXPECT_EQ(value("Count").toInt(), 5);
    EXPECT_EQ(value("KeyName"), QVariant(QStringLiteral("Q")));
    EXPECT_EQ(GetObjectProp(&item, *FindPropInfo(item.metaObject(), u"Owner")), &owner);
    EXPECT_EQ(GetObjectProp(&item, *FindPropInfo(item.metaObject(), u"KeyName")), nullptr);
}

TEST(PublishedProps, WritesBooleansByNameIgnoringCase) {
    TTestItem item;
    SetBoolProp(&item, u"lshift", true);
    EXPECT_TRUE(item.LShift);
    SetBoolProp(&item, u"LSHIFT", false);
    EXPECT_FALSE(item.LShift);
}

TEST(PublishedProps, WritingANameThatIsNoBooleanFails) {
    TTestItem item;
    for (const QString& name :
         {QStringLiteral("RShift"), QStringLiteral(" LShift"), QString(), QStringLiteral("KeyName")}) {
        try {
            SetBoolProp(&item, name, true);
            FAIL() << "no error for " << name.toStdString();
        } catch (const EPropertyError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Property %1 does not exist").arg(name));
        }
    }
    EXPECT_EQ(item.KeyName, QString());
}

} // namespace
