// SPDX-License-Identifier: GPL-3.0-or-later
// Which interfaces count as the unit, in what order a probe sees them, how hidraw nodes are heard of.
#include <gtest/gtest.h>

#include <QtCore/qtestsupport_core.h>

#include "BackendRig.h"
#include "device/HidMatch.h"
#include "device/HotplugMonitor.h"

namespace tarvik::test {
namespace {

constexpr int V = vendorID;
constexpr int P = productID;

TEST(MatchingRule, TakesOnlyTheVendorInterfaceOncePerPathInNumericOrder) {
    const struct { const char* name; std::vector<HidInterfaceInfo> devices; QStringList expected; } cases[] = {
        {"empty", {}, {}},
        {"vendor interface", {Vendor("/dev/hidraw3")}, {"/dev/hidraw3"}},
        {"the unit's keyboard interface", {Keyboard("/dev/hidraw1")}, {}},
        {"other vendor", {{"/dev/hidraw4", 0x046d, P, 0xFF00, 1, 0}}, {}},
        {"other product", {{"/dev/hidraw4", V, P + 1, 0xFF00, 1, 0}}, {}},
        {"other vendor page", {{"/dev/hidraw4", V, P, 0xFF01, 1, 0}}, {}},
        {"no path", {{"", V, P, 0xFF00, 1, 0}}, {}},
        {"keyboard, mouse and vendor interfaces",
         {Keyboard("/dev/hidraw5"), {"/dev/hidraw6", V, P, 0x0001, 2, 1}, Vendor("/dev/hidraw7")}, {"/dev/hidraw7"}},
        {"one path listed per collection",
         {{"/dev/hidraw7", V, P, 0xFF00, 1, 2}, {"/dev/hidraw7", V, P, 0xFF00, 2, 2}}, {"/dev/hidraw7"}},
        {"three units listed backwards", {Vendor("/dev/hidraw10"), Vendor("/dev/hidraw9"), Vendor("/dev/hidraw2")},
         {"/dev/hidraw2", "/dev/hidraw9", "/dev/hidraw10"}},
        {"duplicates across units", {Vendor("/dev/hidraw11"), Vendor("/dev/hidraw3"), Vendor("/dev/hidraw11")},
         {"/dev/hidraw3", "/dev/hidraw11"}},
    };
    for (const auto& c : cases) EXPECT_EQ(MatchingUnitPaths(c.devices), c.expected) << c.name;
}

TEST(MatchingRule, PathOrderIsStrictWithNumbersByValue) {
    const struct { const char* a; const char* b; bool less; } cases[] = {
        {"/dev/hidraw2", "/dev/hidraw10", true}, {"/dev/hidraw10", "/dev/hidraw2", false},
        {"/dev/hidraw2", "/dev/hidraw2", false}, {"/dev/hidraw", "/dev/hidraw0", true},
        {"/dev/hidraw01", "/dev/hidraw1", true}, {"/dev/hidraw1", "/dev/hidraw01", false},
        {"1-2:1.0", "1-10:1.0", true},
    };
    for (const auto& c : cases) EXPECT_EQ(DevicePathLess(c.a, c.b), c.less) << c.a << " < " << c.b;
}

TEST(HotplugStrategyChoice, UdevThenKernelThenPolling) {
    const struct { bool udevRunning, monitorCreatable; HotplugStrategy expected; const char* source; } cases[] = {
        {true, true, HotplugStrategy::UdevMonitor, "udev"},
        {false, true, HotplugStrategy::KernelMonitor, "kernel"},
        {true, false, HotplugStrategy::Polling, nullptr},
        {false, false, HotplugStrategy::Polling, nullptr},
    };
    for (const auto& c : cases) {
        const HotplugStrategy s = ChooseHotplugStrategy(c.udevRunning, c.monitorCreatable);
        EXPECT_EQ(s, c.expected) << c.udevRunning << c.monitorCreatable;
        EXPECT_STREQ(MonitorSourceName(s), c.source);
    }
}

TEST(HotplugMonitor, WithoutUdevRunDirNeverListensToUdevdAndPollingTicks) {
    HotplugOptions options;
    options.udevRunDir = QStringLiteral("/nonexistent/run/udev");
    // Kernel monitor, or polling where this machine allows no netlink socket.
    EXPECT_NE(HotplugMonitor(options).Strategy(), HotplugStrategy::UdevMonitor);
    options.forcePolling = true;
    options.pollIntervalMs = 5;
    HotplugMonitor monitor(options);
    EXPECT_EQ(monitor.Strategy(), HotplugStrategy::Polling);
    int ticks = 0;
    QObject::connect(&monitor, &HotplugMonitor::pollTick, [&] { ++ticks; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }));
}

}  // namespace
}  // namespace tarvik::test
