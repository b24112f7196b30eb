// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/PedalNames.h"

#include <array>

#include "model/DeviceState.h"

namespace tarvik {

namespace {

constexpr std::array<const char*, NUMBER_OF_PEDALS_MAX> kDefaultNames{
    "中央ペダル", "左ペダル", "右ペダル", "左端ペダル", "右端ペダル"};

// Row count - 1: the names of pedals 0.. on a unit with that many pedals (nullptr: not renamed).
constexpr std::array<std::array<const char*, NUMBER_OF_PEDALS_MAX>, NUMBER_OF_PEDALS_MAX> kNamesByCount{{
    {"ペダル", nullptr, nullptr, nullptr, nullptr},
    {"右ペダル", "左ペダル", nullptr, nullptr, nullptr},
    {"中央ペダル", "左ペダル", "右ペダル", nullptr, nullptr},
    {"右ペダル", "左ペダル", "右端ペダル", "左端ペダル", nullptr},
    {"中央ペダル", "左ペダル", "右ペダル", "左端ペダル", "右端ペダル"},
}};

}  // namespace

std::string DefaultPedalName(int pedal) {
    return IsPedalIndex(pedal) ? kDefaultNames[static_cast<std::size_t>(pedal)] : "";
}

std::string PedalNameForCount(int count, int pedal) {
    if (count < 1 || count > NUMBER_OF_PEDALS_MAX || !IsPedalIndex(pedal)) return {};
    const char* name = kNamesByCount[static_cast<std::size_t>(count - 1)][static_cast<std::size_t>(pedal)];
    return name != nullptr ? name : "";
}

std::string ShownPedalName(int count, int pedal) {
    std::string name = PedalNameForCount(count, pedal);
    return name.empty() ? DefaultPedalName(pedal) : name;
}

}  // namespace tarvik
