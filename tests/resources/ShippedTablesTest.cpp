// The numbers and special bindings the program and its pictures rely on, checked on the embedded
// tables themselves, so that an edit of a table cannot quietly break them.

#include "RawTables.h"
#include "Resources.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

using namespace rawtables;

namespace {

struct ShippedTables {
    QByteArray kesText = LoadResource("KES_KEYS");
    QByteArray vkText = LoadResource("VK_KEYS");
    QByteArray extraText = LoadResource("EXTRA_CATEGORY");
    QList<RawBinding> bindings = ReadBindings(kesText);
    QList<Columns> keyNames = ReadColumns(vkText);
    QList<Columns> extras = ReadColumns(extraText);

    ShippedTables() { AttachFinerCategories(bindings, extras); }
};

const ShippedTables& Tables() {
    static const ShippedTables tables;
    return tables;
}

QStringList PanelCategories() {
    QFile file(QStringLiteral(KES_PANEL_LIST_FILE));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << KES_PANEL_LIST_FILE;
    return CrLfLines(file.readAll());
}

} // namespace

TEST(ShippedTables, AreAsciiWithCrLfLineEnds) {
    for (const QByteArray* text : {&Tables().kesText, &Tables().vkText, &Tables().extraText}) {
        EXPECT_TRUE(text->endsWith("\r\n"));
        EXPECT_EQ(text->count('\n'), text->count("\r\n"));
        EXPECT_EQ(text->count('\r'), text->count("\r\n"));
        for (const char byte : *text)
            ASSERT_TRUE(byte == '\t' || byte == '\r' || byte == '\n' || (byte >= 32 && byte < 127));
    }
}

TEST(ShippedTables, KesKeysHasItsFieldCounts) {
    const auto& bindings = Tables().bindings;
    ASSERT_EQ(bindings.size(), 500);
    QMap<QString, int> withField;
    for (const RawBinding& binding : bindings)
        for (const QString& field : binding.fields.keys())
            ++withField[field];
    EXPECT_EQ(withField.value("key"), 500);
    EXPECT_EQ(withField.value("name"), 500);
    EXPECT_EQ(withField.value("category"), 500);
    EXPECT_EQ(withField.value("reformers"), 409);
    EXPECT_EQ(withField.value("down"), 428);
    EXPECT_EQ(withField.value("up"), 181);
    EXPECT_EQ(withField.value("pressed"), 77);
    EXPECT_EQ(withField.size(), 7) << QStringList(withField.keys()).join(' ').toStdString();
}

TEST(ShippedTables, FieldValuesAreWrittenAsTheLoaderExpects) {
    const QRegularExpression quoted(QStringLiteral("^'[^']+'$"));
    const QRegularExpression identifier(QStringLiteral("^[A-Za-z][A-Za-z0-9_]*$"));
    const QRegularExpression reformers(QStringLiteral("^'[A-Za-z]+'(;'[A-Za-z]+'){0,2}$"));
    for (const RawBinding& binding : Tables().bindings) {
        SCOPED_TRACE(binding.line.toStdString());
        const QString key = binding.fields.value("key");
        EXPECT_TRUE(quoted.match(key).hasMatch() || key == QLatin1String("'''"));
        EXPECT_TRUE(quoted.match(binding.fields.value("name")).hasMatch());
        EXPECT_TRUE(quoted.match(binding.fields.value("category")).hasMatch());
        if (binding.fields.contains("reformers")) {
            EXPECT_TRUE(reformers.match(binding.fields.value("reformers")).hasMatch());
        }
        for (const char* event : {"down", "up", "pressed"}) {
            if (binding.fields.contains(event)) {
                EXPECT_TRUE(identifier.match(binding.fields.value(event)).hasMatch());
            }
        }
    }
}

TEST(ShippedTables, ReformersAreOneToThreeOfTheSevenModifiers) {
    const QSet<QString> allowed{"LCtrl", "LShift", "RCtrl", "LAlt", "RAlt", "RShift", "LWin"};
    QSet<QString> used;
    for (const RawBinding& binding : Tables().bindings) {
        if (!binding.fields.contains("reformers"))
            continue;
        SCOPED_TRACE(binding.line.toStdString());
        EXPECT_GE(binding.reformers.size(), 1);
        EXPECT_LE(binding.reformers.size(), 3);
        EXPECT_EQ(QSet<QString>(binding.reformers.begin(), binding.reformers.end()).size(), binding.reformers.size());
        for (const QString& modifier : binding.reformers) {
            EXPECT_TRUE(allowed.contains(modifier)) << modifier.toStdString();
            used.insert(modifier);
        }
    }
    EXPECT_EQ(used, allowed);
}

