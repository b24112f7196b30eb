// SPDX-License-Identifier: GPL-3.0-or-later
// The usage pages a HID report descriptor declares. Plain C++ without Qt: both `tarvikctl doctor`
// and the udev probe, which runs as root on bytes a device chose, read descriptors through it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarvik {

// The kernel keeps no longer descriptor; a longer one did not come from a device through it.
inline constexpr std::size_t MAX_REPORT_DESCRIPTOR_BYTES = 4096;

// Usage pages found in a HID report descriptor.
struct ReportDescriptorPages {
    // Value of every Usage Page item, each value once, in order of appearance.
    std::vector<std::uint32_t> usagePages;
    // Usage page of each top-level collection (what hidapi lists per interface), each value once,
    // in order. A 4-byte Usage in front of the collection supplies the page in its high half.
    std::vector<std::uint32_t> topLevelUsagePages;
    // The descriptor ended inside an item or a collection, or nesting went beyond what a sane
    // descriptor uses.
    // Everything read before that point is still reported.
    bool malformed = false;
};

// Parses the short and long items of a report descriptor. Never reads outside [data, data + size).
ReportDescriptorPages ParseReportDescriptorPages(const std::uint8_t* data, std::size_t size);

// Whether a descriptor makes its node the unit's command interface: a well-formed descriptor of at
// most MAX_REPORT_DESCRIPTOR_BYTES with a top-level collection on the vendor page.
enum class CommandInterface { Yes, No, Malformed, TooLarge };
CommandInterface DescribesCommandInterface(const std::uint8_t* data, std::size_t size);

}  // namespace tarvik
