// The description of one pedal's setting, for every output mode and every fallback, written out.
#include <cstdint>
#include <string>
#include <vector>

#include "model/PedalContents.h"
#include "ModelFixture.h"

namespace {

using tarvik::State;
using Bytes = std::vector<std::uint8_t>;

struct Setting {
    int mode;
    Bytes common;          // from byte 0; the rest stays 0
    Bytes additional = {}; // from byte 0; the rest stays 0
};

struct Case {
    const char* what;
    Setting setting;
    const char* expected;
};

class PedalContentsTest : public ModelTest {
protected:
    // Puts the setting into pedal `pedal` and junk into every other pedal, so a description that
    // reads the wrong pedal shows.
    std::string Describe(const Setting& s, int pedal = 3) {
        for (int p = 0; p < tarvik::NUMBER_OF_PEDALS_MAX; ++p) {
            State().OutputMode[p] = tarvik::PLURAL_SIMULTANEOUS_KEY_OUTPUT;
            State().CommonData[p].fill(0xEE);
            State().AdditionalData[p].fill(0xEE);
        }
        State().OutputMode[pedal] = static_cast<std::uint8_t>(s.mode);
        State().CommonData[pedal].fill(0);
        State().AdditionalData[pedal].fill(0);
        for (std::size_t i = 0; i < s.common.size(); ++i) State().CommonData[pedal].at(i) = s.common[i];
        for (std::size_t i = 0; i < s.additional.size(); ++i) State().AdditionalData[pedal].at(i) = s.additional[i];
        State().SelectedPedalNo = pedal;
        return tarvik::PedalContentsText();
    }

