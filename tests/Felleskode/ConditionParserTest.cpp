#include "ConditionParser.h"

#include "Felleskode/QtPrinters.h"
#include <QStringList>

#include <gtest/gtest.h>

namespace {

struct TParseCase {
    const char* Line;
    const char* FieldName;
    int Operator;
    const char* Value;
};

class ParseConditionTest : public ::testing::TestWithParam<TParseCase> {};

TEST_P(ParseConditionTest, SplitsFieldOperatorAndValue) {
    const TParseCase& c = GetParam();
    const QString line = QString::fromLatin1(c.Line);
    TCondition condition;
    ParseCondition(line, condition);
    EXPECT_EQ(condition.FieldName.toString(), QString::fromLatin1(c.FieldName));
    EXPECT_EQ(condition.Operator, c.Operator);
    EXPECT_EQ(condition.Value.toString(), QString::fromLatin1(c.Value));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseConditionTest,
    ::testing::Values(
        TParseCase{"Category_Ekstra=Electrical Power Controls", "Category_Ekstra", opEqual,
                   "Electrical Power Controls"},
        TParseCase{"Owner.Name<>X", "Owner.Name", opNotEqual, "X"}, TParseCase{"ID<3", "ID", opLess, "3"},
        TParseCase{"ID>3", "ID", opGreater, "3"}, TParseCase{"ID<=3", "ID", opLessEqual, "3"},
        TParseCase{"ID>=3", "ID", opGreaterEqual, "3"}, TParseCase{"KeyName==", "KeyName", opEqual, "="},
        TParseCase{"KeyName= A", "KeyName", opEqual, " A"}, TParseCase{"KeyName=", "KeyName", opEqual, ""},
        TParseCase{"  \tLShift  =True", "LShift", opEqual, "True"},
        TParseCase{"A . B . C=1", "A.B.C", opEqual, "1"}, TParseCase{".Name=1", ".Name", opEqual, "1"},
        TParseCase{"Key2_x<>a=b<c", "Key2_x", opNotEqual, "a=b<c"},
        TParseCase{"12.5e3=x", "12.5e3", opEqual, "x"}));

struct TFailCase {
    const char* Line;
    const char* Message;
};

class ParseConditionFailureTest : public ::testing::TestWithParam<TFailCase> {};

TEST_P(ParseConditionFailureTest, NamesTheLineAndTheLastIdentifierOrNumber) {
    const QString line = QString::fromLatin1(GetParam().Line);
    TCondition condition;
    try {
        ParseCondition(line, condition);
        FAIL() << "no error for " << GetParam().Line;
    } catch (const EFilterError& e) {
        EXPECT_EQ(e.Message(), QString::fromLatin1(GetParam().Message));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseConditionFailureTest,
    ::testing::Values(
        TFailCase{"KeyName", "Feil i filter: \"KeyName\"\r\nFant ikke gyldig operator. (CurrToken=KeyName)"},
        TFailCase{"=5", "Feil i filter: \"=5\"\r\nFant ikke gyldig operator. (CurrToken=5)"},
        TFailCase{"", "Feil i filter: \"\"\r\nFant ikke gyldig operator. (CurrToken=)"},
        TFailCase{"Key Name=Z",
                  "Feil i filter: \"Key Name=Z\"\r\nFant ikke gyldig operator. (CurrToken=Name)"},
        TFailCase{"Key!=Z", "Feil i filter: \"Key!=Z\"\r\nFant ikke gyldig operator. (CurrToken=Key)"},
        // The operator after a dot is taken as the name's next piece; the value's number is then read.
        TFailCase{"A.=1", "Feil i filter: \"A.=1\"\r\nFant ikke gyldig operator. (CurrToken=1)"}));

TEST(OperatorText, NamesTheSixOperatorsInTheirOrder) {
    const QStringList texts{"=", "<>", "<", ">", "<=", ">="};
    for (int op = opEqual; op <= opGreaterEqual; ++op)
        EXPECT_EQ(OperatorText(op), texts[op]);
}

} // namespace
