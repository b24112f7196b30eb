// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/HidapiAccess.h"

#include <hidapi/hidapi.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <mutex>

#include "model/ProtocolConstants.h"

namespace tarvik {

namespace {

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

    int Write(const unsigned char* data, std::size_t length) override {
        return hid_write(dev_, data, length);
    }
    int ReadTimeout(unsigned char* data, std::size_t length, int milliseconds) override {
        return hid_read_timeout(dev_, data, length, milliseconds);
    }
    QString Error() override { return HidErrorText(dev_); }

private:
    hid_device* dev_;
};

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

}  // namespace

std::vector<HidInterfaceInfo> ListWithHidapi() {
    EnsureHidInit();
    std::vector<HidInterfaceInfo> list;
    hid_device_info* all =
        hid_enumerate(static_cast<unsigned short>(vendorID), static_cast<unsigned short>(productID));
    for (const hid_device_info* d = all; d; d = d->next) {
        if (!d->path) continue;
        list.push_back({QFile::decodeName(d->path), d->vendor_id, d->product_id, d->usage_page, d->usage,
                        d->interface_number,
                        d->serial_number ? QString::fromWCharArray(d->serial_number) : QString()});
    }
    hid_free_enumeration(all);
    return list;
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
        case OpenResult::NoUnit:
            error = QStringLiteral("%1: no such device").arg(path);
            break;
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

OpenResult ClassifyOpenFailure(bool exists, bool isHidraw, int openErrno, bool accessDenied) {
    if (!exists) return OpenResult::NoUnit;
    if (!isHidraw) return OpenResult::Failed;
    if (accessDenied || openErrno == EACCES || openErrno == EPERM) return OpenResult::PermissionDenied;
    // Unplugged between listing and opening.
    if (openErrno == ENOENT || openErrno == ENODEV || openErrno == ENXIO) return OpenResult::NoUnit;
    return OpenResult::Failed;
}

}  // namespace tarvik
