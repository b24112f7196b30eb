// SPDX-License-Identifier: GPL-3.0-or-later
// The hidraw nodes `tarvikctl doctor` reports: each with its USB identity, the usage pages of its
// interface, whether it is the unit's command interface, who may open it and udev's seat tag.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "device/ReportDescriptor.h"

namespace tarvik {

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

    // Vendor ID and product ID are our unit's, and its descriptor (well-formed, at most
    // MAX_REPORT_DESCRIPTOR_BYTES) has a top-level collection on usage page 0xFF00: the node the
    // udev rule tags.
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

}  // namespace tarvik
