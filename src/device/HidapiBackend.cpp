#include "device/HidapiBackend.h"

#include <hidapi/hidapi.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

#include "model/ProtocolConstants.h"

namespace tarvik {

namespace {

// Room for any report the unit could send; only the first REPORT_SIZE bytes are used.
constexpr std::size_t kReadBufferSize = 256;
// Writes are one per exchange; a longer queue means the unit stopped taking them.
constexpr std::size_t kMaxPendingWrites = 64;

void EnsureHidInit() {
    static std::once_flag once;
    std::call_once(once, [] {
        hid_init();
        std::atexit([] { hid_exit(); });
    });
}

QString HidErrorText(hid_device* dev) {
    const wchar_t* text = hid_error(dev);
    return text ? QString::fromWCharArray(text) : QString();
}

class HidapiChannel final : public HidChannel {
public:
    explicit HidapiChannel(hid_device* dev) : dev_(dev) {}
    ~HidapiChannel() override { hid_close(dev_); }
    HidapiChannel(const HidapiChannel&) = delete;
    HidapiChannel& operator=(const HidapiChannel&) = delete;

    int Write(const unsigned char* data, std::size_t length) override { return hid_write(dev_, data, length); }
    int ReadTimeout(unsigned char* data, std::size_t length, int milliseconds) override {
        return hid_read_timeout(dev_, data, length, milliseconds);
    }
    QString Error() override { return HidErrorText(dev_); }

private:
    hid_device* dev_;
};

std::vector<HidInterfaceInfo> ListWithHidapi() {
    EnsureHidInit();
    std::vector<HidInterfaceInfo> list;
    hid_device_info* all = hid_enumerate(static_cast<unsigned short>(vendorID), static_cast<unsigned short>(productID));
    for (const hid_device_info* d = all; d; d = d->next) {
        if (!d->path) continue;
        list.push_back({QFile::decodeName(d->path), d->vendor_id, d->product_id, d->usage_page, d->usage,
                        d->interface_number});
    }
    hid_free_enumeration(all);
    return list;
}

// The node's sysfs subsystem, from its device number; empty when it cannot be told.
QString CharDeviceSubsystem(const struct stat& st) {
    const QByteArray link = QStringLiteral("/sys/dev/char/%1:%2/subsystem")
                                .arg(major(st.st_rdev))
                                .arg(minor(st.st_rdev))
                                .toLocal8Bit();
    char target[PATH_MAX];
    const ssize_t n = ::readlink(link.constData(), target, sizeof target - 1);
    if (n <= 0) return {};
    return QFileInfo(QFile::decodeName(QByteArray(target, qsizetype(n)))).fileName();
}

std::unique_ptr<HidChannel> OpenWithHidapi(const QString& path, OpenResult& why, QString& error) {
    EnsureHidInit();
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    const bool exists = !native.isEmpty() && ::stat(native.constData(), &st) == 0;
    // hidapi 0.13 crashes in hid_open_path on a file that opens but is no hidraw node; only hand
    // it hidraw character devices.
    const bool hidraw = exists && S_ISCHR(st.st_mode) && CharDeviceSubsystem(st) == QLatin1String("hidraw");
    int openErrno = 0;
    bool accessDenied = false;
    QString detail;
    if (hidraw) {
        errno = 0;
        hid_device* dev = hid_open_path(native.constData());
        openErrno = errno;
        if (dev) {
            why = OpenResult::Opened;
            return std::make_unique<HidapiChannel>(dev);
        }
        detail = HidErrorText(nullptr);
        accessDenied = ::access(native.constData(), R_OK | W_OK) != 0 && (errno == EACCES || errno == EPERM);
    }
    why = ClassifyOpenFailure(exists, hidraw, openErrno, accessDenied);
    switch (why) {
        case OpenResult::NoUnit: error = QStringLiteral("%1: no such device").arg(path); break;
        case OpenResult::PermissionDenied:
            error = QStringLiteral("%1: permission denied (read and write access is needed)").arg(path);
            break;
        default:
            error = hidraw ? QStringLiteral("%1: cannot open").arg(path)
                           : QStringLiteral("%1: not a hidraw device").arg(path);
            break;
    }
    if (!detail.isEmpty()) error += QStringLiteral(" (%1)").arg(detail);
    return nullptr;
}

QByteArray ToReport(const unsigned char* data, int length) {
    QByteArray report(reinterpret_cast<const char*>(data), std::clamp(length, 0, REPORT_SIZE));
    if (report.size() < REPORT_SIZE) report.append(QByteArray(REPORT_SIZE - report.size(), '\0'));
    return report;
}

}  // namespace

OpenResult ClassifyOpenFailure(bool exists, bool isHidraw, int openErrno, bool accessDenied) {
    if (!exists) return OpenResult::NoUnit;
    if (!isHidraw) return OpenResult::Failed;
    if (accessDenied || openErrno == EACCES || openErrno == EPERM) return OpenResult::PermissionDenied;
    // Unplugged between listing and opening.
    if (openErrno == ENOENT || openErrno == ENODEV || openErrno == ENXIO) return OpenResult::NoUnit;
    return OpenResult::Failed;
}

struct HidapiBackend::IoThread {
    std::mutex mutex;
    std::deque<QByteArray> pending;  // each one report ID byte + REPORT_SIZE bytes
    std::atomic<bool> stop{false};
    std::thread thread;
};

HidapiBackend::HidapiBackend(QObject* parent) : HidapiBackend(HidapiBackendOptions{}, parent) {}

HidapiBackend::HidapiBackend(HidapiBackendOptions options, QObject* parent)
    : HidBackend(parent), options_(std::move(options)) {
    if (!options_.listInterfaces) options_.listInterfaces = ListWithHidapi;
    if (!options_.openChannel) options_.openChannel = OpenWithHidapi;
    if (options_.readTimeoutMs <= 0) options_.readTimeoutMs = 20;

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

OpenResult HidapiBackend::Open(const QString& path) {
    Close();
    OpenResult why = OpenResult::Failed;
    QString error;
    std::unique_ptr<HidChannel> channel = options_.openChannel(path, why, error);
    if (!channel) {
        lastError_ = error.isEmpty() ? QStringLiteral("%1: cannot open").arg(path) : error;
        return why == OpenResult::Opened ? OpenResult::Failed : why;
    }

    auto io = std::make_unique<IoThread>();
    const unsigned generation = ++generation_;
    const int timeoutMs = options_.readTimeoutMs;
    IoThread* shared = io.get();
    try {
        io->thread = std::thread([this, shared, generation, timeoutMs, channel = std::move(channel)]() mutable {
            unsigned char buffer[kReadBufferSize];
            while (!shared->stop.load()) {
                std::deque<QByteArray> writes;
                {
                    std::lock_guard<std::mutex> lock(shared->mutex);
                    writes.swap(shared->pending);
                }
                for (const QByteArray& report : writes) {
                    const int n = channel->Write(reinterpret_cast<const unsigned char*>(report.constData()),
                                                 std::size_t(report.size()));
                    // Kernels count the report ID byte or not; either way all report bytes went out.
                    const bool ok = n >= REPORT_SIZE;
                    const QString error = ok ? QString() : (n < 0 ? channel->Error() : QStringLiteral("short write"));
                    QMetaObject::invokeMethod(
                        this,
                        [this, generation, ok, error] {
                            if (generation != generation_ || !io_) return;
                            if (!ok) lastError_ = QStringLiteral("write failed: %1").arg(error);
                            emit writeDone(ok);
                        },
                        Qt::QueuedConnection);
                }
                const int n = channel->ReadTimeout(buffer, sizeof buffer, timeoutMs);
                if (n < 0) {
                    const QString error = channel->Error();
                    QMetaObject::invokeMethod(
                        this, [this, generation, error] { OnReadFailed(generation, error); }, Qt::QueuedConnection);
                    break;
                }
                if (n > 0) {
                    const QByteArray report = ToReport(buffer, std::min(n, int(sizeof buffer)));
                    QMetaObject::invokeMethod(
                        this,
                        [this, generation, report] {
                            if (generation != generation_ || !io_) return;
                            emit inputReport(report);
                        },
                        Qt::QueuedConnection);
                }
            }
            channel.reset();  // hid_close on the thread that made every other call
        });
    } catch (const std::system_error& e) {
        lastError_ = QStringLiteral("%1: cannot start the I/O thread (%2)").arg(path, QString::fromLocal8Bit(e.what()));
        return OpenResult::Failed;
    }
    io_ = std::move(io);
    openPath_ = path;
    lastError_.clear();
    return OpenResult::Opened;
}

void HidapiBackend::Close() {
    if (io_) {
        io_->stop.store(true);
        if (io_->thread.joinable()) io_->thread.join();
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
    bool queued = false;
    {
        std::lock_guard<std::mutex> lock(io_->mutex);
        if (io_->pending.size() < kMaxPendingWrites) {
            io_->pending.push_back(out);
            queued = true;
        }
    }
    if (!queued) {
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

void HidapiBackend::OnReadFailed(unsigned generation, const QString& error) {
    if (generation != generation_ || !io_) return;
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
