// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/ReportDescriptor.h"

#include <algorithm>

#include "model/ProtocolConstants.h"

namespace tarvik {

namespace {

// Report descriptor item types and tags (HID 1.11, 6.2.2).
constexpr int kTypeMain = 0;
constexpr int kTypeGlobal = 1;
constexpr int kTypeLocal = 2;
constexpr int kMainCollection = 0xA;
constexpr int kMainEndCollection = 0xC;
constexpr int kGlobalUsagePage = 0x0;
constexpr int kGlobalPush = 0xA;
constexpr int kGlobalPop = 0xB;
constexpr int kLocalUsage = 0x0;
constexpr std::uint8_t kLongItemPrefix = 0xFE;
// Real descriptors push a level or two; more is a broken or hostile descriptor.
constexpr std::size_t kMaxPushDepth = 32;

void AddOnce(std::vector<std::uint32_t>& values, std::uint32_t value) {
    if (std::find(values.begin(), values.end(), value) == values.end()) values.push_back(value);
}

std::uint32_t LittleEndian(const std::uint8_t* p, std::size_t n) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < n; ++i) v |= std::uint32_t(p[i]) << (8 * i);
    return v;
}

}  // namespace

ReportDescriptorPages ParseReportDescriptorPages(const std::uint8_t* data, std::size_t size) {
    ReportDescriptorPages out;
    if (!data) size = 0;

    std::uint32_t usagePage = 0;
    std::vector<std::uint32_t> pushed;
    // The page a 4-byte Usage names for the collection that follows, if any.
    bool extendedUsage = false;
    std::uint32_t extendedPage = 0;
    std::size_t depth = 0;

    std::size_t pos = 0;
    while (pos < size) {
        const std::uint8_t prefix = data[pos];
        if (prefix == kLongItemPrefix) {
            // Long item: prefix, data size, tag, data. No long item carries a usage page.
            if (size - pos < 3) {
                out.malformed = true;
                break;
            }
            const std::size_t dataSize = data[pos + 1];
            if (size - pos - 3 < dataSize) {
                out.malformed = true;
                break;
            }
            pos += 3 + dataSize;
            continue;
        }
        const std::size_t dataSize = (prefix & 3) == 3 ? 4 : (prefix & 3);
        const int type = (prefix >> 2) & 3;
        const int tag = (prefix >> 4) & 0xF;
        if (size - pos - 1 < dataSize) {
            out.malformed = true;
            break;
        }
        const std::uint32_t value = LittleEndian(data + pos + 1, dataSize);
        pos += 1 + dataSize;

        if (type == kTypeGlobal) {
            if (tag == kGlobalUsagePage) {
                usagePage = value;
                AddOnce(out.usagePages, value);
            } else if (tag == kGlobalPush) {
                if (pushed.size() >= kMaxPushDepth) {
                    out.malformed = true;
                    break;
                }
                pushed.push_back(usagePage);
            } else if (tag == kGlobalPop) {
                if (pushed.empty()) {
                    out.malformed = true;
                } else {
                    usagePage = pushed.back();
                    pushed.pop_back();
                }
            }
        } else if (type == kTypeLocal) {
            if (tag == kLocalUsage) {
                extendedUsage = dataSize == 4;
                extendedPage = value >> 16;
            }
        } else if (type == kTypeMain) {
            if (tag == kMainCollection) {
                if (depth == 0) AddOnce(out.topLevelUsagePages, extendedUsage ? extendedPage : usagePage);
                ++depth;
            } else if (tag == kMainEndCollection) {
                if (depth == 0)
                    out.malformed = true;
                else
                    --depth;
            }
            // Local items apply to the next main item only.
            extendedUsage = false;
        }
    }
    // The kernel refuses a descriptor that leaves a collection open.
    if (depth != 0) out.malformed = true;
    return out;
}

CommandInterface DescribesCommandInterface(const std::uint8_t* data, std::size_t size) {
    if (size > MAX_REPORT_DESCRIPTOR_BYTES) return CommandInterface::TooLarge;
    const ReportDescriptorPages pages = ParseReportDescriptorPages(data, size);
    if (pages.malformed) return CommandInterface::Malformed;
    const auto& top = pages.topLevelUsagePages;
    return std::find(top.begin(), top.end(), std::uint32_t(VENDOR_USAGE_PAGE)) != top.end() ? CommandInterface::Yes
                                                                                            : CommandInterface::No;
}

}  // namespace tarvik
