// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/OutputCodes.h"

#include "model/NameMatch.h"

namespace tarvik {

namespace {

template <class Table>
auto FindByName(const Table& table, std::string_view name) -> decltype(&table[0]) {
    for (const auto& row : table) {
        if (SameName(row.name, name)) return &row;
    }
    return nullptr;
}

template <class Table>
auto FindByCode(const Table& table, std::uint8_t code) -> decltype(&table[0]) {
    for (const auto& row : table) {
        if (row.code == code) return &row;
    }
    return nullptr;
}

struct OtherName {
    const char* name;
    std::uint8_t code;
};

// Spellings people type besides the table's own names; the standard dialog says "center".
constexpr std::array<OtherName, 1> kOtherButtonNames{{{"center", BUTTON_MIDDLE}}};

constexpr std::array<OtherName, 20> kOtherModifierNames{{
    {"control", 0x01},    {"option", 0x04},      {"opt", 0x04},        {"command", 0x08},   {"gui", 0x08},
    {"super", 0x08},      {"win", 0x08},         {"windows", 0x08},    {"meta", 0x08},      {"rcontrol", 0x10},
    {"right-ctrl", 0x10}, {"right-shift", 0x20}, {"right-alt", 0x40},  {"roption", 0x40},   {"right-cmd", 0x80},
    {"rcommand", 0x80},   {"rgui", 0x80},        {"right-gui", 0x80},  {"rsuper", 0x80},    {"rwin", 0x80},
}};

static_assert(!kRepeatUnits[0].series && kRepeatUnits[1].series);

}  // namespace

const ClickCode* FindClickCode(std::uint8_t code) { return FindByCode(kClickCodes, code); }

std::optional<std::uint8_t> SingleButtonByName(std::string_view name) {
    for (const ClickCode& c : kClickCodes) {
        if (IsSingleButton(c.code) && SameName(c.name, name)) return c.code;
    }
    for (const OtherName& other : kOtherButtonNames) {
        if (SameName(other.name, name)) return other.code;
    }
    return std::nullopt;
}

const DirectionPair& DirectionOf(MoveDirection direction) {
    for (const DirectionPair& d : kDirections) {
        if (d.direction == direction) return d;
    }
    return kDirections[0];  // every enumerator has a row
}

const DirectionPair* FindDirection(std::uint8_t x, std::uint8_t y) {
    for (const DirectionPair& d : kDirections) {
        if (d.x == x && d.y == y) return &d;
    }
    return nullptr;
}

const DirectionPair* FindDirection(std::string_view name) { return FindByName(kDirections, name); }

std::optional<std::uint8_t> ModifierByName(std::string_view name) {
    for (const ModifierBit& m : kModifierBits) {
        if (SameName(m.name, name)) return m.bit;
    }
    for (const OtherName& other : kOtherModifierNames) {
        if (SameName(other.name, name)) return other.code;
    }
    return std::nullopt;
}

std::vector<std::string> ModifierNames(std::uint8_t modifiers) {
    std::vector<std::string> names;
    for (const ModifierBit& m : kModifierBits) {
        if (modifiers & m.bit) names.emplace_back(m.name);
    }
    return names;
}

const WheelCode* FindWheelDirection(std::uint8_t code) { return FindByCode(kWheelDirections, code); }
const WheelCode* FindWheelDirection(std::string_view name) { return FindByName(kWheelDirections, name); }

const SecondClickCode* FindSecondClick(std::uint8_t code) { return FindByCode(kSecondClicks, code); }
const SecondClickCode* FindSecondClick(std::string_view name) { return FindByName(kSecondClicks, name); }

const RepeatUnit& RepeatUnitOf(bool series) { return kRepeatUnits[series ? 1 : 0]; }
const RepeatUnit* FindRepeatUnit(std::string_view name) { return FindByName(kRepeatUnits, name); }

}  // namespace tarvik
