#include "TestItems.h"
#include "ZURDump.h"

#include <gtest/gtest.h>

namespace {

TEST(Dump, AnItemPropertyLineCarriesNameTypeAndVerdi) {
    TTestItem item;
    item.KeyName = "Q";
    QStringList lines;
    item.WriteXML(lines, 4);
    EXPECT_TRUE(
        lines.contains(QStringLiteral("    <property name=\"KeyName\" type=\"string\" verdi=\"Q\" />")));
}

TEST(Dump, WritesEveryPropertyInNameOrderWithHeldItemsNested) {
    TTestItem owner;
    TTestItem item;
    item.Count = -3;
    item.Port = 80;
    item.Big = Q_INT64_C(5000000000);
    item.Initial = 'A';
    item.LShift = true;
    item.Colour = TTestItem::Blue;
    item.Weight = 2.5;
    item.KeyName = "a\"b";
    item.Category = "General";
    item.Symbol = QChar(u'Z');
    item.Options = TTestItem::Lit;
    item.Owner = &owner;
    item.Extra = QVariant(QStringLiteral("x"));
    QStringList lines;
    WriteXMLObject(lines, 0, item);
    const QStringList ownerLines = [&] {
        QStringList l;
        WriteXMLObject(l, 4, owner);
        return l;
    }();
    QStringList expected{"<object type=\"TTestItem\">",
                         "  <property name=\"Big\" type=\"Int64\" verdi=\"5000000000\" />",
                         "  <property name=\"Category\" type=\"string\" verdi=\"General\" />",
                         "  <property name=\"Colour\" type=\"TColour\" verdi=\"Blue\" />",
                         "  <property name=\"Count\" type=\"Integer\" verdi=\"-3\" />",
                         "  <property name=\"Extra\" type=\"Variant\" verdi=\"x\" />",
                         "  <property name=\"Helper\" type=\"QObject\" />",
                         "  <property name=\"ID\" type=\"Integer\" verdi=\"0\" />",
                         "  <property name=\"Initial\" type=\"Char\" verdi=\"65\" />",
                         "  <property name=\"KeyName\" type=\"string\" verdi=\"a\"b\" />",
                         "  <property name=\"LCtrl\" type=\"Boolean\" verdi=\"False\" />",
                         "  <property name=\"LShift\" type=\"Boolean\" verdi=\"True\" />",
                         "  <property name=\"Options\" type=\"TOptions\" verdi=\"Lit\" />",
                         "  <property name=\"Owner\" type=\"TSDLItem\" >"};
    expected += ownerLines;
    expected += QStringList{"  </property>", "  <property name=\"Port\" type=\"Word\" verdi=\"80\" />",
                            "  <property name=\"Symbol\" type=\"WideChar\" verdi=\"90\" />",
                            "  <property name=\"Weight\" type=\"Double\" verdi=\"2.5\" />", "</object>"};
    EXPECT_EQ(lines, expected);
    ASSERT_GT(ownerLines.size(), 2);
    EXPECT_EQ(ownerLines.first(), QStringLiteral("    <object type=\"TTestItem\">"));
    EXPECT_EQ(ownerLines.last(), QStringLiteral("    </object>"));
    EXPECT_TRUE(ownerLines.contains(QStringLiteral("      <property name=\"Owner\" type=\"TSDLItem\" />")));
}

TEST(Dump, AnItemThatHoldsItselfEndsTheNesting) {
    TTestItem a;
    TTestItem b;
    a.Owner = &b;
    b.Owner = &a;
    QStringList lines;
    WriteXMLObject(lines, 0, a);
    EXPECT_EQ(lines.filter("<object").size(), 2);
    EXPECT_TRUE(lines.contains(QStringLiteral("      <property name=\"Owner\" type=\"TSDLItem\" />")));
}

TEST(Dump, AListWritesItsSettingsAndTheActiveView) {
    TSDLListe list;
    AddTestItem(list, "Q", true);
    AddTestItem(list, "Z");
    list.SetFilter("KeyName=Q\r\nLShift=True");
    list.SetFiltered(true);
    list.SortField = "Key\\Name";
    QStringList lines;
    list.WriteXML(lines, 2);
    ASSERT_GE(lines.size(), 7);
    EXPECT_EQ(lines.mid(0, 6),
              (QStringList{
                  "  <property name=\"ID\" type=\"Integer\" verdi=\"0\" />",
                  "  <property name=\"Filtered\" type=\"Boolean\" value=\"True\" />",
                  "  <property name=\"Filter\" type=\"String\" value=\"KeyName=Q\\r\\nLShift=True\\r\\n\" />",
                  "  <property name=\"SortReversed\" type=\"Boolean\" value=\"False\" />",
                  "  <property name=\"SortField\" type=\"String\" value=\"Key\\\\Name\" />",
                  "  <property name=\"Items\" type=\"DArray\" >"}));
    EXPECT_EQ(lines[6], QStringLiteral("    <object type=\"TTestItem\">"));
    EXPECT_EQ(lines.filter("<object").size(), 1);
    EXPECT_TRUE(
        lines.contains(QStringLiteral("      <property name=\"KeyName\" type=\"string\" verdi=\"Q\" />")));
    EXPECT_EQ(lines.last(), QStringLiteral("  </property>"));
}

struct TEscapeCase {
    QString Text;
    const char* Escaped;
};

class EscapeTest : public ::testing::TestWithParam<TEscapeCase> {};

TEST_P(EscapeTest, EscapesLikeC) {
    EXPECT_EQ(EscapeC(GetParam().Text), QString::fromUtf8(GetParam().Escaped));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, EscapeTest,
    ::testing::Values(TEscapeCase{"plain text", "plain text"},
                      TEscapeCase{QString::fromLatin1("\a\b\t\n\v\f\r"), "\\a\\b\\t\\n\\v\\f\\r"},
                      TEscapeCase{"say \"hi\"", "say \\\"hi\\\""}, TEscapeCase{"C:\\dir", "C:\\\\dir"},
                      TEscapeCase{QString(QChar(0)) + QChar(1) + QChar(6) + QChar(14) + QChar(31),
                                  "\\x00\\x01\\x06\\x0e\\x1f"},
                      TEscapeCase{QStringLiteral("\u00e6 ~"), "\xc3\xa6 ~"}));

} // namespace
