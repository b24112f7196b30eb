// SPDX-License-Identifier: GPL-3.0-or-later
// The standard dialog's title line for the pedal being edited.
#pragma once

#include <string>

namespace tarvik {

// "標準設定", followed by a blank and the pedal's name on a unit with two to five pedals.
std::string StandardTitleLine(int numberOfPedals, int pedal);

}  // namespace tarvik
