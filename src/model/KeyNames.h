// SPDX-License-Identifier: GPL-3.0-or-later
// The names the command line knows keys by: every row of the key table by its name, in any ASCII
// case, and a few easier spellings (enter, esc, pageup, ...). Read both ways: a name to its usage
// ID, and a usage ID to the name that leads back to it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

struct KeyNameMatch {
    enum class Kind { Unknown, Found, Ambiguous } kind = Kind::Unknown;
    int usage = -1;            // Found
    std::vector<int> usages;   // Ambiguous: every row of that name
};

// Rows 1..Max_KeyUsageID. Where rows share a name, the one of the standard set wins ("clear", "]");
// a name that several rows share and no standard one ("---") is ambiguous.
KeyNameMatch FindKeyByName(std::string_view name);

// The name FindKeyByName takes back to `usage`: its easy spelling, else its table name, else (for
// a row that shares its name, and any value without a row) "0x" and two lower-case hex digits.
std::string KeyToken(int usage);

// Modifier names (bit 0 first), then the key tokens, joined by '+': the KEYSPEC of a setting.
std::string KeySpecText(std::uint8_t modifiers, std::span<const std::uint8_t> usages);

struct KeyName {
    std::string name;
    int usage;
};
// Every name FindKeyByName finds a key by: the table's names in usage order, then the easy spellings.
const std::vector<KeyName>& KnownKeyNames();

}  // namespace tarvik
