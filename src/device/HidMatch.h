// SPDX-License-Identifier: GPL-3.0-or-later
// Which HID interfaces are our unit. Kept apart from hidapi so the rule can be checked on made-up
// device lists.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "model/ProtocolConstants.h"

namespace tarvik {

// One entry of hidapi's device list, the fields the rule needs.
struct HidInterfaceInfo {
    QString path;
    int vendor_id = 0;
    int product_id = 0;
    int usage_page = 0;
    int usage = 0;
    int interface_number = -1;
    QString serial = {};  // as the unit reports it; empty when it reports none
};

// Paths of the interfaces with our vendor ID, product ID and the vendor-defined usage page 0xFF00
// (never the unit's keyboard or mouse interface). Each path once, even when hidapi lists it for
// several top-level collections; ordered by path with numbers compared by value, so "hidraw2"
// comes before "hidraw10" whatever order the system listed them in.
QStringList MatchingUnitPaths(const std::vector<HidInterfaceInfo>& devices, int vendor = vendorID,
                              int product = productID, int usagePage = VENDOR_USAGE_PAGE);

// The order MatchingUnitPaths uses: true when `a` comes before `b`.
bool DevicePathLess(const QString& a, const QString& b);

}  // namespace tarvik
