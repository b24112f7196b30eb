// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/Diagnostics.h"

#include <grp.h>
#include <libudev.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <memory>

#include "device/HidMatch.h"
#include "model/ProtocolConstants.h"

namespace tarvik {

namespace {

// Report descriptor item types and tags (HID 1.11, 6.2.2).
constexpr int kTypeMain = 0;
constexpr int kTypeGlobal = 1;
constexpr int kTypeLocal = 2;
constexpr int kMainCollection = 0xA;
constexpr int kMainEndCollection = 0xC;
constexpr int kGlobalUsagePage = 0x0;
constexpr int kGlobalPush = 0xA;
constexpr int kGlobalPop = 0xB;
constexpr int kLocalUsage = 0x0;
constexpr std::uint8_t kLongItemPrefix = 0xFE;
// Real descriptors push a level or two; more is a broken or hostile descriptor.
constexpr std::size_t kMaxPushDepth = 32;
// The kernel caps descriptors at 4 KiB; anything far beyond is not a descriptor.
constexpr qint64 kMaxDescriptorBytes = 64 * 1024;
constexpr qint64 kMaxRulesFileBytes = 1024 * 1024;

void AddOnce(std::vector<std::uint32_t>& values, std::uint32_t value) {
    if (std::find(values.begin(), values.end(), value) == values.end()) values.push_back(value);
}

std::uint32_t LittleEndian(const std::uint8_t* p, std::size_t n) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < n; ++i) v |= std::uint32_t(p[i]) << (8 * i);
    return v;
}

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

QString FromUdev(const char* s) { return s ? QString::fromLocal8Bit(s) : QString(); }

struct UdevDeleter {
    void operator()(udev* u) const { udev_unref(u); }
    void operator()(udev_enumerate* e) const { udev_enumerate_unref(e); }
    void operator()(udev_device* d) const { udev_device_unref(d); }
};

}  // namespace

ReportDescriptorPages ParseReportDescriptorPages(const std::uint8_t* data, std::size_t size) {
    ReportDescriptorPages out;
    if (!data) size = 0;

    std::uint32_t usagePage = 0;
    std::vector<std::uint32_t> pushed;
    // The page a 4-byte Usage names for the collection that follows, if any.
    bool extendedUsage = false;
    std::uint32_t extendedPage = 0;
    std::size_t depth = 0;

    std::size_t pos = 0;
    while (pos < size) {
        const std::uint8_t prefix = data[pos];
        if (prefix == kLongItemPrefix) {
            // Long item: prefix, data size, tag, data. No long item carries a usage page.
            if (size - pos < 3) {
                out.malformed = true;
                break;
            }
            const std::size_t dataSize = data[pos + 1];
            if (size - pos - 3 < dataSize) {
                out.malformed = true;
                break;
            }
            pos += 3 + dataSize;
            continue;
        }
        const std::size_t dataSize = (prefix & 3) == 3 ? 4 : (prefix & 3);
        const int type = (prefix >> 2) & 3;
        const int tag = (prefix >> 4) & 0xF;
        if (size - pos - 1 < dataSize) {
            out.malformed = true;
            break;
        }
        const std::uint32_t value = LittleEndian(data + pos + 1, dataSize);
        pos += 1 + dataSize;

        if (type == kTypeGlobal) {
            if (tag == kGlobalUsagePage) {
                usagePage = value;
                AddOnce(out.usagePages, value);
            } else if (tag == kGlobalPush) {
                if (pushed.size() >= kMaxPushDepth) {
                    out.malformed = true;
                    break;
                }
                pushed.push_back(usagePage);
            } else if (tag == kGlobalPop) {
                if (pushed.empty()) {
                    out.malformed = true;
                } else {
                    usagePage = pushed.back();
                    pushed.pop_back();
                }
            }
        } else if (type == kTypeLocal) {
            if (tag == kLocalUsage) {
                extendedUsage = dataSize == 4;
                extendedPage = value >> 16;
            }
        } else if (type == kTypeMain) {
            if (tag == kMainCollection) {
                if (depth == 0) AddOnce(out.topLevelUsagePages, extendedUsage ? extendedPage : usagePage);
                ++depth;
            } else if (tag == kMainEndCollection) {
                if (depth == 0)
                    out.malformed = true;
                else
                    --depth;
            }
            // Local items apply to the next main item only.
            extendedUsage = false;
        }
    }
    return out;
}

