// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/modes/RowParts.h"

#include <span>

#include "model/ContentsGroups.h"
#include "model/KeyNames.h"

namespace tarvik::modes::parts {

std::string Number(long long value) {
    return std::to_string(value);
}

std::string Label(const std::string& function) {
    return Fill(TARVIK_TR("Description", "[設定されている機能] %1"), {function});
}

bool IsKeyOutput(const KeyOutput& k) {
    return IsFormKey(k.usage) || (k.usage == 0 && k.modifiers != 0);
}

KeyOutput OneKey(const TypedKeys& keys) {
    return {keys.modifiers, keys.keys.empty() ? std::uint8_t{0} : keys.keys[0]};
}

std::string KeySpecArg(const KeyOutput& k) {
    const std::uint8_t usage[] = {k.usage};
    return KeySpecText(k.modifiers, k.usage == 0 ? std::span<const std::uint8_t>() : std::span(usage));
}

std::string ModifiersArg(std::uint8_t modifiers) {
    return KeySpecText(modifiers, {});
}

void AddKeyFields(Fields& f, const CommonRecord& c) {
    const std::uint8_t usage = c[layout::KEY_USAGE];
    f.push_back({"modifiers", ModifierNames(c[layout::KEY_MODIFIERS])});
    f.push_back({"key", usage == 0 ? FieldValue() : FieldValue(KeyToken(usage))});
    f.push_back({"usage_id", static_cast<long long>(usage)});
}

FieldValue CodeField(const NamedCode* row, unsigned code) {
    if (row != nullptr) return std::string(row->name);
    return static_cast<long long>(code);
}

std::string CodeArg(const NamedCode* row, unsigned code) {
    return row != nullptr ? row->name : Number(code);
}

std::string ButtonName(std::uint8_t code) {
    return CodeArg(FindClickCode(code), code);
}

FieldValue ButtonField(std::uint8_t code) {
    return CodeField(FindClickCode(code), code);
}

std::string SingleButtonLine(std::uint8_t code) {
    if (!IsSingleButton(code)) return {};
    return Fill(TARVIK_TR("Description", "[ボタン] %1"), {contents::Word(FindClickCode(code)->shown)});
}

void PutTiming(CommonRecord& c, const layout::DoubleClickLayout& at, const DoubleClickTiming& timing) {
    c[at.firstLength] = timing.firstMs;
    c[at.secondLength] = timing.second;
    c[at.interval] = timing.intervalMs;
}

std::optional<DoubleClickTiming> TimingAt(const CommonRecord& c, const layout::DoubleClickLayout& at) {
    const DoubleClickTiming t{c[at.firstLength], c[at.secondLength], c[at.interval]};
    if (!InRange(t.firstMs, CLICK_MS_MIN, CLICK_MS_MAX) ||
        !InRange(t.intervalMs, CLICK_MS_MIN, CLICK_MS_MAX) || FindSecondClick(t.second) == nullptr) {
        return std::nullopt;
    }
    return t;
}

void AddTimingLines(std::string& text, const CommonRecord& c, const layout::DoubleClickLayout& at) {
    // The unit takes any code but "hold" as "same".
    const SecondClickCode* second = FindSecondClick(c[at.secondLength]);
    contents::AddLine(text, Fill(TARVIK_TR("Description", "[１番目のクリックの長さ] %1 ミリ秒"),
                                 {Number(c[at.firstLength])}));
    contents::AddLine(text, Fill(TARVIK_TR("Description", "[２番目のクリックの長さ] %1"),
                                 {contents::Word((second != nullptr ? second : &kSecondClicks[0])->shown)}));
    contents::AddLine(
        text, Fill(TARVIK_TR("Description", "[クリックの間の長さ] %1 ミリ秒"), {Number(c[at.interval])}));
}

void AddTimingFields(Fields& f, const CommonRecord& c, const layout::DoubleClickLayout& at) {
    f.push_back({"first_ms", static_cast<long long>(c[at.firstLength])});
    f.push_back({"second", CodeField(FindSecondClick(c[at.secondLength]), c[at.secondLength])});
    f.push_back({"interval_ms", static_cast<long long>(c[at.interval])});
}

void AddTimingArgs(Args& args, const DoubleClickTiming& t) {
    OptionIf(args, t.firstMs != CLICK_MS_DEFAULT, "--first-ms", t.firstMs);
    if (t.second != kSecondClicks[0].code)
        Option(args, "--second", CodeArg(FindSecondClick(t.second), t.second));
    OptionIf(args, t.intervalMs != CLICK_MS_DEFAULT, "--interval-ms", t.intervalMs);
}

bool ReadTiming(FormReader& in, DoubleClickTiming& timing) {
    static constexpr const char* kSecondNames[] = {kSecondClicks[0].name, kSecondClicks[1].name};
    int first = CLICK_MS_DEFAULT;
    int interval = CLICK_MS_DEFAULT;
    int second = 0;
    if (!in.Whole("--first-ms", CLICK_MS_MIN, CLICK_MS_MAX, " ms", first) ||
        !in.Whole("--interval-ms", CLICK_MS_MIN, CLICK_MS_MAX, " ms", interval) ||
        !in.Name("--second", kSecondNames, second)) {
        return false;
    }
    timing = {static_cast<std::uint8_t>(first), kSecondClicks[static_cast<std::size_t>(second)].code,
              static_cast<std::uint8_t>(interval)};
    return true;
}

void PutRepetition(CommonRecord& c, const layout::RepetitionLayout& at, std::uint16_t speed,
                   const Repetition& repetition) {
    c[at.acceleration] = repetition.accelerate ? 1 : 0;
    PutValue16(c, at.repeats, repetition.repeats);
    PutValue16(c, at.speed, speed);
    PutValue16(c, at.accelerationIndex, repetition.accelerate.value_or(0));
}

// Acceleration 0 with index 0, or 1 with an index.
std::optional<Repetition> RepetitionAt(const CommonRecord& c, const layout::RepetitionLayout& at) {
    Repetition r;
    r.repeats = Value16(c, at.repeats);
    const std::uint16_t index = Value16(c, at.accelerationIndex);
    if (c[at.acceleration] == 0 && index == 0) return r;
    if (c[at.acceleration] == 1 && index >= ACCELERATE_MIN) {
        r.accelerate = index;
        return r;
    }
    return std::nullopt;
}

void AddRepetitionLines(std::string& text, const CommonRecord& c, const layout::RepetitionLayout& at) {
    contents::AddAccelerationGroup(text, c[at.acceleration], Value16(c, at.accelerationIndex),
                                   Value16(c, at.repeats));
}

void AddRepetitionFields(Fields& f, const CommonRecord& c, const layout::RepetitionLayout& at) {
    f.push_back({"repeats", static_cast<long long>(Value16(c, at.repeats))});
    f.push_back({"acceleration", c[at.acceleration] != 0});
    f.push_back({"acceleration_index", static_cast<long long>(Value16(c, at.accelerationIndex))});
}

void AddRepetitionArgs(Args& args, const Repetition& r) {
    OptionIf(args, r.repeats != 0, "--repeats", r.repeats);
    if (r.accelerate) Option(args, "--accelerate", Number(*r.accelerate));
}

bool ReadRepeats(FormReader& in, int most, int& repeats) {
    return in.Whole("--repeats", 0, most, " (0: until the pedal is released)", repeats);
}

bool ReadAccelerate(FormReader& in, int most, std::optional<int>& index) {
    if (!in.Given("--accelerate")) return true;
    int value = 0;
    if (!in.Whole("--accelerate", ACCELERATE_MIN, most, "", value)) return false;
    index = value;
    return true;
}

bool ReadRepetition(FormReader& in, Repetition& repetition) {
    int repeats = 0;
    std::optional<int> accelerate;
    if (!ReadRepeats(in, REPEATS_MAX, repeats) || !ReadAccelerate(in, ACCELERATE_MAX, accelerate))
        return false;
    repetition.repeats = static_cast<std::uint16_t>(repeats);
    if (accelerate) repetition.accelerate = static_cast<std::uint16_t>(*accelerate);
    return true;
}

FieldValue TenthsField(std::uint16_t tenths) {
    return tenths / 10.0;
}

// "10", "2.5": as --rate reads them.
void AddRateArg(Args& args, std::uint16_t tenths) {
    if (tenths == RATE_TENTHS_DEFAULT) return;
    std::string text = Number(tenths / 10);
    if (tenths % 10 != 0) text += "." + Number(tenths % 10);
    Option(args, "--rate", text);
}

bool ReadRate(FormReader& in, std::uint16_t& tenths) {
    int value = RATE_TENTHS_DEFAULT;
    if (!in.Tenths("--rate", RATE_TENTHS_MIN, RATE_TENTHS_MAX, value)) return false;
    tenths = static_cast<std::uint16_t>(value);
    return true;
}

void Option(Args& args, const char* name, const std::string& value) {
    args.emplace_back(name);
    args.push_back(value);
}

void OptionIf(Args& args, bool given, const char* name, long long value) {
    if (given) Option(args, name, Number(value));
}

}  // namespace tarvik::modes::parts
