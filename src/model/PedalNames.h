// SPDX-License-Identifier: GPL-3.0-or-later
// Pedal names by the unit's pedal count, after the pedals' physical positions.
#pragma once

#include <string>

namespace tarvik {

// The name the window gives pedal `pedal` when nothing is known of the unit:
// 中央ペダル, 左ペダル, 右ペダル, 左端ペダル, 右端ペダル for pedals 0 to 4; empty outside 0..4.
std::string DefaultPedalName(int pedal);

// The name pedal `pedal` gets on a unit with `count` pedals, or the empty text when the count does
// not rename it (count 0 or above 5, or a pedal beyond the count).
std::string PedalNameForCount(int count, int pedal);

// The name shown for pedal `pedal` on a unit with `count` pedals: PedalNameForCount, else the default.
std::string ShownPedalName(int count, int pedal);

// One of the names above in the user's language, to show. The names themselves stay as they are:
// the command line takes them as arguments.
std::string DisplayedPedalName(const std::string& name);

}  // namespace tarvik
