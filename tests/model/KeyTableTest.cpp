// SPDX-License-Identifier: GPL-3.0-or-later
// The key table by its counts, a digest of every row and spot rows of each kind, and the helpers that
// read it.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <set>
#include <string>

#include "model/KeyTable.h"
#include "model/ProtocolConstants.h"

namespace {

// The table's size and what its rows hold, counted, and rows of each kind written out: the first, a
// letter, shifted characters, the keypad, a name two rows share, the reserved rows, a modifier.
TEST(KeyTable, RowsByCountAndSpotRowsWithTheirNameLevelAndExplanation) {
    int rows = 0, explained = 0, reserved = 0, standard = 0;
    std::set<std::string> names;
    std::uint64_t digest = 14695981039346656037u;  // FNV-1a over every row's contents text
    for (int usage = 0; usage <= 255; ++usage) {
        standard += tarvik::IsStandardKey(usage) ? 1 : 0;
        if (tarvik::GetKeyContents(usage) == "Error at GetKeyContentsJ()") continue;
        ++rows;
        explained += tarvik::GetKeyExplanation(usage).empty() ? 0 : 1;
        reserved += tarvik::GetKeyName(usage) == "---" ? 1 : 0;
        names.insert(tarvik::GetKeyName(usage));
        for (const char c : tarvik::GetKeyContents(usage) + "\n")
            digest = (digest ^ static_cast<std::uint8_t>(c)) * 1099511628211u;
    }
    EXPECT_EQ(rows, 232);
    EXPECT_EQ(explained, 84);
    EXPECT_EQ(reserved, 13);
    EXPECT_EQ(standard, 91);  // 4..48, 50..56, 58..69, 73..99
    EXPECT_EQ(names.size(), 219u);  // "---" and "]" are shared
    // Any change to any row's name, level or explanation changes this; the spot rows below say where.
    EXPECT_EQ(digest, 13272111666849999524u);

    const struct { int usage; const char* name; const char* explanation; } spots[] = {
        {0, "なし", "何も出力しない"}, {4, "a", "Shiftプラスこのキーで大文字 A"}, {40, "Enter (Return)", ""},
        {48, "[", "Shiftプラスこのキーで {"}, {49, "]", "Shiftプラスこのキーで }"}, {57, "Caps Lock", "Shiftとともに使う"},
        {73, "Fn", "キーボード独自のfnキーとは異なります"}, {93, "キーパッド 5", "NumLockオンで使う オフでは出力なし"},
        {99, "キーパッド Delete", "キーパッド(テンキー)にあるキー NumLockオンで ."}, {100, "Non-US...", ""},
        {101, "Application", "マウス右クリックと同じ"}, {144, "かな", ""}, {165, "---", "Reserved"},
        {224, "(左)Control", ""},
    };
    for (const auto& r : spots) {
        EXPECT_EQ(tarvik::GetKeyName(r.usage), r.name) << r.usage;
        EXPECT_EQ(tarvik::GetKeyExplanation(r.usage), r.explanation) << r.usage;
    }
    EXPECT_EQ(tarvik::GetKeyContents(4), "Level:STANDARD Name:[a]  Explanation:Shiftプラスこのキーで大文字 A");
    EXPECT_EQ(tarvik::GetKeyContents(49), "Level:ADVANCED Name:[]]  Explanation:Shiftプラスこのキーで }");
    EXPECT_EQ(tarvik::GetKeyContents(40), "Level:STANDARD Name:[Enter (Return)]");

    // Values without a row: the record's error text, cut where the name would be.
    for (const int usage : {INT_MIN, -2, -1, 232, 233, 234, 235, 236, 237, 238, 240, INT_MAX}) {
        EXPECT_EQ(tarvik::GetKeyContents(usage), "Error at GetKeyContentsJ()") << usage;
        EXPECT_EQ(tarvik::GetKeyName(usage), usage < 238 ? " at GetKeyContentsJ(" : "") << usage;
        EXPECT_EQ(tarvik::GetKeyExplanation(usage), "") << usage;
        EXPECT_FALSE(tarvik::IsStandardKey(usage)) << usage;
    }
}

TEST(KeyTable, IndexOfCountsCharactersAndMissesAKeywordAtTheEnd) {
    const struct { const char* searchFor; const char* keyword; int expected; } cases[] = {
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
