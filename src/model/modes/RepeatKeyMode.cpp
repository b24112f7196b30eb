// SPDX-License-Identifier: GPL-3.0-or-later
// Mode 5: a key with modifiers struck again and again.
#include "model/ContentsGroups.h"
#include "model/ModeEncoders.h"
#include "model/modes/ModeRow.h"
#include "model/modes/RowParts.h"

namespace tarvik::modes {

namespace {

constexpr const layout::RepetitionLayout& kRepetition = layout::REPEAT_KEY;
constexpr NamedPosition kLayout[] = {{"modifiers", layout::KEY_MODIFIERS},
                                     {"usage", layout::KEY_USAGE},
                                     {"acceleration", kRepetition.acceleration},
                                     {"repeats", kRepetition.repeats, 2},
                                     {"rate", kRepetition.speed, 2},
                                     {"acceleration index", kRepetition.accelerationIndex, 2}};
constexpr const char* kPositional[] = {"KEYSPEC"};
constexpr const char* kOptions[] = {"--rate", "--repeats", "--accelerate"};

void Write(const ModeChoice& choice, PedalRecordRef record) {
    EncodeRepeatKey(std::get<RepeatKey>(choice), record);
}

std::optional<ModeChoice> Decode(const CommonRecord& c) {
    RepeatKey r;
    r.key = {c[layout::KEY_MODIFIERS], c[layout::KEY_USAGE]};
    r.rateTenths = Value16(c, kRepetition.speed);
    const auto repetition = parts::RepetitionAt(c, kRepetition);
    if (!parts::IsKeyOutput(r.key) || r.rateTenths < RATE_TENTHS_MIN || !repetition) return std::nullopt;
    r.repetition = *repetition;
    return r;
}

std::string Describe(const CommonRecord& c, const AdditionalRecord&) {
    std::string text = parts::Label(TARVIK_TR("Description", "連続キー出力"));
    contents::AddKeyGroup(text, c[layout::KEY_USAGE]);
    contents::AddModifierGroup(text, c[layout::KEY_MODIFIERS]);
    contents::AddLine(text, parts::Fill(TARVIK_TR("Description", "[速度] %1 回/秒"),
                                        {contents::Tenths(Value16(c, kRepetition.speed))}));
    parts::AddRepetitionLines(text, c, kRepetition);
    return text;
}

void Fields(const CommonRecord& c, const AdditionalRecord&, std::vector<Field>& f) {
    parts::AddKeyFields(f, c);
    f.push_back({"rate", parts::TenthsField(Value16(c, kRepetition.speed))});
    parts::AddRepetitionFields(f, c, kRepetition);
}

bool Read(FormReader& in, ModeChoice& choice) {
    RepeatKey r;
    TypedKeys keys;
    if (!in.Keys("KEYSPEC", KeyCount::KeyOrModifiers, keys) || !parts::ReadRate(in, r.rateTenths) ||
        !parts::ReadRepetition(in, r.repetition)) {
        return false;
    }
    r.key = parts::OneKey(keys);
    choice = r;
    return true;
}

std::vector<std::string> Args(const ModeChoice& choice) {
    const auto& r = std::get<RepeatKey>(choice);
    parts::Args args{"repeat-key", parts::KeySpecArg(r.key)};
    parts::AddRateArg(args, r.rateTenths);
    parts::AddRepetitionArgs(args, r.repetition);
    return args;
}

}  // namespace

void EncodeRepeatKey(const RepeatKey& choice, PedalRecordRef record) {
    record.mode = CONTINUOUS_KEY_OUTPUT;
    record.common[layout::KEY_MODIFIERS] = choice.key.modifiers;
    record.common[layout::KEY_USAGE] = choice.key.usage;
    parts::PutRepetition(record.common, kRepetition, choice.rateTenths, choice.repetition);
}

const ModeRow& RepeatKeyMode() {
    static const ModeRow row{.code = CONTINUOUS_KEY_OUTPUT,
                             .layout = kLayout,
                             .encode = Write,
                             .decode = Decode,
                             .describe = Describe,
                             .fields = Fields,
                             .form = {.name = "repeat-key",
                                      .usage = "repeat-key KEYSPEC [--rate R] [--repeats N] [--accelerate I]",
                                      .example = "repeat-key down --rate 2.5 --repeats 20",
                                      .description = "a key struck again and again",
                                      .positional = kPositional,
                                      .required = 1,
                                      .options = kOptions,
                                      .read = Read,
                                      .args = Args}};
    return row;
}

}  // namespace tarvik::modes
