// SPDX-License-Identifier: GPL-3.0-or-later
// What a setting dialog needs of the main window that opened it. The main window implements it;
// dialog tests may use a stand-in.
#pragma once

namespace tarvik {

class HID_PnP;

class DialogHost {
public:
    virtual ~DialogHost() = default;
    // Writes pedal SelectedPedalNo's record as the state holds it, when SettingEnabled is set (for
    // a dialog that hands over through the live record rather than with its Choice()).
    virtual void SettingDialog_OK() = 0;
    // The connection manager of the main window.
    virtual HID_PnP& plugNPlay() = 0;
};

}  // namespace tarvik
