// SPDX-License-Identifier: GPL-3.0-or-later
// Tells when hidraw nodes come and go. Prefers udevd's monitor (events after the rules have set the
// node's permissions); where udevd is not running it listens to the kernel directly; where no
// netlink monitor can be had it only ticks once a second so the owner can re-enumerate.
#pragma once

#include <QObject>
#include <QString>

struct udev;
struct udev_monitor;
class QSocketNotifier;
class QTimer;

namespace tarvik {

enum class HotplugStrategy { UdevMonitor, KernelMonitor, Polling };

// The strategy for a machine: `udevRunning` is whether udevd's runtime directory exists,
// `monitorCreatable` whether the netlink monitor for that choice could be made.
HotplugStrategy ChooseHotplugStrategy(bool udevRunning, bool monitorCreatable);

// Netlink source name libudev expects for a monitor strategy ("udev" or "kernel"); null for polling.
const char* MonitorSourceName(HotplugStrategy strategy);

struct HotplugOptions {
    // Present while udevd runs; absent in most containers.
    QString udevRunDir = QStringLiteral("/run/udev");
    // Period of the re-enumeration when there is no monitor.
    int pollIntervalMs = 1000;
    // Skip the netlink monitors (tests, and machines where they are known not to deliver).
    bool forcePolling = false;
};

class HotplugMonitor : public QObject {
    Q_OBJECT
public:
    explicit HotplugMonitor(const HotplugOptions& options = {}, QObject* parent = nullptr);
    ~HotplugMonitor() override;

    HotplugMonitor(const HotplugMonitor&) = delete;
    HotplugMonitor& operator=(const HotplugMonitor&) = delete;

    HotplugStrategy Strategy() const { return strategy_; }

signals:
    // A hidraw node was added or removed (its /dev path; empty when the event carried none).
    void hidrawAdded(const QString& devnode);
    void hidrawRemoved(const QString& devnode);
    // Polling only: time to re-enumerate and compare.
    void pollTick();

private:
    bool StartMonitor(const char* source);
    void ReadEvents();

    HotplugStrategy strategy_ = HotplugStrategy::Polling;
    udev* udev_ = nullptr;
    udev_monitor* monitor_ = nullptr;
    QSocketNotifier* notifier_ = nullptr;
    QTimer* timer_ = nullptr;
};

}  // namespace tarvik
