// SPDX-License-Identifier: GPL-3.0-or-later
// tarvik-udev-probe DESCRIPTOR: exits 0 when the report descriptor at DESCRIPTOR declares the
// unit's command interface, 1 for any other interface, 2 when it cannot tell. The udev rule calls
// it for the unit's hidraw nodes only, with /sys%p/device/report_descriptor.
#include <cstdio>
#include <cstring>

#include "udev/DescriptorProbe.h"

int main(int argc, char** argv) {
    using namespace tarvik::probe;
    if (argc != 2 || argv[1][0] == '\0') {
        std::fputs("usage: tarvik-udev-probe REPORT-DESCRIPTOR\n", stderr);
        return PROBE_REFUSED;
    }
    const ProbeResult result = ProbeDescriptorFile(argv[1]);
    if (!result.message.empty()) std::fprintf(stderr, "tarvik-udev-probe: %s\n", result.message.c_str());
    return result.status;
}
