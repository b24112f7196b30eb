// SPDX-License-Identifier: GPL-3.0-or-later
// Mode 8: one button clicked again and again.
#include "model/ContentsGroups.h"
#include "model/ModeEncoders.h"
#include "model/modes/ModeRow.h"
#include "model/modes/RowParts.h"

namespace tarvik::modes {

namespace {

constexpr const layout::RepetitionLayout& kRepetition = layout::REPEAT_CLICK;
constexpr NamedPosition kLayout[] = {{"button", layout::CLICK_BUTTON},
                                     {"acceleration", kRepetition.acceleration},
                                     {"repeats", kRepetition.repeats, 2},
                                     {"rate", kRepetition.speed, 2},
                                     {"acceleration index", kRepetition.accelerationIndex, 2}};
constexpr const char* kPositional[] = {"BUTTON"};
constexpr const char* kOptions[] = {"--rate", "--repeats", "--accelerate"};

void Write(const ModeChoice& choice, PedalRecordRef record) {
    EncodeRepeatClick(std::get<RepeatClick>(choice), record);
}

std::optional<ModeChoice> Decode(const CommonRecord& c) {
    RepeatClick r;
    r.button = c[layout::CLICK_BUTTON];
    r.rateTenths = Value16(c, kRepetition.speed);
    const auto repetition = parts::RepetitionAt(c, kRepetition);
    if (!IsSingleButton(r.button) || r.rateTenths < RATE_TENTHS_MIN || !repetition) return std::nullopt;
    r.repetition = *repetition;
    return r;
}

std::string Describe(const CommonRecord& c, const AdditionalRecord&) {
    std::string text = parts::Label(TARVIK_TR("Description", "連続クリック"));
    if (const std::string single = parts::SingleButtonLine(c[layout::CLICK_BUTTON]); !single.empty())
        contents::AddLine(text, single);
    contents::AddLine(text, parts::Fill(TARVIK_TR("Description", "[速度] %1 回/秒"),
                                        {contents::Tenths(Value16(c, kRepetition.speed))}));
    parts::AddRepetitionLines(text, c, kRepetition);
    return text;
}

void Fields(const CommonRecord& c, const AdditionalRecord&, std::vector<Field>& f) {
    f.push_back({"button", parts::ButtonField(c[layout::CLICK_BUTTON])});
    f.push_back({"rate", parts::TenthsField(Value16(c, kRepetition.speed))});
    parts::AddRepetitionFields(f, c, kRepetition);
}

bool Read(FormReader& in, ModeChoice& choice) {
    RepeatClick r;
    if (!in.Button("BUTTON", r.button) || !parts::ReadRate(in, r.rateTenths) ||
        !parts::ReadRepetition(in, r.repetition)) {
        return false;
    }
    choice = r;
    return true;
}

std::vector<std::string> Args(const ModeChoice& choice) {
    const auto& r = std::get<RepeatClick>(choice);
    parts::Args args{"repeat-click", parts::ButtonName(r.button)};
    parts::AddRateArg(args, r.rateTenths);
    parts::AddRepetitionArgs(args, r.repetition);
    return args;
}

}  // namespace

void EncodeRepeatClick(const RepeatClick& choice, PedalRecordRef record) {
    record.mode = CONTINUOUS_CLICK;
    record.common[layout::CLICK_BUTTON] = choice.button;
    parts::PutRepetition(record.common, kRepetition, choice.rateTenths, choice.repetition);
}

const ModeRow& RepeatClickMode() {
    static const ModeRow row{
        .code = CONTINUOUS_CLICK,
        .layout = kLayout,
        .encode = Write,
        .decode = Decode,
        .describe = Describe,
        .fields = Fields,
        .form = {.name = "repeat-click",
                 .usage = "repeat-click BUTTON [--rate R] [--repeats N] [--accelerate I]",
                 .example = "repeat-click left --rate 5 --repeats 3",
                 .description = "a button clicked again and again",
                 .positional = kPositional,
                 .required = 1,
                 .options = kOptions,
                 .read = Read,
                 .args = Args}};
    return row;
}

}  // namespace tarvik::modes