    void Check(const std::vector<Case>& cases) {
        for (const Case& c : cases) EXPECT_EQ(Describe(c.setting), c.expected) << c.what;
    }
};

TEST_F(PedalContentsTest, SimpleKeyOutput) {
    Check({
        {"factory setting", {0, {0x00, 40}},
         "[設定されている機能] キー出力\r\n[キー] Enter (Return)\r\n[モディファイア] なし"},
        {"key with explanation", {0, {0x01, 4}},
         "[設定されている機能] キー出力\r\n[キー] a\r\n[キー説明] Shiftプラスこのキーで大文字 A\r\n"
         "[モディファイア] (左)control"},
        {"no key", {0, {0x00, 0}}, "[設定されている機能] キー出力\r\n[キー] なし\r\n[モディファイア] なし"},
        {"usage above 237", {0, {0x00, 240}}, "[設定されている機能] キー出力\r\n[キー] ---\r\n[モディファイア] なし"},
        {"usage without row", {0, {0x00, 232}},
         "[設定されている機能] キー出力\r\n[キー]  at GetKeyContentsJ(\r\n[モディファイア] なし"},
        {"bracket key, all modifiers", {0, {0xFF, 50}},
         "[設定されている機能] キー出力\r\n[キー] ]\r\n[キー説明] Shiftプラスこのキーで }\r\n"
         "[モディファイア] (左)control+(左)shift+(左)option+(左)command+右control+右shift+右option+右command"},
        {"grave accent", {0, {0x20, 53}}, "[設定されている機能] キー出力\r\n[キー] `\r\n[モディファイア] 右shift"},
    });
}

TEST_F(PedalContentsTest, SimpleClick) {
    const std::string label = "[設定されている機能] クリック\r\n";
    const struct {
        std::uint8_t code;
        const char* line;
    } buttons[] = {
        {1, "[ボタン] 左"},
        {2, "[ボタン] 右"},
        {4, "[ボタン] 中央"},
        {3, "[ボタン] 左, 右ボタン 同時クリック"},
        {5, "[ボタン] 左, 中央ボタン 同時クリック"},
        {6, "[ボタン] 右, 中央ボタン 同時クリック"},
        {7, "[ボタン] 左, 右, 中央ボタン 同時クリック"},
        {0, "[ボタン] 想定外のクリック"},
        {8, "[ボタン] 想定外のクリック"},
        {255, "[ボタン] 想定外のクリック"},
    };
    for (const auto& b : buttons) EXPECT_EQ(Describe({1, {b.code}}), label + b.line) << int(b.code);
}

TEST_F(PedalContentsTest, SimpleDoubleClick) {
    Check({
        {"as the standard dialog writes it", {2, {1, 15, 0, 15}},
         "[設定されている機能] ダブルクリック\r\n[ボタン] 左\r\n[１番目のクリックの長さ] 15 ミリ秒\r\n"
         "[２番目のクリックの長さ] １番目のクリックと同じ\r\n[クリックの間の長さ] 15 ミリ秒"},
        {"right, held to release", {2, {2, 255, 1, 0}},
         "[設定されている機能] ダブルクリック\r\n[ボタン] 右\r\n[１番目のクリックの長さ] 255 ミリ秒\r\n"
         "[２番目のクリックの長さ] ペダルを離すまで\r\n[クリックの間の長さ] 0 ミリ秒"},
        {"middle, unknown length code", {2, {4, 30, 2, 40}},
         "[設定されている機能] ダブルクリック\r\n[ボタン] 中央\r\n[１番目のクリックの長さ] 30 ミリ秒\r\n"
         "[２番目のクリックの長さ] １番目のクリックと同じ\r\n[クリックの間の長さ] 40 ミリ秒"},
        {"unknown button", {2, {3, 15, 0, 15}},
         "[設定されている機能] ダブルクリック\r\n[ボタン] 想定外のダブルクリック\r\n"
         "[１番目のクリックの長さ] 15 ミリ秒\r\n[２番目のクリックの長さ] １番目のクリックと同じ\r\n"
         "[クリックの間の長さ] 15 ミリ秒"},
    });
}

TEST_F(PedalContentsTest, ModifierPlusClickEndsItsLinesWithTheSeparator) {
    Check({
        {"left", {3, {0x02, 1}},
         "[設定されている機能] モディファイア プラス クリック\r\n[モディファイア] (左)shift\r\n[クリック] 左ボタン クリック"},
        {"right", {3, {0x10, 2}},
         "[設定されている機能] モディファイア プラス クリック\r\n[モディファイア] 右control\r\n[クリック] 右ボタン クリック"},
        {"middle", {3, {0x05, 4}},
         "[設定されている機能] モディファイア プラス クリック\r\n[モディファイア] (左)control+(左)option\r\n"
         "[クリック] 中央ボタン クリック"},
        {"no modifier, unknown button", {3, {0x00, 3}},
         "[設定されている機能] モディファイア プラス クリック\r\n[モディファイア] \r\n"},
    });
}

TEST_F(PedalContentsTest, ModifierPlusDoubleClick) {
    Check({
        {"left", {4, {0x08, 1, 99, 20, 1, 30}},
         "[設定されている機能] モディファイア プラス ダブルクリック\r\n[モディファイア] (左)command\r\n"
         "[クリック] (左ボタン) ダブルクリック\r\n[１番目のクリックの長さ] 20 ミリ秒\r\n"
         "[２番目のクリックの長さ] ペダルを離すまで\r\n[クリックの間の長さ] 30 ミリ秒"},
        {"right", {4, {0x40, 2, 0, 15, 0, 15}},
         "[設定されている機能] モディファイア プラス ダブルクリック\r\n[モディファイア] 右option\r\n"
         "[クリック] 右ボタン ダブルクリック\r\n[１番目のクリックの長さ] 15 ミリ秒\r\n"
         "[２番目のクリックの長さ] １番目のクリックと同じ\r\n[クリックの間の長さ] 15 ミリ秒"},
        {"middle", {4, {0x01, 4, 0, 10, 0, 5}},
         "[設定されている機能] モディファイア プラス ダブルクリック\r\n[モディファイア] (左)control\r\n"
         "[クリック] 中央ボタン ダブルクリック\r\n[１番目のクリックの長さ] 10 ミリ秒\r\n"
         "[２番目のクリックの長さ] １番目のクリックと同じ\r\n[クリックの間の長さ] 5 ミリ秒"},
        {"no modifier, unknown button", {4, {0x00, 8, 0, 15, 7, 15}},
         "[設定されている機能] モディファイア プラス ダブルクリック\r\n[モディファイア] \r\n"
         "[１番目のクリックの長さ] 15 ミリ秒\r\n[２番目のクリックの長さ] １番目のクリックと同じ\r\n"
         "[クリックの間の長さ] 15 ミリ秒"},
    });
}

TEST_F(PedalContentsTest, ContinuousKeyOutput) {
    Check({
        {"accelerating, counted", {5, {0x20, 81, 0, 0, 0, 0, 1, 0x00, 5, 0x00, 25, 0x01, 0x2C}},
         "[設定されている機能] 連続キー出力\r\n[キー] ↓\r\n[キー説明] 下矢印\r\n[モディファイア] 右shift\r\n"
         "[速度] 2.5 回/秒\r\n[加速] あり\r\n[加速指標] 300\r\n[繰り返し数] 5"},
        {"constant, until release", {5, {0x00, 0, 9, 9, 9, 9, 0, 0, 0, 0, 10, 0, 7}},
         "[設定されている機能] 連続キー出力\r\n[キー] なし\r\n[モディファイア] なし\r\n[速度] 1.0 回/秒\r\n"
         "[加速] なし\r\n[加速指標] 0\r\n[繰り返し] ペダルを離すまで"},
        {"largest values", {5, {0x00, 255, 0, 0, 0, 0, 255, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
         "[設定されている機能] 連続キー出力\r\n[キー] ---\r\n[モディファイア] なし\r\n[速度] 6553.5 回/秒\r\n"
         "[加速] あり\r\n[加速指標] 65535\r\n[繰り返し数] 65535"},
        {"zero speed", {5, {0x00, 4}},
         "[設定されている機能] 連続キー出力\r\n[キー] a\r\n[キー説明] Shiftプラスこのキーで大文字 A\r\n"
         "[モディファイア] なし\r\n[速度] 0.0 回/秒\r\n[加速] なし\r\n[加速指標] 0\r\n[繰り返し] ペダルを離すまで"},
    });
}

TEST_F(PedalContentsTest, PointerMove) {
    Check({
        {"lower right, accelerating", {6, {1, 1, 0, 25, 0, 100, 1, 0, 3, 0, 25, 0, 10}},
         "[設定されている機能] マウスポインタ移動\r\n[移動方向] 右下\r\n[速度] 25 ドット/秒\r\n"
         "[加速] あり\r\n[加速指標] 10\r\n[繰り返し数] 3"},
        {"invalid direction", {6, {2, 0, 0, 0, 0, 0, 0, 0, 0, 0x01, 0x00}},
         "[設定されている機能] マウスポインタ移動\r\n[移動方向] -----\r\n[速度] 256 ドット/秒\r\n"
         "[加速] なし\r\n[加速指標] 0\r\n[繰り返し] ペダルを離すまで"},
    });
    const struct {
        std::uint8_t x, y;
        const char* name;
    } directions[] = {
        {1, 0, "右"},      {255, 0, "左"},     {0, 1, "下"},      {0, 255, "上"},     {1, 1, "右下"},
        {1, 255, "右上"},  {255, 255, "左上"}, {255, 1, "左下"},  {0, 0, "-----"},    {2, 0, "-----"},
        {255, 2, "-----"}, {128, 128, "-----"},
    };
    for (const auto& d : directions) {
        EXPECT_EQ(Describe({6, {d.x, d.y}}),
                  std::string("[設定されている機能] マウスポインタ移動\r\n[移動方向] ") + d.name +
                      "\r\n[速度] 0 ドット/秒\r\n[加速] なし\r\n[加速指標] 0\r\n[繰り返し] ペダルを離すまで")
            << int(d.x) << "," << int(d.y);
    }
}

TEST_F(PedalContentsTest, WheelRotation) {
    Check({
        {"forward, constant", {7, {1, 9, 9, 9, 9, 0, 0, 0, 0, 3, 0, 9, 9}},
         "[設定されている機能] ホイール回転\r\n[回転方向] 前方\r\n[速度] 3 回/秒\r\n[加速] なし\r\n"
         "[加速指標] 0\r\n[繰り返し] ペダルを離すまで"},
        {"backward, accelerating", {7, {255, 0, 0, 0, 0, 2, 0, 10, 0x01, 0x2C, 0x01, 0x00}},
         "[設定されている機能] ホイール回転\r\n[回転方向] 後方\r\n[速度] 300 回/秒\r\n[加速] あり\r\n"
         "[加速指標] 256\r\n[繰り返し数] 10"},
        {"invalid direction", {7, {7}},
         "[設定されている機能] ホイール回転\r\n[回転方向] -----\r\n[速度] 0 回/秒\r\n[加速] なし\r\n"
         "[加速指標] 0\r\n[繰り返し] ペダルを離すまで"},
    });
}

TEST_F(PedalContentsTest, ContinuousClick) {
    Check({
        {"middle, accelerating", {8, {4, 0, 0, 0, 0, 1, 0, 3, 0, 15, 0, 50}},
         "[設定されている機能] 連続クリック\r\n[ボタン] 中央\r\n[速度] 1.5 回/秒\r\n[加速] あり\r\n"
         "[加速指標] 50\r\n[繰り返し数] 3"},
        {"left", {8, {1, 0, 0, 0, 0, 0, 0, 0, 0, 5}},
         "[設定されている機能] 連続クリック\r\n[ボタン] 左\r\n[速度] 0.5 回/秒\r\n[加速] なし\r\n"
         "[加速指標] 0\r\n[繰り返し] ペダルを離すまで"},
        {"right", {8, {2}},
         "[設定されている機能] 連続クリック\r\n[ボタン] 右\r\n[速度] 0.0 回/秒\r\n[加速] なし\r\n"
         "[加速指標] 0\r\n[繰り返し] ペダルを離すまで"},
        {"unknown button adds no line", {8, {3, 0, 0, 0, 0, 0, 0, 0, 0, 20}},
         "[設定されている機能] 連続クリック\r\n[速度] 2.0 回/秒\r\n[加速] なし\r\n[加速指標] 0\r\n"
         "[繰り返し] ペダルを離すまで"},
    });
}

// Chords 2 to 10 in the additional bytes: chord k presses the digit key k - 1.
Bytes NineChords() {
    Bytes additional;
    for (std::uint8_t k = 2; k <= 10; ++k) {
        const Bytes entry = {0, static_cast<std::uint8_t>(28 + k), 0, 0, 0, 0, 0};
        additional.insert(additional.end(), entry.begin(), entry.end());
    }
    return additional;
}

TEST_F(PedalContentsTest, PluralSimultaneousKeyOutput) {
    Check({
        {"three chords, repeats by series",
         {9, {0x2C, 0x0A, 0x10, 0x83, 0, 2, 0x02, 4, 5, 0, 0, 0, 0},
          {0x00, 6, 0, 0, 0, 0, 0, 0x11, 4, 5, 0, 6, 0, 0, 0x01, 7, 0, 0, 0, 0, 0}},
         "[設定されている機能] 複数同時キー出力\r\n[オンの時間] 300 ミリ秒\r\n[間の時間] 10 ミリ秒\r\n"
         "[出力の数] 3\r\n[繰り返し数] 2\r\n[繰り返しの単位] 組\r\n"
         "[1番目の出力] [(左)shift] + [a] + [b]\r\n[2番目の出力] [c]\r\n"
         "[3番目の出力] [(左)control+右control] + [a] + [b]"},
        {"repeats by single chords", {9, {0x2C, 0x0A, 0x10, 0x03, 0x01, 0x00, 0, 4}},
         "[設定されている機能] 複数同時キー出力\r\n[オンの時間] 300 ミリ秒\r\n[間の時間] 10 ミリ秒\r\n"
         "[出力の数] 3\r\n[繰り返し数] 256\r\n[繰り返しの単位] 出力\r\n"
         "[1番目の出力] [a]\r\n[2番目の出力] [なし]\r\n[3番目の出力] [なし]"},
        {"one chord of six keys, until release", {9, {0xFF, 0xFF, 0xFF, 0x01, 0, 0, 0, 4, 5, 6, 7, 8, 9}},
         "[設定されている機能] 複数同時キー出力\r\n[オンの時間] 4095 ミリ秒\r\n[間の時間] 4095 ミリ秒\r\n"
         "[出力の数] 1\r\n[繰り返し] ペダルを離すまで\r\n"
         "[1番目の出力] [a] + [b] + [c] + [d] + [e] + [f]"},
        {"first key none, key without name, key without row",
         {9, {0x2C, 0x0A, 0x10, 0x01, 0, 0, 0x80, 0, 240, 233, 0, 0, 0}},
         "[設定されている機能] 複数同時キー出力\r\n[オンの時間] 300 ミリ秒\r\n[間の時間] 10 ミリ秒\r\n"
         "[出力の数] 1\r\n[繰り返し] ペダルを離すまで\r\n"
         "[1番目の出力] [右command] + [なし] + [] + [ at GetKeyContentsJ(]"},
    });
}

TEST_F(PedalContentsTest, PluralSimultaneousKeyOutputListsAtMostTheTenChordsTheRecordHolds) {
    const std::string head = "[設定されている機能] 複数同時キー出力\r\n[オンの時間] 0 ミリ秒\r\n[間の時間] 0 ミリ秒\r\n";
    const std::string ten =
        "[1番目の出力] [a]\r\n[2番目の出力] [1]\r\n[3番目の出力] [2]\r\n[4番目の出力] [3]\r\n"
        "[5番目の出力] [4]\r\n[6番目の出力] [5]\r\n[7番目の出力] [6]\r\n[8番目の出力] [7]\r\n"
        "[9番目の出力] [8]\r\n[10番目の出力] [9]";
    const struct {
        std::uint8_t countByte;
        const char* countLine;
        std::string chords;
    } cases[] = {
        {0x00, "[出力の数] 0", "[1番目の出力] [a]"},
        {0x80, "[出力の数] 0", "[1番目の出力] [a]"},
        {0x01, "[出力の数] 1", "[1番目の出力] [a]"},
        {0x02, "[出力の数] 2", "[1番目の出力] [a]\r\n[2番目の出力] [1]"},
        {0x0A, "[出力の数] 10", ten},
        {0x0B, "[出力の数] 11", ten},
        {0x7F, "[出力の数] 127", ten},
        {0xFF, "[出力の数] 127", ten},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Describe({9, {0, 0, 0, c.countByte, 0, 0, 0, 4}, NineChords()}),
                  head + c.countLine + "\r\n[繰り返し] ペダルを離すまで\r\n" + c.chords)
            << int(c.countByte);
    }
}

TEST_F(PedalContentsTest, OutputAtChange) {
    Check({
        {"neither", {10, {0}},
         "[設定されている機能] 変化時に出力\r\n[ペダルを踏んだ時の出力] なし\r\n[ペダルを離した時の出力] なし"},
        {"other bits only", {10, {0xFC, 0, 4, 0, 4}},
         "[設定されている機能] 変化時に出力\r\n[ペダルを踏んだ時の出力] なし\r\n[ペダルを離した時の出力] なし"},
        {"release only", {10, {2, 0x01, 4, 0x04, 4}},
         "[設定されている機能] 変化時に出力\r\n[ペダルを踏んだ時の出力] なし\r\n"
         "[ペダルを離した時の出力] あり 以下の通り\r\n[キー] a\r\n[キー説明] Shiftプラスこのキーで大文字 A\r\n"
         "[モディファイア] (左)option"},
        {"press only, key without explanation", {10, {1, 0x00, 40, 0x04, 4}},
         "[設定されている機能] 変化時に出力\r\n[ペダルを踏んだ時の出力] あり 以下の通り\r\n[キー] Enter (Return)\r\n"
         "[モディファイア] なし\r\n[ペダルを離した時の出力] なし"},
        {"both: nothing on press, key beyond 237 on release", {10, {3, 0x00, 0, 0x80, 240}},
         "[設定されている機能] 変化時に出力\r\n[ペダルを踏んだ時の出力] あり 以下の通り\r\n[クリック] なし\r\n"
         "[クリック説明] 何も出力しない\r\n[モディファイア] なし\r\n[ペダルを離した時の出力] あり 以下の通り\r\n"
         "[キー] ---\r\n[モディファイア] 右command"},
        {"click codes beyond the key table", {10, {3, 0x03, 232, 0x00, 237}},
         "[設定されている機能] 変化時に出力\r\n[ペダルを踏んだ時の出力] あり 以下の通り\r\n"
         "[クリック]  at GetKeyContentsJ(\r\n[クリック説明] \r\n[モディファイア] (左)control+(左)shift\r\n"
         "[ペダルを離した時の出力] あり 以下の通り\r\n[クリック]  at GetKeyContentsJ(\r\n[クリック説明] \r\n"
         "[モディファイア] なし"},
        {"last key of the table", {10, {1, 0x00, 231}},
         "[設定されている機能] 変化時に出力\r\n[ペダルを踏んだ時の出力] あり 以下の通り\r\n"
         "[キー] 右Commandキー(GUI)\r\n[モディファイア] なし\r\n[ペダルを離した時の出力] なし"},
    });
}

// Well-formed UTF-8: every cut-out of a record ends on a character boundary.
bool IsUtf8(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t j = 1; j < length; ++j) {
            if ((static_cast<unsigned char>(text[i + j]) & 0xC0) != 0x80) return false;
        }
        i += length;
    }
    return true;
}

