// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <set>

#include "FuzzEntries.h"
#include "device/ReportDescriptor.h"
#include "udev/DescriptorProbe.h"

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

    // The udev probe, which runs as root on these bytes, opens the node only for what doctor calls
    // the configuration interface, and says why whenever it cannot tell.
    const probe::ProbeResult verdict = probe::ProbeDescriptor(data, size);
    const auto& top = pages.topLevelUsagePages;
    const bool vendor = std::find(top.begin(), top.end(), 0xFF00u) != top.end();
    const bool command = size <= MAX_REPORT_DESCRIPTOR_BYTES && !pages.malformed && vendor;
    if ((verdict.status == probe::PROBE_COMMAND_INTERFACE) != command) return "the probe disagrees with the parser";
    if ((verdict.status == probe::PROBE_REFUSED) == verdict.message.empty()) return "a refusal without a message";
    return {};
}

}  // namespace tarvik::fuzz
