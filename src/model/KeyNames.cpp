// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/KeyNames.h"

#include <array>

#include "model/ProtocolConstants.h"
#include "model/KeyRows.h"
#include "model/NameMatch.h"
#include "model/OutputCodes.h"

namespace tarvik {

namespace {

struct EasyName {
    const char* name;
    int usage;
};

// Names people type for keys whose table name is awkward to type. The first one of a key is the
// name `show` gives it.
constexpr std::array<EasyName, 30> kEasyNames{{
    {"enter", 40},     {"return", 40},   {"esc", 41},       {"backspace", 42}, {"bs", 42},
    {"space", 44},     {"minus", 45},    {"hyphen", 45},    {"caret", 46},     {"at", 47},
    {"lbracket", 48},  {"rbracket", 50}, {"semicolon", 51}, {"colon", 52},     {"grave", 53},
    {"backquote", 53}, {"comma", 54},    {"period", 55},    {"dot", 55},       {"slash", 56},
    {"pageup", 75},    {"pgup", 75},     {"forward-delete", 76}, {"pagedown", 78}, {"pgdn", 78},
    {"right", 79},     {"left", 80},     {"down", 81},      {"up", 82},        {"insert", 98},
}};

std::string Hex(int value) {
    static constexpr char kDigits[] = "0123456789abcdef";
    const auto v = static_cast<unsigned>(value) & 0xFF;
    return std::string("0x") + kDigits[v >> 4] + kDigits[v & 0x0F];
}

}  // namespace

KeyNameMatch FindKeyByName(std::string_view name) {
    KeyNameMatch match;
    for (const EasyName& e : kEasyNames) {
        if (SameName(e.name, name)) {
            match.kind = KeyNameMatch::Kind::Found;
            match.usage = e.usage;
            return match;
        }
    }
    int standard = -1;
    for (int u = 1; u <= Max_KeyUsageID; ++u) {
        const KeyRow* row = FindKeyRow(u);
        if (!SameName(row->name, name)) continue;
        match.usages.push_back(u);
        if (row->level == KeyLevel::Standard && standard < 0) standard = u;
    }
    if (standard >= 0 || match.usages.size() == 1) {
        match.kind = KeyNameMatch::Kind::Found;
        match.usage = standard >= 0 ? standard : match.usages.front();
        match.usages.clear();
    } else if (match.usages.size() > 1) {
        match.kind = KeyNameMatch::Kind::Ambiguous;
    }
    return match;
}

std::string KeyToken(int usage) {
    for (const EasyName& e : kEasyNames) {
        if (e.usage == usage) return e.name;
    }
    if (const KeyRow* row = FindKeyRow(usage); row != nullptr && usage > 0) {
        const KeyNameMatch back = FindKeyByName(row->name);
        if (back.kind == KeyNameMatch::Kind::Found && back.usage == usage) return row->name;
    }
    return Hex(usage);
}

std::string KeySpecText(std::uint8_t modifiers, std::span<const std::uint8_t> usages) {
    std::string text;
    for (const std::string& m : ModifierNames(modifiers)) {
        if (!text.empty()) text += '+';
        text += m;
    }
    for (const std::uint8_t u : usages) {
        if (!text.empty()) text += '+';
        text += KeyToken(u);
    }
    return text;
}

const std::vector<KeyName>& KnownKeyNames() {
    static const std::vector<KeyName> names = [] {
        std::vector<KeyName> all;
        for (int u = 1; u <= Max_KeyUsageID; ++u) {
            const KeyNameMatch back = FindKeyByName(FindKeyRow(u)->name);
            if (back.kind == KeyNameMatch::Kind::Found && back.usage == u) all.push_back({FindKeyRow(u)->name, u});
        }
        for (const EasyName& e : kEasyNames) all.push_back({e.name, e.usage});
        return all;
    }();
    return names;
}

}  // namespace tarvik
