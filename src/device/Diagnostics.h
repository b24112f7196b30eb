// SPDX-License-Identifier: GPL-3.0-or-later
// What `tarvikctl doctor` reports about this machine: every hidraw node with its USB identity, the
// usage pages of its interface, whether it is our unit and whether the current user may open it,
// and whether the udev rule that grants that access is installed. Plain data; the caller prints.
#pragma once

#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/Texts.h"

namespace tarvik {

// Usage pages found in a HID report descriptor.
struct ReportDescriptorPages {
    // Value of every Usage Page item, each value once, in order of appearance.
    std::vector<std::uint32_t> usagePages;
    // Usage page of each top-level collection (what hidapi lists per interface), each value once,
    // in order. A 4-byte Usage in front of the collection supplies the page in its high half.
    std::vector<std::uint32_t> topLevelUsagePages;
    // The descriptor ended inside an item, or nesting went beyond what a sane descriptor uses.
    // Everything read before that point is still reported.
    bool malformed = false;
};

// Parses the short and long items of a report descriptor. Never reads outside [data, data + size).
ReportDescriptorPages ParseReportDescriptorPages(const std::uint8_t* data, std::size_t size);

// One /dev/hidraw* node.
struct HidrawNodeInfo {
    QString devnode;             // e.g. "/dev/hidraw3"
    QString sysPath;             // the hidraw device in sysfs
    int vendorId = -1;           // from the parent HID device; -1 when unknown
    int productId = -1;
    int interfaceNumber = -1;    // USB interface number; -1 when unknown (e.g. Bluetooth)
    QString productName;         // HID_NAME of the parent device, may be empty

    bool descriptorRead = false; // the report descriptor could be read from sysfs
    ReportDescriptorPages pages; // valid when descriptorRead

    // Vendor ID, product ID and a top-level collection on usage page 0xFF00 all agree with our unit.
    bool matchesUnit = false;
    // Vendor and product ID agree (so it is one of the unit's interfaces, matching or not).
    bool isUnitInterface = false;

    bool nodeExists = false;     // stat() on devnode succeeded; the fields below are valid then
    bool canReadWrite = false;   // access(devnode, R_OK | W_OK) for the current user
    QString owner;               // user name, or the numeric uid when it has no name
    QString group;               // group name, or the numeric gid
    unsigned mode = 0;           // permission bits, e.g. 0660

    // udev's "uaccess" tag, which has logind give the user at the seat access to the node.
    enum class SeatTag { NoRecord, Tagged, NotTagged };
    SeatTag seatTag = SeatTag::NoRecord;  // NoRecord: udev has not seen the node (not running?)
};

// Every hidraw node the kernel has, in devnode order ("hidraw2" before "hidraw10"). Empty when there
// is none or libudev is unusable.
std::vector<HidrawNodeInfo> ListHidrawNodes();

// What ListHidrawNodes() knows about one node before looking at the file system; lets each node be
// described from files a test can make up.
struct HidrawNodeSource {
    QString devnode;
    QString sysPath;
    QString hidId;              // HID_ID of the parent, "BBBB:VVVVVVVV:PPPPPPPP" (hex)
    QString hidName;            // HID_NAME of the parent
    QString descriptorPath;     // .../device/report_descriptor
    int interfaceNumber = -1;
    bool udevInitialized = false;  // udev has processed the node; `tags` are its current tags
    QStringList tags;
};
HidrawNodeInfo DescribeHidrawNode(const HidrawNodeSource& source);

// Where udev rules live, in the order udev gives them precedence.
QStringList DefaultUdevRuleDirs();
// The file name our package installs the rule under.
inline constexpr const char* UDEV_RULE_FILE_NAME = "70-tarvik.rules";

struct UdevRuleStatus {
    // A rules file in one of the directories mentions our vendor ID.
    bool installed = false;
    // Every such file found, in search order.
    QStringList files;
    // The directories that were looked at.
    QStringList searchedDirs;
};
// Looks at every *.rules file in `dirs` for a rule line (not a comment) that names our vendor ID as
// four hex digits, either case, e.g. ATTRS{idVendor}=="1209" or a HID_ID/MODALIAS match.
UdevRuleStatus FindUdevRule(const QStringList& dirs = DefaultUdevRuleDirs());

// Our rule file (UDEV_RULE_FILE_NAME) as installed on this machine.
struct InstalledRule {
    text::AccessRule state = text::AccessRule::Missing;
    QString path;  // the file found; empty when Missing
};
// Looks in the folders udev reads, in their order of precedence (the first file of the name is the
// one udev reads; an empty one or a link to /dev/null switches the rule off: Missing), then in
// `otherDirs`, where an install under another prefix puts the rule but udev does not look.
// The rules folder under the prefix this build installs to.
QStringList PrefixUdevRuleDirs();
InstalledRule FindInstalledRule(const QStringList& udevDirs = DefaultUdevRuleDirs(),
                                const QStringList& otherDirs = PrefixUdevRuleDirs());

// What stands between the user and the unit, from the nodes and whether a rule file names our
// vendor ID. The uaccess tag on the unit's node decides over the rule files: it is what udev did.
enum class DoctorFinding {
    NoUnit,              // no node has the unit's USB ID
    NoCommandInterface,  // the unit is there, but no interface carries the command usage page
    CanOpen,             // the command interface opens for this user
    TaggedButDenied,     // tagged, yet closed: this user is not the one at the seat (ssh, another seat)
    RuleNotApplied,      // a rule file is there, but udev has not tagged the node (reload, replug)
    NoRule,              // untagged, and no rule file names the unit
    UdevNoRecord,        // udev has no record of the node: udev is not running here
};
DoctorFinding Diagnose(const std::vector<HidrawNodeInfo>& nodes, bool ruleInstalled);

// The main window's explanation for a unit that is there but may not be opened, naming what
// applies on this machine.
std::string UnitAccessDeniedExplanation();

}  // namespace tarvik
