#include "KeyboardLayout.h"
#include "Keyboard.h"
#include "VirtualKeys.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

// The X server's key codes become the keys the system's tables are written for.
struct XKeyCase {
    quint8 XKeyCode;
    bool NumLock;
    TPhysicalKey Key;
};

class XKeyCodes : public ::testing::TestWithParam<XKeyCase> {};

TEST_P(XKeyCodes, GiveTheKeyWithItsSide) {
    const XKeyCase& c = GetParam();
    std::optional<TPhysicalKey> key = PhysicalKeyOfXKeyCode(c.XKeyCode, c.NumLock);
    ASSERT_TRUE(key.has_value());
    EXPECT_EQ(*key, c.Key);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Evdev, XKeyCodes, ::testing::Values(
    //        X  Num Lock  VK           sided VK     scan  extended
    XKeyCase{ 50, false, {VK_SHIFT,   VK_LSHIFT,   0x2A, false}},
    XKeyCase{ 62, false, {VK_SHIFT,   VK_RSHIFT,   0x36, false}},
    XKeyCase{ 37, false, {VK_CONTROL, VK_LCONTROL, 0x1D, false}},
    XKeyCase{105, false, {VK_CONTROL, VK_RCONTROL, 0x1D, true}},
    XKeyCase{ 64, false, {VK_MENU,    VK_LMENU,    0x38, false}},
    XKeyCase{108, false, {VK_MENU,    VK_RMENU,    0x38, true}},
    XKeyCase{133, false, {VK_LWIN,    VK_LWIN,     0x5B, true}},
    XKeyCase{134, false, {VK_RWIN,    VK_RWIN,     0x5C, true}},
    XKeyCase{ 52, false, {'Z',        'Z',         0x2C, false}},
    XKeyCase{ 76, false, {VK_F10,     VK_F10,      0x44, false}},
    XKeyCase{ 84, true,  {VK_NUMPAD5, VK_NUMPAD5,  0x4C, false}},
    XKeyCase{ 84, false, {VK_CLEAR,   VK_CLEAR,    0x4C, false}},
    XKeyCase{ 79, false, {VK_HOME,    VK_HOME,     0x47, false}},
    XKeyCase{110, true,  {VK_HOME,    VK_HOME,     0x47, true}},
    XKeyCase{112, false, {VK_PRIOR,   VK_PRIOR,    0x49, true}},
    XKeyCase{117, false, {VK_NEXT,    VK_NEXT,     0x51, true}},
    XKeyCase{ 36, false, {VK_RETURN,  VK_RETURN,   0x1C, false}},
    XKeyCase{104, false, {VK_RETURN,  VK_RETURN,   0x1C, true}},
    XKeyCase{ 77, false, {VK_NUMLOCK, VK_NUMLOCK,  0x45, true}},
    XKeyCase{127, false, {VK_PAUSE,   VK_PAUSE,    0x45, false}},
    XKeyCase{ 48, false, {VK_OEM_7,   VK_OEM_7,    0x28, false}}));
// clang-format on

TEST(XKeyCodesOfAKeyboard, CoverAll104KeysOnceEach) {
    std::set<quint16> sidedKeys;
    int keys = 0;
    for (int code = 0; code < 256; ++code) {
        std::optional<TPhysicalKey> key = PhysicalKeyOfXKeyCode(quint8(code), true);
        if (!key) continue;
        ++keys;
        // The keypad's Enter is the one key that shares its virtual key (and its character).
        if (code != 104) {
            EXPECT_TRUE(sidedKeys.insert(key->SidedVK).second) << "key code " << code;
        }
    }
    EXPECT_EQ(keys, 104);
    for (quint16 vk :
         {VK_ESCAPE,    VK_BACK,     VK_TAB,      VK_SPACE,     VK_CAPITAL,   VK_SNAPSHOT,   VK_SCROLL,
          VK_APPS,      VK_OEM_1,    VK_OEM_PLUS, VK_OEM_COMMA, VK_OEM_MINUS, VK_OEM_PERIOD, VK_OEM_2,
          VK_OEM_3,     VK_OEM_4,    VK_OEM_5,    VK_OEM_6,     VK_OEM_7,     VK_F1,         VK_F12,
          VK_NUMPAD0,   VK_DIVIDE,   VK_MULTIPLY, VK_SUBTRACT,  VK_ADD,       VK_DECIMAL,    VK_INSERT,
          VK_DELETE,    VK_END,      VK_UP,       VK_LEFT,      VK_DOWN,      VK_RIGHT,      quint16('A'),
          quint16('0'), quint16('9')})
        EXPECT_TRUE(sidedKeys.count(vk)) << "virtual key " << vk;
}

