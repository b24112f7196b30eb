// SPDX-License-Identifier: GPL-3.0-or-later
// The real unit, through hidapi's hidraw backend. Each open unit gets one I/O thread that makes
// every call on it (HidIoThread); it reads only while an answer is awaited, so an idle unit costs
// nothing. Input reports and write results are posted back to the thread that owns this object.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "device/HidBackend.h"
#include "device/HidChannel.h"
#include "device/HidIoThread.h"
#include "device/HidMatch.h"
#include "device/HotplugMonitor.h"

namespace tarvik {

struct HidapiBackendOptions {
    // Lists HID interfaces; empty: hid_enumerate for our vendor and product ID.
    std::function<std::vector<HidInterfaceInfo>()> listInterfaces;
    // Opens a device; on failure returns null and says why. Empty: hid_open_path.
    std::function<std::unique_ptr<HidChannel>(const QString& path, OpenResult& why, QString& error)> openChannel;
    HotplugOptions hotplug;
    // The I/O thread's read slice, answer deadline and how long Close() waits for it.
    HidIoTiming io;
};

class HidapiBackend : public HidBackend {
    Q_OBJECT
public:
    explicit HidapiBackend(QObject* parent = nullptr);
    explicit HidapiBackend(HidapiBackendOptions options, QObject* parent = nullptr);
    ~HidapiBackend() override;

    HidapiBackend(const HidapiBackend&) = delete;
    HidapiBackend& operator=(const HidapiBackend&) = delete;

    QStringList Enumerate() override;
    QString SerialNumberOf(const QString& path) override;
    // PermissionDenied when the node exists but this user may not read and write it (no udev rule);
    // NoUnit when the node is gone; Failed otherwise, also for anything that is not a hidraw node.
    // LastError() has the details.
    OpenResult Open(const QString& path) override;
    // Stops the I/O thread and closes the device; returns within io.stopWaitMs even while a read or
    // write is in progress (the thread then closes the device when that call returns). Nothing of
    // the closed session is delivered afterwards.
    void Close() override;
    bool IsOpen() const override;
    QString OpenPath() const override;
    // Queues the report for the I/O thread, which sends it with report ID 0 in front and then reads
    // its answer. A report of another length is padded with zeros or cut to 16 bytes. Without an
    // open unit writeDone(false) is emitted at once.
    void Write(const QByteArray& report) override;
    QString LastError() const override;

    HotplugMonitor& Monitor() { return *monitor_; }

private:
    HidIoEvents EventsFor(unsigned generation);
    void Rescan();
    void OnHidrawAdded(const QString& devnode);
    void OnHidrawRemoved(const QString& devnode);
    void OnReadFailed(const QString& error);
    // Closes and tells that the unit at `path` went away.
    void LoseOpenUnit(const QString& path);
    // Runs `call` on this object's thread unless the session `generation` has ended by then.
    template <class Call>
    void Post(unsigned generation, Call call);

    HidapiBackendOptions options_;
    HotplugMonitor* monitor_ = nullptr;
    std::unique_ptr<HidIoThread> io_;
    QString openPath_;
    QString lastError_;
    // Matching units as last seen, to tell arrivals and removals apart.
    QStringList known_;
    // Grows on every Open and Close; results posted by an earlier session are dropped.
    unsigned generation_ = 0;
};

}  // namespace tarvik
