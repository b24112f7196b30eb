#include "model/KeyTable.h"


#include "device/ProtocolConstants.h"
#include "model/KeyRows.h"
#include "model/OutputCodes.h"
#include "model/Utf8Text.h"

namespace tarvik {

namespace {

constexpr const char* kNoRecord = "Error at GetKeyContentsJ()";

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

std::string GetKeyName(int UsageID) {
    if (UsageID > Max_UsageID) return {};
    const std::string record = GetKeyContents(UsageID);
    const long start = IndexOf(record, "Name:[") + 6;
    long end = IndexOf(record, "] ") - 1;
    if (end == -2) end = static_cast<long>(utf8::CharCount(record)) - 2;
    return utf8::CharRange(record, start, end);
}

std::string GetKeyExplanation(int UsageID) {
    if (UsageID > Max_UsageID) return {};
    const std::string record = GetKeyContents(UsageID);
    const long start = IndexOf(record, "Explanation:") + 12;
    if (start == 11) return {};
    return utf8::CharRange(record, start, static_cast<long>(utf8::CharCount(record)) - 1);
}

std::string GetModifierName(std::uint8_t ModifierByte) {
    std::string name;
    for (const ModifierBit& m : kModifierBits) {
        if (ModifierByte & m.bit) name += m.prefix;
    }
    if (!name.empty()) name.pop_back();  // the last "+" is ASCII, one byte
    return name;
}

bool IsStandardKey(int UsageID) {
    const KeyRow* row = FindKeyRow(UsageID);
    return row != nullptr && row->level == KeyLevel::Standard;
}

}  // namespace tarvik
