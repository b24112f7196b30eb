// SPDX-License-Identifier: GPL-3.0-or-later
// The key output tab's record: modifier byte (all eight modifier keys) and key byte, bytes 0 and 1
// of the common record.
#pragma once

#include <cstdint>

#include "model/PedalRecord.h"

namespace tarvik::advanced {

// Rows of the modifier choice.
inline constexpr int KO_ROW_KEY_ONLY = 0;
inline constexpr int KO_ROW_KEY_WITH_MODIFIERS = 1;
inline constexpr int KO_ROW_MODIFIERS_ONLY = 2;

// The key list offers a, b, c and d; anything else, no selection included, is d.
std::uint8_t UsageIdForKeyListIndex(int index);

// Writes the modifier byte (0) and the key byte (1) for `row`; with no row chosen (-1) both are
// written. The pedal's mode stays as it is.
void EncodeKeyOutput(int row, std::uint8_t modifiers, int keyListIndex, CommonRecord& common);

}  // namespace tarvik::advanced
