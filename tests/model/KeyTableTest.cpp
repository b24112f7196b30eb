// SPDX-License-Identifier: GPL-3.0-or-later
// The key table row by row against the names, levels and explanations written out here, and the
// helpers that read it.
#include <gtest/gtest.h>

#include <climits>
#include <iterator>
#include <string>

#include "model/KeyTable.h"
#include "model/ProtocolConstants.h"

namespace {

// Usage IDs 0..231 in order.
const char* const kNames[] = {
    "なし", "Error Roll Over", "POST Fail", "Error Undefined", "a", "b", "c", "d", "e", "f", "g", "h",
    "i", "j", "k", "l", "m", "n", "o", "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z", "1", "2",
    "3", "4", "5", "6", "7", "8", "9", "0", "Enter (Return)", "Escape", "delete", "Tab", "Space", "-",
    "^", "@", "[", "]", "]", ";", ":", "`", ",", ".", "/", "Caps Lock", "F1", "F2", "F3", "F4", "F5",
    "F6", "F7", "F8", "F9", "F10", "F11", "F12", "Print Screen", "Scroll Lock", "Pause", "Fn", "Home",
    "Page Up", "del", "End", "Page Down", "→", "←", "↓", "↑", "clear", "キーパッド /", "キーパッド *",
    "キーパッド -", "キーパッド +", "キーパッド Enter (Return)", "キーパッド End",
    "キーパッド ↓(下矢印)", "キーパッド PageDown", "キーパッド ←(左矢印)", "キーパッド 5",
    "キーパッド →(右矢印)", "キーパッド Home", "キーパッド ↑(上矢印)", "キーパッド Page Up",
    "キーパッド Insert", "キーパッド Delete", "Non-US...", "Application", "Power", "キーパッド =",
    "F13", "F14", "F15", "F16", "F17", "F18", "F19", "F20", "F21", "F22", "F23", "F24", "Execute",
    "Help", "Menu", "Select", "Stop", "Again", "Undo", "Cut", "Copy", "Paste", "Find", "Mute",
    "Volume Up", "Volume Down", "Locking Caps Lock", "Locking Num Lock", "Locking Scroll Lock",
    "キーパッド Comma", "キーパッド Equal Sign", "Keyboard International 1", "Keyboard International 2",
    "Keyboard International 3", "Keyboard International 4", "Keyboard International 5",
    "Keyboard International 6", "Keyboard International 7", "Keyboard International 8",
    "Keyboard International 9", "かな", "英数", "Keyboard LANG 3", "Keyboard LANG 4", "Keyboard LANG 5",
    "Keyboard LANG 6", "Keyboard LANG 7", "Keyboard LANG 8", "Keyboard LANG 9", "Alternate Erase",
    "SysReq/Attention", "Cancel", "Clear", "Prior", "Return", "Separator", "Out", "Oper", "Clear/Again",
    "CrSel/Props", "ExSel", "---", "---", "---", "---", "---", "---", "---", "---", "---", "---", "---",
    "キーパッド 00", "キーパッド 000", "Thousands Separator", "Decimal Separator", "Currency Unit",
    "Currency Sub-unit", "キーパッド (", "キーパッド )", "キーパッド {", "キーパッド }",
    "キーパッド Tab", "キーパッド Back Space", "キーパッド A", "キーパッド B", "キーパッド C",
    "キーパッド D", "キーパッド E", "キーパッド F", "キーパッド XOR", "キーパッド ^", "キーパッド %",
    "キーパッド <", "キーパッド >", "キーパッド &", "キーパッド &&", "キーパッド |", "キーパッド ||",
    "キーパッド :", "キーパッド #", "キーパッド Space", "キーパッド @", "キーパッド !",
    "キーパッド Memory Store", "キーパッド Memory Recall", "キーパッド Memory Clear",
    "キーパッド Memory Add", "キーパッド Memory Subtract", "キーパッド Memory Multiply",
    "キーパッド Memory Divide", "キーパッド +/-", "キーパッド Clear", "キーパッド Clear Entry",
    "キーパッド Binary", "キーパッド Octal", "キーパッド Decimal", "キーパッド Hexadecimal", "---",
    "---", "(左)Control", "(左)Shift", "(左)Alt", "(左)Commandキー(GUI)", "右Control", "右Shift",
    "右Alt", "右Commandキー(GUI)",
};

// Standard rows; every other row is advanced.
const struct {
    int first, last;
} kStandard[] = {{4, 48}, {50, 56}, {58, 69}, {73, 99}};

// Rows with an explanation: `text`, or for each row in turn `text` and the next character of
// `ends`; later entries win. Every other row has none.
const struct {
    int first, last;
    const char* text;
    const char* ends;
} kExplanations[] = {
    {0, 0, "何も出力しない", ""},
    {4, 29, "Shiftプラスこのキーで大文字 ", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
    {30, 38, "Shiftプラスこのキーで ", "!\"#$%&'()"},
    {45, 52, "Shiftプラスこのキーで ", "=~`{}}+*"},
    {54, 56, "Shiftプラスこのキーで ", "<>?"},
    {57, 57, "Shiftとともに使う", ""},
    {73, 73, "キーボード独自のfnキーとは異なります", ""},
    {79, 79, "右矢印", ""}, {80, 80, "左矢印", ""}, {81, 81, "下矢印", ""}, {82, 82, "上矢印", ""},
    {84, 88, "キーパッド(テンキー)にあるキー", ""},
    {89, 99, "キーパッド(テンキー)にあるキー NumLockオンで ", "1234567890."},
    {93, 93, "NumLockオンで使う オフでは出力なし", ""},
    {101, 101, "マウス右クリックと同じ", ""},
    {103, 103, "キーパッド(テンキー)にあるキー", ""},
    {165, 175, "Reserved", ""},
    {222, 223, "Reserved", ""},
};

TEST(KeyTable, EveryRowHasItsNameLevelAndExplanation) {
    ASSERT_EQ(std::size(kNames), 232u);
    for (int usage = 0; usage < 232; ++usage) {
        SCOPED_TRACE("usage ID " + std::to_string(usage));
        bool standard = false;
        for (const auto& r : kStandard) standard = standard || (usage >= r.first && usage <= r.last);
        std::string explanation;
        for (const auto& e : kExplanations) {
            if (usage < e.first || usage > e.last) continue;
            explanation = e.text;
            if (*e.ends != '\0') explanation += e.ends[usage - e.first];
        }
        EXPECT_EQ(tarvik::GetKeyName(usage), kNames[usage]);
        EXPECT_EQ(tarvik::GetKeyExplanation(usage), explanation);
        EXPECT_EQ(tarvik::IsStandardKey(usage), standard);
        EXPECT_EQ(tarvik::GetKeyContents(usage), std::string(standard ? "Level:STANDARD" : "Level:ADVANCED") +
                                                     " Name:[" + kNames[usage] + "]" +
                                                     (explanation.empty() ? "" : "  Explanation:" + explanation));
    }
    EXPECT_EQ(tarvik::GetKeyContents(4), "Level:STANDARD Name:[a]  Explanation:Shiftプラスこのキーで大文字 A");
    EXPECT_EQ(tarvik::GetKeyContents(49), "Level:ADVANCED Name:[]]  Explanation:Shiftプラスこのキーで }");

    // Values without a row: the record's error text, cut where the name would be.
    for (const int usage : {INT_MIN, -2, -1, 232, 233, 234, 235, 236, 237, 238, 240, INT_MAX}) {
        EXPECT_EQ(tarvik::GetKeyContents(usage), "Error at GetKeyContentsJ()") << usage;
        EXPECT_EQ(tarvik::GetKeyName(usage), usage < 238 ? " at GetKeyContentsJ(" : "") << usage;
        EXPECT_EQ(tarvik::GetKeyExplanation(usage), "") << usage;
        EXPECT_FALSE(tarvik::IsStandardKey(usage)) << usage;
    }
}

TEST(KeyTable, IndexOfCountsCharactersAndMissesAKeywordAtTheEnd) {
    const struct {
        const char* searchFor;
        const char* keyword;
        int expected;
    } cases[] = {
        {"abc", "b", 1}, {"abc", "ab", 0}, {"abc", "c", -1}, {"abc", "bc", -1},  // ends at the last character
        {"abc", "x", -1}, {"abc", "abcd", -1}, {"abc", "", 0}, {"", "", 0}, {"", "x", 0},
        {"かなカナabc", "abc", -1}, {"かなカナabcd", "abc", 4},  // characters, not bytes
        {"Level:STANDARD Name:[a]  Explanation:x", "Explanation:", 25},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(tarvik::IndexOf(c.searchFor, c.keyword), c.expected) << c.searchFor << " / " << c.keyword;
    }
    // Malformed UTF-8 gives an index inside the text, never a read past it.
    for (const std::string text : {"\x80", "a\xE3\x81", "\xE3", "\xFF\xFE"}) {
        EXPECT_GE(tarvik::IndexOf(text, "b"), -1);
        EXPECT_LE(tarvik::IndexOf(text, "b"), static_cast<int>(text.size()));
        EXPECT_EQ(tarvik::IndexOf(text, text + "x"), -1);
    }
}

TEST(KeyTable, ModifierNamesInBitOrder) {
    const char* const bits[] = {"(左)control", "(左)shift", "(左)option", "(左)command",
                                "右control",   "右shift",   "右option",   "右command"};
    for (int bit = 0; bit < 8; ++bit) EXPECT_EQ(tarvik::GetModifierName(1u << bit), bits[bit]) << bit;
    EXPECT_EQ(tarvik::GetModifierName(0x00), "");
    EXPECT_EQ(tarvik::GetModifierName(0x22), "(左)shift+右shift");
}

}  // namespace
