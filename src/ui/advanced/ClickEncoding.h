// SPDX-License-Identifier: GPL-3.0-or-later
// The click tab's record: output mode 1 or 2 and the button mask in byte 0 of the common record.
#pragma once

#include <cstdint>
#include <optional>

#include "model/PedalRecord.h"

namespace tarvik::advanced {

// The six click radios, in the order they are looked at when encoding.
enum class ClickRadio { Left, Right, Center, LeftDouble, RightDouble, CenterDouble };

struct ClickTabState {
    bool plural = false;  // several buttons at once
    bool leftBox = false;
    bool rightBox = false;
    bool centerBox = false;
    std::optional<ClickRadio> radio;  // the radio that is on, if any
};

// What the tab shows for a pedal in `mode` with `clickButton` in byte 0. A click code the tab cannot
// show is rewritten to a left click (clickButton := 1) in modes 1 and 2; other modes keep theirs.
ClickTabState LoadClickTab(std::uint8_t mode, std::uint8_t& clickButton);

// Writes the tab's choice. The plural box wins over the radios; with neither, nothing is written.
// Only the mode and byte 0 change; a double click keeps the timings bytes 1-3 hold.
void EncodeClick(const ClickTabState& state, std::uint8_t& mode, CommonRecord& common);

}  // namespace tarvik::advanced
