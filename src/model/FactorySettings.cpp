// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/FactorySettings.h"

#include <array>

#include "model/DeviceState.h"
#include "model/ProtocolConstants.h"

namespace tarvik {

namespace {

// A byte of -1 is not written: the pedal keeps it.
struct FactoryRow {
    std::uint8_t mode;
    int byte0;
    int byte1;
};
constexpr std::array<FactoryRow, NUMBER_OF_PEDALS_MAX> kFactorySetting{{
    {SIMPLE_CLICK, 1, -1},          // left click
    {SIMPLE_KEY_OUTPUT, 0, 0x28},   // Return
    {SIMPLE_CLICK, 2, -1},          // right click
    {SIMPLE_KEY_OUTPUT, 0, 0x50},   // Left Arrow
    {SIMPLE_KEY_OUTPUT, 0, 0x4F},   // Right Arrow
}};

}  // namespace

void ApplyFactorySetting(int pedal, std::uint8_t& mode, CommonRecord& common) {
    if (!IsPedalIndex(pedal)) return;
    const FactoryRow& row = kFactorySetting[static_cast<std::size_t>(pedal)];
    mode = row.mode;
    if (row.byte0 >= 0) common[0] = static_cast<std::uint8_t>(row.byte0);
    if (row.byte1 >= 0) common[1] = static_cast<std::uint8_t>(row.byte1);
}

}  // namespace tarvik
