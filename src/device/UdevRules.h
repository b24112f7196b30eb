// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the udev rule that gives the user at the seat access to the unit is installed, and where.
#pragma once

#include <QString>
#include <QStringList>

#include "model/Texts.h"

namespace tarvik {

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

// The rules folder under the prefix this build installs to.
QStringList PrefixUdevRuleDirs();

// Our rule file (UDEV_RULE_FILE_NAME) as installed on this machine.
struct InstalledRule {
    text::AccessRule state = text::AccessRule::Missing;
    QString path;  // the file found; empty when Missing
};
// Looks in the folders udev reads, in their order of precedence (the first file of the name is the
// one udev reads; an empty one or a link to /dev/null switches the rule off: Missing), then in
// `otherDirs`, where an install under another prefix puts the rule but udev does not look.
InstalledRule FindInstalledRule(const QStringList& udevDirs = DefaultUdevRuleDirs(),
                                const QStringList& otherDirs = PrefixUdevRuleDirs());

}  // namespace tarvik
