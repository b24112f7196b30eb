// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/HidapiBackend.h"

#include <QMetaObject>
#include <algorithm>
#include <cstring>
#include <system_error>
#include <utility>

#include "device/HidapiAccess.h"
#include "model/ProtocolConstants.h"

namespace tarvik {

HidapiBackend::HidapiBackend(QObject* parent) : HidapiBackend(HidapiBackendOptions{}, parent) {}

HidapiBackend::HidapiBackend(HidapiBackendOptions options, QObject* parent)
    : HidBackend(parent), options_(std::move(options)) {
    if (!options_.listInterfaces) options_.listInterfaces = ListWithHidapi;
    if (!options_.openChannel) options_.openChannel = OpenWithHidapi;
    if (options_.io.readSliceMs <= 0) options_.io.readSliceMs = HidIoTiming{}.readSliceMs;

    known_ = Enumerate();
    monitor_ = new HotplugMonitor(options_.hotplug, this);
    connect(monitor_, &HotplugMonitor::hidrawAdded, this, &HidapiBackend::OnHidrawAdded);
    connect(monitor_, &HotplugMonitor::hidrawRemoved, this, &HidapiBackend::OnHidrawRemoved);
    connect(monitor_, &HotplugMonitor::pollTick, this, &HidapiBackend::Rescan);
}

HidapiBackend::~HidapiBackend() {
    Close();
    delete monitor_;
    monitor_ = nullptr;
}

QStringList HidapiBackend::Enumerate() { return MatchingUnitPaths(options_.listInterfaces()); }

QString HidapiBackend::SerialNumberOf(const QString& path) {
    for (const HidInterfaceInfo& info : options_.listInterfaces()) {
        if (info.path == path && !info.serial.isEmpty()) return info.serial;
    }
    return {};
}

OpenResult HidapiBackend::Open(const QString& path) {
    Close();
    OpenResult why = OpenResult::Failed;
    QString error;
    std::unique_ptr<HidChannel> channel = options_.openChannel(path, why, error);
    if (!channel) {
        lastError_ = error.isEmpty() ? QStringLiteral("%1: cannot open").arg(path) : error;
        return why == OpenResult::Opened ? OpenResult::Failed : why;
    }

    const unsigned generation = ++generation_;
    try {
        io_ = std::make_unique<HidIoThread>(std::move(channel), options_.io, EventsFor(generation));
    } catch (const std::system_error& e) {
        lastError_ = QStringLiteral("%1: cannot start the I/O thread (%2)").arg(path, QString::fromLocal8Bit(e.what()));
        return OpenResult::Failed;
    }
    openPath_ = path;
    lastError_.clear();
    return OpenResult::Opened;
}

template <class Call>
void HidapiBackend::Post(unsigned generation, Call call) {
    QMetaObject::invokeMethod(
        this,
        [this, generation, call = std::move(call)] {
            if (generation == generation_ && io_) call();
        },
        Qt::QueuedConnection);
}

// The I/O thread calls these; they run nothing but a post. `this` stays valid for them: the thread
// reports nothing once Close() has returned, and Close() runs before this object goes.
HidIoEvents HidapiBackend::EventsFor(unsigned generation) {
    HidIoEvents events;
    events.writeDone = [this, generation](bool ok, const QString& error) {
        Post(generation, [this, ok, error] {
            if (!ok) lastError_ = QStringLiteral("write failed: %1").arg(error);
            emit writeDone(ok);
        });
    };
    events.input = [this, generation](const QByteArray& report) {
        Post(generation, [this, report] { emit inputReport(report); });
    };
    events.readFailed = [this, generation](const QString& error) {
        Post(generation, [this, error] { OnReadFailed(error); });
    };
    return events;
}

void HidapiBackend::Close() {
    if (io_) {
        io_->Stop();
        io_.reset();
        ++generation_;
    }
    openPath_.clear();
}

bool HidapiBackend::IsOpen() const { return io_ != nullptr; }

QString HidapiBackend::OpenPath() const { return openPath_; }

void HidapiBackend::Write(const QByteArray& report) {
    if (!io_) {
        lastError_ = QStringLiteral("no unit is open");
        emit writeDone(false);
        return;
    }
    // Report ID 0 first: the unit's reports are unnumbered.
    QByteArray out(1 + REPORT_SIZE, '\0');
    std::memcpy(out.data() + 1, report.constData(), std::size_t(std::min<qsizetype>(report.size(), REPORT_SIZE)));
    if (!io_->Queue(out)) {
        lastError_ = QStringLiteral("write failed: the unit does not take reports");
        emit writeDone(false);
    }
}

QString HidapiBackend::LastError() const { return lastError_; }

void HidapiBackend::Rescan() {
    const QStringList now = Enumerate();
    QStringList gone, came;
    for (const QString& p : std::as_const(known_))
        if (!now.contains(p)) gone.append(p);
    for (const QString& p : now)
        if (!known_.contains(p)) came.append(p);
    known_ = now;
    for (const QString& p : std::as_const(gone)) {
        if (IsOpen() && p == openPath_)
            LoseOpenUnit(p);
        else
            emit removed(p);
    }
    for (const QString& p : std::as_const(came)) emit arrived(p);
}

void HidapiBackend::OnHidrawAdded(const QString&) {
    // Only enumeration tells whether the new node is our unit's vendor interface.
    Rescan();
}

void HidapiBackend::OnHidrawRemoved(const QString& devnode) {
    if (!devnode.isEmpty() && IsOpen() && devnode == openPath_) {
        known_.removeAll(devnode);
        LoseOpenUnit(devnode);
        return;
    }
    if (!devnode.isEmpty() && known_.contains(devnode)) {
        known_.removeAll(devnode);
        emit removed(devnode);
        return;
    }
    Rescan();
}

void HidapiBackend::OnReadFailed(const QString& error) {
    const QString path = openPath_;
    lastError_ = QStringLiteral("%1: read failed (%2)").arg(path, error);
    known_.removeAll(path);
    LoseOpenUnit(path);
}

void HidapiBackend::LoseOpenUnit(const QString& path) {
    Close();
    emit removed(path);
}

}  // namespace tarvik
