#include "ui/advanced/ChordKeyNames.h"

#include <array>
#include <cstddef>

namespace tarvik::advanced {

namespace {

constexpr std::array<const char*, 3> kRecords{
    "Level:STANDARD Name:[a] Explanation:Shiftも押すとA",
    "Level:STANDARD Name:[b] Explanation:Shiftも押すとB",
    "Level:STANDARD Name:[c] Explanation:Shiftも押すとC",
};

bool IsContinuationByte(unsigned char c) { return (c & 0xC0) == 0x80; }

// Byte offset of character `index` in UTF-8 text, or text.size() when the text is shorter.
std::size_t ByteOffsetOfCharacter(const std::string& text, int index) {
    std::size_t offset = 0;
    for (int seen = 0; offset < text.size(); ++offset) {
        if (IsContinuationByte(static_cast<unsigned char>(text[offset]))) continue;
        if (seen == index) return offset;
        ++seen;
    }
    return text.size();
}

// Characters [first, last) of UTF-8 text; empty when the range is empty or outside the text.
std::string Characters(const std::string& text, int first, int last) {
    if (first < 0 || last <= first) return {};
    const std::size_t from = ByteOffsetOfCharacter(text, first);
    const std::size_t to = ByteOffsetOfCharacter(text, last);
    return text.substr(from, to - from);
}

int CharacterCount(const std::string& text) {
    int count = 0;
    for (unsigned char c : text)
        if (!IsContinuationByte(c)) ++count;
    return count;
}

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
    return Characters(record, name + 6, close);
}

std::string GetKeyExplanation(int UsageID) {
    const std::string record = GetKeyContents(UsageID);
    if (record == CHORD_KEY_ERROR) return record;
    const int explanation = IndexOf_4(record, "Explanation");
    if (explanation < 0) return record;
    return Characters(record, explanation + 12, CharacterCount(record));
}

int IndexOf_4(const std::string& SearchFor, const std::string& Keyword) {
    if (Keyword.empty()) return 0;
    int character = 0;
    for (std::size_t offset = 0; offset < SearchFor.size(); ++offset) {
        if (IsContinuationByte(static_cast<unsigned char>(SearchFor[offset]))) continue;
        if (SearchFor.compare(offset, Keyword.size(), Keyword) == 0) return character;
        ++character;
    }
    return -1;
}

std::string ChordKeyListEntry(int i) { return "test" + std::to_string(i); }

}  // namespace tarvik::advanced
