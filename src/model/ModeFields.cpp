// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ModeFields.h"

#include <algorithm>
#include <span>

#include "model/ChordRecord.h"
#include "model/KeyNames.h"
#include "model/ModeLayout.h"
#include "model/OutputCodes.h"

namespace tarvik::modes {

namespace {

using Fields = std::vector<Field>;

template <class Row>
FieldValue NameOr(const Row* row, unsigned code) {
    if (row != nullptr) return std::string(row->name);
    return static_cast<long long>(code);
}

FieldValue Button(std::uint8_t code) { return NameOr(FindClickCode(code), code); }

FieldValue Key(std::uint8_t usage) {
    if (usage == 0) return std::monostate{};
    return KeyToken(usage);
}

FieldValue Int(long long value) { return value; }

void AddModifiersAndKey(Fields& f, const CommonRecord& c) {
    f.push_back({"modifiers", ModifierNames(c[layout::KEY_MODIFIERS])});
    f.push_back({"key", Key(c[layout::KEY_USAGE])});
    f.push_back({"usage_id", Int(c[layout::KEY_USAGE])});
}

void AddTiming(Fields& f, const CommonRecord& c, const layout::DoubleClickLayout& at) {
    f.push_back({"first_ms", Int(c[at.firstLength])});
    f.push_back({"second", NameOr(FindSecondClick(c[at.secondLength]), c[at.secondLength])});
    f.push_back({"interval_ms", Int(c[at.interval])});
}

// Speed is added by the caller, in the unit its mode counts in.
void AddRepetition(Fields& f, const CommonRecord& c, const layout::RepetitionLayout& at) {
    f.push_back({"repeats", Int(Value16(c, at.repeats))});
    f.push_back({"acceleration", c[at.acceleration] != 0});
    f.push_back({"acceleration_index", Int(Value16(c, at.accelerationIndex))});
}

FieldValue Tenths(std::uint16_t tenths) { return tenths / 10.0; }

// One chord entry: the modifier byte, then keys up to the first 0 after the first key.
std::string ChordSpec(std::span<const std::uint8_t> entry) {
    std::size_t keys = 1;
    while (1 + keys < entry.size() && entry[1 + keys] != 0) ++keys;
    return KeySpecText(entry[0], entry.subspan(1, keys));
}

FieldValue ChangeOutput(const CommonRecord& c, unsigned flag, int modifiers, int usage) {
    if ((c[layout::CHANGE_FLAGS] & flag) == 0) return std::monostate{};
    const std::uint8_t key[] = {c[usage]};
    return KeySpecText(c[modifiers], key);
}

void AddModeFields(Fields& f, std::uint8_t mode, const CommonRecord& c, const AdditionalRecord& additional) {
    switch (mode) {
        case SIMPLE_KEY_OUTPUT: AddModifiersAndKey(f, c); break;
        case SIMPLE_CLICK: f.push_back({"buttons", Button(c[layout::CLICK_BUTTON])}); break;
        case SIMPLE_DOUBLE_CLICK:
            f.push_back({"button", Button(c[layout::CLICK_BUTTON])});
            AddTiming(f, c, layout::DOUBLE_CLICK);
            break;
        case MODIFIER_PLUS_CLICK:
        case MODIFIER_PLUS_DOUBLE_CLICK:
            f.push_back({"modifiers", ModifierNames(c[layout::MODIFIER_CLICK_MODIFIERS])});
            f.push_back({"button", Button(c[layout::MODIFIER_CLICK_BUTTON])});
            if (mode == MODIFIER_PLUS_DOUBLE_CLICK) AddTiming(f, c, layout::MODIFIER_DOUBLE_CLICK);
            break;
        case CONTINUOUS_KEY_OUTPUT:
            AddModifiersAndKey(f, c);
            f.push_back({"rate", Tenths(Value16(c, layout::REPEAT_KEY.speed))});
            AddRepetition(f, c, layout::REPEAT_KEY);
            break;
        case POINTER_MOVE: {
            const DirectionPair* d = FindDirection(c[layout::POINTER_MOVE_X], c[layout::POINTER_MOVE_Y]);
            f.push_back({"direction", d != nullptr ? FieldValue(std::string(d->name)) : FieldValue()});
            f.push_back({"speed", Int(Value16(c, layout::POINTER.speed))});
            AddRepetition(f, c, layout::POINTER);
            f.push_back({"acceleration_divisor", Int(Value16(c, layout::POINTER_ACCELERATION_DIVISOR))});
            break;
        }
        case WHEEL_ROTATION:
            f.push_back({"direction", NameOr(FindWheelDirection(c[layout::WHEEL_DIRECTION]), c[layout::WHEEL_DIRECTION])});
            f.push_back({"rate", Int(Value16(c, layout::WHEEL.speed))});
            AddRepetition(f, c, layout::WHEEL);
            break;
        case CONTINUOUS_CLICK:
            f.push_back({"button", Button(c[layout::CLICK_BUTTON])});
            f.push_back({"rate", Tenths(Value16(c, layout::REPEAT_CLICK.speed))});
            AddRepetition(f, c, layout::REPEAT_CLICK);
            break;
        case PLURAL_SIMULTANEOUS_KEY_OUTPUT: {
            const int count = chord::NumberOfOutputs(c);
            f.push_back({"on_ms", Int(chord::OnTime(c))});
            f.push_back({"off_ms", Int(chord::OffTime(c))});
            f.push_back({"chords", Int(count)});
            f.push_back({"repeats", Int(Value16(c, chord::NUMBER_OF_REPEATS))});
            f.push_back({"count", std::string(RepeatUnitOf(chord::RepeatBySeries(c)).name)});
            // The record holds ten chords at most, whatever the count says.
            std::vector<std::string> outputs;
            const int listed = std::min(count, NUMBER_OF_PSKO_OUTPUT);
            if (listed >= 1) outputs.push_back(ChordSpec(std::span(c).subspan(chord::FIRST_ENTRY)));
            for (int k = 1; k < listed; ++k) {
                const auto offset = static_cast<std::size_t>(k - 1) * PSKO_OUTPUT_ENTRY_SIZE;
                outputs.push_back(ChordSpec(std::span(additional).subspan(offset, PSKO_OUTPUT_ENTRY_SIZE)));
            }
            f.push_back({"outputs", outputs});
            break;
        }
        case OUTPUT_AT_CHANGE:
            f.push_back({"press", ChangeOutput(c, layout::CHANGE_PRESS_FLAG, layout::CHANGE_PRESS_MODIFIERS,
                                               layout::CHANGE_PRESS_USAGE)});
            f.push_back({"release", ChangeOutput(c, layout::CHANGE_RELEASE_FLAG, layout::CHANGE_RELEASE_MODIFIERS,
                                                 layout::CHANGE_RELEASE_USAGE)});
            break;
        default: break;
    }
}

}  // namespace

std::vector<Field> DecodeFields(std::uint8_t mode, const CommonRecord& common, const AdditionalRecord& additional) {
    Fields fields{{"mode", Int(mode)}};
    AddModeFields(fields, mode, common, additional);
    return fields;
}

}  // namespace tarvik::modes
