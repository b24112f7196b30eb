// SPDX-License-Identifier: GPL-3.0-or-later
// The multi-chord tab's own small key lookup. It is not the program's key table: it knows three
// placeholder records, keyed 0, 1 and 2, and names them "a", "b" and "c".
#pragma once

#include <string>

namespace tarvik::advanced {

inline constexpr const char* CHORD_KEY_ERROR = "Error at GetKeyContents";
// What every line of the output list shows as the chord's modifier.
inline constexpr const char* CHORD_MODIFIER_NAME = "テスト用modifier名";
// The key list holds "test0" … "test231".
inline constexpr int CHORD_KEY_LIST_SIZE = 232;

std::string GetKeyContents(int UsageID);
// The text between "Name:[" and the first "]", or the error record unchanged.
std::string GetKeyName(int UsageID);
// The text after "Explanation:", or the error record unchanged.
std::string GetKeyExplanation(int UsageID);
// Character (not byte) position of the first occurrence of Keyword in SearchFor, or -1.
int IndexOf_4(const std::string& SearchFor, const std::string& Keyword);

// Entry `i` of the key list: "test" + i.
std::string ChordKeyListEntry(int i);

}  // namespace tarvik::advanced