HidrawNodeInfo DescribeHidrawNode(const HidrawNodeSource& source) {
    HidrawNodeInfo info;
    info.devnode = source.devnode;
    info.sysPath = source.sysPath;
    info.productName = source.hidName;
    info.interfaceNumber = source.interfaceNumber;
    ParseHidId(source.hidId, info.vendorId, info.productId);

    if (!source.descriptorPath.isEmpty()) {
        QFile file(source.descriptorPath);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = file.read(kMaxDescriptorBytes);
            if (file.error() == QFileDevice::NoError) {
                info.descriptorRead = true;
                info.pages = ParseReportDescriptorPages(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                                        std::size_t(bytes.size()));
            }
        }
    }

    info.isUnitInterface = info.vendorId == vendorID && info.productId == productID;
    const auto& top = info.pages.topLevelUsagePages;
    info.matchesUnit = info.isUnitInterface && info.descriptorRead &&
                       std::find(top.begin(), top.end(), std::uint32_t(VENDOR_USAGE_PAGE)) != top.end();

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

std::vector<HidrawNodeInfo> ListHidrawNodes() {
    std::vector<HidrawNodeInfo> nodes;
    std::unique_ptr<udev, UdevDeleter> u(udev_new());
    if (!u) return nodes;
    std::unique_ptr<udev_enumerate, UdevDeleter> en(udev_enumerate_new(u.get()));
    if (!en || udev_enumerate_add_match_subsystem(en.get(), "hidraw") < 0 ||
        udev_enumerate_scan_devices(en.get()) < 0)
        return nodes;

    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(en.get())) {
        const char* syspath = udev_list_entry_get_name(entry);
        if (!syspath) continue;
        std::unique_ptr<udev_device, UdevDeleter> dev(udev_device_new_from_syspath(u.get(), syspath));
        if (!dev) continue;

        HidrawNodeSource source;
        source.sysPath = FromUdev(syspath);
        source.devnode = FromUdev(udev_device_get_devnode(dev.get()));
        if (source.devnode.isEmpty()) source.devnode = QStringLiteral("/dev/") + FromUdev(udev_device_get_sysname(dev.get()));
        source.descriptorPath = source.sysPath + QStringLiteral("/device/report_descriptor");
        // Parents are owned by the child device; no unref.
        if (udev_device* hid = udev_device_get_parent_with_subsystem_devtype(dev.get(), "hid", nullptr)) {
            source.hidId = FromUdev(udev_device_get_property_value(hid, "HID_ID"));
            source.hidName = FromUdev(udev_device_get_property_value(hid, "HID_NAME"));
        }
        if (udev_device* intf = udev_device_get_parent_with_subsystem_devtype(dev.get(), "usb", "usb_interface")) {
            bool ok = false;
            const int n = FromUdev(udev_device_get_sysattr_value(intf, "bInterfaceNumber")).trimmed().toInt(&ok, 16);
            if (ok) source.interfaceNumber = n;
        }
        // Current tags: those the rules gave at the last event, not ones left from earlier rules.
        source.udevInitialized = udev_device_get_is_initialized(dev.get()) > 0;
        udev_list_entry* tag = nullptr;
        udev_list_entry_foreach(tag, udev_device_get_current_tags_list_entry(dev.get())) {
            source.tags << FromUdev(udev_list_entry_get_name(tag));
        }
        nodes.push_back(DescribeHidrawNode(source));
    }
    std::sort(nodes.begin(), nodes.end(),
              [](const HidrawNodeInfo& a, const HidrawNodeInfo& b) { return DevicePathLess(a.devnode, b.devnode); });
    return nodes;
}

