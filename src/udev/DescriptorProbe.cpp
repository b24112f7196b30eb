// SPDX-License-Identifier: GPL-3.0-or-later
#include "udev/DescriptorProbe.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "device/ReportDescriptor.h"

namespace tarvik::probe {

ProbeResult ProbeDescriptor(const std::uint8_t* data, std::size_t size) {
    switch (DescribesCommandInterface(data, size)) {
    case CommandInterface::Yes: return {PROBE_COMMAND_INTERFACE, {}};
    case CommandInterface::No: return {PROBE_OTHER_INTERFACE, {}};
    case CommandInterface::Malformed: return {PROBE_REFUSED, "malformed report descriptor"};
    case CommandInterface::TooLarge: break;
    }
    return {PROBE_REFUSED, "report descriptor larger than " + std::to_string(MAX_REPORT_DESCRIPTOR_BYTES) + " bytes"};
}

ProbeResult ProbeDescriptorFile(const char* path) {
    const auto failed = [path](int err) {
        return ProbeResult{PROBE_REFUSED, std::string(path) + ": " + std::strerror(err)};
    };
    // Without blocking, and not through a link in place of the file: a sysfs attribute is neither a
    // FIFO nor a link, so anything else is suspect.
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return failed(errno);
    std::vector<std::uint8_t> bytes(MAX_REPORT_DESCRIPTOR_BYTES + 1);
    std::size_t used = 0;
    while (used < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + used, bytes.size() - used);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int err = errno;
            ::close(fd);
            return failed(err);
        }
        if (n == 0) break;
        used += static_cast<std::size_t>(n);
    }
    ::close(fd);
    ProbeResult result = ProbeDescriptor(bytes.data(), used);
    if (!result.message.empty()) result.message = std::string(path) + ": " + result.message;
    return result;
}

}  // namespace tarvik::probe
