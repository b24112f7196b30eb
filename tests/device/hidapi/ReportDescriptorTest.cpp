// Usage pages out of report descriptors as devices send them, and as broken ones might.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "device/Diagnostics.h"

namespace tarvik {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Pages = std::vector<std::uint32_t>;

struct DescriptorCase {
    const char* name;
    Bytes bytes;
    Pages all;
    Pages topLevel;
    bool malformed;
};

class ReportDescriptor : public testing::TestWithParam<DescriptorCase> {};

TEST_P(ReportDescriptor, Pages) {
    const DescriptorCase& c = GetParam();
    const ReportDescriptorPages pages = ParseReportDescriptorPages(c.bytes.data(), c.bytes.size());
    EXPECT_EQ(pages.usagePages, c.all);
    EXPECT_EQ(pages.topLevelUsagePages, c.topLevel);
    EXPECT_EQ(pages.malformed, c.malformed);
}

// A vendor interface with 16-byte reports both ways, no report ID.
const Bytes kVendor = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08,
                       0x95, 0x10, 0x09, 0x01, 0x81, 0x02, 0x95, 0x10, 0x09, 0x01, 0x91, 0x02, 0xC0};
// A boot keyboard: Generic Desktop, with Keyboard and LED pages inside the collection.
const Bytes kKeyboard = {0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7, 0x15,
                         0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0x05, 0x08, 0x19, 0x01,
                         0x29, 0x05, 0x95, 0x05, 0x91, 0x02, 0xC0};

Bytes Concat(const Bytes& a, const Bytes& b) {
    Bytes out = a;
    out.insert(out.end(), b.begin(), b.end());
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Descriptors, ReportDescriptor,
    testing::Values(
        DescriptorCase{"Empty", {}, {}, {}, false},
        DescriptorCase{"Vendor", kVendor, {0xFF00}, {0xFF00}, false},
        DescriptorCase{"Keyboard", kKeyboard, {0x01, 0x07, 0x08}, {0x01}, false},
        DescriptorCase{"KeyboardThenVendor", Concat(kKeyboard, kVendor), {0x01, 0x07, 0x08, 0xFF00}, {0x01, 0xFF00}, false},
        DescriptorCase{"VendorPageInsideKeyboardCollection",
                       {0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x06, 0x00, 0xFF, 0x09, 0x01, 0x81, 0x02, 0xC0},
                       {0x01, 0xFF00},
                       {0x01},
                       false},
        DescriptorCase{"OneBytePage", {0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0xC0}, {0x0C}, {0x0C}, false},
        DescriptorCase{"FourBytePage", {0x07, 0x00, 0xFF, 0x00, 0x00, 0xA1, 0x01, 0xC0}, {0xFF00}, {0xFF00}, false},
        DescriptorCase{"ZeroSizePage", {0x04, 0xA1, 0x01, 0xC0}, {0x00}, {0x00}, false},
        DescriptorCase{"ExtendedUsageNamesThePage",
                       {0x05, 0x01, 0x0B, 0x01, 0x00, 0x00, 0xFF, 0xA1, 0x01, 0xC0},
                       {0x01},
                       {0xFF00},
                       false},
        DescriptorCase{"UsageForgottenAfterMainItem",
                       {0x05, 0x01, 0x0B, 0x01, 0x00, 0x00, 0xFF, 0x81, 0x02, 0xA1, 0x01, 0xC0},
                       {0x01},
                       {0x01},
                       false},
        DescriptorCase{"LongItemSkipped",
                       {0xFE, 0x03, 0xF0, 0x06, 0x00, 0xFF, 0x05, 0x0C, 0xA1, 0x01, 0xC0},
                       {0x0C},
                       {0x0C},
                       false},
        DescriptorCase{"PushPopRestoresPage",
                       {0x05, 0x01, 0xA4, 0x06, 0x00, 0xFF, 0xB4, 0xA1, 0x01, 0xC0},
                       {0x01, 0xFF00},
                       {0x01},
                       false},
        DescriptorCase{"TruncatedPage", {0x05, 0x01, 0x06, 0x00}, {0x01}, {}, true},
        DescriptorCase{"TruncatedFourBytePage", {0x07, 0x00, 0xFF}, {}, {}, true},
        DescriptorCase{"TruncatedLongItemHeader", {0x05, 0x0C, 0xFE, 0x05}, {0x0C}, {}, true},
        DescriptorCase{"TruncatedLongItemData", {0xFE, 0x10, 0x00, 0x06, 0x00, 0xFF}, {}, {}, true},
        DescriptorCase{"PopWithoutPush", {0xB4, 0x05, 0x01, 0xA1, 0x01, 0xC0}, {0x01}, {0x01}, true},
        DescriptorCase{"EndWithoutCollection", {0xC0, 0x05, 0x0C, 0xA1, 0x01, 0xC0}, {0x0C}, {0x0C}, true},
        DescriptorCase{"NestedCollectionsNotTopLevel",
                       {0x05, 0x01, 0xA1, 0x01, 0x05, 0x09, 0xA1, 0x00, 0xC0, 0xC0},
                       {0x01, 0x09},
                       {0x01},
                       false}),
    [](const testing::TestParamInfo<DescriptorCase>& info) { return std::string(info.param.name); });

TEST(ReportDescriptorLimits, DeepPushStopsAsMalformed) {
    Bytes bytes = {0x06, 0x00, 0xFF};
    bytes.insert(bytes.end(), 1000, 0xA4);  // Push, a thousand times
    const ReportDescriptorPages pages = ParseReportDescriptorPages(bytes.data(), bytes.size());
    EXPECT_TRUE(pages.malformed);
    EXPECT_EQ(pages.usagePages, Pages{0xFF00});
}

TEST(ReportDescriptorLimits, NoDataReadsNothing) {
    const ReportDescriptorPages pages = ParseReportDescriptorPages(nullptr, 12);
    EXPECT_TRUE(pages.usagePages.empty());
    EXPECT_FALSE(pages.malformed);
}

TEST(ReportDescriptorLimits, EveryPrefixOfARealDescriptorIsSafe) {
    // Each cut must parse without reading past the end (the sanitizer build checks the reads).
    const Bytes whole = Concat(kKeyboard, kVendor);
    for (std::size_t n = 0; n <= whole.size(); ++n) {
        const Bytes cut(whole.begin(), whole.begin() + std::ptrdiff_t(n));
        const ReportDescriptorPages pages = ParseReportDescriptorPages(cut.data(), cut.size());
        EXPECT_LE(pages.topLevelUsagePages.size(), 2u) << n;
    }
}

}  // namespace
}  // namespace tarvik
