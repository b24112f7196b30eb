// SPDX-License-Identifier: GPL-3.0-or-later
// Mode 6: the pointer moving in one of eight directions. Its encoder is the advanced dialog's
// pointer tab's, which tarvikctl's form writes with too.
#include <algorithm>

#include "model/ContentsGroups.h"
#include "model/PointerMove.h"
#include "model/modes/ModeRow.h"
#include "model/modes/RowParts.h"

namespace tarvik::modes {

namespace {

constexpr const layout::RepetitionLayout& kRepetition = layout::POINTER;
constexpr NamedPosition kLayout[] = {{"move x", layout::POINTER_MOVE_X},
                                     {"move y", layout::POINTER_MOVE_Y},
                                     {"speed copy", layout::POINTER_SPEED_COPY, 2},
                                     {"acceleration divisor", layout::POINTER_ACCELERATION_DIVISOR, 2},
                                     {"acceleration", kRepetition.acceleration},
                                     {"repeats", kRepetition.repeats, 2},
                                     {"speed", kRepetition.speed, 2},
                                     {"acceleration index", kRepetition.accelerationIndex, 2}};
constexpr const char* kPositional[] = {"DIRECTION"};
constexpr const char* kOptions[] = {"--speed", "--repeats", "--accelerate"};
constexpr int kMaxField = 65535;

void Put(CommonRecord& common, int i, int value) {
    PutValue16(common, i, static_cast<std::uint16_t>(value));
}

void Write(const ModeChoice& choice, PedalRecordRef record) {
    EncodePointerMove(std::get<PointerMoveChoice>(choice), record);
}

std::optional<ModeChoice> Decode(const CommonRecord& c) {
    const DirectionPair* direction = FindDirection(c[layout::POINTER_MOVE_X], c[layout::POINTER_MOVE_Y]);
    PointerMoveChoice p;
    p.speedIndex = Value16(c, kRepetition.speed);
    p.setNumber = true;
    p.repeats = Value16(c, kRepetition.repeats);
    p.accelerated = c[kRepetition.acceleration] == 1;
    p.accelerationIndex = p.accelerated ? Value16(c, kRepetition.accelerationIndex) : 0;
    if (direction == nullptr || p.speedIndex < SPEED_MIN || p.repeats > POINTER_REPEATS_MAX)
        return std::nullopt;
    if (p.accelerated && !parts::InRange(p.accelerationIndex, ACCELERATE_MIN, POINTER_ACCELERATE_MAX))
        return std::nullopt;
    p.direction = direction->direction;
    return p;  // the divisor, the speed copy and the index of no acceleration are checked by encoding
}

std::string Describe(const CommonRecord& c, const AdditionalRecord&) {
    std::string text = parts::Label(TARVIK_TR("Description", "マウスポインタ移動"));
    const DirectionPair* direction = FindDirection(c[layout::POINTER_MOVE_X], c[layout::POINTER_MOVE_Y]);
    contents::AddLine(
        text, parts::Fill(TARVIK_TR("Description", "[移動方向] %1"),
                          {direction != nullptr ? contents::Word(direction->shown) : std::string("-----")}));
    contents::AddLine(text, parts::Fill(TARVIK_TR("Description", "[速度] %1 ドット/秒"),
                                        {parts::Number(Value16(c, kRepetition.speed))}));
    parts::AddRepetitionLines(text, c, kRepetition);
    return text;
}

void Fields(const CommonRecord& c, const AdditionalRecord&, std::vector<Field>& f) {
    const DirectionPair* d = FindDirection(c[layout::POINTER_MOVE_X], c[layout::POINTER_MOVE_Y]);
    f.push_back({"direction", d != nullptr ? FieldValue(std::string(d->name)) : FieldValue()});
    f.push_back({"speed", static_cast<long long>(Value16(c, kRepetition.speed))});
    parts::AddRepetitionFields(f, c, kRepetition);
    f.push_back(
        {"acceleration_divisor", static_cast<long long>(Value16(c, layout::POINTER_ACCELERATION_DIVISOR))});
}

// The encoder keeps the previous divisor above an index of 1000 and caps the repeats at 65534, so
// the form takes only what it writes as asked.
bool Read(FormReader& in, ModeChoice& choice) {
    MoveDirection direction{};
    PointerMoveChoice p;
    p.speedIndex = SPEED_DEFAULT;
    std::optional<int> accelerate;
    if (!in.Direction("DIRECTION", direction) ||
        !in.Whole("--speed", SPEED_MIN, SPEED_MAX, " dots per second", p.speedIndex) ||
        !parts::ReadRepeats(in, POINTER_REPEATS_MAX, p.repeats) ||
        !parts::ReadAccelerate(in, POINTER_ACCELERATE_MAX, accelerate)) {
        return false;
    }
    p.direction = direction;
    p.setNumber = true;
    p.accelerated = accelerate.has_value();
    p.accelerationIndex = accelerate.value_or(0);
    choice = p;
    return true;
}

std::vector<std::string> Args(const ModeChoice& choice) {
    const auto& p = std::get<PointerMoveChoice>(choice);
    parts::Args args{"pointer", p.direction ? DirectionOf(*p.direction).name : "none"};
    parts::OptionIf(args, p.speedIndex != SPEED_DEFAULT, "--speed", p.speedIndex);
    const int repeats = p.untilRelease || !p.setNumber ? 0 : p.repeats;
    parts::OptionIf(args, repeats != 0, "--repeats", repeats);
    parts::OptionIf(args, p.accelerated, "--accelerate", p.accelerationIndex);
    return args;
}

}  // namespace

int AccelerationDivisor(int accelerationIndex) {
    return static_cast<int>(1000.0 / accelerationIndex + 0.5);
}

int EncodePointerMove(const PointerMoveChoice& choice, PedalRecordRef record) {
    CommonRecord& common = record.common;
    int accelerationIndex = std::clamp(choice.accelerationIndex, 0, kMaxField);

    record.mode = POINTER_MOVE;
    if (choice.direction) {
        const DirectionPair& pair = DirectionOf(*choice.direction);
        common[layout::POINTER_MOVE_X] = pair.x;
        common[layout::POINTER_MOVE_Y] = pair.y;
    }

    const int speed = std::clamp(choice.speedIndex, 0, kMaxField);
    Put(common, layout::POINTER_SPEED_COPY, speed);

    if (choice.accelerated) {
        if (accelerationIndex == 0) accelerationIndex = 1;
        // Further up the divisor would round to 0 or stay at 1: the previous divisor and flag stay.
        if (accelerationIndex <= PM_MAX_DIVIDED_ACCELERATION) {
            Put(common, layout::POINTER_ACCELERATION_DIVISOR, AccelerationDivisor(accelerationIndex));
            common[kRepetition.acceleration] = 1;
        }
    } else {
        Put(common, layout::POINTER_ACCELERATION_DIVISOR, PM_NO_ACCELERATION_DIVISOR);
        common[kRepetition.acceleration] = 0;
        accelerationIndex = 1;
    }

    Put(common, kRepetition.speed, speed);
    Put(common, kRepetition.accelerationIndex, accelerationIndex);

    if (choice.untilRelease) {
        Put(common, kRepetition.repeats, 0);
    } else if (choice.setNumber) {
        Put(common, kRepetition.repeats, std::clamp(choice.repeats, 0, PM_MAX_REPEATS));
    }
    return accelerationIndex;
}

const ModeRow& PointerMode() {
    static const ModeRow row{.code = POINTER_MOVE,
                             .layout = kLayout,
                             .encode = Write,
                             .decode = Decode,
                             .describe = Describe,
                             .fields = Fields,
                             .form = {.name = "pointer",
                                      .usage = "pointer DIRECTION [--speed N] [--repeats N] [--accelerate I]",
                                      .example = "pointer up-left --speed 300",
                                      .description = "the pointer moving in one of eight directions",
                                      .positional = kPositional,
                                      .required = 1,
                                      .options = kOptions,
                                      .read = Read,
                                      .args = Args}};
    return row;
}

}  // namespace tarvik::modes
