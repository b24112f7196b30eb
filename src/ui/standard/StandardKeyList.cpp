// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/standard/StandardKeyList.h"

#include "model/KeyTable.h"

namespace tarvik {

int StandardKeyList::UsageAt(int index) const {
    if (index < 0 || index >= Count) return -1;
    return IndexToUsageID[static_cast<std::size_t>(index)];
}

int StandardKeyList::IndexOf(int usageID) const {
    for (int i = 0; i < Count; ++i) {
        if (IndexToUsageID[static_cast<std::size_t>(i)] == usageID) return i;
    }
    return -1;
}

StandardKeyList BuildStandardKeyList() {
    StandardKeyList list;
    for (int usage = 0; usage <= Max_UsageID; ++usage) {
        if (!IsStandardKey(usage)) continue;
        list.IndexToUsageID[static_cast<std::size_t>(list.Count)] = usage;
        ++list.Count;
    }
    return list;
}

}  // namespace tarvik
