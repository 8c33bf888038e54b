#include "Exceptions.h"
#include "Felleskode/QtPrinters.h"
#include "FixtureTables.h"
#include "support/FakeMessageBox.h"

#include <gtest/gtest.h>

namespace {

enum TFlag {
    fLAlt = 1,
    fRAlt = 2,
    fLWin = 4,
    fRWin = 8,
    fLShift = 16,
    fRShift = 32,
    fLCtrl = 64,
    fRCtrl = 128
};

int flagsOf(const TKey_Kes& key) {
    return (key.LAlt() ? fLAlt : 0) | (key.RAlt() ? fRAlt : 0) | (key.LWin() ? fLWin : 0) |
           (key.RWin() ? fRWin : 0) | (key.LShift() ? fLShift : 0) | (key.RShift() ? fRShift : 0) |
           (key.LCtrl() ? fLCtrl : 0) | (key.RCtrl() ? fRCtrl : 0);
}

struct TBindingCase {
    const char* Line;
    const char* KeyName;
    int Flags;
    const char* CommandName;
    const char* Category;
};

void PrintTo(const TBindingCase& c, std::ostream* os) {
    *os << '"' << c.Line << '"';
}

class LoadKeysLine : public ::testing::TestWithParam<TBindingCase> {};

TEST_P(LoadKeysLine, DecodesTheFields) {
    const TBindingCase& c = GetParam();
    TdmKeys keys(KeysOnly({"key = 'X'", QString::fromLatin1(c.Line)}).Source());
    const TKey_Kes* key = KeyAt(keys, 1);
    EXPECT_EQ(key->ID(), 2);
    EXPECT_EQ(key->KeyName(), QString::fromLatin1(c.KeyName));
    EXPECT_EQ(flagsOf(*key), c.Flags);
    EXPECT_EQ(key->CommandName(), QString::fromLatin1(c.CommandName));
    EXPECT_EQ(key->Category(), QString::fromLatin1(c.Category));
    EXPECT_EQ(key->Category_Ekstra(), QString());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LoadKeysLine,
    ::testing::Values(
        TBindingCase{"key = 'Z'@ reformers = 'LCtrl'@ down = iCommandAccelerate@ name = 'Time accelerate'@ "
                     "category = 'General'",
                     "Z", fLCtrl, "Time accelerate", "General"},
        TBindingCase{"key = '''@ name = 'Apostrophe'", "'", 0, "Apostrophe", ""},
        TBindingCase{"key = ''", "'", 0, "", ""}, TBindingCase{"key = '\\'", "\\", 0, "", ""},
        TBindingCase{"key = '='", "=", 0, "", ""}, TBindingCase{"key=PageDown", "PageDown", 0, "", ""},
        TBindingCase{"\t key \t=  'F11' \t@category= ' Views '", "F11", 0, "", " Views "},
        TBindingCase{"Key = 'A'@ name = 'Upper-case field name'", "", 0, "Upper-case field name", ""},
        TBindingCase{"key = 'H'@ name = 'Heading@ Auto'@ category = 'Autopilot'", "H", 0, "Heading",
                     "Autopilot"},
        TBindingCase{"", "", 0, "", ""}, TBindingCase{"@@@", "", 0, "", ""},
        TBindingCase{"reformers = 'RCtrl';'RShift'", "", fRCtrl | fRShift, "", ""},
        TBindingCase{"reformers = 'LCtrl';'LShift';'LAlt'", "", fLCtrl | fLShift | fLAlt, "", ""},
        TBindingCase{"reformers = 'lctrl';'RALT';'lWin'", "", fLCtrl | fRAlt | fLWin, "", ""},
        TBindingCase{"reformers = 'LCtrl';", "", fLCtrl, "", ""},
        TBindingCase{"key = 'A'@ key = 'B'@ reformers = 'LCtrl'@ reformers = 'RWin'", "B", fLCtrl | fRWin, "",
                     ""},
        TBindingCase{"key = 'Q'@ up = iCommandStop@ pressed = iCommandHold@ name = 'x'", "Q", 0, "x", ""}));

struct TBadReformer {
    const char* Line;
    const char* Message;
};

class LoadKeysBadReformer : public ::testing::TestWithParam<TBadReformer> {};

TEST_P(LoadKeysBadReformer, StopsTheConstruction) {
    try {
        TdmKeys keys(KeysOnly({"key = 'A'", QString::fromLatin1(GetParam().Line)}).Source());
        FAIL() << "constructed";
    } catch (const EPropertyError& e) {
        EXPECT_EQ(e.Message(), QString::fromLatin1(GetParam().Message));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LoadKeysBadReformer,
    ::testing::Values(TBadReformer{"reformers = 'RCtrl'; 'RShift'", "Property  RShift does not exist"},
                      TBadReformer{"reformers = 'RCtrl' ;'RShift'", "Property RCtrl  does not exist"},
                      TBadReformer{"reformers = ''", "Property  does not exist"},
                      TBadReformer{"reformers = 'LCtrl';;'LAlt'", "Property  does not exist"},
                      TBadReformer{"reformers = 'Shift'", "Property Shift does not exist"},
                      TBadReformer{"reformers = 'KeyName'", "Property KeyName does not exist"},
                      TBadReformer{"reformers = 'ID'", "Property ID does not exist"}));

TEST(LoadKeys, IDsFollowTheTableOrder) {
    TdmKeys keys(KeysOnly({"key = 'A'", "", "key = 'C'"}).Source());
    ASSERT_EQ(keys.Keys().AllItems().size(), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(KeyAt(keys, i)->ID(), i + 1);
    EXPECT_EQ(KeyAt(keys, 2)->KeyName(), QStringLiteral("C"));
    EXPECT_FALSE(keys.Keys().Filtered());
}

TEST(LoadKeys, AZeroByteEndsTheTable) {
    TFixtureTables tables = KeysOnly({});
    tables.Tables["KES_KEYS"] = QByteArray("key = 'A'\r\nkey = 'B'\0\r\nkey = 'C'\r\n", 32);
    TdmKeys keys(tables.Source());
    EXPECT_EQ(keys.Keys().AllItems().size(), 2u);
}

struct TVKCase {
    const char* Line;
    quint16 Key;
    const char* KeyName;
};

class LoadVKKeysLine : public ::testing::TestWithParam<TVKCase> {};

TEST_P(LoadVKKeysLine, ReadsTheCodeAndTheTrimmedName) {
    TFixtureTables tables = KeysOnly({});
    tables.Set("VK_KEYS", {"VK_BACK\t08\tBACK", QString::fromLatin1(GetParam().Line)});
    TdmKeys keys(tables.Source());
    ASSERT_EQ(keys.VKKeys().Count(), 2);
    const auto* name = static_cast<TKey_VK*>(keys.VKKeys().Items(1));
    EXPECT_EQ(name->ID(), 2);
    EXPECT_EQ(name->Key(), GetParam().Key);
    EXPECT_EQ(name->KeyName(), QString::fromLatin1(GetParam().KeyName));
    EXPECT_FALSE(keys.VKKeys().Filtered());
}

INSTANTIATE_TEST_SUITE_P(Lines, LoadVKKeysLine,
                         ::testing::Values(TVKCase{"VK_TAB\t09\tTAB  ", 9, "TAB"},
                                           TVKCase{"VK_NEXT\t22\tPAGEDOWN", 0x22, "PAGEDOWN"},
                                           TVKCase{"VK_NUMPAD5\t65\tNum5", 0x65, "Num5"},
                                           TVKCase{"VK_NUMLOCK\t90\t NumLock\t", 0x90, "NumLock"},
                                           TVKCase{"\tff\tlower", 0xFF, "lower"},
                                           TVKCase{"VK_X\tFFFF", 0xFFFF, ""}));

struct TBadCode {
    const char* Line;
    const char* Message;
};

class LoadVKKeysBadCode : public ::testing::TestWithParam<TBadCode> {};

TEST_P(LoadVKKeysBadCode, StopsTheConstruction) {
    TFixtureTables tables = KeysOnly({});
    tables.Set("VK_KEYS", {QString::fromLatin1(GetParam().Line)});
    try {
        TdmKeys keys(tables.Source());
        FAIL() << "constructed";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QString::fromLatin1(GetParam().Message));
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, LoadVKKeysBadCode,
                         ::testing::Values(TBadCode{"VK_X\tZZ\tX", "'$ZZ' is not a valid integer value"},
                                           TBadCode{"VK_X\t0x10\tX", "'$0x10' is not a valid integer value"},
                                           TBadCode{"VK_X\t\tX", "'$' is not a valid integer value"},
                                           TBadCode{"", "'$' is not a valid integer value"},
                                           TBadCode{"VK_BACK 08 BACK", "'$' is not a valid integer value"},
                                           TBadCode{"VK_X\t10000\tX", "Range check error"},
                                           TBadCode{"VK_X\tFFFFFFFFF\tX", "Range check error"}));

} // namespace
