// SPDX-License-Identifier: GPL-3.0-or-later
// What stands between the user and the unit, from the hidraw nodes and the udev rule, and the
// window's explanation of a unit it may not open.
#pragma once

#include <string>
#include <vector>

#include "device/HidrawNodes.h"

namespace tarvik {

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
