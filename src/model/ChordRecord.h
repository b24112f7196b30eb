// SPDX-License-Identifier: GPL-3.0-or-later
// The multi-chord setting (output mode 9) in the common record: byte positions and the fields packed
// into them, read the same way by the description and by the advanced dialog.
#pragma once

#include <cstdint>

namespace tarvik::chord {

inline constexpr int ON_TIME_LOW = 0;        // OnTime bits 0-7
inline constexpr int OFF_TIME_LOW = 1;       // OffTime bits 0-7
inline constexpr int HIGH_NIBBLES = 2;       // bits 4-7 OnTime bits 8-11, bits 0-3 OffTime bits 8-11
inline constexpr int COUNT_AND_SERIES = 3;   // bits 0-6 number of chords, bit 7 repeats count series
inline constexpr int NUMBER_OF_REPEATS = 4;  // 16-bit, high byte first; 0 = until release
inline constexpr int FIRST_ENTRY = 6;        // chord 1; chords 2.. are in the additional record

inline constexpr std::uint8_t COUNT_MASK = 0x7F;
inline constexpr std::uint8_t SERIES_BIT = 0x80;

template <class Common>
constexpr int OnTime(const Common& c) {
    return c[ON_TIME_LOW] + ((c[HIGH_NIBBLES] & 0xF0) << 4);
}

template <class Common>
constexpr int OffTime(const Common& c) {
    return c[OFF_TIME_LOW] + ((c[HIGH_NIBBLES] & 0x0F) << 8);
}

template <class Common>
constexpr int NumberOfOutputs(const Common& c) {
    return c[COUNT_AND_SERIES] & COUNT_MASK;
}

template <class Common>
constexpr bool RepeatBySeries(const Common& c) {
    return (c[COUNT_AND_SERIES] & SERIES_BIT) != 0;
}

}  // namespace tarvik::chord
