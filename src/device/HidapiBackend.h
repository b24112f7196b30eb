// The real unit, through hidapi's hidraw backend. One I/O thread per open unit makes every call on
// its hid_device (write, read, close): hidapi 0.13 is not safe with a read on one thread and a write
// on another. Input reports and write results are posted back to the thread that owns this object.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "device/HidBackend.h"
#include "device/HidMatch.h"
#include "device/HotplugMonitor.h"

namespace tarvik {

// An open device as the I/O thread sees it. Every member, the destructor (which closes) included,
// is called on the I/O thread only. Return values as hidapi's: bytes done, or -1 on error.
class HidChannel {
public:
    virtual ~HidChannel() = default;
    virtual int Write(const unsigned char* data, std::size_t length) = 0;
    virtual int ReadTimeout(unsigned char* data, std::size_t length, int milliseconds) = 0;
    // Why the last call failed.
    virtual QString Error() = 0;
};

struct HidapiBackendOptions {
    // Lists HID interfaces; empty: hid_enumerate for our vendor and product ID.
    std::function<std::vector<HidInterfaceInfo>()> listInterfaces;
    // Opens a device; on failure returns null and says why. Empty: hid_open_path.
    std::function<std::unique_ptr<HidChannel>(const QString& path, OpenResult& why, QString& error)> openChannel;
    HotplugOptions hotplug;
    // Longest a queued write waits for the read in progress; also how soon Close() returns.
    int readTimeoutMs = 20;
};

// Why opening a node failed: `exists` and `isHidraw` from stat and sysfs, `openErrno` from the open,
// `accessDenied` whether access(R_OK | W_OK) refused this user.
OpenResult ClassifyOpenFailure(bool exists, bool isHidraw, int openErrno, bool accessDenied);

class HidapiBackend : public HidBackend {
    Q_OBJECT
public:
    explicit HidapiBackend(QObject* parent = nullptr);
    explicit HidapiBackend(HidapiBackendOptions options, QObject* parent = nullptr);
    ~HidapiBackend() override;

    HidapiBackend(const HidapiBackend&) = delete;
    HidapiBackend& operator=(const HidapiBackend&) = delete;

    QStringList Enumerate() override;
    // PermissionDenied when the node exists but this user may not read and write it (no udev rule);
    // NoUnit when the node is gone; Failed otherwise, also for anything that is not a hidraw node.
    // LastError() has the details.
    OpenResult Open(const QString& path) override;
    // Stops the I/O thread and closes the device. Results not yet delivered are dropped.
    void Close() override;
    bool IsOpen() const override;
    QString OpenPath() const override;
    // Queues the report for the I/O thread, which sends it with report ID 0 in front. A report of
    // another length is padded with zeros or cut to 16 bytes. Without an open unit writeDone(false)
    // is emitted at once.
    void Write(const QByteArray& report) override;
    QString LastError() const override;

    HotplugMonitor& Monitor() { return *monitor_; }

private:
    struct IoThread;

    void Rescan();
    void OnHidrawAdded(const QString& devnode);
    void OnHidrawRemoved(const QString& devnode);
    void OnReadFailed(unsigned generation, const QString& error);
    // Closes and tells that the unit at `path` went away.
    void LoseOpenUnit(const QString& path);

    HidapiBackendOptions options_;
    HotplugMonitor* monitor_ = nullptr;
    std::unique_ptr<IoThread> io_;
    QString openPath_;
    QString lastError_;
    // Matching units as last seen, to tell arrivals and removals apart.
    QStringList known_;
    // Grows on every Open and Close; results posted by an earlier session are dropped.
    unsigned generation_ = 0;
};

}  // namespace tarvik
