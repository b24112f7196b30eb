// The key table row by row, against the names, levels and explanations written out here.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "model/KeyTable.h"

namespace {

struct KeyRowCase {
    int usage;
    bool standard;
    const char* name;
    const char* explanation;
};

const std::vector<KeyRowCase> kExpectedRows = {
    {0, false, "なし", "何も出力しない"},
    {1, false, "Error Roll Over", ""},
    {2, false, "POST Fail", ""},
    {3, false, "Error Undefined", ""},
    {4, true, "a", "Shiftプラスこのキーで大文字 A"},
    {5, true, "b", "Shiftプラスこのキーで大文字 B"},
    {6, true, "c", "Shiftプラスこのキーで大文字 C"},
    {7, true, "d", "Shiftプラスこのキーで大文字 D"},
    {8, true, "e", "Shiftプラスこのキーで大文字 E"},
    {9, true, "f", "Shiftプラスこのキーで大文字 F"},
    {10, true, "g", "Shiftプラスこのキーで大文字 G"},
    {11, true, "h", "Shiftプラスこのキーで大文字 H"},
    {12, true, "i", "Shiftプラスこのキーで大文字 I"},
    {13, true, "j", "Shiftプラスこのキーで大文字 J"},
    {14, true, "k", "Shiftプラスこのキーで大文字 K"},
    {15, true, "l", "Shiftプラスこのキーで大文字 L"},
    {16, true, "m", "Shiftプラスこのキーで大文字 M"},
    {17, true, "n", "Shiftプラスこのキーで大文字 N"},
    {18, true, "o", "Shiftプラスこのキーで大文字 O"},
    {19, true, "p", "Shiftプラスこのキーで大文字 P"},
    {20, true, "q", "Shiftプラスこのキーで大文字 Q"},
    {21, true, "r", "Shiftプラスこのキーで大文字 R"},
    {22, true, "s", "Shiftプラスこのキーで大文字 S"},
    {23, true, "t", "Shiftプラスこのキーで大文字 T"},
    {24, true, "u", "Shiftプラスこのキーで大文字 U"},
    {25, true, "v", "Shiftプラスこのキーで大文字 V"},
    {26, true, "w", "Shiftプラスこのキーで大文字 W"},
    {27, true, "x", "Shiftプラスこのキーで大文字 X"},
    {28, true, "y", "Shiftプラスこのキーで大文字 Y"},
    {29, true, "z", "Shiftプラスこのキーで大文字 Z"},
    {30, true, "1", "Shiftプラスこのキーで !"},
    {31, true, "2", "Shiftプラスこのキーで \""},
    {32, true, "3", "Shiftプラスこのキーで #"},
    {33, true, "4", "Shiftプラスこのキーで $"},
    {34, true, "5", "Shiftプラスこのキーで %"},
    {35, true, "6", "Shiftプラスこのキーで &"},
    {36, true, "7", "Shiftプラスこのキーで '"},
    {37, true, "8", "Shiftプラスこのキーで ("},
    {38, true, "9", "Shiftプラスこのキーで )"},
    {39, true, "0", ""},
    {40, true, "Enter (Return)", ""},
    {41, true, "Escape", ""},
    {42, true, "delete", ""},
    {43, true, "Tab", ""},
    {44, true, "Space", ""},
    {45, true, "-", "Shiftプラスこのキーで ="},
    {46, true, "^", "Shiftプラスこのキーで ~"},
    {47, true, "@", "Shiftプラスこのキーで `"},
    {48, true, "[", "Shiftプラスこのキーで {"},
    {49, false, "]", "Shiftプラスこのキーで }"},
    {50, true, "]", "Shiftプラスこのキーで }"},
    {51, true, ";", "Shiftプラスこのキーで +"},
    {52, true, ":", "Shiftプラスこのキーで *"},
    {53, true, "`", ""},
    {54, true, ",", "Shiftプラスこのキーで <"},
    {55, true, ".", "Shiftプラスこのキーで >"},
    {56, true, "/", "Shiftプラスこのキーで ?"},
    {57, false, "Caps Lock", "Shiftとともに使う"},
    {58, true, "F1", ""},
    {59, true, "F2", ""},
    {60, true, "F3", ""},
    {61, true, "F4", ""},
    {62, true, "F5", ""},
    {63, true, "F6", ""},
    {64, true, "F7", ""},
    {65, true, "F8", ""},
    {66, true, "F9", ""},
    {67, true, "F10", ""},
    {68, true, "F11", ""},
    {69, true, "F12", ""},
    {70, false, "Print Screen", ""},
    {71, false, "Scroll Lock", ""},
    {72, false, "Pause", ""},
    {73, true, "Fn", "キーボード独自のfnキーとは異なります"},
    {74, true, "Home", ""},
    {75, true, "Page Up", ""},
    {76, true, "del", ""},
    {77, true, "End", ""},
    {78, true, "Page Down", ""},
    {79, true, "→", "右矢印"},
    {80, true, "←", "左矢印"},
    {81, true, "↓", "下矢印"},
    {82, true, "↑", "上矢印"},
    {83, true, "clear", ""},
    {84, true, "キーパッド /", "キーパッド(テンキー)にあるキー"},
    {85, true, "キーパッド *", "キーパッド(テンキー)にあるキー"},
    {86, true, "キーパッド -", "キーパッド(テンキー)にあるキー"},
    {87, true, "キーパッド +", "キーパッド(テンキー)にあるキー"},
    {88, true, "キーパッド Enter (Return)", "キーパッド(テンキー)にあるキー"},
    {89, true, "キーパッド End", "キーパッド(テンキー)にあるキー NumLockオンで 1"},
    {90, true, "キーパッド ↓(下矢印)", "キーパッド(テンキー)にあるキー NumLockオンで 2"},
    {91, true, "キーパッド PageDown", "キーパッド(テンキー)にあるキー NumLockオンで 3"},
    {92, true, "キーパッド ←(左矢印)", "キーパッド(テンキー)にあるキー NumLockオンで 4"},
    {93, true, "キーパッド 5", "NumLockオンで使う オフでは出力なし"},
    {94, true, "キーパッド →(右矢印)", "キーパッド(テンキー)にあるキー NumLockオンで 6"},
    {95, true, "キーパッド Home", "キーパッド(テンキー)にあるキー NumLockオンで 7"},
    {96, true, "キーパッド ↑(上矢印)", "キーパッド(テンキー)にあるキー NumLockオンで 8"},
    {97, true, "キーパッド Page Up", "キーパッド(テンキー)にあるキー NumLockオンで 9"},
    {98, true, "キーパッド Insert", "キーパッド(テンキー)にあるキー NumLockオンで 0"},
    {99, true, "キーパッド Delete", "キーパッド(テンキー)にあるキー NumLockオンで ."},
    {100, false, "Non-US...", ""},
    {101, false, "Application", "マウス右クリックと同じ"},
    {102, false, "Power", ""},
    {103, false, "キーパッド =", "キーパッド(テンキー)にあるキー"},
    {104, false, "F13", ""},
    {105, false, "F14", ""},
    {106, false, "F15", ""},
    {107, false, "F16", ""},
    {108, false, "F17", ""},
    {109, false, "F18", ""},
    {110, false, "F19", ""},
    {111, false, "F20", ""},
    {112, false, "F21", ""},
    {113, false, "F22", ""},
    {114, false, "F23", ""},
    {115, false, "F24", ""},
    {116, false, "Execute", ""},
    {117, false, "Help", ""},
    {118, false, "Menu", ""},
    {119, false, "Select", ""},
    {120, false, "Stop", ""},
    {121, false, "Again", ""},
    {122, false, "Undo", ""},
    {123, false, "Cut", ""},
    {124, false, "Copy", ""},
    {125, false, "Paste", ""},
    {126, false, "Find", ""},
    {127, false, "Mute", ""},
    {128, false, "Volume Up", ""},
    {129, false, "Volume Down", ""},
    {130, false, "Locking Caps Lock", ""},
    {131, false, "Locking Num Lock", ""},
    {132, false, "Locking Scroll Lock", ""},
    {133, false, "キーパッド Comma", ""},
    {134, false, "キーパッド Equal Sign", ""},
    {135, false, "Keyboard International 1", ""},
    {136, false, "Keyboard International 2", ""},
    {137, false, "Keyboard International 3", ""},
    {138, false, "Keyboard International 4", ""},
    {139, false, "Keyboard International 5", ""},
    {140, false, "Keyboard International 6", ""},
    {141, false, "Keyboard International 7", ""},
    {142, false, "Keyboard International 8", ""},
    {143, false, "Keyboard International 9", ""},
    {144, false, "かな", ""},
    {145, false, "英数", ""},
    {146, false, "Keyboard LANG 3", ""},
    {147, false, "Keyboard LANG 4", ""},
    {148, false, "Keyboard LANG 5", ""},
    {149, false, "Keyboard LANG 6", ""},
    {150, false, "Keyboard LANG 7", ""},
    {151, false, "Keyboard LANG 8", ""},
    {152, false, "Keyboard LANG 9", ""},
    {153, false, "Alternate Erase", ""},
    {154, false, "SysReq/Attention", ""},
    {155, false, "Cancel", ""},
    {156, false, "Clear", ""},
    {157, false, "Prior", ""},
    {158, false, "Return", ""},
    {159, false, "Separator", ""},
    {160, false, "Out", ""},
    {161, false, "Oper", ""},
    {162, false, "Clear/Again", ""},
    {163, false, "CrSel/Props", ""},
    {164, false, "ExSel", ""},
    {165, false, "---", "Reserved"},
    {166, false, "---", "Reserved"},
    {167, false, "---", "Reserved"},
    {168, false, "---", "Reserved"},
    {169, false, "---", "Reserved"},
    {170, false, "---", "Reserved"},
    {171, false, "---", "Reserved"},
    {172, false, "---", "Reserved"},
    {173, false, "---", "Reserved"},
    {174, false, "---", "Reserved"},
    {175, false, "---", "Reserved"},
    {176, false, "キーパッド 00", ""},
    {177, false, "キーパッド 000", ""},
    {178, false, "Thousands Separator", ""},
    {179, false, "Decimal Separator", ""},
    {180, false, "Currency Unit", ""},
    {181, false, "Currency Sub-unit", ""},
    {182, false, "キーパッド (", ""},
    {183, false, "キーパッド )", ""},
    {184, false, "キーパッド {", ""},
    {185, false, "キーパッド }", ""},
    {186, false, "キーパッド Tab", ""},
    {187, false, "キーパッド Back Space", ""},
    {188, false, "キーパッド A", ""},
    {189, false, "キーパッド B", ""},
    {190, false, "キーパッド C", ""},
    {191, false, "キーパッド D", ""},
    {192, false, "キーパッド E", ""},
    {193, false, "キーパッド F", ""},
    {194, false, "キーパッド XOR", ""},
    {195, false, "キーパッド ^", ""},
    {196, false, "キーパッド %", ""},
    {197, false, "キーパッド <", ""},
    {198, false, "キーパッド >", ""},
    {199, false, "キーパッド &", ""},
    {200, false, "キーパッド &&", ""},
    {201, false, "キーパッド |", ""},
    {202, false, "キーパッド ||", ""},
    {203, false, "キーパッド :", ""},
    {204, false, "キーパッド #", ""},
    {205, false, "キーパッド Space", ""},
    {206, false, "キーパッド @", ""},
    {207, false, "キーパッド !", ""},
    {208, false, "キーパッド Memory Store", ""},
    {209, false, "キーパッド Memory Recall", ""},
    {210, false, "キーパッド Memory Clear", ""},
    {211, false, "キーパッド Memory Add", ""},
    {212, false, "キーパッド Memory Subtract", ""},
    {213, false, "キーパッド Memory Multiply", ""},
    {214, false, "キーパッド Memory Divide", ""},
    {215, false, "キーパッド +/-", ""},
    {216, false, "キーパッド Clear", ""},
    {217, false, "キーパッド Clear Entry", ""},
    {218, false, "キーパッド Binary", ""},
    {219, false, "キーパッド Octal", ""},
    {220, false, "キーパッド Decimal", ""},
    {221, false, "キーパッド Hexadecimal", ""},
    {222, false, "---", "Reserved"},
    {223, false, "---", "Reserved"},
    {224, false, "(左)Control", ""},
    {225, false, "(左)Shift", ""},
    {226, false, "(左)Alt", ""},
    {227, false, "(左)Commandキー(GUI)", ""},
    {228, false, "右Control", ""},
    {229, false, "右Shift", ""},
    {230, false, "右Alt", ""},
    {231, false, "右Commandキー(GUI)", ""},
};

TEST(KeyTable, EveryRowHasItsNameLevelAndExplanation) {
    ASSERT_EQ(kExpectedRows.size(), 232u);
    int standard = 0;
    for (std::size_t i = 0; i < kExpectedRows.size(); ++i) {
        const KeyRowCase& row = kExpectedRows[i];
        ASSERT_EQ(row.usage, static_cast<int>(i));
        SCOPED_TRACE("usage ID " + std::to_string(row.usage));
        EXPECT_EQ(tarvik::GetKeyName(row.usage), row.name);
        EXPECT_EQ(tarvik::GetKeyExplanation(row.usage), row.explanation);
        EXPECT_EQ(tarvik::IsStandardKey(row.usage), row.standard);
        std::string record = std::string(row.standard ? "Level:STANDARD" : "Level:ADVANCED") + " Name:[" + row.name + "]";
        const std::string contents = tarvik::GetKeyContents(row.usage);
        EXPECT_EQ(contents.rfind(record, 0), 0u) << contents;
        EXPECT_EQ(contents.find("Explanation:") != std::string::npos, std::string(row.explanation).size() > 0);
        standard += row.standard ? 1 : 0;
    }
    EXPECT_EQ(standard, 91);
}

TEST(KeyTable, RecordsReadAsTheUserSeesThem) {
    EXPECT_EQ(tarvik::GetKeyContents(4), "Level:STANDARD Name:[a]  Explanation:Shiftプラスこのキーで大文字 A");
    EXPECT_EQ(tarvik::GetKeyContents(40), "Level:STANDARD Name:[Enter (Return)]");
    EXPECT_EQ(tarvik::GetKeyContents(49), "Level:ADVANCED Name:[]]  Explanation:Shiftプラスこのキーで }");
    EXPECT_EQ(tarvik::GetKeyContents(231), "Level:ADVANCED Name:[右Commandキー(GUI)]");
}

TEST(KeyTable, ValuesWithoutRowFallBack) {
    struct Case {
        int usage;
        const char* contents;
        const char* name;
    };
    const Case cases[] = {
        {-1, "Error at GetKeyContentsJ()", " at GetKeyContentsJ("},
        {INT_MIN, "Error at GetKeyContentsJ()", " at GetKeyContentsJ("},
        {232, "Error at GetKeyContentsJ()", " at GetKeyContentsJ("},
        {237, "Error at GetKeyContentsJ()", " at GetKeyContentsJ("},
        {238, "Error at GetKeyContentsJ()", ""},
        {255, "Error at GetKeyContentsJ()", ""},
        {INT_MAX, "Error at GetKeyContentsJ()", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.usage);
        EXPECT_EQ(tarvik::GetKeyContents(c.usage), c.contents);
        EXPECT_EQ(tarvik::GetKeyName(c.usage), c.name);
        EXPECT_EQ(tarvik::GetKeyExplanation(c.usage), "");
        EXPECT_FALSE(tarvik::IsStandardKey(c.usage));
    }
}

TEST(KeyTable, IndexOfCountsCharactersAndMissesAKeywordAtTheEnd) {
    struct Case {
        const char* searchFor;
        const char* keyword;
        int expected;
    };
    const Case cases[] = {
        {"abc", "b", 1},
        {"abc", "a", 0},
        {"abc", "c", -1},   // ends at the last character
        {"abc", "bc", -1},  // ends at the last character
        {"abc", "ab", 0},
        {"abc", "x", -1},
        {"abc", "abcd", -1},
        {"abc", "", 0},
        {"", "x", 0},
        {"", "", 0},
        {"かなカナabc", "abc", -1},
        {"かなカナabcd", "abc", 4},  // characters, not bytes (the kana are 3 bytes each)
        {"Shiftプラスこのキーで大文字 A", "大文字", 13},
        {"[キー] なし", "] ", 3},
        {"Level:STANDARD Name:[a]  Explanation:", "Explanation:", -1},
        {"Level:STANDARD Name:[a]  Explanation:x", "Explanation:", 25},
        {"ああ", "あ", 0},
        {"あい", "い", -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tarvik::IndexOf(c.searchFor, c.keyword), c.expected)
            << "IndexOf(\"" << c.searchFor << "\", \"" << c.keyword << "\")";
    }
}

TEST(KeyTable, IndexOfSurvivesMalformedText) {
    const std::string broken[] = {"\x80", "a\xE3\x81", "\xE3", "\xFF\xFE", std::string("a\0b", 3)};
    for (const std::string& text : broken) {
        const int index = tarvik::IndexOf(text, "b");
        EXPECT_GE(index, -1);
        EXPECT_LE(index, static_cast<int>(text.size()));
        EXPECT_EQ(tarvik::IndexOf(text, text + "x"), -1);
    }
}

TEST(KeyTable, ModifierNamesInBitOrder) {
    struct Case {
        unsigned byte;
        const char* expected;
    };
    const Case cases[] = {
        {0x00, ""},
        {0x01, "(左)control"},
        {0x02, "(左)shift"},
        {0x04, "(左)option"},
        {0x08, "(左)command"},
        {0x10, "右control"},
        {0x20, "右shift"},
        {0x40, "右option"},
        {0x80, "右command"},
        {0x22, "(左)shift+右shift"},
        {0x0F, "(左)control+(左)shift+(左)option+(左)command"},
        {0x81, "(左)control+右command"},
        {0xFF, "(左)control+(左)shift+(左)option+(左)command+右control+右shift+右option+右command"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tarvik::GetModifierName(static_cast<std::uint8_t>(c.byte)), c.expected) << c.byte;
    }
}

}  // namespace
