// SPDX-License-Identifier: GPL-3.0-or-later
// Mode 7: the wheel turning, forward or backward.
#include "model/ContentsGroups.h"
#include "model/ModeEncoders.h"
#include "model/modes/ModeRow.h"
#include "model/modes/RowParts.h"

namespace tarvik::modes {

namespace {

constexpr const layout::RepetitionLayout& kRepetition = layout::WHEEL;
constexpr NamedPosition kLayout[] = {{"direction", layout::WHEEL_DIRECTION},
                                     {"acceleration", kRepetition.acceleration},
                                     {"repeats", kRepetition.repeats, 2},
                                     {"rate", kRepetition.speed, 2},
                                     {"acceleration index", kRepetition.accelerationIndex, 2}};
constexpr const char* kPositional[] = {"DIRECTION"};
constexpr const char* kOptions[] = {"--rate", "--repeats", "--accelerate"};
constexpr const char* kDirectionNames[] = {kWheelDirections[0].name, kWheelDirections[1].name};

void Write(const ModeChoice& choice, PedalRecordRef record) {
    EncodeWheel(std::get<Wheel>(choice), record);
}

std::optional<ModeChoice> Decode(const CommonRecord& c) {
    Wheel w;
    w.direction = c[layout::WHEEL_DIRECTION];
    w.rate = Value16(c, kRepetition.speed);
    const auto repetition = parts::RepetitionAt(c, kRepetition);
    if (FindWheelDirection(w.direction) == nullptr || w.rate < WHEEL_RATE_MIN || !repetition)
        return std::nullopt;
    w.repetition = *repetition;
    return w;
}

std::string Describe(const CommonRecord& c, const AdditionalRecord&) {
    std::string text = parts::Label(TARVIK_TR("Description", "ホイール回転"));
    const WheelCode* direction = FindWheelDirection(c[layout::WHEEL_DIRECTION]);
    contents::AddLine(
        text, parts::Fill(TARVIK_TR("Description", "[回転方向] %1"),
                          {direction != nullptr ? contents::Word(direction->shown) : std::string("-----")}));
    contents::AddLine(text, parts::Fill(TARVIK_TR("Description", "[速度] %1 回/秒"),
                                        {parts::Number(Value16(c, kRepetition.speed))}));
    parts::AddRepetitionLines(text, c, kRepetition);
    return text;
}

void Fields(const CommonRecord& c, const AdditionalRecord&, std::vector<Field>& f) {
    const std::uint8_t direction = c[layout::WHEEL_DIRECTION];
    f.push_back({"direction", parts::CodeField(FindWheelDirection(direction), direction)});
    f.push_back({"rate", static_cast<long long>(Value16(c, kRepetition.speed))});
    parts::AddRepetitionFields(f, c, kRepetition);
}

bool Read(FormReader& in, ModeChoice& choice) {
    Wheel w;
    int direction = 0;
    int rate = WHEEL_RATE_DEFAULT;
    if (!in.Name("DIRECTION", kDirectionNames, direction) ||
        !in.Whole("--rate", WHEEL_RATE_MIN, WHEEL_RATE_MAX, " per second, whole numbers", rate) ||
        !parts::ReadRepetition(in, w.repetition)) {
        return false;
    }
    w.direction = kWheelDirections[static_cast<std::size_t>(direction)].code;
    w.rate = static_cast<std::uint16_t>(rate);
    choice = w;
    return true;
}

std::vector<std::string> Args(const ModeChoice& choice) {
    const auto& w = std::get<Wheel>(choice);
    parts::Args args{"wheel", parts::CodeArg(FindWheelDirection(w.direction), w.direction)};
    parts::OptionIf(args, w.rate != WHEEL_RATE_DEFAULT, "--rate", w.rate);
    parts::AddRepetitionArgs(args, w.repetition);
    return args;
}

}  // namespace

void EncodeWheel(const Wheel& choice, PedalRecordRef record) {
    record.mode = WHEEL_ROTATION;
    record.common[layout::WHEEL_DIRECTION] = choice.direction;
    parts::PutRepetition(record.common, kRepetition, choice.rate, choice.repetition);
}

const ModeRow& WheelMode() {
    static const ModeRow row{
        .code = WHEEL_ROTATION,
        .layout = kLayout,
        .encode = Write,
        .decode = Decode,
        .describe = Describe,
        .fields = Fields,
        .form = {.name = "wheel",
                 .usage = "wheel forward|backward [--rate N] [--repeats N] [--accelerate I]",
                 .example = "wheel backward --rate 20",
                 .description = "the wheel turning",
                 .positional = kPositional,
                 .required = 1,
                 .options = kOptions,
                 .read = Read,
                 .args = Args}};
    return row;
}

}  // namespace tarvik::modes
