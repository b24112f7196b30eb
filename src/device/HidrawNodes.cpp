// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/HidrawNodes.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>

#include "model/ProtocolConstants.h"

namespace tarvik {

namespace {

QString UserName(uid_t uid) {
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buf(size > 0 ? std::size_t(size) : 16384);
    passwd pw{};
    passwd* result = nullptr;
    if (getpwuid_r(uid, &pw, buf.data(), buf.size(), &result) == 0 && result && result->pw_name)
        return QString::fromLocal8Bit(result->pw_name);
    return QString::number(uid);
}

QString GroupName(gid_t gid) {
    long size = sysconf(_SC_GETGR_R_SIZE_MAX);
    std::vector<char> buf(size > 0 ? std::size_t(size) : 16384);
    group gr{};
    group* result = nullptr;
    if (getgrgid_r(gid, &gr, buf.data(), buf.size(), &result) == 0 && result && result->gr_name)
        return QString::fromLocal8Bit(result->gr_name);
    return QString::number(gid);
}

// "0003:00001209:00000001" -> vendor and product; false when it does not look like that.
bool ParseHidId(const QString& hidId, int& vendor, int& product) {
    const QStringList parts = hidId.split(u':');
    if (parts.size() != 3) return false;
    bool okVendor = false, okProduct = false;
    const uint v = parts[1].toUInt(&okVendor, 16);
    const uint p = parts[2].toUInt(&okProduct, 16);
    if (!okVendor || !okProduct || v > 0xFFFF || p > 0xFFFF) return false;
    vendor = int(v);
    product = int(p);
    return true;
}

}  // namespace

HidrawNodeInfo DescribeHidrawNode(const HidrawNodeSource& source) {
    HidrawNodeInfo info;
    info.devnode = source.devnode;
    info.sysPath = source.sysPath;
    info.productName = source.hidName;
    info.interfaceNumber = source.interfaceNumber;
    ParseHidId(source.hidId, info.vendorId, info.productId);

    CommandInterface command = CommandInterface::No;
    if (!source.descriptorPath.isEmpty()) {
        QFile file(source.descriptorPath);
        if (file.open(QIODevice::ReadOnly)) {
            // One byte more than a descriptor may have: enough to see one that is too large.
            const QByteArray bytes = file.read(qint64(MAX_REPORT_DESCRIPTOR_BYTES) + 1);
            if (file.error() == QFileDevice::NoError) {
                const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
                const auto size = std::size_t(bytes.size());
                info.descriptorRead = true;
                info.pages = ParseReportDescriptorPages(data, std::min(size, MAX_REPORT_DESCRIPTOR_BYTES));
                command = DescribesCommandInterface(data, size);
                if (command == CommandInterface::TooLarge) info.pages.malformed = true;
            }
        }
    }

    info.isUnitInterface = info.vendorId == vendorID && info.productId == productID;
    // The same decision as the udev probe's, which tags the node.
    info.matchesUnit = info.isUnitInterface && command == CommandInterface::Yes;

    const QByteArray node = QFile::encodeName(source.devnode);
    struct stat st {};
    if (!node.isEmpty() && ::stat(node.constData(), &st) == 0) {
        info.nodeExists = true;
        info.canReadWrite = ::access(node.constData(), R_OK | W_OK) == 0;
        info.owner = UserName(st.st_uid);
        info.group = GroupName(st.st_gid);
        info.mode = unsigned(st.st_mode) & 07777u;
    }
    if (source.udevInitialized) {
        info.seatTag = source.tags.contains(QStringLiteral("uaccess")) ? HidrawNodeInfo::SeatTag::Tagged
                                                                       : HidrawNodeInfo::SeatTag::NotTagged;
    }
    return info;
}

}  // namespace tarvik
