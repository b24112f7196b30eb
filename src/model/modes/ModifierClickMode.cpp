// SPDX-License-Identifier: GPL-3.0-or-later
// Mode 3: a click of one button with modifiers held.
#include "model/KeyTable.h"
#include "model/ModeEncoders.h"
#include "model/modes/ModeRow.h"
#include "model/modes/RowParts.h"

namespace tarvik::modes {

namespace {

constexpr NamedPosition kLayout[] = {{"modifiers", layout::MODIFIER_CLICK_MODIFIERS},
                                     {"button", layout::MODIFIER_CLICK_BUTTON}};
constexpr const char* kPositional[] = {"MODIFIERS", "BUTTON"};

void Write(const ModeChoice& choice, PedalRecordRef record) {
    EncodeModifierClick(std::get<ModifierClick>(choice), record);
}

std::optional<ModeChoice> Decode(const CommonRecord& c) {
    const ModifierClick m{c[layout::MODIFIER_CLICK_MODIFIERS], c[layout::MODIFIER_CLICK_BUTTON]};
    if (m.modifiers == 0 || !IsSingleButton(m.button)) return std::nullopt;
    return m;
}

// This mode has always ended its lines with the separator instead of starting them with it.
std::string Describe(const CommonRecord& c, const AdditionalRecord&) {
    std::string text = parts::Label(TARVIK_TR("Description", "モディファイア プラス クリック")) + "\r\n";
    text += parts::Fill(TARVIK_TR("Description", "[モディファイア] %1"),
                        {GetModifierName(c[layout::MODIFIER_CLICK_MODIFIERS])}) +
            "\r\n";
    if (const std::uint8_t button = c[layout::MODIFIER_CLICK_BUTTON]; IsSingleButton(button))
        text += parts::Fill(TARVIK_TR("Description", "[クリック] %1ボタン クリック"),
                            {contents::Word(FindClickCode(button)->shown)});
    return text;
}

void Fields(const CommonRecord& c, const AdditionalRecord&, std::vector<Field>& f) {
    f.push_back({"modifiers", ModifierNames(c[layout::MODIFIER_CLICK_MODIFIERS])});
    f.push_back({"button", parts::ButtonField(c[layout::MODIFIER_CLICK_BUTTON])});
}

bool Read(FormReader& in, ModeChoice& choice) {
    TypedKeys keys;
    ModifierClick m;
    if (!in.Keys("MODIFIERS", KeyCount::ModifiersOnly, keys) || !in.Button("BUTTON", m.button)) return false;
    m.modifiers = keys.modifiers;
    choice = m;
    return true;
}

std::vector<std::string> Args(const ModeChoice& choice) {
    const auto& m = std::get<ModifierClick>(choice);
    return {"modifier-click", parts::ModifiersArg(m.modifiers), parts::ButtonName(m.button)};
}

}  // namespace

void EncodeModifierClick(const ModifierClick& choice, PedalRecordRef record) {
    record.mode = MODIFIER_PLUS_CLICK;
    record.common[layout::MODIFIER_CLICK_MODIFIERS] = choice.modifiers;
    record.common[layout::MODIFIER_CLICK_BUTTON] = choice.button;
}

const ModeRow& ModifierClickMode() {
    static const ModeRow row{.code = MODIFIER_PLUS_CLICK,
                             .layout = kLayout,
                             .encode = Write,
                             .decode = Decode,
                             .describe = Describe,
                             .fields = Fields,
                             .form = {.name = "modifier-click",
                                      .usage = "modifier-click MODIFIERS BUTTON",
                                      .example = "modifier-click ctrl+shift left",
                                      .description = "a click with modifiers held",
                                      .positional = kPositional,
                                      .required = 2,
                                      .read = Read,
                                      .args = Args}};
    return row;
}

}  // namespace tarvik::modes
