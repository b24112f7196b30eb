// SPDX-License-Identifier: GPL-3.0-or-later
// Character-wise views of UTF-8 text: the key records mix ASCII and Japanese, and their cut-outs
// count characters (code points), never bytes.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tarvik::utf8 {

// Byte offset of every character's first byte, plus the text's byte length at the end.
// A byte that is not a UTF-8 continuation byte starts a character, so malformed text still splits
// into whole bytes and never into positions outside the text.
std::vector<std::size_t> CharStarts(const std::string& text);

// Number of characters of text.
std::size_t CharCount(const std::string& text);

// Characters first..last of text, both included; empty when the range holds no character of text.
std::string CharRange(const std::string& text, long first, long last);

}  // namespace tarvik::utf8
