// SPDX-License-Identifier: GPL-3.0-or-later
// Units, pedals and records for tests, written the short way.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "model/PedalRecord.h"
#include "model/UnitImage.h"

namespace tarvik::test {

// A pedal in `mode` whose records start with the bytes given; the rest are 0.
inline PedalImage Pedal(int mode, std::initializer_list<int> common = {}, std::initializer_list<int> additional = {}) {
    PedalImage pedal;
    pedal.mode = static_cast<std::uint8_t>(mode);
    std::size_t i = 0;
    for (int b : common) pedal.common.at(i++) = static_cast<std::uint8_t>(b);
    i = 0;
    for (int b : additional) pedal.additional.at(i++) = static_cast<std::uint8_t>(b);
    return pedal;
}

// A unit with these pedals; it reports their number unless told another.
inline UnitImage Unit(std::vector<PedalImage> pedals, std::array<std::uint8_t, 3> firmware = {2, 1, 0},
                      int reportedCount = -1) {
    UnitImage image;
    image.firmware = firmware;
    image.pedals = std::move(pedals);
    image.pedalCount = reportedCount;
    return image;
}

// A common record whose every byte is distinct, so a byte that must not be touched is noticed,
// with the first bytes replaced by `head`.
inline CommonRecord Marked(std::initializer_list<int> head = {}) {
    CommonRecord c = {0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1a, 0x1b, 0x1c, 0x1d};
    std::size_t i = 0;
    for (int b : head) c.at(i++) = static_cast<std::uint8_t>(b);
    return c;
}

}  // namespace tarvik::test
