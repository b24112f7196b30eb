// SPDX-License-Identifier: GPL-3.0-or-later
// Records written as "mode | 13 common bytes" in hex, as the tests state them.
#pragma once

#include <cstdint>
#include <sstream>
#include <string>

#include "model/RecordRef.h"

namespace tarvik::test {

struct RecordText {
    std::uint8_t mode = 0;
    CommonRecord common{};
};

// "06 | ff 01 00 64 03 e8 00 00 00 00 64 00 01"; missing bytes are 0.
inline RecordText ParseRecord(const std::string& text) {
    RecordText r;
    std::istringstream in(text);
    unsigned value = 0;
    std::string bar;
    in >> std::hex >> value >> bar;
    r.mode = static_cast<std::uint8_t>(value);
    for (std::size_t i = 0; i < r.common.size() && in >> std::hex >> value; ++i)
        r.common[i] = static_cast<std::uint8_t>(value);
    return r;
}

inline std::string RecordHex(std::uint8_t mode, const CommonRecord& common) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text{kDigits[mode >> 4], kDigits[mode & 15], ' ', '|'};
    for (const std::uint8_t b : common) text += std::string{' ', kDigits[b >> 4], kDigits[b & 15]};
    return text;
}

}  // namespace tarvik::test
