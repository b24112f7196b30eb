// SPDX-License-Identifier: GPL-3.0-or-later
// hidapi itself: initialised once, listing the unit's interfaces, opening one hidraw node.
#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "device/HidBackend.h"
#include "device/HidChannel.h"
#include "device/HidMatch.h"

namespace tarvik {

// Every HID interface with our vendor and product ID.
std::vector<HidInterfaceInfo> ListWithHidapi();

// Opens the hidraw node at `path`; on failure null, with the reason in `why` and `error`.
std::unique_ptr<HidChannel> OpenWithHidapi(const QString& path, OpenResult& why, QString& error);

// Why opening a node failed: `exists` and `isHidraw` from stat and sysfs, `openErrno` from the open,
// `accessDenied` whether access(R_OK | W_OK) refused this user.
OpenResult ClassifyOpenFailure(bool exists, bool isHidraw, int openErrno, bool accessDenied);

}  // namespace tarvik