TEST(XKeyCodesOfAKeyboard, AgreeWithTheScanCodes) {
    for (int code = 0; code < 256; ++code) {
        std::optional<TPhysicalKey> key = PhysicalKeyOfXKeyCode(quint8(code), false);
        if (!key) continue;
        EXPECT_EQ(VKOfScanCode(key->ScanCode, key->Extended, true), key->SidedVK) << "key code " << code;
        EXPECT_EQ(VKOfScanCode(key->ScanCode, key->Extended, false), key->VK) << "key code " << code;
    }
}

TEST(XKeyCodesOfAKeyboard, UnknownCodesGiveNoKey) {
    for (quint8 code : {0, 8, 94, 255})
        EXPECT_FALSE(PhysicalKeyOfXKeyCode(code, true)) << int(code);
}

TEST(MapVirtualKey, TranslatesBetweenKeysAndScanCodes) {
    struct Case {
        unsigned Code, Type, Expected;
    };
    const Case cases[] = {
        {VK_SHIFT, MAPVK_VK_TO_VSC, 0x2A},
        {VK_RSHIFT, MAPVK_VK_TO_VSC, 0x36},
        {VK_RCONTROL, MAPVK_VK_TO_VSC, 0x1D},
        {VK_NEXT, MAPVK_VK_TO_VSC, 0x51},
        {'Z', MAPVK_VK_TO_VSC, 0x2C},
        {VK_NUMPAD5, MAPVK_VK_TO_VSC, 0x4C},
        {VK_CLEAR, MAPVK_VK_TO_VSC, 0x4C},
        {0x07, MAPVK_VK_TO_VSC, 0},
        {0x36, MAPVK_VSC_TO_VK, VK_SHIFT},
        {0x36, MAPVK_VSC_TO_VK_EX, VK_RSHIFT},
        {0xE01D, MAPVK_VSC_TO_VK_EX, VK_RCONTROL},
        {0xE038, MAPVK_VSC_TO_VK, VK_MENU},
        {0x4C, MAPVK_VSC_TO_VK, VK_CLEAR},
        {0xE051, MAPVK_VSC_TO_VK, VK_NEXT},
        {0x1251, MAPVK_VSC_TO_VK, 0},
        {'Z', MAPVK_VK_TO_CHAR, 'Z'},
        {VK_OEM_2, MAPVK_VK_TO_CHAR, '/'},
        {VK_F1, MAPVK_VK_TO_CHAR, 0},
        {'Z', 7, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MapVirtualKey(c.Code, c.Type), c.Expected) << std::hex << c.Code << " kind " << c.Type;
}

namespace {

QString Typed(quint16 vk, const std::vector<quint16>& held = {}, bool capsLock = false) {
    quint8 state[256] = {};
    for (quint16 key : held)
        state[key] = 0x80;
    if (capsLock) state[VK_CAPITAL] = 1;
    char buffer[2] = {};
    int n = ToAscii(vk, MapVirtualKey(vk, MAPVK_VK_TO_VSC), state, buffer, 0);
    return QString::fromLatin1(buffer, n);
}

} // namespace

TEST(ToAscii, TypesTheCharacterOfTheKeyWithTheModifiersHeld) {
    struct Case {
        quint16 VK;
        std::vector<quint16> Held;
        bool CapsLock;
        QString Expected;
    };
    const Case cases[] = {
        {'Z', {}, false, "z"},
        {'Z', {VK_SHIFT}, false, "Z"},
        {'Z', {}, true, "Z"},
        {'Z', {VK_SHIFT}, true, "z"},
        {'1', {}, true, "1"},
        {'1', {VK_SHIFT}, false, "!"},
        {VK_OEM_7, {}, false, "'"},
        {VK_OEM_5, {VK_SHIFT}, false, "|"},
        {VK_NUMPAD5, {VK_SHIFT}, false, "5"},
        {VK_DECIMAL, {}, false, "."},
        {VK_SPACE, {}, false, " "},
        {VK_RETURN, {}, false, "\r"},
        {VK_TAB, {}, false, "\t"},
        {VK_F1, {}, false, ""},
        {VK_NEXT, {}, false, ""},
        {VK_SHIFT, {}, false, ""},
        {'C', {VK_CONTROL}, false, "\x03"},
        {VK_OEM_4, {VK_CONTROL}, false, "\x1b"},
        {'1', {VK_CONTROL}, false, ""},
        {'C', {VK_CONTROL, VK_MENU}, false, ""},
        {'C', {VK_MENU}, false, "c"},
        {0x1FF, {}, false, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Typed(c.VK, c.Held, c.CapsLock), c.Expected) << "vk " << c.VK;
}

TEST(VkKeyScan, GivesTheKeyAndShiftOfACharacter) {
    struct Case {
        char Ch;
        qint16 Expected;
    };
    const Case cases[] = {
        {'z', 0x5A},   {'Z', 0x15A},    {'=', 0xBB}, {'\\', 0xDC}, {'\'', 0xDE},   {'!', 0x131},
        {'*', 0x138},  {'5', 0x35},     {' ', 0x20}, {'\r', 0x0D}, {'\x1b', 0x1B}, {'\x01', 0x241},
        {'\n', 0x24A}, {'\x7f', 0x208}, {'\0', -1},  {'\xe9', -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VkKeyScan(c.Ch), c.Expected) << "char " << int(c.Ch);
}

TEST(VkKeyScan, AndToAsciiRoundTripEveryPrintableCharacter) {
    for (char ch = 0x20; ch < 0x7F; ++ch) {
        qint16 key = VkKeyScan(ch);
        ASSERT_NE(key, -1) << ch;
        const std::vector<quint16> shift =
            key & 0x100 ? std::vector<quint16>{VK_SHIFT} : std::vector<quint16>{};
        EXPECT_EQ(Typed(quint16(key & 0xFF), shift), QString(QChar(ch)));
    }
}

TEST(KeyboardLayouts, OnlyUsEnglishLoadsAndEachLoadPairsWithAnUnload) {
    const int before = LoadedKeyboardLayouts();
    EXPECT_EQ(LoadKeyboardLayout("00000407", KLF_ACTIVATE), HKL(0));
    EXPECT_EQ(LoadKeyboardLayout(nullptr, KLF_ACTIVATE), HKL(0));
    HKL first = LoadKeyboardLayout("00000409", KLF_ACTIVATE);
    HKL second = LoadKeyboardLayout("00000409", KLF_ACTIVATE);
    ASSERT_NE(first, HKL(0));
    EXPECT_EQ(first, second);
    EXPECT_EQ(LoadedKeyboardLayouts(), before + 2);
    EXPECT_FALSE(UnloadKeyboardLayout(first + 1));
    EXPECT_TRUE(UnloadKeyboardLayout(first));
    EXPECT_TRUE(UnloadKeyboardLayout(second));
    EXPECT_EQ(LoadedKeyboardLayouts(), before);
    if (before == 0) {
        EXPECT_FALSE(UnloadKeyboardLayout(first));
    }
}

TEST(KeystrokeData, PacksTheFieldsWhereKeyMessagesCarryThem) {
    TKeystroke press;
    press.ScanCode = 0x2C;
    EXPECT_EQ(KeystrokeData(press), LPARAM(0x002C0001));

    TKeystroke release = press;
    release.WasDown = release.Released = true;
    EXPECT_EQ(KeystrokeData(release), LPARAM(0xC02C0001u));

    TKeystroke altRight;
    altRight.ScanCode = 0x38;
    altRight.Extended = altRight.AltDown = true;
    altRight.RepeatCount = 3;
    EXPECT_EQ(KeystrokeData(altRight), LPARAM(0x21380003));

    for (const TKeystroke& k : {press, release, altRight}) {
        TKeystroke back = KeystrokeOf(KeystrokeData(k));
        EXPECT_EQ(back.RepeatCount, k.RepeatCount);
        EXPECT_EQ(back.ScanCode, k.ScanCode);
        EXPECT_EQ(back.Extended, k.Extended);
        EXPECT_EQ(back.AltDown, k.AltDown);
        EXPECT_EQ(back.WasDown, k.WasDown);
        EXPECT_EQ(back.Released, k.Released);
    }
}
