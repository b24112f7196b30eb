// Which interfaces count as the unit, and in what order a probe sees them.
#include <gtest/gtest.h>

#include "device/HidMatch.h"

namespace tarvik {
namespace {

constexpr int V = 0x1209;
constexpr int P = 0x0001;

struct MatchCase {
    const char* name;
    std::vector<HidInterfaceInfo> devices;
    QStringList expected;
};

class MatchingRule : public testing::TestWithParam<MatchCase> {};

TEST_P(MatchingRule, TakesOnlyTheVendorInterface) {
    EXPECT_EQ(MatchingUnitPaths(GetParam().devices, V, P, 0xFF00), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, MatchingRule,
    testing::Values(
        MatchCase{"Empty", {}, {}},
        MatchCase{"VendorInterface", {{"/dev/hidraw3", V, P, 0xFF00, 1, 2}}, {"/dev/hidraw3"}},
        MatchCase{"KeyboardInterfaceOfTheUnit", {{"/dev/hidraw1", V, P, 0x0001, 6, 0}}, {}},
        MatchCase{"MouseInterfaceOfTheUnit", {{"/dev/hidraw2", V, P, 0x0001, 2, 1}}, {}},
        MatchCase{"OtherVendor", {{"/dev/hidraw4", 0x046d, P, 0xFF00, 1, 0}}, {}},
        MatchCase{"OtherProduct", {{"/dev/hidraw4", V, 0x0002, 0xFF00, 1, 0}}, {}},
        MatchCase{"OtherVendorPage", {{"/dev/hidraw4", V, P, 0xFF01, 1, 0}}, {}},
        MatchCase{"EmptyPathIgnored", {{"", V, P, 0xFF00, 1, 0}}, {}},
        MatchCase{"AllThreeInterfaces",
                  {{"/dev/hidraw5", V, P, 0x0001, 6, 0},
                   {"/dev/hidraw6", V, P, 0x0001, 2, 1},
                   {"/dev/hidraw7", V, P, 0xFF00, 1, 2}},
                  {"/dev/hidraw7"}},
        MatchCase{"SameInterfaceListedPerCollection",
                  {{"/dev/hidraw7", V, P, 0xFF00, 1, 2}, {"/dev/hidraw7", V, P, 0xFF00, 2, 2}},
                  {"/dev/hidraw7"}},
        MatchCase{"TwoUnitsNumericOrder",
                  {{"/dev/hidraw10", V, P, 0xFF00, 1, 2},
                   {"/dev/hidraw9", V, P, 0xFF00, 1, 2},
                   {"/dev/hidraw2", V, P, 0xFF00, 1, 2}},
                  {"/dev/hidraw2", "/dev/hidraw9", "/dev/hidraw10"}},
        MatchCase{"DuplicatesAcrossUnits",
                  {{"/dev/hidraw11", V, P, 0xFF00, 1, 2},
                   {"/dev/hidraw3", V, P, 0xFF00, 1, 2},
                   {"/dev/hidraw11", V, P, 0xFF00, 1, 2}},
                  {"/dev/hidraw3", "/dev/hidraw11"}}),
    [](const testing::TestParamInfo<MatchCase>& info) { return std::string(info.param.name); });

TEST(MatchingRule, OrderDoesNotDependOnListingOrder) {
    std::vector<HidInterfaceInfo> forward = {{"/dev/hidraw1", V, P, 0xFF00, 1, 2},
                                             {"/dev/hidraw12", V, P, 0xFF00, 1, 2},
                                             {"/dev/hidraw3", V, P, 0xFF00, 1, 2}};
    std::vector<HidInterfaceInfo> backward(forward.rbegin(), forward.rend());
    EXPECT_EQ(MatchingUnitPaths(forward, V, P, 0xFF00), MatchingUnitPaths(backward, V, P, 0xFF00));
}

TEST(DevicePathOrder, ComparesNumbersByValue) {
    struct Case {
        const char* a;
        const char* b;
        bool less;
    };
    const Case cases[] = {
        {"/dev/hidraw2", "/dev/hidraw10", true},
        {"/dev/hidraw10", "/dev/hidraw2", false},
        {"/dev/hidraw2", "/dev/hidraw2", false},
        {"/dev/hidraw", "/dev/hidraw0", true},
        {"/dev/hidraw01", "/dev/hidraw1", true},  // equal by value: plain order decides
        {"/dev/hidraw1", "/dev/hidraw01", false},
        {"/dev/a9", "/dev/b1", true},
        {"1-2:1.0", "1-10:1.0", true},
    };
    for (const Case& c : cases) EXPECT_EQ(DevicePathLess(c.a, c.b), c.less) << c.a << " < " << c.b;
}

}  // namespace
}  // namespace tarvik
