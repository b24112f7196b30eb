// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Utf8Text.h"

namespace tarvik::utf8 {

namespace {
bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }
}  // namespace

std::vector<std::size_t> CharStarts(const std::string& text) {
    std::vector<std::size_t> starts;
    starts.reserve(text.size() + 1);
    for (std::size_t b = 0; b < text.size(); ++b) {
        // A leading stray continuation byte still counts, so no byte is ever dropped.
        if (!IsContinuation(static_cast<unsigned char>(text[b])) || starts.empty()) {
            starts.push_back(b);
        }
    }
    starts.push_back(text.size());
    return starts;
}

std::size_t CharCount(const std::string& text) { return CharStarts(text).size() - 1; }

std::string CharRange(const std::string& text, long first, long last) {
    const std::vector<std::size_t> starts = CharStarts(text);
    const long count = static_cast<long>(starts.size()) - 1;
    if (first < 0) first = 0;
    if (last >= count) last = count - 1;
    if (first > last) return {};
    const std::size_t from = starts[static_cast<std::size_t>(first)];
    const std::size_t to = starts[static_cast<std::size_t>(last) + 1];
    return text.substr(from, to - from);
}

}  // namespace tarvik::utf8
