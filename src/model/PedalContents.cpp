// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/PedalContents.h"

#include <algorithm>
#include <span>

#include "model/ChordRecord.h"
#include "model/ContentsGroups.h"
#include "model/DeviceState.h"
#include "model/KeyTable.h"
#include "model/ModeLayout.h"
#include "model/OutputCodes.h"
#include "model/PedalRecord.h"
#include "model/RecordRef.h"

namespace tarvik {

namespace {

using contents::AddLine;

std::string Label(const char* function) { return std::string("[設定されている機能] ") + function; }

std::string Millis(unsigned ms) { return std::to_string(ms) + " ミリ秒"; }

// The unit takes any code but "hold" as "same".
std::string SecondClickLength(std::uint8_t code) {
    const SecondClickCode* second = FindSecondClick(code);
    return std::string("[２番目のクリックの長さ] ") + (second != nullptr ? second : &kSecondClicks[0])->shown;
}

// Modes 2, 8 and (with its own fallback) 1: the button line of one button; empty for any other code.
std::string SingleButton(std::uint8_t code) {
    if (!IsSingleButton(code)) return {};
    return std::string("[ボタン] ") + FindClickCode(code)->shown;
}

std::string SimpleKey(const CommonRecord& c) {
    std::string text = Label("キー出力");
    contents::AddKeyGroup(text, c[layout::KEY_USAGE]);
    contents::AddModifierGroup(text, c[layout::KEY_MODIFIERS]);
    return text;
}

std::string SimpleClick(const CommonRecord& c) {
    std::string text = Label("クリック");
    const ClickCode* click = FindClickCode(c[layout::CLICK_BUTTON]);
    AddLine(text, std::string("[ボタン] ") + (click != nullptr ? click->shown : "想定外のクリック"));
    return text;
}

std::string SimpleDoubleClick(const CommonRecord& c) {
    const layout::DoubleClickLayout& at = layout::DOUBLE_CLICK;
    std::string text = Label("ダブルクリック");
    const std::string single = SingleButton(c[layout::CLICK_BUTTON]);
    AddLine(text, !single.empty() ? single : "[ボタン] 想定外のダブルクリック");
    AddLine(text, "[１番目のクリックの長さ] " + Millis(c[at.firstLength]));
    AddLine(text, SecondClickLength(c[at.secondLength]));
    AddLine(text, "[クリックの間の長さ] " + Millis(c[at.interval]));
    return text;
}

// This mode has always ended its lines with the separator instead of starting them with it.
std::string ModifierPlusClick(const CommonRecord& c) {
    std::string text = Label("モディファイア プラス クリック") + "\r\n";
    text += "[モディファイア] " + GetModifierName(c[layout::MODIFIER_CLICK_MODIFIERS]) + "\r\n";
    if (const std::uint8_t button = c[layout::MODIFIER_CLICK_BUTTON]; IsSingleButton(button))
        text += std::string("[クリック] ") + FindClickCode(button)->shown + "ボタン クリック";
    return text;
}

std::string ModifierPlusDoubleClick(const CommonRecord& c) {
    const layout::DoubleClickLayout& at = layout::MODIFIER_DOUBLE_CLICK;
    std::string text = Label("モディファイア プラス ダブルクリック");
    AddLine(text, "[モディファイア] " + GetModifierName(c[layout::MODIFIER_CLICK_MODIFIERS]));
    // The left button has always been written in brackets here.
    switch (c[layout::MODIFIER_CLICK_BUTTON]) {
        case BUTTON_LEFT: AddLine(text, "[クリック] (左ボタン) ダブルクリック"); break;
        case BUTTON_RIGHT: AddLine(text, "[クリック] 右ボタン ダブルクリック"); break;
        case BUTTON_MIDDLE: AddLine(text, "[クリック] 中央ボタン ダブルクリック"); break;
        default: break;
    }
    AddLine(text, "[１番目のクリックの長さ] " + Millis(c[at.firstLength]));
    AddLine(text, SecondClickLength(c[at.secondLength]));
    AddLine(text, "[クリックの間の長さ] " + Millis(c[at.interval]));
    return text;
}

void AddRepetitionGroup(std::string& text, const CommonRecord& c, const layout::RepetitionLayout& at) {
    contents::AddAccelerationGroup(text, c[at.acceleration], Value16(c, at.accelerationIndex),
                                   Value16(c, at.repeats));
}

std::string ContinuousKey(const CommonRecord& c) {
    std::string text = Label("連続キー出力");
    contents::AddKeyGroup(text, c[layout::KEY_USAGE]);
    contents::AddModifierGroup(text, c[layout::KEY_MODIFIERS]);
    AddLine(text, "[速度] " + contents::Tenths(Value16(c, layout::REPEAT_KEY.speed)) + " 回/秒");
    AddRepetitionGroup(text, c, layout::REPEAT_KEY);
    return text;
}

std::string PointerMove(const CommonRecord& c) {
    std::string text = Label("マウスポインタ移動");
    const DirectionPair* direction = FindDirection(c[layout::POINTER_MOVE_X], c[layout::POINTER_MOVE_Y]);
    AddLine(text, std::string("[移動方向] ") + (direction != nullptr ? direction->shown : "-----"));
    AddLine(text, "[速度] " + std::to_string(Value16(c, layout::POINTER.speed)) + " ドット/秒");
    AddRepetitionGroup(text, c, layout::POINTER);
    return text;
}

std::string WheelRotation(const CommonRecord& c) {
    std::string text = Label("ホイール回転");
    const WheelCode* direction = FindWheelDirection(c[layout::WHEEL_DIRECTION]);
    AddLine(text, std::string("[回転方向] ") + (direction != nullptr ? direction->shown : "-----"));
    AddLine(text, "[速度] " + std::to_string(Value16(c, layout::WHEEL.speed)) + " 回/秒");
    AddRepetitionGroup(text, c, layout::WHEEL);
    return text;
}

std::string ContinuousClick(const CommonRecord& c) {
    std::string text = Label("連続クリック");
    if (const std::string single = SingleButton(c[layout::CLICK_BUTTON]); !single.empty())
        AddLine(text, single);
    AddLine(text, "[速度] " + contents::Tenths(Value16(c, layout::REPEAT_CLICK.speed)) + " 回/秒");
    AddRepetitionGroup(text, c, layout::REPEAT_CLICK);
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
    if (repeats != 0)
        AddLine(text, std::string("[繰り返しの単位] ") + RepeatUnitOf(chord::RepeatBySeries(c)).shown);
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
    const std::uint8_t flags = c[layout::CHANGE_FLAGS];
    std::string text = Label("変化時に出力") + "\r\n[ペダルを踏んだ時の出力] ";
    if (flags & layout::CHANGE_PRESS_FLAG) {
        text += "あり 以下の通り";
        contents::AddChangeOutputGroup(text, c[layout::CHANGE_PRESS_USAGE],
                                       c[layout::CHANGE_PRESS_MODIFIERS]);
    } else {
        text += "なし";
    }
    if (flags & layout::CHANGE_RELEASE_FLAG) {
        AddLine(text, "[ペダルを離した時の出力] あり 以下の通り");
        contents::AddChangeOutputGroup(text, c[layout::CHANGE_RELEASE_USAGE],
                                       c[layout::CHANGE_RELEASE_MODIFIERS]);
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
