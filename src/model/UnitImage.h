// SPDX-License-Identifier: GPL-3.0-or-later
// Everything a unit stores, as plain data: the one format of a simulated unit and of a settings
// snapshot. Read from and written to unit files (JSON) by UnitFile.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/ProtocolConstants.h"

namespace tarvik {

struct PedalImage {
    std::uint8_t mode = 0;
    std::array<std::uint8_t, NUMBER_OF_COMMON_DATA> common{};
    std::array<std::uint8_t, ADDITIONAL_DATA_ONE_PEDAL> additional{};
};

struct UnitImage {
    std::array<std::uint8_t, 3> firmware{2, 1, 0};  // major, minor, revision
    std::vector<PedalImage> pedals;                 // at most NUMBER_OF_PEDALS_MAX
    int pedalCount = -1;                            // what the unit reports; -1: pedals.size()
    int answerDelayMs = 0;                          // simulated unit only
    std::vector<int> silentCommands;                // simulated unit only: never answered

    int ReportedPedalCount() const { return pedalCount >= 0 ? pedalCount : static_cast<int>(pedals.size()); }
};

// The built-in demo unit: three pedals at their factory setting, firmware 2.x.
UnitImage DefaultUnitImage();

// The records of the program's shared state for its NumberOfPedals pedals (at most five), with the
// firmware version read from the unit: what a snapshot saves.
UnitImage ImageFromState();

}  // namespace tarvik
