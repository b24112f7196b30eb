// SPDX-License-Identifier: GPL-3.0-or-later
// The speed and acceleration sliders are logarithmic: position = 1000 × log10(index). These turn a
// slider position into the nearest index and an index back into a position.
#pragma once

namespace tarvik::advanced {

// The sliders stop here so that no position maps to an index beyond a 16-bit record field
// (position 4816 gives 65464; 4817 would give 65615).
inline constexpr int LOG_SLIDER_MIN = 0;
inline constexpr int LOG_SLIDER_MAX = 4816;
// What the steppers next to the sliders may reach: a whole 16-bit field.
inline constexpr int LOG_INDEX_MIN = 0;
inline constexpr int LOG_INDEX_MAX = 65535;

// The index nearest to `position` on the log scale; exactly halfway goes to the higher index.
// Positions outside the slider's range are taken as its ends.
int LogPositionToIndex(double position);
int SliderToIndex(int position);

// 1000 × log10(index + 0.5), truncated toward zero and kept within the slider's range.
int IndexToSlider(int index);

}  // namespace tarvik::advanced
