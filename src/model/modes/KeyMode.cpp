// SPDX-License-Identifier: GPL-3.0-or-later
// Mode 0: one key with modifiers, or modifiers alone.
#include "model/ContentsGroups.h"
#include "model/ModeEncoders.h"
#include "model/modes/ModeRow.h"
#include "model/modes/RowParts.h"

namespace tarvik::modes {

namespace {

constexpr NamedPosition kLayout[] = {{"modifiers", layout::KEY_MODIFIERS}, {"usage", layout::KEY_USAGE}};
constexpr const char* kPositional[] = {"KEYSPEC"};

void Write(const ModeChoice& choice, PedalRecordRef record) {
    EncodeKey(std::get<KeyOutput>(choice), record);
}

std::optional<ModeChoice> Decode(const CommonRecord& c) {
    const KeyOutput k{c[layout::KEY_MODIFIERS], c[layout::KEY_USAGE]};
    if (!parts::IsKeyOutput(k)) return std::nullopt;
    return k;
}

std::string Describe(const CommonRecord& c, const AdditionalRecord&) {
    std::string text = parts::Label(TARVIK_TR("Description", "キー出力"));
    contents::AddKeyGroup(text, c[layout::KEY_USAGE]);
    contents::AddModifierGroup(text, c[layout::KEY_MODIFIERS]);
    return text;
}

void Fields(const CommonRecord& c, const AdditionalRecord&, std::vector<Field>& f) {
    parts::AddKeyFields(f, c);
}

bool Read(FormReader& in, ModeChoice& choice) {
    TypedKeys keys;
    if (!in.Keys("KEYSPEC", KeyCount::KeyOrModifiers, keys)) return false;
    choice = parts::OneKey(keys);
    return true;
}

std::vector<std::string> Args(const ModeChoice& choice) {
    return {"key", parts::KeySpecArg(std::get<KeyOutput>(choice))};
}

}  // namespace

void EncodeKey(const KeyOutput& choice, PedalRecordRef record) {
    record.mode = SIMPLE_KEY_OUTPUT;
    record.common[layout::KEY_MODIFIERS] = choice.modifiers;
    record.common[layout::KEY_USAGE] = choice.usage;
}

const ModeRow& KeyMode() {
    static const ModeRow row{.code = SIMPLE_KEY_OUTPUT,
                             .layout = kLayout,
                             .encode = Write,
                             .decode = Decode,
                             .describe = Describe,
                             .fields = Fields,
                             .form = {.name = "key",
                                      .usage = "key KEYSPEC",
                                      .example = "key ctrl+shift+f13",
                                      .description = "one key with modifiers, or modifiers alone",
                                      .positional = kPositional,
                                      .required = 1,
                                      .read = Read,
                                      .args = Args}};
    return row;
}

}  // namespace tarvik::modes
