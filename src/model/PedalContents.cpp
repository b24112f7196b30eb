#include "model/PedalContents.h"

#include <algorithm>
#include <array>
#include <span>

#include "model/ChordRecord.h"
#include "model/ContentsGroups.h"
#include "model/DeviceState.h"
#include "model/KeyTable.h"
#include "model/PedalRecord.h"

namespace tarvik {

namespace {

using contents::AddLine;

std::string Label(const char* function) { return std::string("[設定されている機能] ") + function; }

std::string Millis(unsigned ms) { return std::to_string(ms) + " ミリ秒"; }

const char* SecondClickLength(std::uint8_t code) {
    return code == 1 ? "[２番目のクリックの長さ] ペダルを離すまで" : "[２番目のクリックの長さ] １番目のクリックと同じ";
}

// Mode 2, 8 and (with its own fallback) 1: the single-button lines.
const char* SingleButton(std::uint8_t code) {
    switch (code) {
        case 1: return "[ボタン] 左";
        case 2: return "[ボタン] 右";
        case 4: return "[ボタン] 中央";
        default: return nullptr;
    }
}

std::string SimpleKey(const CommonRecord& c) {
    std::string text = Label("キー出力");
    contents::AddKeyGroup(text, c[1]);
    contents::AddModifierGroup(text, c[0]);
    return text;
}

std::string SimpleClick(const CommonRecord& c) {
    std::string text = Label("クリック");
    switch (c[0]) {
        case 3: AddLine(text, "[ボタン] 左, 右ボタン 同時クリック"); break;
        case 5: AddLine(text, "[ボタン] 左, 中央ボタン 同時クリック"); break;
        case 6: AddLine(text, "[ボタン] 右, 中央ボタン 同時クリック"); break;
        case 7: AddLine(text, "[ボタン] 左, 右, 中央ボタン 同時クリック"); break;
        default: {
            const char* single = SingleButton(c[0]);
            AddLine(text, single != nullptr ? single : "[ボタン] 想定外のクリック");
        }
    }
    return text;
}

std::string SimpleDoubleClick(const CommonRecord& c) {
    std::string text = Label("ダブルクリック");
    const char* single = SingleButton(c[0]);
    AddLine(text, single != nullptr ? single : "[ボタン] 想定外のダブルクリック");
    AddLine(text, "[１番目のクリックの長さ] " + Millis(c[1]));
    AddLine(text, SecondClickLength(c[2]));
    AddLine(text, "[クリックの間の長さ] " + Millis(c[3]));
    return text;
}

// This mode has always ended its lines with the separator instead of starting them with it.
std::string ModifierPlusClick(const CommonRecord& c) {
    std::string text = Label("モディファイア プラス クリック") + "\r\n";
    text += "[モディファイア] " + GetModifierName(c[0]) + "\r\n";
    switch (c[1]) {
        case 1: text += "[クリック] 左ボタン クリック"; break;
        case 2: text += "[クリック] 右ボタン クリック"; break;
        case 4: text += "[クリック] 中央ボタン クリック"; break;
        default: break;
    }
    return text;
}

std::string ModifierPlusDoubleClick(const CommonRecord& c) {
    std::string text = Label("モディファイア プラス ダブルクリック");
    AddLine(text, "[モディファイア] " + GetModifierName(c[0]));
    switch (c[1]) {
        case 1: AddLine(text, "[クリック] (左ボタン) ダブルクリック"); break;
        case 2: AddLine(text, "[クリック] 右ボタン ダブルクリック"); break;
        case 4: AddLine(text, "[クリック] 中央ボタン ダブルクリック"); break;
        default: break;
    }
    AddLine(text, "[１番目のクリックの長さ] " + Millis(c[3]));
    AddLine(text, SecondClickLength(c[4]));
    AddLine(text, "[クリックの間の長さ] " + Millis(c[5]));
    return text;
}

std::string ContinuousKey(const CommonRecord& c) {
    std::string text = Label("連続キー出力");
    contents::AddKeyGroup(text, c[1]);
    contents::AddModifierGroup(text, c[0]);
    AddLine(text, "[速度] " + contents::Tenths(Value16(c, 9)) + " 回/秒");
    contents::AddAccelerationGroup(text, c[6], Value16(c, 11), Value16(c, 7));
    return text;
}

const char* Direction(std::uint8_t x, std::uint8_t y) {
    struct Entry { std::uint8_t x, y; const char* name; };
    static constexpr std::array<Entry, 8> kDirections{{
        {1, 0, "右"}, {255, 0, "左"}, {0, 1, "下"}, {0, 255, "上"},
        {1, 1, "右下"}, {1, 255, "右上"}, {255, 255, "左上"}, {255, 1, "左下"},
    }};
    for (const Entry& e : kDirections) {
        if (e.x == x && e.y == y) return e.name;
    }
    return "-----";
}

std::string PointerMove(const CommonRecord& c) {
    std::string text = Label("マウスポインタ移動");
    AddLine(text, std::string("[移動方向] ") + Direction(c[0], c[1]));
    AddLine(text, "[速度] " + std::to_string(Value16(c, 9)) + " ドット/秒");
    contents::AddAccelerationGroup(text, c[6], Value16(c, 11), Value16(c, 7));
    return text;
}

std::string WheelRotation(const CommonRecord& c) {
    std::string text = Label("ホイール回転");
    const char* direction = c[0] == 1 ? "前方" : c[0] == 255 ? "後方" : "-----";
    AddLine(text, std::string("[回転方向] ") + direction);
    AddLine(text, "[速度] " + std::to_string(Value16(c, 8)) + " 回/秒");
    contents::AddAccelerationGroup(text, c[5], Value16(c, 10), Value16(c, 6));
    return text;
}

std::string ContinuousClick(const CommonRecord& c) {
    std::string text = Label("連続クリック");
    if (const char* single = SingleButton(c[0])) AddLine(text, single);
    AddLine(text, "[速度] " + contents::Tenths(Value16(c, 8)) + " 回/秒");
    contents::AddAccelerationGroup(text, c[5], Value16(c, 10), Value16(c, 6));
    return text;
}

std::string PluralSimultaneousKey(const CommonRecord& c, const AdditionalRecord& additional) {
    std::string text = Label("複数同時キー出力");
    const auto onTime = static_cast<unsigned>(chord::OnTime(c));
    const auto offTime = static_cast<unsigned>(chord::OffTime(c));
    const int outputs = chord::NumberOfOutputs(c);
    AddLine(text, "[オンの時間] " + Millis(onTime));
    AddLine(text, "[間の時間] " + Millis(offTime));
    AddLine(text, "[出力の数] " + std::to_string(outputs));
    const unsigned repeats = Value16(c, chord::NUMBER_OF_REPEATS);
    contents::AddRepeatLine(text, repeats);
    if (repeats != 0) AddLine(text, std::string("[繰り返しの単位] ") + (chord::RepeatBySeries(c) ? "組" : "出力"));
    const std::span<const std::uint8_t> common(c);
    AddLine(text, "[1番目の出力] " + contents::ChordText(common.subspan(chord::FIRST_ENTRY, PSKO_OUTPUT_ENTRY_SIZE)));
    // The record holds ten chords at most; a count beyond that (or 0) is the unit's error and
    // never leads past the additional bytes.
    const int listed = std::min(outputs, NUMBER_OF_PSKO_OUTPUT);
    const std::span<const std::uint8_t> more(additional);
    for (int k = 2; k <= listed; ++k) {
        const std::size_t offset = static_cast<std::size_t>(k - 2) * PSKO_OUTPUT_ENTRY_SIZE;
        if (offset + PSKO_OUTPUT_ENTRY_SIZE > more.size()) break;
        std::string line = "[";
        line += std::to_string(k);
        line += "番目の出力] ";
        line += contents::ChordText(more.subspan(offset, PSKO_OUTPUT_ENTRY_SIZE));
        AddLine(text, line);
    }
    return text;
}

std::string OutputAtChange(const CommonRecord& c) {
    std::string text = Label("変化時に出力") + "\r\n[ペダルを踏んだ時の出力] ";
    if (c[0] & 0x01) {
        text += "あり 以下の通り";
        contents::AddChangeOutputGroup(text, c[2], c[1]);
    } else {
        text += "なし";
    }
    if (c[0] & 0x02) {
        AddLine(text, "[ペダルを離した時の出力] あり 以下の通り");
        contents::AddChangeOutputGroup(text, c[4], c[3]);
    } else {
        AddLine(text, "[ペダルを離した時の出力] なし");
    }
    return text;
}

}  // namespace

std::string PedalContentsText(const DeviceState& state, int pedal) {
    if (!IsPedalIndex(pedal)) return {};
    const auto p = static_cast<std::size_t>(pedal);
    const CommonRecord& c = state.CommonData[p];
    switch (state.OutputMode[p]) {
        case SIMPLE_KEY_OUTPUT: return SimpleKey(c);
        case SIMPLE_CLICK: return SimpleClick(c);
        case SIMPLE_DOUBLE_CLICK: return SimpleDoubleClick(c);
        case MODIFIER_PLUS_CLICK: return ModifierPlusClick(c);
        case MODIFIER_PLUS_DOUBLE_CLICK: return ModifierPlusDoubleClick(c);
        case CONTINUOUS_KEY_OUTPUT: return ContinuousKey(c);
        case POINTER_MOVE: return PointerMove(c);
        case WHEEL_ROTATION: return WheelRotation(c);
        case CONTINUOUS_CLICK: return ContinuousClick(c);
        case PLURAL_SIMULTANEOUS_KEY_OUTPUT: return PluralSimultaneousKey(c, state.AdditionalData[p]);
        case OUTPUT_AT_CHANGE: return OutputAtChange(c);
        default: return "default";
    }
}

std::string PedalContentsText() { return PedalContentsText(State(), State().SelectedPedalNo); }

}  // namespace tarvik
