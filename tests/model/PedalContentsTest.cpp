// SPDX-License-Identifier: GPL-3.0-or-later
// What the window shows for a pedal: its name by position and by the unit's pedal count, and the
// description of its setting, for every output mode and every fallback, written out.
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/DeviceState.h"
#include "model/PedalContents.h"
#include "model/PedalNames.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Setting {
    int mode;
    Bytes common;           // from byte 0; the rest stays 0
    Bytes additional = {};  // from byte 0; the rest stays 0
};

class PedalContentsTest : public testing::Test {
protected:
    // Puts the setting into `pedal` and junk into every other pedal, so reading the wrong one shows.
    static std::string Describe(const Setting& s, int pedal = 3) {
        tarvik::DeviceState state;
        for (int p = 0; p < tarvik::NUMBER_OF_PEDALS_MAX; ++p) {
            state.OutputMode[p] = tarvik::PLURAL_SIMULTANEOUS_KEY_OUTPUT;
            state.CommonData[p].fill(p == pedal ? 0 : 0xEE);
            state.AdditionalData[p].fill(p == pedal ? 0 : 0xEE);
        }
        state.OutputMode[pedal] = static_cast<std::uint8_t>(s.mode);
        for (std::size_t i = 0; i < s.common.size(); ++i) state.CommonData[pedal].at(i) = s.common[i];
        for (std::size_t i = 0; i < s.additional.size(); ++i) state.AdditionalData[pedal].at(i) = s.additional[i];
        state.SelectedPedalNo = (pedal + 1) % tarvik::NUMBER_OF_PEDALS_MAX;  // the pedal is named, not selected
        return tarvik::PedalContentsText(state, pedal);
    }
};

// The one line of each mode that names the key, button or direction, with the rest of an
// otherwise empty record around it.
TEST_F(PedalContentsTest, KeysButtonsAndDirectionsWithTheirFallbacks) {
    const std::string lengths =
        "\r\n[１番目のクリックの長さ] 0 ミリ秒\r\n[２番目のクリックの長さ] １番目のクリックと同じ\r\n"
        "[クリックの間の長さ] 0 ミリ秒";
    const std::string norepeat = "\r\n[加速] なし\r\n[加速指標] 0\r\n[繰り返し] ペダルを離すまで";
    const struct { int mode; std::string head, tail; } frames[] = {
        {0, "[設定されている機能] キー出力\r\n[キー] ", "\r\n[モディファイア] なし"},
        {1, "[設定されている機能] クリック\r\n", ""}, {2, "[設定されている機能] ダブルクリック\r\n", lengths},
        {3, "[設定されている機能] モディファイア プラス クリック\r\n[モディファイア] \r\n", ""},
        {4, "[設定されている機能] モディファイア プラス ダブルクリック\r\n[モディファイア] ", lengths},
        {6, "[設定されている機能] マウスポインタ移動\r\n[移動方向] ", "\r\n[速度] 0 ドット/秒" + norepeat},
        {7, "[設定されている機能] ホイール回転\r\n[回転方向] ", "\r\n[速度] 0 回/秒" + norepeat},
        {8, "[設定されている機能] 連続クリック", "\r\n[速度] 0.0 回/秒" + norepeat},
    };
    const struct { int mode; Bytes common; const char* line; } cases[] = {
        {0, {0, 40}, "Enter (Return)"}, {0, {0, 0}, "なし"}, {0, {0, 240}, "---"},
        {0, {0, 232}, " at GetKeyContentsJ("},
        {1, {1}, "[ボタン] 左"}, {1, {2}, "[ボタン] 右"}, {1, {4}, "[ボタン] 中央"},
        {1, {3}, "[ボタン] 左, 右ボタン 同時クリック"}, {1, {5}, "[ボタン] 左, 中央ボタン 同時クリック"},
        {1, {6}, "[ボタン] 右, 中央ボタン 同時クリック"}, {1, {7}, "[ボタン] 左, 右, 中央ボタン 同時クリック"},
        {1, {0}, "[ボタン] 想定外のクリック"}, {1, {8}, "[ボタン] 想定外のクリック"},
        {2, {1}, "[ボタン] 左"}, {2, {2}, "[ボタン] 右"}, {2, {4, 0, 2}, "[ボタン] 中央"},  // unknown length code
        {2, {3}, "[ボタン] 想定外のダブルクリック"},
        {3, {0, 1}, "[クリック] 左ボタン クリック"}, {3, {0, 2}, "[クリック] 右ボタン クリック"},
        {3, {0, 4}, "[クリック] 中央ボタン クリック"}, {3, {0, 3}, ""},
        {4, {0, 1}, "\r\n[クリック] (左ボタン) ダブルクリック"}, {4, {0, 2}, "\r\n[クリック] 右ボタン ダブルクリック"},
        {4, {0, 4}, "\r\n[クリック] 中央ボタン ダブルクリック"}, {4, {0, 8}, ""},
        {6, {1, 0}, "右"}, {6, {255, 0}, "左"}, {6, {0, 1}, "下"}, {6, {0, 255}, "上"}, {6, {1, 1}, "右下"},
        {6, {1, 255}, "右上"}, {6, {255, 255}, "左上"}, {6, {255, 1}, "左下"}, {6, {0, 0}, "-----"},
        {6, {2, 0}, "-----"}, {6, {255, 2}, "-----"}, {6, {128, 128}, "-----"},
        {7, {1}, "前方"}, {7, {255}, "後方"}, {7, {0}, "-----"}, {7, {7}, "-----"},
        {8, {1}, "\r\n[ボタン] 左"}, {8, {2}, "\r\n[ボタン] 右"}, {8, {4}, "\r\n[ボタン] 中央"}, {8, {3}, ""},
    };
    for (const auto& c : cases) {
        for (const auto& f : frames) {
            if (f.mode != c.mode) continue;
            EXPECT_EQ(Describe({c.mode, c.common}), f.head + c.line + f.tail) << c.line;
        }
    }
}

