// SPDX-License-Identifier: GPL-3.0-or-later
// The keys the standard dialog offers: every STANDARD key of the key table, in usage-ID order.
// Entry i of the key list stands for IndexToUsageID[i]; lookups never index outside the filled part.
#pragma once

#include <array>

#include "model/ProtocolConstants.h"

namespace tarvik {

struct StandardKeyList {
    std::array<int, Max_UsageID + 1> IndexToUsageID{};
    int Count = 0;  // entries 0..Count-1 are filled

    // Usage ID of entry `index`, or -1 when no entry has that index.
    int UsageAt(int index) const;
    // First entry holding `usageID`, or -1 when the key is not offered.
    int IndexOf(int usageID) const;
};

// Usage IDs 0..Max_UsageID whose key record has the level STANDARD.
StandardKeyList BuildStandardKeyList();

}  // namespace tarvik
