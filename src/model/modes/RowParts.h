// SPDX-License-Identifier: GPL-3.0-or-later
// The pieces several mode rows share, each with all its columns: a key with modifiers (modes 0 and
// 5), the timing of a double click (modes 2 and 4), the repetition fields (modes 5 to 8), and the
// small helpers every description, field list and form uses.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/ContentsGroups.h"
#include "model/ModeChoice.h"
#include "model/ModeFields.h"
#include "model/ModeLayout.h"
#include "model/RecordRef.h"
#include "model/Translate.h"
#include "model/modes/FormReader.h"

namespace tarvik::modes::parts {

using Args = std::vector<std::string>;
using Fields = std::vector<Field>;

using contents::Fill;
std::string Number(long long value);
// "[設定されている機能] …", the first line of every description.
std::string Label(const std::string& function);

// Record values a form takes.
constexpr bool InRange(int value, int low, int high) {
    return value >= low && value <= high;
}
constexpr bool IsFormKey(int usage) {
    return InRange(usage, KEY_USAGE_MIN, KEY_USAGE_MAX);
}

// A key with modifiers: one key, or modifiers alone.
bool IsKeyOutput(const KeyOutput& key);
KeyOutput OneKey(const TypedKeys& keys);
std::string KeySpecArg(const KeyOutput& key);
std::string ModifiersArg(std::uint8_t modifiers);
void AddKeyFields(Fields& f, const CommonRecord& c);  // at KEY_MODIFIERS and KEY_USAGE

// Buttons and other named codes.
std::string ButtonName(std::uint8_t code);
FieldValue ButtonField(std::uint8_t code);
FieldValue CodeField(const NamedCode* row, unsigned code);  // its name, or the number
std::string CodeArg(const NamedCode* row, unsigned code);
// "[ボタン] 左" for one of the three buttons; empty for any other code.
std::string SingleButtonLine(std::uint8_t code);

// The double-click timing.
void PutTiming(CommonRecord& c, const layout::DoubleClickLayout& at, const DoubleClickTiming& timing);
std::optional<DoubleClickTiming> TimingAt(const CommonRecord& c, const layout::DoubleClickLayout& at);
void AddTimingLines(std::string& text, const CommonRecord& c, const layout::DoubleClickLayout& at);
void AddTimingFields(Fields& f, const CommonRecord& c, const layout::DoubleClickLayout& at);
void AddTimingArgs(Args& args, const DoubleClickTiming& timing);
bool ReadTiming(FormReader& in, DoubleClickTiming& timing);

// The repetition fields; the speed is the mode's own.
void PutRepetition(CommonRecord& c, const layout::RepetitionLayout& at, std::uint16_t speed,
                   const Repetition& repetition);
std::optional<Repetition> RepetitionAt(const CommonRecord& c, const layout::RepetitionLayout& at);
void AddRepetitionLines(std::string& text, const CommonRecord& c, const layout::RepetitionLayout& at);
void AddRepetitionFields(Fields& f, const CommonRecord& c, const layout::RepetitionLayout& at);
void AddRepetitionArgs(Args& args, const Repetition& repetition);
bool ReadRepetition(FormReader& in, Repetition& repetition);
bool ReadRepeats(FormReader& in, int most, int& repeats);
bool ReadAccelerate(FormReader& in, int most, std::optional<int>& index);

// The rate of a repeated key or click, in tenths a second.
FieldValue TenthsField(std::uint16_t tenths);
void AddRateArg(Args& args, std::uint16_t tenths);
bool ReadRate(FormReader& in, std::uint16_t& tenths);

// An option and its value; `OptionIf` only when given.
void Option(Args& args, const char* name, const std::string& value);
void OptionIf(Args& args, bool given, const char* name, long long value);

}  // namespace tarvik::modes::parts
