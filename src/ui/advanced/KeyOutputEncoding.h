// The key output tab's record: modifier byte (all eight modifier keys) and key byte in
// CommonData[p][0..1] of pedal SelectedPedalNo.
#pragma once

#include <array>
#include <cstdint>

namespace tarvik::advanced {

// Rows of the modifier choice.
inline constexpr int KO_ROW_KEY_ONLY = 0;
inline constexpr int KO_ROW_KEY_WITH_MODIFIERS = 1;
inline constexpr int KO_ROW_MODIFIERS_ONLY = 2;

// The modifier flags in the bit order of a keyboard report: left Ctrl, Shift, Alt, GUI, then the
// right-hand four.
using ModifierFlags = std::array<bool, 8>;

std::uint8_t ModifierByteFromFlags(const ModifierFlags& flags);
// The key list offers a, b, c and d; anything else, no selection included, is d.
std::uint8_t UsageIdForKeyListIndex(int index);

// Writes the modifier byte (0) and the key byte (1) for `row`; with no row chosen (-1) both are
// written. The pedal's mode stays as it is.
void EncodeKeyOutput(int row, const ModifierFlags& flags, int keyListIndex);

}  // namespace tarvik::advanced
