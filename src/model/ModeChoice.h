// SPDX-License-Identifier: GPL-3.0-or-later
// A pedal setting of any output mode as typed values, and the ranges and defaults of the values
// that a setting form on the command line takes. The alternatives of ModeChoice are in the order of
// the output mode codes, so index() is the mode.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <type_traits>
#include <variant>

#include "model/ProtocolConstants.h"
#include "model/OutputCodes.h"
#include "model/PointerMove.h"

namespace tarvik::modes {

inline constexpr int CLICK_MS_MIN = 1;  // click lengths and the interval of a double click
inline constexpr int CLICK_MS_MAX = 255;
inline constexpr int CLICK_MS_DEFAULT = 15;
inline constexpr int CHORD_MS_MIN = 0;  // on and off times of a chord: 12 bits
inline constexpr int CHORD_MS_MAX = 4095;
inline constexpr int CHORD_MS_DEFAULT = 50;
inline constexpr int RATE_TENTHS_MIN = 1;  // repeated keys and clicks: per second × 10
inline constexpr int RATE_TENTHS_MAX = 65535;
inline constexpr int RATE_TENTHS_DEFAULT = 100;
inline constexpr int WHEEL_RATE_MIN = 1;  // per second
inline constexpr int WHEEL_RATE_MAX = 65535;
inline constexpr int WHEEL_RATE_DEFAULT = 10;
inline constexpr int SPEED_MIN = 1;  // pointer: dots per second
inline constexpr int SPEED_MAX = 65535;
inline constexpr int SPEED_DEFAULT = 100;
inline constexpr int REPEATS_MAX = 65535;  // 0 = until the pedal is released
inline constexpr int POINTER_REPEATS_MAX = PM_MAX_REPEATS;
inline constexpr int CHORD_REPEATS_DEFAULT = 1;
inline constexpr int ACCELERATE_MIN = 1;
inline constexpr int ACCELERATE_MAX = 65535;
// Above this the pointer encoder keeps the previous divisor, so a form could not say what it writes.
inline constexpr int POINTER_ACCELERATE_MAX = PM_MAX_DIVIDED_ACCELERATION;
inline constexpr int CHORD_KEYS_MAX = PSKO_OUTPUT_ENTRY_SIZE - 1;
inline constexpr int KEY_USAGE_MIN = 1;  // a key of a form: a row of the key table
inline constexpr int KEY_USAGE_MAX = Max_KeyUsageID;

// Mode 0, and the key of mode 5. Usage 0: the modifiers alone.
struct KeyOutput {
    std::uint8_t modifiers = 0;
    std::uint8_t usage = 0;
};

// Mode 1: button bits, several for a simultaneous click.
struct Click {
    std::uint8_t buttons = BUTTON_LEFT;
};

struct DoubleClickTiming {
    std::uint8_t firstMs = CLICK_MS_DEFAULT;
    std::uint8_t second = kSecondClicks[0].code;
    std::uint8_t intervalMs = CLICK_MS_DEFAULT;
};

// Mode 2.
struct DoubleClick {
    std::uint8_t button = BUTTON_LEFT;
    DoubleClickTiming timing;
};

// Mode 3.
struct ModifierClick {
    std::uint8_t modifiers = 0;
    std::uint8_t button = BUTTON_LEFT;
};

// Mode 4.
struct ModifierDoubleClick {
    std::uint8_t modifiers = 0;
    std::uint8_t button = BUTTON_LEFT;
    DoubleClickTiming timing;
};

// The repeat count and acceleration of modes 5, 7 and 8. Without an acceleration index the
// acceleration byte and the index are 0; with one the byte is 1.
struct Repetition {
    std::uint16_t repeats = 0;
    std::optional<std::uint16_t> accelerate;
};

// Mode 5.
struct RepeatKey {
    KeyOutput key;
    std::uint16_t rateTenths = RATE_TENTHS_DEFAULT;
    Repetition repetition;
};

// Mode 7.
struct Wheel {
    std::uint8_t direction = kWheelDirections[0].code;
    std::uint16_t rate = WHEEL_RATE_DEFAULT;
    Repetition repetition;
};

// Mode 8.
struct RepeatClick {
    std::uint8_t button = BUTTON_LEFT;
    std::uint16_t rateTenths = RATE_TENTHS_DEFAULT;
    Repetition repetition;
};

// Mode 9 with one chord, the only one the common bytes hold. Keys end at the first 0.
struct Chord {
    std::uint16_t onMs = CHORD_MS_DEFAULT;
    std::uint16_t offMs = CHORD_MS_DEFAULT;
    std::uint16_t repeats = CHORD_REPEATS_DEFAULT;
    bool bySeries = true;
    std::uint8_t modifiers = 0;
    std::array<std::uint8_t, CHORD_KEYS_MAX> keys{};
};

// Mode 10: an output on press and one on release, each a key with modifiers, or none.
struct OnChange {
    std::optional<KeyOutput> press;
    std::optional<KeyOutput> release;
};

using ModeChoice = std::variant<KeyOutput, Click, DoubleClick, ModifierClick, ModifierDoubleClick, RepeatKey,
                                PointerMoveChoice, Wheel, RepeatClick, Chord, OnChange>;

static_assert(std::variant_size_v<ModeChoice> == OUTPUT_AT_CHANGE + 1);
static_assert(std::is_same_v<std::variant_alternative_t<POINTER_MOVE, ModeChoice>, PointerMoveChoice>);
static_assert(std::is_same_v<std::variant_alternative_t<PLURAL_SIMULTANEOUS_KEY_OUTPUT, ModeChoice>, Chord>);

// The output mode a choice writes.
constexpr int ModeOf(const ModeChoice& choice) { return static_cast<int>(choice.index()); }

}  // namespace tarvik::modes