TEST_F(PedalContentsTest, EveryModeInFull) {
    const std::string a = "[キー] a\r\n[キー説明] Shiftプラスこのキーで大文字 A\r\n";
    const std::string accelerated = "\r\n[加速] あり\r\n[加速指標] ";
    const std::string chord =
        "[設定されている機能] 複数同時キー出力\r\n[オンの時間] 300 ミリ秒\r\n[間の時間] 10 ミリ秒\r\n";
    const std::string change = "[設定されている機能] 変化時に出力\r\n[ペダルを踏んだ時の出力] ";
    const std::string released = "\r\n[ペダルを離した時の出力] ";
    const std::string output = "あり 以下の通り\r\n";
    const std::string badKey = "[クリック]  at GetKeyContentsJ(\r\n[クリック説明] \r\n[モディファイア] ";
    const struct { Setting setting; std::string expected; } cases[] = {
        {{0, {0x01, 4}}, "[設定されている機能] キー出力\r\n" + a + "[モディファイア] (左)control"},
        {{2, {2, 255, 1, 7}},
         "[設定されている機能] ダブルクリック\r\n[ボタン] 右\r\n[１番目のクリックの長さ] 255 ミリ秒\r\n"
         "[２番目のクリックの長さ] ペダルを離すまで\r\n[クリックの間の長さ] 7 ミリ秒"},
        {{3, {0x10, 2}},
         "[設定されている機能] モディファイア プラス クリック\r\n[モディファイア] 右control\r\n"
         "[クリック] 右ボタン クリック"},
        {{4, {0x08, 1, 99, 20, 1, 30}},
         "[設定されている機能] モディファイア プラス ダブルクリック\r\n[モディファイア] (左)command\r\n"
         "[クリック] (左ボタン) ダブルクリック\r\n[１番目のクリックの長さ] 20 ミリ秒\r\n"
         "[２番目のクリックの長さ] ペダルを離すまで\r\n[クリックの間の長さ] 30 ミリ秒"},
        {{5, {0x20, 81, 0, 0, 0, 0, 1, 0x00, 5, 0x00, 25, 0x01, 0x2C}},
         "[設定されている機能] 連続キー出力\r\n[キー] ↓\r\n[キー説明] 下矢印\r\n[モディファイア] 右shift\r\n"
         "[速度] 2.5 回/秒" + accelerated + "300\r\n[繰り返し数] 5"},
        {{5, {0x00, 255, 0, 0, 0, 0, 255, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
         "[設定されている機能] 連続キー出力\r\n[キー] ---\r\n[モディファイア] なし\r\n[速度] 6553.5 回/秒" +
             accelerated + "65535\r\n[繰り返し数] 65535"},
        {{6, {1, 1, 0, 25, 0, 100, 1, 0, 3, 0x01, 0x00, 0, 10}},
         "[設定されている機能] マウスポインタ移動\r\n[移動方向] 右下\r\n[速度] 256 ドット/秒" + accelerated +
             "10\r\n[繰り返し数] 3"},
        {{7, {1, 9, 9, 9, 9, 0, 0, 0, 0, 3, 0, 9, 9}},  // no acceleration: its index reads 0
         "[設定されている機能] ホイール回転\r\n[回転方向] 前方\r\n[速度] 3 回/秒\r\n[加速] なし\r\n"
         "[加速指標] 0\r\n[繰り返し] ペダルを離すまで"},
        {{7, {255, 0, 0, 0, 0, 2, 0, 10, 0x01, 0x2C, 0x01, 0x00}},
         "[設定されている機能] ホイール回転\r\n[回転方向] 後方\r\n[速度] 300 回/秒" + accelerated +
             "256\r\n[繰り返し数] 10"},
        {{8, {4, 0, 0, 0, 0, 1, 0, 3, 0, 15, 0, 50}},
         "[設定されている機能] 連続クリック\r\n[ボタン] 中央\r\n[速度] 1.5 回/秒" + accelerated +
             "50\r\n[繰り返し数] 3"},
        {{9, {0x2C, 0x0A, 0x10, 0x83, 0, 2, 0x02, 4, 5, 0, 0, 0, 0},
          {0x00, 6, 0, 0, 0, 0, 0, 0x11, 4, 5, 0, 6, 0, 0, 0x01, 7, 0, 0, 0, 0, 0}},
         chord + "[出力の数] 3\r\n[繰り返し数] 2\r\n[繰り返しの単位] 組\r\n"
                 "[1番目の出力] [(左)shift] + [a] + [b]\r\n[2番目の出力] [c]\r\n"
                 "[3番目の出力] [(左)control+右control] + [a] + [b]"},
        {{9, {0x2C, 0x0A, 0x10, 0x03, 0x01, 0x00, 0, 4}},
         chord + "[出力の数] 3\r\n[繰り返し数] 256\r\n[繰り返しの単位] 出力\r\n"
                 "[1番目の出力] [a]\r\n[2番目の出力] [なし]\r\n[3番目の出力] [なし]"},
        {{9, {0xFF, 0xFF, 0xFF, 0x01, 0, 0, 0, 4, 5, 6, 7, 8, 9}},
         "[設定されている機能] 複数同時キー出力\r\n[オンの時間] 4095 ミリ秒\r\n[間の時間] 4095 ミリ秒\r\n"
         "[出力の数] 1\r\n[繰り返し] ペダルを離すまで\r\n[1番目の出力] [a] + [b] + [c] + [d] + [e] + [f]"},
        {{9, {0x2C, 0x0A, 0x10, 0x01, 0, 0, 0x80, 0, 240, 233, 0, 0, 0}},  // none, no name, no row
         chord + "[出力の数] 1\r\n[繰り返し] ペダルを離すまで\r\n"
                 "[1番目の出力] [右command] + [なし] + [] + [ at GetKeyContentsJ(]"},
        {{10, {0xFC, 0, 4, 0, 4}}, change + "なし" + released + "なし"},  // neither bit
        {{10, {2, 0x01, 4, 0x04, 4}}, change + "なし" + released + output + a + "[モディファイア] (左)option"},
        {{10, {1, 0x00, 40, 0x04, 4}},
         change + output + "[キー] Enter (Return)\r\n[モディファイア] なし" + released + "なし"},
        {{10, {3, 0x00, 0, 0x80, 240}},
         change + output + "[クリック] なし\r\n[クリック説明] 何も出力しない\r\n[モディファイア] なし" + released +
             output + "[キー] ---\r\n[モディファイア] 右command"},
        {{10, {3, 0x03, 232, 0x00, 237}},
         change + output + badKey + "(左)control+(左)shift" + released + output + badKey + "なし"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)  // each case in the next pedal along
        EXPECT_EQ(Describe(cases[i].setting, static_cast<int>(i % 5)), cases[i].expected) << "case " << i;
}

TEST_F(PedalContentsTest, PluralSimultaneousKeyOutputListsAtMostTheTenChordsTheRecordHolds) {
    Bytes chords;  // chords 2..10 press the digits 1..9
    for (std::uint8_t key = 30; key <= 38; ++key) chords.insert(chords.end(), {0, key, 0, 0, 0, 0, 0});
    const std::string ten =
        "[1番目の出力] [a]\r\n[2番目の出力] [1]\r\n[3番目の出力] [2]\r\n[4番目の出力] [3]\r\n"
        "[5番目の出力] [4]\r\n[6番目の出力] [5]\r\n[7番目の出力] [6]\r\n[8番目の出力] [7]\r\n"
        "[9番目の出力] [8]\r\n[10番目の出力] [9]";
    const struct {
        std::uint8_t countByte; const char* count; std::string chords;
    } cases[] = {{0x00, "0", "[1番目の出力] [a]"}, {0x80, "0", "[1番目の出力] [a]"},
                 {0x02, "2", "[1番目の出力] [a]\r\n[2番目の出力] [1]"},
                 {0x0A, "10", ten}, {0x0B, "11", ten}, {0xFF, "127", ten}};
    for (const auto& c : cases) {
        EXPECT_EQ(Describe({9, {0, 0, 0, c.countByte, 0, 0, 0, 4}, chords}),
                  std::string("[設定されている機能] 複数同時キー出力\r\n[オンの時間] 0 ミリ秒\r\n[間の時間] 0 ミリ秒\r\n"
                              "[出力の数] ") + c.count + "\r\n[繰り返し] ペダルを離すまで\r\n" + c.chords)
            << +c.countByte;
    }
}

TEST_F(PedalContentsTest, NoPedalGivesEmptyTextAndAFreshStateNoKey) {
    tarvik::DeviceState state;
    EXPECT_EQ(tarvik::PedalContentsText(state, 0), "[設定されている機能] キー出力\r\n[キー] なし\r\n[モディファイア] なし");
    for (int pedal : {-1, 5, 1000}) EXPECT_EQ(tarvik::PedalContentsText(state, pedal), "") << pedal;
}

// Whatever bytes the unit sends, every mode gives its description and any other mode "default"
// (under the sanitizers this also shows nothing is read outside the record).
TEST_F(PedalContentsTest, AnyRecordGivesADescription) {
    std::uint32_t seed = 12345;
    for (int mode = 0; mode <= 255; ++mode) {
        for (int pattern = 0; pattern < 8; ++pattern) {
            Bytes common(tarvik::NUMBER_OF_COMMON_DATA), additional(tarvik::ADDITIONAL_DATA_ONE_PEDAL);
            for (Bytes* bytes : {&common, &additional}) {
                for (auto& b : *bytes) b = pattern == 0 ? 0x00 : pattern == 1 ? 0xFF : (seed = seed * 1103515245u + 12345u) >> 16;
            }
            const std::string text = Describe({mode, common, additional}, pattern % 5);
            if (mode <= tarvik::OUTPUT_AT_CHANGE) ASSERT_EQ(text.rfind("[設定されている機能] ", 0), 0u) << mode;
            else ASSERT_EQ(text, "default");
        }
    }
}

TEST(PedalNames, ByPositionAndByCount) {
    // Columns: pedal -1..5. Row 0: the default names; rows 1..7: counts 0..6, where "" = not renamed.
    const char* const expected[8][7] = {
        {"", "中央ペダル", "左ペダル", "右ペダル", "左端ペダル", "右端ペダル", ""},
        {"", "", "", "", "", "", ""},
        {"", "ペダル", "", "", "", "", ""},
        {"", "右ペダル", "左ペダル", "", "", "", ""},
        {"", "中央ペダル", "左ペダル", "右ペダル", "", "", ""},
        {"", "右ペダル", "左ペダル", "右端ペダル", "左端ペダル", "", ""},
        {"", "中央ペダル", "左ペダル", "右ペダル", "左端ペダル", "右端ペダル", ""},
        {"", "", "", "", "", "", ""},
    };
    for (int pedal = -1; pedal <= 5; ++pedal) {
        EXPECT_EQ(tarvik::DefaultPedalName(pedal), expected[0][pedal + 1]) << pedal;
        for (int count = 0; count <= 6; ++count) {
            EXPECT_EQ(tarvik::PedalNameForCount(count, pedal), expected[count + 1][pedal + 1])
                << "count " << count << " pedal " << pedal;
        }
    }
    EXPECT_EQ(tarvik::PedalNameForCount(-1, 0), "");
}

TEST(PedalNames, ShownNameFallsBackToTheDefault) {
    const struct {
        int count, pedal; const char* expected;
    } cases[] = {{1, 0, "ペダル"},     {1, 2, "右ペダル"}, {2, 0, "右ペダル"}, {4, 4, "右端ペダル"},
                 {9, 3, "左端ペダル"}, {5, 5, ""},         {3, -1, ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(tarvik::ShownPedalName(c.count, c.pedal), c.expected) << c.count << "/" << c.pedal;
    }
}

}  // namespace
