// The pointer move tab's record: output mode 6 and the whole common record.
#pragma once

#include <cstdint>
#include <optional>

#include "model/PedalRecord.h"

namespace tarvik::advanced {

enum class Direction { Up, UpperRight, Right, LowerRight, Down, LowerLeft, Left, UpperLeft };

struct MoveStep {
    std::uint8_t x;  // 1 right, 255 left, 0 none
    std::uint8_t y;  // 1 down, 255 up, 0 none
};
MoveStep DirectionStep(Direction direction);

// The largest repeat count the record takes; more is written as this.
inline constexpr int PM_MAX_REPEATS = 65534;
// The acceleration index up to which a divisor (1000 / index) is written.
inline constexpr int PM_MAX_DIVIDED_ACCELERATION = 1000;

struct PointerMoveChoice {
    std::optional<Direction> direction;  // none: bytes 0 and 1 are left as they are
    int speedIndex = 0;
    int accelerationIndex = 0;
    bool accelerated = false;
    bool untilRelease = false;
    bool setNumber = false;
    int repeats = 0;  // the repeat box's value
};

// Writes the record. Bytes 11-12 take the acceleration index, 1 when not accelerating and 1 for an
// accelerated index of 0 (which has no divisor; the slowest acceleration is taken). Indexes are
// kept within 0..65535 and the repeat count within 0..PM_MAX_REPEATS.
void EncodePointerMove(const PointerMoveChoice& choice, std::uint8_t& mode, CommonRecord& common);

}  // namespace tarvik::advanced
