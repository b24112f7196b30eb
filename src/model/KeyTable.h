// SPDX-License-Identifier: GPL-3.0-or-later
// The key usage table: one record per USB HID keyboard usage ID 0..Max_KeyUsageID, with the key's
// level (STANDARD or ADVANCED), display name and explanation, and the modifier prefix texts.
#pragma once

#include <cstdint>
#include <string>

namespace tarvik {

// "Level:… Name:[…]  Explanation:…" for 0..Max_KeyUsageID, else "Error at GetKeyContentsJ()".
std::string GetKeyContents(int UsageID);
// The key's display name, in the user's language: the name of its row; " at GetKeyContentsJ(" for a usage ID
// without a row up to Max_UsageID; empty above it.
std::string GetKeyName(int UsageID);
// The key's explanation; empty when it has none or no row.
std::string GetKeyExplanation(int UsageID);
// Character (code point) position of Keyword in SearchFor, or -1. A keyword that ends at the last
// character is not found; an empty SearchFor gives 0.
int IndexOf(const std::string& SearchFor, const std::string& Keyword);
// The prefix texts of the set bits in bit order, without the final "+"; empty for 0.
std::string GetModifierName(std::uint8_t ModifierByte);

// True when the key's record has the level STANDARD (the keys the standard dialog offers).
bool IsStandardKey(int UsageID);

}  // namespace tarvik
