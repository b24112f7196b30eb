// SPDX-License-Identifier: GPL-3.0-or-later
// One pedal's record as the encoders receive it: its output mode and its 13 common bytes, handed in
// by the caller (the window's state, the command line's copy, a test's array). 16-bit fields are
// high byte first, as everywhere in the record.
#pragma once

#include <array>
#include <cstdint>

#include "model/ProtocolConstants.h"

namespace tarvik {

using CommonBytes = std::array<std::uint8_t, NUMBER_OF_COMMON_DATA>;
using AdditionalBytes = std::array<std::uint8_t, ADDITIONAL_DATA_ONE_PEDAL>;

struct PedalRecordRef {
    std::uint8_t& mode;
    CommonBytes& common;
};

// Byte positions of a 16-bit field start at 0..11; the callers name them as constants.
constexpr void Store16(CommonBytes& common, int i, std::uint16_t value) {
    common[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> 8);
    common[static_cast<std::size_t>(i) + 1] = static_cast<std::uint8_t>(value & 0xFF);
}

constexpr std::uint16_t Load16(const CommonBytes& common, int i) {
    return static_cast<std::uint16_t>(common[static_cast<std::size_t>(i)] << 8 |
                                      common[static_cast<std::size_t>(i) + 1]);
}

}  // namespace tarvik
