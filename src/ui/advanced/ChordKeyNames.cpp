// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/advanced/ChordKeyNames.h"

#include <array>
#include <cstddef>
#include <vector>

#include "model/Utf8Text.h"

namespace tarvik::advanced {

namespace {

constexpr std::array<const char*, 3> kRecords{
    "Level:STANDARD Name:[a] Explanation:Shiftも押すとA",
    "Level:STANDARD Name:[b] Explanation:Shiftも押すとB",
    "Level:STANDARD Name:[c] Explanation:Shiftも押すとC",
};

}  // namespace

std::string GetKeyContents(int UsageID) {
    if (UsageID < 0 || UsageID >= static_cast<int>(kRecords.size())) return CHORD_KEY_ERROR;
    return kRecords[static_cast<std::size_t>(UsageID)];
}

std::string GetKeyName(int UsageID) {
    const std::string record = GetKeyContents(UsageID);
    if (record == CHORD_KEY_ERROR) return record;
    const int name = IndexOf_4(record, "Name");
    const int close = IndexOf_4(record, "]");
    if (name < 0 || close < 0) return record;
    return utf8::CharRange(record, name + 6, close - 1);
}

std::string GetKeyExplanation(int UsageID) {
    const std::string record = GetKeyContents(UsageID);
    if (record == CHORD_KEY_ERROR) return record;
    const int explanation = IndexOf_4(record, "Explanation");
    if (explanation < 0) return record;
    return utf8::CharRange(record, explanation + 12, static_cast<long>(utf8::CharCount(record)) - 1);
}

int IndexOf_4(const std::string& SearchFor, const std::string& Keyword) {
    if (Keyword.empty()) return 0;
    const std::vector<std::size_t> starts = utf8::CharStarts(SearchFor);
    for (std::size_t character = 0; character + 1 < starts.size(); ++character) {
        if (SearchFor.compare(starts[character], Keyword.size(), Keyword) == 0) return static_cast<int>(character);
    }
    return -1;
}

std::string ChordKeyListEntry(int i) { return "test" + std::to_string(i); }

}  // namespace tarvik::advanced
