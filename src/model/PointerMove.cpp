// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/PointerMove.h"

#include <algorithm>

namespace tarvik::modes {

namespace {

constexpr int kMaxField = 65535;

void Put(CommonRecord& common, int i, int value) { PutValue16(common, i, static_cast<std::uint16_t>(value)); }

}  // namespace

int AccelerationDivisor(int accelerationIndex) {
    return static_cast<int>(1000.0 / accelerationIndex + 0.5);
}

int EncodePointerMove(const PointerMoveChoice& choice, PedalRecordRef record) {
    CommonRecord& common = record.common;
    int accelerationIndex = std::clamp(choice.accelerationIndex, 0, kMaxField);

    record.mode = POINTER_MOVE;
    if (choice.direction) {
        const DirectionPair& pair = DirectionOf(*choice.direction);
        common[layout::POINTER_MOVE_X] = pair.x;
        common[layout::POINTER_MOVE_Y] = pair.y;
    }

    const int speed = std::clamp(choice.speedIndex, 0, kMaxField);
    Put(common, layout::POINTER_SPEED_COPY, speed);

    if (choice.accelerated) {
        if (accelerationIndex == 0) accelerationIndex = 1;
        // Further up the divisor would round to 0 or stay at 1: the previous divisor and flag stay.
        if (accelerationIndex <= PM_MAX_DIVIDED_ACCELERATION) {
            Put(common, layout::POINTER_ACCELERATION_DIVISOR, AccelerationDivisor(accelerationIndex));
            common[layout::POINTER.acceleration] = 1;
        }
    } else {
        Put(common, layout::POINTER_ACCELERATION_DIVISOR, PM_NO_ACCELERATION_DIVISOR);
        common[layout::POINTER.acceleration] = 0;
        accelerationIndex = 1;
    }

    Put(common, layout::POINTER.speed, speed);
    Put(common, layout::POINTER.accelerationIndex, accelerationIndex);

    if (choice.untilRelease) {
        Put(common, layout::POINTER.repeats, 0);
    } else if (choice.setNumber) {
        Put(common, layout::POINTER.repeats, std::clamp(choice.repeats, 0, PM_MAX_REPEATS));
    }
    return accelerationIndex;
}

}  // namespace tarvik::modes
