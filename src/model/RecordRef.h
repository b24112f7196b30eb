// SPDX-License-Identifier: GPL-3.0-or-later
// One pedal's record as the encoders receive it: its output mode and its 13 common bytes, handed in
// by the caller (the window's state, the command line's copy, a test's array).
#pragma once

#include <cstdint>

#include "model/PedalRecord.h"

namespace tarvik {

struct PedalRecordRef {
    std::uint8_t& mode;
    CommonRecord& common;
};

}  // namespace tarvik