// Whatever bytes the unit sends, every mode gives a well-formed description (and, under the
// sanitizers, reads nothing outside the record).
TEST_F(PedalContentsTest, AnyRecordGivesAWellFormedText) {
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<std::uint8_t>(seed >> 16);
    };
    for (int mode = 0; mode <= 255; ++mode) {
        for (int pattern = 0; pattern < 8; ++pattern) {
            Bytes common(tarvik::NUMBER_OF_COMMON_DATA);
            Bytes additional(tarvik::ADDITIONAL_DATA_ONE_PEDAL);
            for (auto& b : common) b = pattern == 0 ? 0x00 : pattern == 1 ? 0xFF : pattern == 2 ? 0xE8 : next();
            for (auto& b : additional) b = pattern == 0 ? 0x00 : pattern == 1 ? 0xFF : pattern == 2 ? 0xE8 : next();
            const std::string text = Describe({mode, common, additional}, pattern % tarvik::NUMBER_OF_PEDALS_MAX);
            ASSERT_TRUE(IsUtf8(text)) << "mode " << mode << " pattern " << pattern;
            if (mode <= tarvik::OUTPUT_AT_CHANGE) {
                ASSERT_EQ(text.rfind("[設定されている機能] ", 0), 0u) << "mode " << mode;
            } else {
                ASSERT_EQ(text, "default");
            }
        }
    }
}

TEST_F(PedalContentsTest, UnknownModesReadDefault) {
    for (int mode : {11, 12, 128, 255}) EXPECT_EQ(Describe({mode, {1, 2, 3}}), "default") << mode;
}

TEST_F(PedalContentsTest, DescribesWhicheverPedalIsSelected) {
    for (int pedal = 0; pedal < tarvik::NUMBER_OF_PEDALS_MAX; ++pedal) {
        EXPECT_EQ(Describe({1, {2}}, pedal), "[設定されている機能] クリック\r\n[ボタン] 右") << pedal;
    }
}

TEST_F(PedalContentsTest, NoPedalSelectedGivesEmptyText) {
    for (int pedal : {-1, 5, 1000}) {
        State().SelectedPedalNo = pedal;
        EXPECT_EQ(tarvik::PedalContentsText(), "") << pedal;
    }
}

TEST_F(PedalContentsTest, FreshStateDescribesNoKey) {
    EXPECT_EQ(tarvik::PedalContentsText(), "[設定されている機能] キー出力\r\n[キー] なし\r\n[モディファイア] なし");
}

}  // namespace