TEST(ShippedTables, EveryCombinationUsesModifiersOfOneSide) {
    // The window's modifier set clears the left flags when a right modifier is pressed and the
    // other way round, so a combination that mixes the sides could never be looked up by typing.
    for (const RawBinding& binding : Tables().bindings) {
        QSet<QChar> sides;
        for (const QString& modifier : binding.reformers)
            sides.insert(modifier.front());
        EXPECT_LE(sides.size(), 1) << binding.line.toStdString();
    }
}

TEST(ShippedTables, EveryKeyNameIsOneTheLookUpCanProduce) {
    // Single characters come from the US layout, unshifted and upper-cased; words from VK_KEYS.
    const QString layoutCharacters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789,./;'[]\\-=`");
    QSet<QString> keyWords;
    for (const Columns& row : Tables().keyNames)
        keyWords.insert(row.value(2).trimmed().toUpper());
    for (const RawBinding& binding : Tables().bindings) {
        const bool character = binding.key.size() == 1 && layoutCharacters.contains(binding.key);
        EXPECT_TRUE(character || keyWords.contains(binding.key.toUpper())) << binding.line.toStdString();
    }
}

TEST(ShippedTables, NoTwoBindingsShareKeyAndModifiers) {
    QMap<QString, QString> seen;
    for (const RawBinding& binding : Tables().bindings) {
        const QString combination = binding.Combination();
        EXPECT_FALSE(seen.contains(combination))
            << binding.line.toStdString() << "\n and " << seen.value(combination).toStdString();
        seen.insert(combination, binding.line);
    }
}

TEST(ShippedTables, HoldTheBindingsThatThePanelsAndLookUpsNeed) {
    struct Wanted {
        const char* what;
        std::function<bool(const RawBinding&)> matches;
    };
    const Wanted wanted[] = {
        {"the apostrophe key, written as three apostrophes",
         [](const RawBinding& b) { return b.line.startsWith("key = '''@") && b.key == "'"; }},
        {"the backslash key", [](const RawBinding& b) { return b.key == "\\"; }},
        {"the equals key", [](const RawBinding& b) { return b.key == "="; }},
        {"Time accelerate on LCtrl+Z in General",
         [](const RawBinding& b) {
             return b.key == "Z" && b.reformers == QStringList{"LCtrl"} && b.name == "Time accelerate" &&
                    b.category == "General" && b.fields.value("down") != "";
         }},
        {"PageDown without modifiers", [](const RawBinding& b) { return b.key == "PageDown" && b.reformers.isEmpty(); }},
        {"Z with RCtrl alone", [](const RawBinding& b) { return b.key == "Z" && b.reformers == QStringList{"RCtrl"}; }},
    };
    for (const Wanted& want : wanted) {
        const auto& bindings = Tables().bindings;
        EXPECT_TRUE(std::any_of(bindings.begin(), bindings.end(), want.matches)) << want.what;
    }
    const auto& bindings = Tables().bindings;
    EXPECT_FALSE(std::any_of(bindings.begin(), bindings.end(), [](const RawBinding& b) {
        return b.key == "Z" && b.reformers.contains("LCtrl") && b.reformers.contains("RCtrl");
    })) << "LCtrl and RCtrl together on Z must find nothing";
}

