// SPDX-License-Identifier: GPL-3.0-or-later
#include <set>

#include "FuzzEntries.h"
#include "device/ReportDescriptor.h"

namespace tarvik::fuzz {

namespace {

bool EachOnce(const std::vector<std::uint32_t>& values) {
    return std::set<std::uint32_t>(values.begin(), values.end()).size() == values.size();
}

}  // namespace

Problem ReportDescriptor(const std::uint8_t* data, std::size_t size) {
    const ReportDescriptorPages pages = ParseReportDescriptorPages(data, size);
    if (!EachOnce(pages.usagePages)) return "a usage page listed twice";
    if (!EachOnce(pages.topLevelUsagePages)) return "a top-level usage page listed twice";
    // Every item takes at least one byte.
    if (pages.usagePages.size() > size || pages.topLevelUsagePages.size() > size) return "more pages than bytes";
    return {};
}

}  // namespace tarvik::fuzz
