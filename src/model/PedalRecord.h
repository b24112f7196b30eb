// SPDX-License-Identifier: GPL-3.0-or-later
// One pedal's setting record as the unit stores it, and its 16-bit fields: two consecutive
// CommonData bytes, high byte first.
#pragma once

#include <array>
#include <cstdint>

#include "model/ProtocolConstants.h"

namespace tarvik {

using CommonRecord = std::array<std::uint8_t, NUMBER_OF_COMMON_DATA>;
using AdditionalRecord = std::array<std::uint8_t, ADDITIONAL_DATA_ONE_PEDAL>;

// Stores value16 into common[i] (high byte) and common[i + 1] (low byte). A field outside the
// record or a value outside 16 bits changes nothing: part of a field, or a truncated value, would
// corrupt a setting that is later sent to the unit.
void PutValue16(CommonRecord& common, int i, int value16);
// The 16-bit value at common[i], common[i + 1]; 0 outside the record.
std::uint16_t Value16(const CommonRecord& common, int i);

// The same on CommonData[SelectedPedalNo] of State(); a SelectedPedalNo outside 0..4 has no record.
void IntoTwoCommonData(int value16, int i);
std::uint16_t IntoValue16(int i);

}  // namespace tarvik
