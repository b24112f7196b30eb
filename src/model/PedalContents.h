// The Japanese description of one pedal's setting, as the main window shows it.
#pragma once

#include <string>

namespace tarvik {

// The description of pedal SelectedPedalNo: UTF-8, lines joined by CR LF. Empty when
// SelectedPedalNo names no pedal.
std::string PedalContentsText();

}  // namespace tarvik
