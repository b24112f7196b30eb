// SPDX-License-Identifier: GPL-3.0-or-later
// The pointer move setting (output mode 6): the one encoder that the advanced dialog's pointer tab
// and tarvikctl's pointer form both write with. Defined in model/modes/PointerMode.cpp.
#pragma once

#include <optional>

#include "model/ModeLayout.h"
#include "model/OutputCodes.h"
#include "model/RecordRef.h"

namespace tarvik::modes {

// The largest repeat count written; more is written as this.
inline constexpr int PM_MAX_REPEATS = 65534;
// The acceleration index up to which a divisor (1000 / index) is written.
inline constexpr int PM_MAX_DIVIDED_ACCELERATION = 1000;
// The divisor while not accelerating.
inline constexpr int PM_NO_ACCELERATION_DIVISOR = 1000;

// What the pointer tab's controls say.
struct PointerMoveChoice {
    std::optional<MoveDirection> direction;  // none: bytes 0 and 1 are left as they are
    int speedIndex = 0;
    int accelerationIndex = 0;
    bool accelerated = false;
    bool untilRelease = false;  // repeats: 0
    bool setNumber = false;     // repeats: `repeats`; neither: bytes 7-8 are left as they are
    int repeats = 0;
};

// 1000 / index, halves rounded up: the divisor written for an accelerated index of 1..1000.
int AccelerationDivisor(int accelerationIndex);

// Writes mode 6 and the pointer move bytes into `record`, and returns the acceleration index as it
// now stands in bytes 11-12: 1 when not accelerating, and 1 for an accelerated index of 0 (which
// has no divisor; the slowest acceleration is taken). Above PM_MAX_DIVIDED_ACCELERATION the divisor
// and the acceleration byte are left as they are. Indexes are kept within 0..65535 and the repeat
// count within 0..PM_MAX_REPEATS.
int EncodePointerMove(const PointerMoveChoice& choice, PedalRecordRef record);

}  // namespace tarvik::modes
