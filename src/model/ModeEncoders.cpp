// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ModeEncoders.h"

#include <algorithm>

#include "model/ChordRecord.h"
#include "model/ModeLayout.h"

namespace tarvik::modes {

namespace {

void SetTiming(CommonRecord& common, const layout::DoubleClickLayout& at, const DoubleClickTiming& timing) {
    common[at.firstLength] = timing.firstMs;
    common[at.secondLength] = timing.second;
    common[at.interval] = timing.intervalMs;
}

void SetRepetition(CommonRecord& common, const layout::RepetitionLayout& at, std::uint16_t speed,
                   const Repetition& repetition) {
    common[at.acceleration] = repetition.accelerate ? 1 : 0;
    PutValue16(common, at.repeats, repetition.repeats);
    PutValue16(common, at.speed, speed);
    PutValue16(common, at.accelerationIndex, repetition.accelerate.value_or(0));
}

constexpr std::uint16_t Bytes(std::initializer_list<int> positions) {
    std::uint16_t mask = 0;
    for (const int i : positions) mask = static_cast<std::uint16_t>(mask | 1u << i);
    return mask;
}

}  // namespace

void EncodeKey(const KeyOutput& choice, PedalRecordRef record) {
    record.mode = SIMPLE_KEY_OUTPUT;
    record.common[layout::KEY_MODIFIERS] = choice.modifiers;
    record.common[layout::KEY_USAGE] = choice.usage;
}

void EncodeClick(const Click& choice, PedalRecordRef record) {
    record.mode = SIMPLE_CLICK;
    record.common[layout::CLICK_BUTTON] = choice.buttons;
}

void EncodeDoubleClick(const DoubleClick& choice, PedalRecordRef record) {
    record.mode = SIMPLE_DOUBLE_CLICK;
    record.common[layout::CLICK_BUTTON] = choice.button;
    SetTiming(record.common, layout::DOUBLE_CLICK, choice.timing);
}

void EncodeModifierClick(const ModifierClick& choice, PedalRecordRef record) {
    record.mode = MODIFIER_PLUS_CLICK;
    record.common[layout::MODIFIER_CLICK_MODIFIERS] = choice.modifiers;
    record.common[layout::MODIFIER_CLICK_BUTTON] = choice.button;
}

void EncodeModifierDoubleClick(const ModifierDoubleClick& choice, PedalRecordRef record) {
    record.mode = MODIFIER_PLUS_DOUBLE_CLICK;
    record.common[layout::MODIFIER_CLICK_MODIFIERS] = choice.modifiers;
    record.common[layout::MODIFIER_CLICK_BUTTON] = choice.button;
    SetTiming(record.common, layout::MODIFIER_DOUBLE_CLICK, choice.timing);
}

void EncodeRepeatKey(const RepeatKey& choice, PedalRecordRef record) {
    record.mode = CONTINUOUS_KEY_OUTPUT;
    record.common[layout::KEY_MODIFIERS] = choice.key.modifiers;
    record.common[layout::KEY_USAGE] = choice.key.usage;
    SetRepetition(record.common, layout::REPEAT_KEY, choice.rateTenths, choice.repetition);
}

void EncodeWheel(const Wheel& choice, PedalRecordRef record) {
    record.mode = WHEEL_ROTATION;
    record.common[layout::WHEEL_DIRECTION] = choice.direction;
    SetRepetition(record.common, layout::WHEEL, choice.rate, choice.repetition);
}

void EncodeRepeatClick(const RepeatClick& choice, PedalRecordRef record) {
    record.mode = CONTINUOUS_CLICK;
    record.common[layout::CLICK_BUTTON] = choice.button;
    SetRepetition(record.common, layout::REPEAT_CLICK, choice.rateTenths, choice.repetition);
}

void EncodeChord(const Chord& choice, PedalRecordRef record) {
    CommonRecord& c = record.common;
    const unsigned on = std::min<unsigned>(choice.onMs, CHORD_MS_MAX);
    const unsigned off = std::min<unsigned>(choice.offMs, CHORD_MS_MAX);
    record.mode = PLURAL_SIMULTANEOUS_KEY_OUTPUT;
    c[chord::ON_TIME_LOW] = static_cast<std::uint8_t>(on & 0xFF);
    c[chord::OFF_TIME_LOW] = static_cast<std::uint8_t>(off & 0xFF);
    c[chord::HIGH_NIBBLES] = static_cast<std::uint8_t>((on >> 8) << 4 | off >> 8);
    c[chord::COUNT_AND_SERIES] = static_cast<std::uint8_t>(1 | (choice.bySeries ? chord::SERIES_BIT : 0));
    PutValue16(c, chord::NUMBER_OF_REPEATS, choice.repeats);
    c[chord::FIRST_ENTRY] = choice.modifiers;
    // Keys end at the first 0; the slots after it are written 0 so that no old key reappears.
    bool ended = false;
    for (std::size_t k = 0; k < choice.keys.size(); ++k) {
        ended = ended || (k > 0 && choice.keys[k] == 0);
        c[chord::FIRST_ENTRY + 1 + k] = ended ? 0 : choice.keys[k];
    }
}

void EncodeOnChange(const OnChange& choice, PedalRecordRef record) {
    CommonRecord& c = record.common;
    record.mode = OUTPUT_AT_CHANGE;
    const KeyOutput none{};
    const KeyOutput& press = choice.press.value_or(none);
    const KeyOutput& release = choice.release.value_or(none);
    c[layout::CHANGE_FLAGS] = static_cast<std::uint8_t>((choice.press ? layout::CHANGE_PRESS_FLAG : 0) |
                                                        (choice.release ? layout::CHANGE_RELEASE_FLAG : 0));
    c[layout::CHANGE_PRESS_MODIFIERS] = press.modifiers;
    c[layout::CHANGE_PRESS_USAGE] = press.usage;
    c[layout::CHANGE_RELEASE_MODIFIERS] = release.modifiers;
    c[layout::CHANGE_RELEASE_USAGE] = release.usage;
}

void Encode(const ModeChoice& choice, PedalRecordRef record) {
    struct Visitor {
        PedalRecordRef record;
        void operator()(const KeyOutput& c) const { EncodeKey(c, record); }
        void operator()(const Click& c) const { EncodeClick(c, record); }
        void operator()(const DoubleClick& c) const { EncodeDoubleClick(c, record); }
        void operator()(const ModifierClick& c) const { EncodeModifierClick(c, record); }
        void operator()(const ModifierDoubleClick& c) const { EncodeModifierDoubleClick(c, record); }
        void operator()(const RepeatKey& c) const { EncodeRepeatKey(c, record); }
        void operator()(const PointerMoveChoice& c) const { EncodePointerMove(c, record); }
        void operator()(const Wheel& c) const { EncodeWheel(c, record); }
        void operator()(const RepeatClick& c) const { EncodeRepeatClick(c, record); }
        void operator()(const Chord& c) const { EncodeChord(c, record); }
        void operator()(const OnChange& c) const { EncodeOnChange(c, record); }
    };
    std::visit(Visitor{record}, choice);
}

std::uint16_t WrittenBytes(int mode) {
    switch (mode) {
        case SIMPLE_KEY_OUTPUT: return Bytes({0, 1});
        case SIMPLE_CLICK: return Bytes({0});
        case SIMPLE_DOUBLE_CLICK: return Bytes({0, 1, 2, 3});
        case MODIFIER_PLUS_CLICK: return Bytes({0, 1});
        case MODIFIER_PLUS_DOUBLE_CLICK: return Bytes({0, 1, 3, 4, 5});
        case CONTINUOUS_KEY_OUTPUT: return Bytes({0, 1, 6, 7, 8, 9, 10, 11, 12});
        case POINTER_MOVE: return Bytes({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
        case WHEEL_ROTATION: return Bytes({0, 5, 6, 7, 8, 9, 10, 11});
        case CONTINUOUS_CLICK: return Bytes({0, 5, 6, 7, 8, 9, 10, 11});
        case PLURAL_SIMULTANEOUS_KEY_OUTPUT: return Bytes({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
        case OUTPUT_AT_CHANGE: return Bytes({0, 1, 2, 3, 4});
        default: return 0;
    }
}

}  // namespace tarvik::modes
