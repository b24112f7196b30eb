// SPDX-License-Identifier: GPL-3.0-or-later
// Byte positions of every output mode's common record, named once; several modes share some of
// them. Each mode's row (model/modes) lists the ones it writes. The multi-chord mode's own
// positions are in ChordRecord.h.
#pragma once

namespace tarvik::layout {

// Modes 0 (key) and 5 (repeated key).
inline constexpr int KEY_MODIFIERS = 0;
inline constexpr int KEY_USAGE = 1;

// Modes 1, 2 and 8: the button code.
inline constexpr int CLICK_BUTTON = 0;

// The timing of a double click: mode 2 from byte 1, mode 4 from byte 3.
struct DoubleClickLayout {
    int firstLength;
    int secondLength;
    int interval;
};
inline constexpr DoubleClickLayout DOUBLE_CLICK{1, 2, 3};
inline constexpr DoubleClickLayout MODIFIER_DOUBLE_CLICK{3, 4, 5};

// Modes 3 and 4.
inline constexpr int MODIFIER_CLICK_MODIFIERS = 0;
inline constexpr int MODIFIER_CLICK_BUTTON = 1;

// The repeating modes 5 to 8: acceleration flag, then three 16-bit fields. The wheel and the
// repeated click sit one byte lower than the repeated key and the pointer move.
struct RepetitionLayout {
    int acceleration;
    int repeats;  // 16-bit; 0 = until release
    int speed;    // 16-bit
    int accelerationIndex;  // 16-bit
};
inline constexpr RepetitionLayout REPEAT_KEY{6, 7, 9, 11};
inline constexpr RepetitionLayout POINTER{6, 7, 9, 11};
inline constexpr RepetitionLayout WHEEL{5, 6, 8, 10};
inline constexpr RepetitionLayout REPEAT_CLICK{5, 6, 8, 10};

// Mode 6 besides its repetition fields.
inline constexpr int POINTER_MOVE_X = 0;
inline constexpr int POINTER_MOVE_Y = 1;
inline constexpr int POINTER_SPEED_COPY = 2;  // 16-bit, the same as the speed
inline constexpr int POINTER_ACCELERATION_DIVISOR = 4;  // 16-bit

// Mode 7.
inline constexpr int WHEEL_DIRECTION = 0;

// Mode 10: flags, then the press output and the release output.
inline constexpr int CHANGE_FLAGS = 0;
inline constexpr int CHANGE_PRESS_MODIFIERS = 1;
inline constexpr int CHANGE_PRESS_USAGE = 2;
inline constexpr int CHANGE_RELEASE_MODIFIERS = 3;
inline constexpr int CHANGE_RELEASE_USAGE = 4;
inline constexpr unsigned CHANGE_PRESS_FLAG = 0x01;
inline constexpr unsigned CHANGE_RELEASE_FLAG = 0x02;

}  // namespace tarvik::layout
