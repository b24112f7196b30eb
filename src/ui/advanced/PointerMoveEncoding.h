// The pointer move tab's record: output mode 6 and CommonData[p][0..12] of pedal SelectedPedalNo.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace tarvik::advanced {

enum class Direction { Up, UpperRight, Right, LowerRight, Down, LowerLeft, Left, UpperLeft };

// The order in which the direction radios are looked at when encoding.
inline constexpr std::array<Direction, 8> kDirectionEncodeOrder{
    Direction::Right, Direction::Left, Direction::Down, Direction::Up,
    Direction::LowerRight, Direction::UpperRight, Direction::UpperLeft, Direction::LowerLeft,
};

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

// Writes the record and returns the acceleration index as it now stands in bytes 11-12: 1 when not
// accelerating, and 1 for an accelerated index of 0 (which has no divisor; the slowest acceleration
// is taken). Indexes are kept within 0..65535 and the repeat count within 0..PM_MAX_REPEATS.
int EncodePointerMove(const PointerMoveChoice& choice);

}  // namespace tarvik::advanced
