// SPDX-License-Identifier: GPL-3.0-or-later
// What a unit leaves the factory with, pedal by pedal: the factory reset writes it, and a simulated
// unit starts with it.
#pragma once

#include <cstdint>

#include "model/PedalRecord.h"

namespace tarvik {

// Puts the factory setting of pedal `pedal` into a mode and common record (only the bytes it names).
// Pedals outside 0..4 are left alone.
void ApplyFactorySetting(int pedal, std::uint8_t& mode, CommonRecord& common);

}  // namespace tarvik
