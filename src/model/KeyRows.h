// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of the key usage table, one per keyboard usage ID 0..Max_KeyUsageID.
#pragma once

#include "model/ProtocolConstants.h"

namespace tarvik {

enum class KeyLevel { Standard, Advanced };

struct KeyRow {
    KeyLevel level;
    const char* name;         // never empty
    const char* explanation;  // empty when the key has none
};

inline constexpr int KEY_ROW_COUNT = Max_KeyUsageID + 1;

// The row of usage ID u, or nullptr outside 0..Max_KeyUsageID.
const KeyRow* FindKeyRow(int u);

}  // namespace tarvik
