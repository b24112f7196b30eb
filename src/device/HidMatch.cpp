// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/HidMatch.h"

#include <algorithm>

namespace tarvik {

bool DevicePathLess(const QString& a, const QString& b) {
    // Runs of digits compare by value, everything else character by character.
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype ie = i, je = j;
            while (ie < a.size() && a[ie].isDigit()) ++ie;
            while (je < b.size() && b[je].isDigit()) ++je;
            // Skip leading zeros, then the longer run is the larger number.
            qsizetype is = i, js = j;
            while (is + 1 < ie && a[is] == u'0') ++is;
            while (js + 1 < je && b[js] == u'0') ++js;
            if (ie - is != je - js) return ie - is < je - js;
            for (qsizetype k = 0; k < ie - is; ++k) {
                if (a[is + k] != b[js + k]) return a[is + k] < b[js + k];
            }
            i = ie;
            j = je;
            continue;
        }
        if (a[i] != b[j]) return a[i] < b[j];
        ++i;
        ++j;
    }
    if ((a.size() - i) != (b.size() - j)) return (a.size() - i) < (b.size() - j);
    // Equal by value ("x01" and "x1"): fall back to plain order so the result is total.
    return a < b;
}

QStringList MatchingUnitPaths(const std::vector<HidInterfaceInfo>& devices, int vendor, int product,
                              int usagePage) {
    QStringList paths;
    for (const HidInterfaceInfo& d : devices) {
        if (d.vendor_id != vendor || d.product_id != product || d.usage_page != usagePage) continue;
        if (d.path.isEmpty()) continue;
        paths.append(d.path);
    }
    std::sort(paths.begin(), paths.end(), DevicePathLess);
    paths.erase(std::unique(paths.begin(), paths.end()), paths.end());
    return paths;
}

}  // namespace tarvik
