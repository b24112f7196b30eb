// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/HotplugMonitor.h"

#include <libudev.h>

#include <QFileInfo>
#include <QList>
#include <QSocketNotifier>
#include <QTimer>
#include <cstring>
#include <utility>

namespace tarvik {

namespace {

// Events handled per wake-up; the rest wait for the next one so a storm cannot starve the GUI.
constexpr int kMaxEventsPerWake = 64;

}  // namespace

HotplugStrategy ChooseHotplugStrategy(bool udevRunning, bool monitorCreatable) {
    if (!monitorCreatable) return HotplugStrategy::Polling;
    // Without udevd nobody relays events on the "udev" source: it would stay silent forever.
    return udevRunning ? HotplugStrategy::UdevMonitor : HotplugStrategy::KernelMonitor;
}

const char* MonitorSourceName(HotplugStrategy strategy) {
    switch (strategy) {
        case HotplugStrategy::UdevMonitor: return "udev";
        case HotplugStrategy::KernelMonitor: return "kernel";
        case HotplugStrategy::Polling: break;
    }
    return nullptr;
}

HotplugMonitor::HotplugMonitor(const HotplugOptions& options, QObject* parent) : QObject(parent) {
    const bool udevRunning = QFileInfo(options.udevRunDir).isDir();
    bool created = false;
    if (!options.forcePolling) {
        const HotplugStrategy wanted = ChooseHotplugStrategy(udevRunning, true);
        created = StartMonitor(MonitorSourceName(wanted));
    }
    strategy_ = ChooseHotplugStrategy(udevRunning, created);
    if (strategy_ == HotplugStrategy::Polling) {
        timer_ = new QTimer(this);
        timer_->setInterval(options.pollIntervalMs > 0 ? options.pollIntervalMs : 1000);
        connect(timer_, &QTimer::timeout, this, &HotplugMonitor::pollTick);
        timer_->start();
    }
}

HotplugMonitor::~HotplugMonitor() {
    delete notifier_;  // before its descriptor goes away with the monitor
    notifier_ = nullptr;
    if (monitor_) udev_monitor_unref(monitor_);
    if (udev_) udev_unref(udev_);
}

bool HotplugMonitor::StartMonitor(const char* source) {
    if (!source) return false;
    udev_ = udev_new();
    if (udev_) monitor_ = udev_monitor_new_from_netlink(udev_, source);
    const bool ok = monitor_ && udev_monitor_filter_add_match_subsystem_devtype(monitor_, "hidraw", nullptr) >= 0 &&
                    udev_monitor_enable_receiving(monitor_) >= 0 && udev_monitor_get_fd(monitor_) >= 0;
    if (!ok) {
        if (monitor_) udev_monitor_unref(monitor_);
        if (udev_) udev_unref(udev_);
        monitor_ = nullptr;
        udev_ = nullptr;
        return false;
    }
    notifier_ = new QSocketNotifier(qintptr(udev_monitor_get_fd(monitor_)), QSocketNotifier::Read);
    connect(notifier_, &QSocketNotifier::activated, this, &HotplugMonitor::ReadEvents);
    return true;
}

void HotplugMonitor::ReadEvents() {
    if (!monitor_) return;
    // Take everything first, then tell: a receiver may run an event loop and come back here.
    QList<std::pair<bool, QString>> events;
    for (int i = 0; i < kMaxEventsPerWake; ++i) {
        udev_device* dev = udev_monitor_receive_device(monitor_);
        if (!dev) break;
        const char* subsystem = udev_device_get_subsystem(dev);
        const char* action = udev_device_get_action(dev);
        const char* node = udev_device_get_devnode(dev);
        // The kernel source is not filtered in the socket; check here.
        if (subsystem && action && std::strcmp(subsystem, "hidraw") == 0) {
            const QString devnode = node ? QString::fromLocal8Bit(node) : QString();
            if (std::strcmp(action, "add") == 0)
                events.append({true, devnode});
            else if (std::strcmp(action, "remove") == 0)
                events.append({false, devnode});
        }
        udev_device_unref(dev);
    }
    for (const auto& [added, devnode] : std::as_const(events)) {
        if (added)
            emit hidrawAdded(devnode);
        else
            emit hidrawRemoved(devnode);
    }
}

}  // namespace tarvik
