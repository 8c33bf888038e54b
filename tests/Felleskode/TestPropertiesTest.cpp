#include "ConditionParser.h"
#include "TestItems.h"
#include "support/FakeMessageBox.h"

#include <gtest/gtest.h>

namespace {

// One item with a value in every kind of property, tested one condition line at a time.
class TConditionFixture {
public:
    TConditionFixture() {
        Owner.KeyName = QStringLiteral("Q");
        Owner.Count = 3;
        Item.Count = 5;
        Item.Port = 8080;
        Item.Big = Q_INT64_C(5000000000);
        Item.Initial = 'M';
        Item.LShift = true;
        Item.Colour = TTestItem::Green;
        Item.Weight = 2.5;
        Item.KeyName = QStringLiteral("PageDown");
        Item.Category = QStringLiteral("Hydraulics");
        Item.Symbol = QChar(u'A');
        Item.Options = TTestItem::Lit;
        Item.Owner = &Owner;
        Item.Extra = QVariant(5);
    }

    bool Test(const char* line) { return List.TestItem(QString::fromLatin1(line), &Item); }

    TSDLListe List;
    TTestItem Owner;
    TTestItem Item;
};

struct TConditionCase {
    const char* Line;
    bool Holds;
};

void PrintTo(const TConditionCase& c, std::ostream* os) {
    *os << '"' << c.Line << '"';
}

class ConditionKindTest : public ::testing::TestWithParam<TConditionCase> {};

TEST_P(ConditionKindTest, ComparesByThePropertysKind) {
    FakeMessageBox boxes;
    TConditionFixture f;
    EXPECT_EQ(f.Test(GetParam().Line), GetParam().Holds);
    EXPECT_TRUE(boxes.Texts.isEmpty());
}

// Integers and characters: property against value, text that is no integer makes the line false.
INSTANTIATE_TEST_SUITE_P(
    Integers, ConditionKindTest,
    ::testing::Values(TConditionCase{"Count=5", true}, TConditionCase{"Count<6", true},
                      TConditionCase{"Count<5", false}, TConditionCase{"Count>4", true},
                      TConditionCase{"Count<=5", true}, TConditionCase{"Count>=6", false},
                      TConditionCase{"Count<>5", false}, TConditionCase{"Count=$5", true},
                      TConditionCase{"Count=five", false}, TConditionCase{"Count<>five", false},
                      TConditionCase{"Count=5.0", false}, TConditionCase{"Port=8080", true},
                      TConditionCase{"Port>8000", true}, TConditionCase{"Big=5000000000", true},
                      TConditionCase{"Big<5000000001", true}, TConditionCase{"Initial=77", true},
                      TConditionCase{"Initial>76", true}, TConditionCase{"Initial=M", false}));

// Booleans: value against property, False before True.
INSTANTIATE_TEST_SUITE_P(
    Booleans, ConditionKindTest,
    ::testing::Values(TConditionCase{"LShift=True", true}, TConditionCase{"lshift=true", true},
                      TConditionCase{"LShift=FALSE", false}, TConditionCase{"LShift=1", true},
                      TConditionCase{"LShift=-2.5", true}, TConditionCase{"LShift=0", false},
                      TConditionCase{"LShift<False", true}, TConditionCase{"LShift>True", false},
                      TConditionCase{"LCtrl>True", true}, TConditionCase{"LCtrl<False", false},
                      TConditionCase{"LShift<>False", true}, TConditionCase{"LCtrl<=False", true}));

// Other enumerations: property against value by ordinal, unknown names are -1.
INSTANTIATE_TEST_SUITE_P(
    Enumerations, ConditionKindTest,
    ::testing::Values(TConditionCase{"Colour=Green", true}, TConditionCase{"Colour= green ", true},
                      TConditionCase{"Colour>Red", true}, TConditionCase{"Colour<Blue", true},
                      TConditionCase{"Colour=Purple", false}, TConditionCase{"Colour>Purple", true},
                      TConditionCase{"Colour=1", true}, TConditionCase{"Colour=2", false}));

// Floating point: property against value.
INSTANTIATE_TEST_SUITE_P(
    Floats, ConditionKindTest,
    ::testing::Values(TConditionCase{"Weight=2.5", true}, TConditionCase{"Weight>2", true},
                      TConditionCase{"Weight<2.5", false}, TConditionCase{"Weight= 2.5 ", true},
                      TConditionCase{"Weight=heavy", false}, TConditionCase{"Weight<>heavy", false}));

// Text: value against property, ASCII case ignored, the value exactly as written.
INSTANTIATE_TEST_SUITE_P(
    Texts, ConditionKindTest,
    ::testing::Values(TConditionCase{"KeyName=pagedown", true}, TConditionCase{"KEYNAME=PAGEDOWN", true},
                      TConditionCase{"KeyName= PageDown", false}, TConditionCase{"KeyName=PageDown ", false},
                      TConditionCase{"KeyName<PageUp", false}, TConditionCase{"KeyName>PageUp", true},
                      TConditionCase{"Category<M", false}, TConditionCase{"Category>M", true},
                      TConditionCase{"Category<A", true}, TConditionCase{"Category<>hydraulics", false}));

// Wide characters: the code in decimal, compared as text with the value on the left.
INSTANTIATE_TEST_SUITE_P(WideCharacters, ConditionKindTest,
                         ::testing::Values(TConditionCase{"Symbol=65", true},
                                           TConditionCase{"Symbol=A", false},
                                           TConditionCase{"Symbol>7", true},
                                           TConditionCase{"Symbol<7", false}));

// Sets, object references and variants are never compared; unknown names never hold.
INSTANTIATE_TEST_SUITE_P(
    NotCompared, ConditionKindTest,
    ::testing::Values(TConditionCase{"Options=Lit", false}, TConditionCase{"Options<>Lit", false},
                      TConditionCase{"Owner=x", false}, TConditionCase{"Owner<>x", false},
                      TConditionCase{"Extra=5", false}, TConditionCase{"Extra<>5", false},
                      TConditionCase{"NoSuchProperty=1", false}, TConditionCase{"NoSuchProperty<>1", false}));

// "classname" and names through object references.
INSTANTIATE_TEST_SUITE_P(
    Names, ConditionKindTest,
    ::testing::Values(TConditionCase{"classname=ttestitem", true},
                      TConditionCase{"ClassName<>TTestItem", false}, TConditionCase{"CLASSNAME>TZ", true},
                      TConditionCase{"Owner.KeyName=q", true}, TConditionCase{"owner.count<4", true},
                      TConditionCase{"Owner.Count<3", false}, TConditionCase{"Owner.NoSuch=1", false},
                      TConditionCase{"NoOwner.KeyName=Q", false}, TConditionCase{"KeyName.Length=8", false},
                      TConditionCase{"Owner.Owner.KeyName=Q", false},
                      TConditionCase{"Owner.classname=TTestItem", true}));

TEST(TestProperties, AnObjectReferenceToSomethingElseThanAnItemHoldsNothing) {
    QObject stranger;
    TConditionFixture f;
    f.Item.Helper = &stranger;
    f.Item.Owner = nullptr;
    EXPECT_FALSE(f.Test("Helper.ID=0"));
    EXPECT_FALSE(f.Test("Owner.ID=0"));
    f.Item.Owner = &f.Owner;
    EXPECT_TRUE(f.Test("Owner.ID=0"));
}

TEST(TestProperties, ABooleanValueThatIsNoBooleanShowsAMessageAndFails) {
    FakeMessageBox boxes;
    TConditionFixture f;
    EXPECT_FALSE(f.Test("LShift=yes"));
    EXPECT_FALSE(f.Test("LShift<>yes"));
    ASSERT_EQ(boxes.Texts.size(), 2);
    EXPECT_EQ(boxes.Texts[0],
              QStringLiteral("TSDLListe.TestProperties(): Ugyldig filter. Feltet LShift har ikke "
                             "gyldig verdi.\r\n\r\n(...LShift=yes...)"));
    EXPECT_EQ(boxes.Texts[1],
              QStringLiteral("TSDLListe.TestProperties(): Ugyldig filter. Feltet LShift har ikke "
                             "gyldig verdi.\r\n\r\n(...LShift<>yes...)"));
}

TEST(TestProperties, ABooleanValueWithBlanksIsNoBoolean) {
    FakeMessageBox boxes;
    TConditionFixture f;
    EXPECT_FALSE(f.Test("LShift= True"));
    EXPECT_EQ(boxes.Texts.size(), 1);
}

TEST(TestItem, TheFirstFalseLineEndsTheTestBeforeLaterLinesAreParsed) {
    TConditionFixture f;
    EXPECT_FALSE(f.Test("KeyName=Z\r\nno operator here"));
    EXPECT_THROW(f.Test("KeyName=PageDown\r\nno operator here"), EFilterError);
    EXPECT_TRUE(f.Test("KeyName=PageDown\r\nLShift=True\r\nCount>4"));
    EXPECT_TRUE(f.Test(""));
}

} // namespace
