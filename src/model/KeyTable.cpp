// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/KeyTable.h"


#include "model/KeyRows.h"
#include "model/OutputCodes.h"
#include "model/ProtocolConstants.h"
#include "model/Translate.h"
#include "model/Utf8Text.h"

namespace tarvik {

namespace {

constexpr const char* kNoRecord = "Error at GetKeyContentsJ()";
// What the name cut-out has always made of kNoRecord.
constexpr const char* kNoRecordName = " at GetKeyContentsJ(";

}  // namespace

std::string GetKeyContents(int UsageID) {
    const KeyRow* row = FindKeyRow(UsageID);
    if (row == nullptr) return kNoRecord;
    std::string record = row->level == KeyLevel::Standard ? "Level:STANDARD" : "Level:ADVANCED";
    record += " Name:[";
    record += row->name;
    record += "]";
    if (row->explanation[0] != '\0') {
        record += "  Explanation:";
        record += row->explanation;
    }
    return record;
}

int IndexOf(const std::string& SearchFor, const std::string& Keyword) {
    const std::vector<std::size_t> starts = utf8::CharStarts(SearchFor);
    const long n = static_cast<long>(starts.size()) - 1;
    const long k = static_cast<long>(utf8::CharCount(Keyword));
    for (long i = 0; i < n; ++i) {
        // Stopping one position early is what lets a trailing empty "Explanation:" read as none.
        if (i >= n - k) return -1;
        const std::size_t from = starts[static_cast<std::size_t>(i)];
        const std::size_t to = starts[static_cast<std::size_t>(i + k)];
        if (SearchFor.compare(from, to - from, Keyword) == 0) return static_cast<int>(i);
    }
    return 0;
}

// The name and the explanation have always been what a cut-out of the record gives: the text
// between "Name:[" and the "]" before the blanks, and the text after "Explanation:". Taken from the
// row, they are the same; the record's error text, cut the same way, names the usage IDs no row has.
std::string GetKeyName(int UsageID) {
    if (UsageID > Max_UsageID) return {};
    const KeyRow* row = FindKeyRow(UsageID);
    return row != nullptr ? i18n::Translate("Key", row->name) : kNoRecordName;
}

std::string GetKeyExplanation(int UsageID) {
    const KeyRow* row = FindKeyRow(UsageID);
    return row != nullptr ? i18n::Translate("Key", row->explanation) : "";
}

std::string GetModifierName(std::uint8_t ModifierByte) {
    std::string name;
    for (const ModifierBit& m : kModifierBits) {
        if (ModifierByte & m.bit) name += i18n::Translate("Description", m.prefix);
    }
    if (!name.empty()) name.pop_back();  // the last "+" is ASCII, one byte
    return name;
}

bool IsStandardKey(int UsageID) {
    const KeyRow* row = FindKeyRow(UsageID);
    return row != nullptr && row->level == KeyLevel::Standard;
}

}  // namespace tarvik
