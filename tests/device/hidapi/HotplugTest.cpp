// Choosing how to hear about hidraw nodes, and the polling fallback ticking.
#include <gtest/gtest.h>

#include <QtCore/qtestsupport_core.h>

#include "device/HotplugMonitor.h"

namespace tarvik {
namespace {

TEST(HotplugStrategyChoice, UdevThenKernelThenPolling) {
    const struct {
        bool udevRunning; bool monitorCreatable; HotplugStrategy expected; const char* source;
    } cases[] = {
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

TEST(HotplugMonitor, WithoutUdevRunDirNeverListensToUdevd) {
    HotplugOptions options;
    options.udevRunDir = QStringLiteral("/nonexistent/run/udev");
    HotplugMonitor monitor(options);
    // Kernel monitor, or polling where this machine allows no netlink socket.
    EXPECT_NE(monitor.Strategy(), HotplugStrategy::UdevMonitor);
}

TEST(HotplugMonitor, PollingTicks) {
    HotplugOptions options;
    options.forcePolling = true;
    options.pollIntervalMs = 5;
    HotplugMonitor monitor(options);
    EXPECT_EQ(monitor.Strategy(), HotplugStrategy::Polling);
    int ticks = 0;
    QObject::connect(&monitor, &HotplugMonitor::pollTick, [&] { ++ticks; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }));
}

}  // namespace
}  // namespace tarvik
