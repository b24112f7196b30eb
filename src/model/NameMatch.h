// SPDX-License-Identifier: GPL-3.0-or-later
// Names typed on the command line match the tables without regard to ASCII case; the Japanese and
// other non-ASCII characters of a name match as they are.
#pragma once

#include <string_view>

namespace tarvik {

constexpr char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

}  // namespace tarvik
