// SPDX-License-Identifier: GPL-3.0-or-later
// The Japanese description of one pedal's setting, as the main window shows it.
#pragma once

#include <string>

namespace tarvik {

struct DeviceState;

// The description of pedal `pedal` in `state`: UTF-8, lines joined by CR LF. Empty when `pedal`
// names no pedal.
std::string PedalContentsText(const DeviceState& state, int pedal);
// The same for pedal SelectedPedalNo of State().
std::string PedalContentsText();

}  // namespace tarvik
