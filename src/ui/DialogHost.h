// SPDX-License-Identifier: GPL-3.0-or-later
// What a setting dialog needs of the main window that opened it. The main window implements it;
// dialog tests may use a stand-in.
#pragma once

namespace tarvik {

class HID_PnP;

class DialogHost {
public:
    virtual ~DialogHost() = default;
    // The connection manager of the main window.
    virtual HID_PnP& plugNPlay() = 0;
};

}  // namespace tarvik
