#include "ui/advanced/PointerMoveEncoding.h"

#include <algorithm>

#include "model/ProtocolConstants.h"

namespace tarvik::advanced {

namespace {

constexpr int kMaxField = 65535;

// Byte positions of the pointer move record.
constexpr int kMoveX = 0;
constexpr int kMoveY = 1;
constexpr int kSpeedCopy = 2;
constexpr int kAccelerationDivisor = 4;
constexpr int kAcceleration = 6;
constexpr int kNumberOfRepeats = 7;
constexpr int kSpeed = 9;
constexpr int kAccelerationIndex = 11;

constexpr int kNoAccelerationDivisor = 1000;

}  // namespace

MoveStep DirectionStep(Direction direction) {
    switch (direction) {
    case Direction::Right: return {1, 0};
    case Direction::Left: return {255, 0};
    case Direction::Down: return {0, 1};
    case Direction::Up: return {0, 255};
    case Direction::LowerRight: return {1, 1};
    case Direction::UpperRight: return {1, 255};
    case Direction::UpperLeft: return {255, 255};
    case Direction::LowerLeft: return {255, 1};
    }
    return {0, 0};
}

void EncodePointerMove(const PointerMoveChoice& choice, std::uint8_t& mode, CommonRecord& common) {
    int accelerationIndex = std::clamp(choice.accelerationIndex, 0, kMaxField);
    mode = POINTER_MOVE;
    if (choice.direction) {
        const MoveStep step = DirectionStep(*choice.direction);
        common[kMoveX] = step.x;
        common[kMoveY] = step.y;
    }

    const int speed = std::clamp(choice.speedIndex, 0, kMaxField);
    PutValue16(common, kSpeedCopy, speed);

    if (choice.accelerated) {
        if (accelerationIndex == 0) accelerationIndex = 1;
        // Above 1000 the divisor would round to 0, which the unit cannot divide by: the previous
        // divisor and flag stay.
        if (accelerationIndex <= PM_MAX_DIVIDED_ACCELERATION) {
            PutValue16(common, kAccelerationDivisor, static_cast<int>(1000.0 / accelerationIndex + 0.5));
            common[kAcceleration] = 1;
        }
    } else {
        PutValue16(common, kAccelerationDivisor, kNoAccelerationDivisor);
        common[kAcceleration] = 0;
        accelerationIndex = 1;
    }

    PutValue16(common, kSpeed, speed);
    PutValue16(common, kAccelerationIndex, accelerationIndex);

    if (choice.untilRelease) {
        PutValue16(common, kNumberOfRepeats, 0);
    } else if (choice.setNumber) {
        PutValue16(common, kNumberOfRepeats, std::clamp(choice.repeats, 0, PM_MAX_REPEATS));
    }
}

}  // namespace tarvik::advanced