QStringList DefaultUdevRuleDirs() {
    return {QStringLiteral("/etc/udev/rules.d"), QStringLiteral("/run/udev/rules.d"),
            QStringLiteral("/usr/lib/udev/rules.d"), QStringLiteral("/lib/udev/rules.d")};
}

UdevRuleStatus FindUdevRule(const QStringList& dirs) {
    UdevRuleStatus status;
    status.searchedDirs = dirs;
    const QString vendor = QString::asprintf("%04x", unsigned(vendorID) & 0xFFFFu);
    // The ID on its own, as 0x1209, or zero-padded as in HID_ID / MODALIAS ("0003:00001209:...").
    const QRegularExpression pattern(QStringLiteral("(?<![0-9a-f])(?:0x|0000)?") + vendor + QStringLiteral("(?![0-9a-f])"),
                                     QRegularExpression::CaseInsensitiveOption);
    // udev reads a file name once: the first directory that has it wins and masks the others.
    QStringList seen;
    for (const QString& dirPath : dirs) {
        const QDir dir(dirPath);
        const QFileInfoList files = dir.entryInfoList({QStringLiteral("*.rules")}, QDir::Files, QDir::Name);
        for (const QFileInfo& fi : files) {
            if (seen.contains(fi.fileName())) continue;
            seen.append(fi.fileName());
            QFile file(fi.filePath());
            if (!file.open(QIODevice::ReadOnly)) continue;
            const QString text = QString::fromUtf8(file.read(kMaxRulesFileBytes));
            bool found = false;
            for (const QString& raw : text.split(u'\n')) {
                const QString line = raw.trimmed();
                if (line.isEmpty() || line.startsWith(u'#')) continue;
                if (pattern.match(line).hasMatch()) {
                    found = true;
                    break;
                }
            }
            if (found) status.files.append(fi.filePath());
        }
    }
    status.installed = !status.files.isEmpty();
    return status;
}

DoctorFinding Diagnose(const std::vector<HidrawNodeInfo>& nodes, bool ruleInstalled) {
    bool unit = false, command = false, tagged = false, recorded = false;
    for (const HidrawNodeInfo& n : nodes) {
        unit = unit || n.isUnitInterface;
        if (!n.matchesUnit) continue;
        command = true;
        if (n.nodeExists && n.canReadWrite) return DoctorFinding::CanOpen;
        tagged = tagged || n.seatTag == HidrawNodeInfo::SeatTag::Tagged;
        recorded = recorded || n.seatTag != HidrawNodeInfo::SeatTag::NoRecord;
    }
    if (!unit) return DoctorFinding::NoUnit;
    if (!command) return DoctorFinding::NoCommandInterface;
    if (tagged) return DoctorFinding::TaggedButDenied;
    if (!recorded) return DoctorFinding::UdevNoRecord;
    return ruleInstalled ? DoctorFinding::RuleNotApplied : DoctorFinding::NoRule;
}

QStringList PrefixUdevRuleDirs() { return {QStringLiteral(TARVIK_PREFIX_UDEV_RULES_DIR)}; }

InstalledRule FindInstalledRule(const QStringList& udevDirs, const QStringList& otherDirs) {
    const QString name = QString::fromLatin1(UDEV_RULE_FILE_NAME);
    for (const QString& dir : udevDirs) {
        const QFileInfo file(QDir(dir).filePath(name));
        if (!file.exists() && !file.isSymLink()) continue;
        // This one masks any later one of the same name.
        if (file.isFile() && file.size() > 0) return {text::AccessRule::Installed, file.filePath()};
        return {};
    }
    for (const QString& dir : otherDirs) {
        if (udevDirs.contains(QDir::cleanPath(dir))) continue;
        const QFileInfo file(QDir(dir).filePath(name));
        if (file.isFile() && file.size() > 0) return {text::AccessRule::NotReadByUdev, file.filePath()};
    }
    return {};
}

std::string UnitAccessDeniedExplanation() {
    const InstalledRule rule = FindInstalledRule();
    return text::UnitAccessDenied(rule.state, rule.path.toStdString());
}

}  // namespace tarvik
