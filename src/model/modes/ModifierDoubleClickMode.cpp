// SPDX-License-Identifier: GPL-3.0-or-later
// Mode 4: a double click of one button with modifiers held.
#include "model/ContentsGroups.h"
#include "model/KeyTable.h"
#include "model/ModeEncoders.h"
#include "model/modes/ModeRow.h"
#include "model/modes/RowParts.h"

namespace tarvik::modes {

namespace {

constexpr const layout::DoubleClickLayout& kTiming = layout::MODIFIER_DOUBLE_CLICK;
constexpr NamedPosition kLayout[] = {{"modifiers", layout::MODIFIER_CLICK_MODIFIERS},
                                     {"button", layout::MODIFIER_CLICK_BUTTON},
                                     {"first length", kTiming.firstLength},
                                     {"second length", kTiming.secondLength},
                                     {"interval", kTiming.interval}};
constexpr const char* kPositional[] = {"MODIFIERS", "BUTTON"};
constexpr const char* kOptions[] = {"--first-ms", "--second", "--interval-ms"};

void Write(const ModeChoice& choice, PedalRecordRef record) {
    EncodeModifierDoubleClick(std::get<ModifierDoubleClick>(choice), record);
}

std::optional<ModeChoice> Decode(const CommonRecord& c) {
    const std::uint8_t modifiers = c[layout::MODIFIER_CLICK_MODIFIERS];
    const std::uint8_t button = c[layout::MODIFIER_CLICK_BUTTON];
    const auto timing = parts::TimingAt(c, kTiming);
    if (modifiers == 0 || !IsSingleButton(button) || !timing) return std::nullopt;
    return ModifierDoubleClick{modifiers, button, *timing};
}

std::string Describe(const CommonRecord& c, const AdditionalRecord&) {
    std::string text = parts::Label(TARVIK_TR("Description", "モディファイア プラス ダブルクリック"));
    contents::AddLine(text, parts::Fill(TARVIK_TR("Description", "[モディファイア] %1"),
                                        {GetModifierName(c[layout::MODIFIER_CLICK_MODIFIERS])}));
    // The left button has always been written in brackets here.
    switch (c[layout::MODIFIER_CLICK_BUTTON]) {
        case BUTTON_LEFT:
            contents::AddLine(text, TARVIK_TR("Description", "[クリック] (左ボタン) ダブルクリック"));
            break;
        case BUTTON_RIGHT:
            contents::AddLine(text, TARVIK_TR("Description", "[クリック] 右ボタン ダブルクリック"));
            break;
        case BUTTON_MIDDLE:
            contents::AddLine(text, TARVIK_TR("Description", "[クリック] 中央ボタン ダブルクリック"));
            break;
        default:
            break;
    }
    parts::AddTimingLines(text, c, kTiming);
    return text;
}

void Fields(const CommonRecord& c, const AdditionalRecord&, std::vector<Field>& f) {
    f.push_back({"modifiers", ModifierNames(c[layout::MODIFIER_CLICK_MODIFIERS])});
    f.push_back({"button", parts::ButtonField(c[layout::MODIFIER_CLICK_BUTTON])});
    parts::AddTimingFields(f, c, kTiming);
}

bool Read(FormReader& in, ModeChoice& choice) {
    TypedKeys keys;
    ModifierDoubleClick m;
    if (!in.Keys("MODIFIERS", KeyCount::ModifiersOnly, keys) || !in.Button("BUTTON", m.button) ||
        !parts::ReadTiming(in, m.timing)) {
        return false;
    }
    m.modifiers = keys.modifiers;
    choice = m;
    return true;
}

std::vector<std::string> Args(const ModeChoice& choice) {
    const auto& m = std::get<ModifierDoubleClick>(choice);
    parts::Args args{"modifier-double-click", parts::ModifiersArg(m.modifiers), parts::ButtonName(m.button)};
    parts::AddTimingArgs(args, m.timing);
    return args;
}

}  // namespace

void EncodeModifierDoubleClick(const ModifierDoubleClick& choice, PedalRecordRef record) {
    record.mode = MODIFIER_PLUS_DOUBLE_CLICK;
    record.common[layout::MODIFIER_CLICK_MODIFIERS] = choice.modifiers;
    record.common[layout::MODIFIER_CLICK_BUTTON] = choice.button;
    parts::PutTiming(record.common, kTiming, choice.timing);
}

const ModeRow& ModifierDoubleClickMode() {
    static const ModeRow row{
        .code = MODIFIER_PLUS_DOUBLE_CLICK,
        .layout = kLayout,
        .encode = Write,
        .decode = Decode,
        .describe = Describe,
        .fields = Fields,
        .form = {.name = "modifier-double-click",
                 .usage = "modifier-double-click MODIFIERS BUTTON [--first-ms N] [--second same|hold] "
                          "[--interval-ms N]",
                 .example = "modifier-double-click cmd left --interval-ms 30",
                 .description = "a double click with modifiers held",
                 .positional = kPositional,
                 .required = 2,
                 .options = kOptions,
                 .read = Read,
                 .args = Args}};
    return row;
}

}  // namespace tarvik::modes
