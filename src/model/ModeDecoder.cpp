// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ModeDecoder.h"

#include "model/ChordRecord.h"
#include "model/ModeEncoders.h"
#include "model/ModeLayout.h"

namespace tarvik::modes {

namespace {

using Decoded = std::optional<ModeChoice>;

constexpr bool IsFormKey(int usage) { return usage >= KEY_USAGE_MIN && usage <= KEY_USAGE_MAX; }
constexpr bool InRange(int value, int low, int high) { return value >= low && value <= high; }

// A key output of `key` or `repeat-key`: one key, or modifiers alone.
bool IsKeyOutput(const KeyOutput& k) { return IsFormKey(k.usage) || (k.usage == 0 && k.modifiers != 0); }

bool IsTiming(const DoubleClickTiming& t) {
    return InRange(t.firstMs, CLICK_MS_MIN, CLICK_MS_MAX) && InRange(t.intervalMs, CLICK_MS_MIN, CLICK_MS_MAX) &&
           FindSecondClick(t.second) != nullptr;
}

DoubleClickTiming TimingAt(const CommonRecord& c, const layout::DoubleClickLayout& at) {
    return {c[at.firstLength], c[at.secondLength], c[at.interval]};
}

// The repetition fields of modes 5, 7 and 8: acceleration 0 with index 0, or 1 with an index.
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

Decoded Key(const CommonRecord& c) {
    const KeyOutput k{c[layout::KEY_MODIFIERS], c[layout::KEY_USAGE]};
    return IsKeyOutput(k) ? Decoded(k) : std::nullopt;
}

Decoded SimpleClick(const CommonRecord& c) {
    const Click click{c[layout::CLICK_BUTTON]};
    return InRange(click.buttons, 1, ALL_BUTTONS) ? Decoded(click) : std::nullopt;
}

Decoded Double(const CommonRecord& c) {
    const DoubleClick d{c[layout::CLICK_BUTTON], TimingAt(c, layout::DOUBLE_CLICK)};
    return IsSingleButton(d.button) && IsTiming(d.timing) ? Decoded(d) : std::nullopt;
}

Decoded ModClick(const CommonRecord& c) {
    const ModifierClick m{c[layout::MODIFIER_CLICK_MODIFIERS], c[layout::MODIFIER_CLICK_BUTTON]};
    return m.modifiers != 0 && IsSingleButton(m.button) ? Decoded(m) : std::nullopt;
}

Decoded ModDouble(const CommonRecord& c) {
    const ModifierDoubleClick m{c[layout::MODIFIER_CLICK_MODIFIERS], c[layout::MODIFIER_CLICK_BUTTON],
                                TimingAt(c, layout::MODIFIER_DOUBLE_CLICK)};
    return m.modifiers != 0 && IsSingleButton(m.button) && IsTiming(m.timing) ? Decoded(m) : std::nullopt;
}

Decoded RepeatedKey(const CommonRecord& c) {
    RepeatKey r;
    r.key = {c[layout::KEY_MODIFIERS], c[layout::KEY_USAGE]};
    r.rateTenths = Value16(c, layout::REPEAT_KEY.speed);
    const auto repetition = RepetitionAt(c, layout::REPEAT_KEY);
    if (!IsKeyOutput(r.key) || r.rateTenths < RATE_TENTHS_MIN || !repetition) return std::nullopt;
    r.repetition = *repetition;
    return r;
}

Decoded Pointer(const CommonRecord& c) {
    const DirectionPair* direction = FindDirection(c[layout::POINTER_MOVE_X], c[layout::POINTER_MOVE_Y]);
    PointerMoveChoice p;
    p.speedIndex = Value16(c, layout::POINTER.speed);
    p.setNumber = true;
    p.repeats = Value16(c, layout::POINTER.repeats);
    p.accelerated = c[layout::POINTER.acceleration] == 1;
    p.accelerationIndex = p.accelerated ? Value16(c, layout::POINTER.accelerationIndex) : 0;
    if (direction == nullptr || p.speedIndex < SPEED_MIN || p.repeats > POINTER_REPEATS_MAX) return std::nullopt;
    if (p.accelerated && !InRange(p.accelerationIndex, ACCELERATE_MIN, POINTER_ACCELERATE_MAX)) return std::nullopt;
    p.direction = direction->direction;
    return p;  // the divisor, the speed copy and the index of no acceleration are checked by encoding
}

Decoded WheelTurn(const CommonRecord& c) {
    Wheel w;
    w.direction = c[layout::WHEEL_DIRECTION];
    w.rate = Value16(c, layout::WHEEL.speed);
    const auto repetition = RepetitionAt(c, layout::WHEEL);
    if (FindWheelDirection(w.direction) == nullptr || w.rate < WHEEL_RATE_MIN || !repetition) return std::nullopt;
    w.repetition = *repetition;
    return w;
}

Decoded RepeatedClick(const CommonRecord& c) {
    RepeatClick r;
    r.button = c[layout::CLICK_BUTTON];
    r.rateTenths = Value16(c, layout::REPEAT_CLICK.speed);
    const auto repetition = RepetitionAt(c, layout::REPEAT_CLICK);
    if (!IsSingleButton(r.button) || r.rateTenths < RATE_TENTHS_MIN || !repetition) return std::nullopt;
    r.repetition = *repetition;
    return r;
}

Decoded OneChord(const CommonRecord& c) {
    if (chord::NumberOfOutputs(c) != 1) return std::nullopt;
    Chord ch;
    ch.onMs = static_cast<std::uint16_t>(chord::OnTime(c));
    ch.offMs = static_cast<std::uint16_t>(chord::OffTime(c));
    ch.repeats = Value16(c, chord::NUMBER_OF_REPEATS);
    ch.bySeries = chord::RepeatBySeries(c);
    ch.modifiers = c[chord::FIRST_ENTRY];
    for (std::size_t k = 0; k < ch.keys.size(); ++k) {
        const std::uint8_t key = c[chord::FIRST_ENTRY + 1 + k];
        if (k > 0 && key == 0) break;
        if (!IsFormKey(key)) return std::nullopt;
        ch.keys[k] = key;
    }
    return ch;  // keys after the first 0 are checked by encoding
}

// One output of mode 10: none when its flag is clear, else a key of the key table. False when the
// key is no key a form takes (0, a click code, a value beyond the table).
bool ChangeOutput(const CommonRecord& c, unsigned flag, int modifiers, int usage, std::optional<KeyOutput>& output) {
    if ((c[layout::CHANGE_FLAGS] & flag) == 0) return true;
    output = KeyOutput{c[modifiers], c[usage]};
    return IsFormKey(c[usage]);
}

Decoded Change(const CommonRecord& c) {
    OnChange ch;
    if (!ChangeOutput(c, layout::CHANGE_PRESS_FLAG, layout::CHANGE_PRESS_MODIFIERS, layout::CHANGE_PRESS_USAGE,
                      ch.press) ||
        !ChangeOutput(c, layout::CHANGE_RELEASE_FLAG, layout::CHANGE_RELEASE_MODIFIERS, layout::CHANGE_RELEASE_USAGE,
                      ch.release)) {
        return std::nullopt;
    }
    return ch;  // other flag bits and the bytes of an output that is none are checked by encoding
}

Decoded FromFields(std::uint8_t mode, const CommonRecord& c) {
    switch (mode) {
        case SIMPLE_KEY_OUTPUT: return Key(c);
        case SIMPLE_CLICK: return SimpleClick(c);
        case SIMPLE_DOUBLE_CLICK: return Double(c);
        case MODIFIER_PLUS_CLICK: return ModClick(c);
        case MODIFIER_PLUS_DOUBLE_CLICK: return ModDouble(c);
        case CONTINUOUS_KEY_OUTPUT: return RepeatedKey(c);
        case POINTER_MOVE: return Pointer(c);
        case WHEEL_ROTATION: return WheelTurn(c);
        case CONTINUOUS_CLICK: return RepeatedClick(c);
        case PLURAL_SIMULTANEOUS_KEY_OUTPUT: return OneChord(c);
        case OUTPUT_AT_CHANGE: return Change(c);
        default: return std::nullopt;
    }
}

}  // namespace

std::optional<ModeChoice> DecodeChoice(std::uint8_t mode, const CommonRecord& common) {
    const Decoded choice = FromFields(mode, common);
    if (!choice) return std::nullopt;
    // The form must write this very record: encode it over the record and look for a change.
    std::uint8_t writtenMode = mode;
    CommonRecord written = common;
    Encode(*choice, {writtenMode, written});
    if (writtenMode != mode || written != common) return std::nullopt;
    return choice;
}

bool HoldsSeveralChords(std::uint8_t mode, const CommonRecord& common) {
    return mode == PLURAL_SIMULTANEOUS_KEY_OUTPUT && chord::NumberOfOutputs(common) > 1;
}

std::optional<std::vector<std::string>> SetArgs(std::uint8_t mode, const CommonRecord& common) {
    const auto choice = DecodeChoice(mode, common);
    if (!choice) return std::nullopt;
    return FormArgs(*choice);
}

}  // namespace tarvik::modes
