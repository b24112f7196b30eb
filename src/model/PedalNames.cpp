// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/PedalNames.h"

#include <array>

#include "model/DeviceState.h"
#include "model/Translate.h"

namespace tarvik {

namespace {

constexpr std::array<const char*, NUMBER_OF_PEDALS_MAX> kDefaultNames{
    TARVIK_TR_NOOP("PedalName", "中央ペダル"), TARVIK_TR_NOOP("PedalName", "左ペダル"),
    TARVIK_TR_NOOP("PedalName", "右ペダル"), TARVIK_TR_NOOP("PedalName", "左端ペダル"),
    TARVIK_TR_NOOP("PedalName", "右端ペダル")};

// Row count - 1: the names of pedals 0.. on a unit with that many pedals (nullptr: not renamed).
constexpr std::array<std::array<const char*, NUMBER_OF_PEDALS_MAX>, NUMBER_OF_PEDALS_MAX> kNamesByCount{{
    {TARVIK_TR_NOOP("PedalName", "ペダル"), nullptr, nullptr, nullptr, nullptr},
    {TARVIK_TR_NOOP("PedalName", "右ペダル"), TARVIK_TR_NOOP("PedalName", "左ペダル"), nullptr, nullptr,
     nullptr},
    {TARVIK_TR_NOOP("PedalName", "中央ペダル"), TARVIK_TR_NOOP("PedalName", "左ペダル"),
     TARVIK_TR_NOOP("PedalName", "右ペダル"), nullptr, nullptr},
    {TARVIK_TR_NOOP("PedalName", "右ペダル"), TARVIK_TR_NOOP("PedalName", "左ペダル"),
     TARVIK_TR_NOOP("PedalName", "右端ペダル"), TARVIK_TR_NOOP("PedalName", "左端ペダル"), nullptr},
    {TARVIK_TR_NOOP("PedalName", "中央ペダル"), TARVIK_TR_NOOP("PedalName", "左ペダル"),
     TARVIK_TR_NOOP("PedalName", "右ペダル"), TARVIK_TR_NOOP("PedalName", "左端ペダル"),
     TARVIK_TR_NOOP("PedalName", "右端ペダル")},
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

std::string DisplayedPedalName(const std::string& name) {
    return i18n::Translate("PedalName", name.c_str());
}

}  // namespace tarvik