TEST(ShippedTables, VkKeysHoldsTheFiftyKeyNames) {
    const std::pair<int, const char*> expected[] = {
        {0x08, "BACK"}, {0x09, "TAB"}, {0x0C, "CLEAR"}, {0x0D, "ENTER"}, {0x13, "PAUSE"}, {0x14, "CAPSLOCK"},
        {0x1B, "ESC"}, {0x20, "SPACE"}, {0x21, "PAGEUP"}, {0x22, "PAGEDOWN"}, {0x23, "END"}, {0x24, "HOME"},
        {0x25, "LEFT"}, {0x26, "UP"}, {0x27, "RIGHT"}, {0x28, "DOWN"}, {0x29, "SELECT"}, {0x2B, "EXECUTE"},
        {0x2C, "SYSRQ"}, {0x2D, "INSERT"}, {0x2E, "DELETE"}, {0x2F, "HELP"}, {0x60, "Num0"}, {0x61, "Num1"},
        {0x62, "Num2"}, {0x63, "Num3"}, {0x64, "Num4"}, {0x65, "Num5"}, {0x66, "Num6"}, {0x67, "Num7"},
        {0x68, "Num8"}, {0x69, "Num9"}, {0x6A, "Num*"}, {0x6B, "Num+"}, {0x6D, "Num-"}, {0x6E, "Num."},
        {0x6F, "Num/"}, {0x70, "F1"}, {0x71, "F2"}, {0x72, "F3"}, {0x73, "F4"}, {0x74, "F5"}, {0x75, "F6"},
        {0x76, "F7"}, {0x77, "F8"}, {0x78, "F9"}, {0x79, "F10"}, {0x7A, "F11"}, {0x7B, "F12"}, {0x90, "NumLock"}};
    const auto& rows = Tables().keyNames;
    ASSERT_EQ(rows.size(), std::size(expected));
    QSet<QString> constants;
    for (qsizetype index = 0; index < rows.size(); ++index) {
        const Columns& row = rows[index];
        ASSERT_EQ(row.size(), 3) << row.join('|').toStdString();
        bool hexadecimal = false;
        EXPECT_EQ(row[1].toInt(&hexadecimal, 16), expected[index].first) << row[1].toStdString();
        EXPECT_TRUE(hexadecimal);
        EXPECT_EQ(row[2].trimmed(), QLatin1String(expected[index].second));
        EXPECT_TRUE(row[0].startsWith("VK_")) << row[0].toStdString();
        constants.insert(row[0]);
    }
    EXPECT_EQ(constants.size(), rows.size());
    for (const char* row : {"VK_BACK\t08\t", "VK_NEXT\t22\t", "VK_NUMPAD5\t65\t", "VK_TAB\t09\t", "VK_NUMLOCK\t90\t"})
        EXPECT_TRUE(Tables().vkText.startsWith(row) || Tables().vkText.contains(QByteArray("\n") + row)) << row;
}

TEST(ShippedTables, EveryFinerCategoryLineNamesOneBindingOfItsOwn) {
    const auto& extras = Tables().extras;
    ASSERT_EQ(extras.size(), 156);
    QSet<qsizetype> named;
    for (const Columns& extra : extras) {
        SCOPED_TRACE(extra.join('|').toStdString());
        ASSERT_EQ(extra.size(), 5);
        EXPECT_TRUE(QStringList({"", "LShift", "RShift"}).contains(extra[1]));
        EXPECT_TRUE(QStringList({"", "LAlt", "RAlt"}).contains(extra[2]));
        EXPECT_TRUE(QStringList({"", "LCtrl", "RCtrl"}).contains(extra[3]));
        EXPECT_FALSE(extra[4].trimmed().isEmpty());
        const QList<qsizetype> found = MatchingBindings(Tables().bindings, extra);
        ASSERT_EQ(found.size(), 1);
        named.insert(found.first());
    }
    EXPECT_EQ(named.size(), 156);
    EXPECT_TRUE(extras.contains(Columns({"Q", "LShift", "", "LCtrl", "Electrical Power Controls"})));
}

TEST(ShippedTables, HaveFiftyFourDisplayCategoriesOfWhichFortyFiveArePanels) {
    const QSet<QString> display = DisplayCategories(Tables().bindings);
    EXPECT_EQ(display.size(), 54);

    const QStringList panelList = PanelCategories();
    const QSet<QString> panels(panelList.begin(), panelList.end());
    EXPECT_EQ(panelList.size(), 45);
    EXPECT_EQ(panels.size(), 45);
    EXPECT_TRUE(display.contains(panels));

    QSet<QString> finer;
    for (const Columns& extra : Tables().extras)
        finer.insert(extra.value(4));
    EXPECT_TRUE(panels.contains(finer));
    EXPECT_LT(finer.size(), panels.size()) << "some main categories are panels too";

    const QSet<QString> others = display - panels;
    EXPECT_EQ(others.size(), 9);
    EXPECT_TRUE(others.contains("General"));
    EXPECT_TRUE(others.contains("View"));
}
