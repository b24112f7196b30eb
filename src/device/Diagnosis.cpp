// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/Diagnosis.h"

#include "device/UdevRules.h"

namespace tarvik {

DoctorFinding Diagnose(const std::vector<HidrawNodeInfo>& nodes, bool ruleInstalled) {
    bool unit = false, command = false, tagged = false, recorded = false;
    for (const HidrawNodeInfo& n : nodes) {
        unit = unit || n.isUnitInterface;
        if (!n.matchesUnit) continue;
        command = true;
        if (n.nodeExists && n.canReadWrite) return DoctorFinding::CanOpen;
        tagged = tagged || n.seatTag == HidrawNodeInfo::SeatTag::Tagged;
        recorded = recorded || n.seatTag != HidrawNodeInfo::SeatTag::NoRecord;
    }
    if (!unit) return DoctorFinding::NoUnit;
    if (!command) return DoctorFinding::NoCommandInterface;
    if (tagged) return DoctorFinding::TaggedButDenied;
    if (!recorded) return DoctorFinding::UdevNoRecord;
    return ruleInstalled ? DoctorFinding::RuleNotApplied : DoctorFinding::NoRule;
}

std::string UnitAccessDeniedExplanation() {
    const InstalledRule rule = FindInstalledRule();
    return text::UnitAccessDenied(rule.state, rule.path.toStdString());
}

}  // namespace tarvik
