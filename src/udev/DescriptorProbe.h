// SPDX-License-Identifier: GPL-3.0-or-later
// tarvik-udev-probe's decision: whether a hidraw node's report descriptor makes it the unit's
// command interface, the only node of the unit the udev rule opens to the user at the seat. udev
// runs it as root on bytes a device chose; without Qt, it reads one file of a bounded size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tarvik::probe {

// The exit statuses: only PROBE_COMMAND_INTERFACE has udev tag the node.
inline constexpr int PROBE_COMMAND_INTERFACE = 0;
inline constexpr int PROBE_OTHER_INTERFACE = 1;   // keyboard, mouse, anything but the vendor page
inline constexpr int PROBE_REFUSED = 2;           // unreadable, malformed, too large, bad usage

struct ProbeResult {
    int status = PROBE_REFUSED;
    std::string message;  // for standard error; empty for the two answers
};

// The verdict on a descriptor's bytes.
ProbeResult ProbeDescriptor(const std::uint8_t* data, std::size_t size);
// Reads the descriptor at `path` (at most one byte more than a descriptor may hold) and judges it.
ProbeResult ProbeDescriptorFile(const char* path);

}  // namespace tarvik::probe
