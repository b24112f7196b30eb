// Choosing how to hear about hidraw nodes, and the polling fallback ticking.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstring>

#include "device/HotplugMonitor.h"

namespace tarvik {
namespace {

TEST(HotplugStrategyChoice, Table) {
    struct Case {
        bool udevRunning;
        bool monitorCreatable;
        HotplugStrategy expected;
        const char* source;
    };
    const Case cases[] = {
        {true, true, HotplugStrategy::UdevMonitor, "udev"},
        {false, true, HotplugStrategy::KernelMonitor, "kernel"},
        {true, false, HotplugStrategy::Polling, nullptr},
        {false, false, HotplugStrategy::Polling, nullptr},
    };
    for (const Case& c : cases) {
        const HotplugStrategy s = ChooseHotplugStrategy(c.udevRunning, c.monitorCreatable);
        EXPECT_EQ(s, c.expected) << c.udevRunning << c.monitorCreatable;
        if (c.source)
            EXPECT_STREQ(MonitorSourceName(s), c.source);
        else
            EXPECT_EQ(MonitorSourceName(s), nullptr);
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
    QElapsedTimer clock;
    clock.start();
    while (ticks < 2 && clock.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_GE(ticks, 2);
}

}  // namespace
}  // namespace tarvik
