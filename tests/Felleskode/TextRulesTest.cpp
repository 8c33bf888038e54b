#include "TextRules.h"

#include "Felleskode/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct TSplitCase {
    const char* Text;
    QStringList Lines;
};

class SplitLinesTest : public ::testing::TestWithParam<TSplitCase> {};

TEST_P(SplitLinesTest, BreaksAtEveryKindOfLineEnd) {
    EXPECT_EQ(SplitLines(QString::fromLatin1(GetParam().Text)), GetParam().Lines);
}

INSTANTIATE_TEST_SUITE_P(Texts, SplitLinesTest,
                         ::testing::Values(TSplitCase{"", {}}, TSplitCase{"A=1", {"A=1"}},
                                           TSplitCase{"A=1\r\n", {"A=1"}},
                                           TSplitCase{"A\r\nB\rC\nD", {"A", "B", "C", "D"}},
                                           TSplitCase{"A\r\n\r\nB", {"A", "", "B"}}, TSplitCase{"\r\n", {""}},
                                           TSplitCase{"A\n\n", {"A", ""}},
                                           TSplitCase{"A\n\rB", {"A", "", "B"}}));

TEST(SplitLines, AZeroCharacterEndsTheText) {
    const QString text = QStringLiteral("A\r\nB") + QChar(0) + QStringLiteral("\r\nC");
    EXPECT_EQ(SplitLines(text), (QStringList{"A", "B"}));
}

TEST(JoinLines, EndsEveryLineWithCrLf) {
    EXPECT_EQ(JoinLines({"A=1", "B=2"}), QStringLiteral("A=1\r\nB=2\r\n"));
    EXPECT_EQ(JoinLines({}), QString());
    EXPECT_EQ(JoinLines(SplitLines(u"X\r\n\r\nY")), QStringLiteral("X\r\n\r\nY\r\n"));
}

TEST(CompareText, IgnoresTheCaseOfAsciiLettersOnly) {
    EXPECT_EQ(CompareText(u"PageDown", u"PAGEDOWN"), 0);
    EXPECT_LT(CompareText(u"A", u"b"), 0);
    EXPECT_GT(CompareText(u"b", u"A"), 0);
    EXPECT_LT(CompareText(u"Ab", u"abc"), 0);
    EXPECT_NE(CompareText(u"\u00e6", u"\u00c6"), 0);
    // "_" sorts after the upper-case letters, as the letters are compared in upper case.
    EXPECT_GT(CompareText(u"_", u"z"), 0);
}

TEST(TrimControl, RemovesCodesUpTo32AtBothEnds) {
    EXPECT_EQ(TrimControl(u"\t TAB  \r"), u"TAB");
    EXPECT_EQ(TrimControl(u" \x01 "), u"");
    EXPECT_EQ(TrimControl(u"a b"), u"a b");
}

struct TIntCase {
    const char* Text;
    std::optional<qint64> Value;
};

class TextToInt64Test : public ::testing::TestWithParam<TIntCase> {};

TEST_P(TextToInt64Test, ConvertsOrRefuses) {
    EXPECT_EQ(TextToInt64(QString::fromLatin1(GetParam().Text)), GetParam().Value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextToInt64Test,
    ::testing::Values(TIntCase{"42", 42}, TIntCase{"-7", -7}, TIntCase{"+7", 7}, TIntCase{"  3", 3},
                      TIntCase{"3 ", std::nullopt}, TIntCase{"", std::nullopt}, TIntCase{"-", std::nullopt},
                      TIntCase{"1.5", std::nullopt}, TIntCase{"$1F", 31}, TIntCase{"0x1f", 31},
                      TIntCase{"$", std::nullopt}, TIntCase{"9223372036854775807", INT64_MAX},
                      TIntCase{"-9223372036854775808", INT64_MIN},
                      TIntCase{"9223372036854775808", std::nullopt}, TIntCase{"abc", std::nullopt}));

TEST(TextToFloat, ReadsTheLocalesFormatWithBlanksAround) {
    EXPECT_EQ(TextToFloat(u" 2.5 "), 2.5);
    EXPECT_EQ(TextToFloat(u"1e3"), 1000.0);
    EXPECT_EQ(TextToFloat(u"two"), std::nullopt);
}

} // namespace
