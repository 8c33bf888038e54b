#include "Felleskode/QtPrinters.h"
#include "FixtureTables.h"
#include "support/FakeMessageBox.h"

#include <gtest/gtest.h>

namespace {

const QStringList bindings{
    "key = 'Q'@ reformers = 'LShift';'LCtrl'@ name = 'Battery'@ category = 'Electrical'",  // 1
    "key = 'Q'@ reformers = 'LShift'@ name = 'Generator'@ category = 'Electrical'",        // 2
    "key = 'W'@ reformers = 'RAlt'@ name = 'Wiper'@ category = 'Cockpit'",                 // 3
    "key = 'W'@ reformers = 'RAlt';'LWin'@ name = 'Wiper fast'@ category = 'Cockpit'",     // 4
    "key = 'D'@ name = 'Double one'@ category = 'General'",                                // 5
    "key = 'D'@ name = 'Double two'@ category = 'General'",                                // 6
    "key = 'PageDown'@ reformers = 'RShift';'RCtrl'@ name = 'Trim down'@ category = 'Fc'", // 7
};

QString failure(const char* key, const char* shift, const char* alt, const char* ctrl, const char* cat) {
    return QStringLiteral(
               "\"Fill_EkstraInfo\" feilet\"\r\n\r\nKey   = %1\r\nShift = %2\r\nAlt   = %3\r\nCtrl  = %4\r\n"
               "Cat   = %5")
        .arg(key, shift, alt, ctrl, cat);
}

struct TExtraCase {
    const char* Line;
    int BindingID; // 0: no binding gets it, a message is shown instead
    const char* Message[5];
};

void PrintTo(const TExtraCase& c, std::ostream* os) {
    *os << '"' << c.Line << '"';
}

class FillEkstraInfoLine : public ::testing::TestWithParam<TExtraCase> {};

TEST_P(FillEkstraInfoLine, NamesExactlyOneBindingOrShowsAMessage) {
    FakeMessageBox boxes;
    TFixtureTables tables = KeysOnly(bindings);
    tables.Set("EXTRA_CATEGORY", {QString::fromLatin1(GetParam().Line)});
    TdmKeys keys(tables.Source());
    for (int id = 1; id <= bindings.size(); ++id) {
        const bool named = id == GetParam().BindingID;
        EXPECT_EQ(KeyAt(keys, id - 1)->Category_Ekstra().isEmpty(), !named) << "binding " << id;
    }
    if (GetParam().BindingID) {
        EXPECT_TRUE(boxes.Texts.isEmpty());
        EXPECT_EQ(keys.Keys().Count(), 1);
        EXPECT_EQ(keys.Keys().Items(0)->ID(), GetParam().BindingID);
    } else {
        const auto& m = GetParam().Message;
        EXPECT_EQ(boxes.Texts, QStringList{failure(m[0], m[1], m[2], m[3], m[4])});
    }
    EXPECT_TRUE(keys.Keys().Filtered());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FillEkstraInfoLine,
    ::testing::Values(
        TExtraCase{"Q\tLShift\t\tLCtrl\tElectrical Power Controls", 1, {}},
        TExtraCase{"q\tlshift\t\tlctrl\tElectrical Power Controls", 1, {}},
        TExtraCase{"Q\tLShift\t\t\tGenerator Panel", 2, {}}, TExtraCase{"Q\tLShift\t\t\tGenerator\t", 2, {}},
        TExtraCase{"PageDown\tRShift\t\tRCtrl\tTrim\textra column", 7, {}},
        TExtraCase{"W\t\tRAlt\t\tWipers", 3, {}},
        TExtraCase{"Q\t LShift\t\tLCtrl\tPower", 0, {"Q", " LShift", "", "LCtrl", "Power"}},
        TExtraCase{"Q \tLShift\t\tLCtrl\tPower", 0, {"Q ", "LShift", "", "LCtrl", "Power"}},
        TExtraCase{"D\t\t\t\tBoth", 0, {"D", "", "", "", "Both"}}, TExtraCase{"", 0, {"", "", "", "", ""}},
        TExtraCase{"X\tLShift\tLAlt\tLCtrl\tNone", 0, {"X", "LShift", "LAlt", "LCtrl", "None"}}));

TEST(FillEkstraInfo, NeverNamesABindingWithAWindowsKey) {
    FakeMessageBox boxes;
    TFixtureTables tables = KeysOnly({"key = 'W'@ reformers = 'RAlt';'LWin'"});
    tables.Set("EXTRA_CATEGORY", {"W\t\tRAlt\t\tWipers"});
    TdmKeys keys(tables.Source());
    EXPECT_EQ(boxes.Texts.size(), 1);
    EXPECT_EQ(KeyAt(keys, 0)->Category_Ekstra(), QString());
}

TEST(FillEkstraInfo, GoesOnAfterAFailedLine) {
    FakeMessageBox boxes;
    TFixtureTables tables = KeysOnly(bindings);
    tables.Set("EXTRA_CATEGORY", {"", "W\t\tRAlt\t\tWipers", "D\t\t\t\tBoth", "Q\tLShift\t\tLCtrl\tPower"});
    TdmKeys keys(tables.Source());
    EXPECT_EQ(boxes.Texts.size(), 2);
    EXPECT_EQ(KeyAt(keys, 2)->Category_Ekstra(), QStringLiteral("Wipers"));
    EXPECT_EQ(KeyAt(keys, 0)->Category_Ekstra(), QStringLiteral("Power"));
    EXPECT_EQ(KeyAt(keys, 0)->DisplayCategory(), QStringLiteral("Power"));
    EXPECT_EQ(KeyAt(keys, 1)->DisplayCategory(), QStringLiteral("Electrical"));
    // The last line's filter stays on the list.
    EXPECT_EQ(keys.Keys().Count(), 1);
    EXPECT_EQ(keys.Keys().Items(0), KeyAt(keys, 0));
}

} // namespace
