// 16-bit fields of the pedal setting record: two consecutive CommonData bytes of pedal
// SelectedPedalNo, high byte first.
#pragma once

#include <cstdint>

namespace tarvik {

// Stores value16 into CommonData[SelectedPedalNo][i] (high byte) and [i + 1] (low byte).
void IntoTwoCommonData(int value16, int i);
// Loads the 16-bit value at CommonData[SelectedPedalNo][i], [i + 1].
std::uint16_t IntoValue16(int i);

}  // namespace tarvik
