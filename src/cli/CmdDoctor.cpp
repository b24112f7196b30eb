// SPDX-License-Identifier: GPL-3.0-or-later
// doctor: what stands between the user and the unit, from the hidraw nodes and their udev tags to
// the udev rule.
#include <QStringList>
#include <string>

#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "device/Diagnosis.h"
#include "device/HidrawNodes.h"
#include "device/UdevRules.h"
#include "model/ProtocolConstants.h"

namespace tarvik::cli {

QString DoctorNodeLine(const HidrawNodeInfo& n) {
    QStringList parts{n.devnode};
    parts << (n.vendorId >= 0 ? HexDigits(n.vendorId, 4) + ":" + HexDigits(n.productId, 4)
                              : QStringLiteral("????:????"));
    if (n.interfaceNumber >= 0) parts << QStringLiteral("interface %1").arg(n.interfaceNumber);
    if (!n.productName.isEmpty()) parts << "\"" + n.productName + "\"";
    if (n.descriptorRead) {
        QStringList pages;
        for (const std::uint32_t page : n.pages.topLevelUsagePages) {
            pages << "0x" + HexDigits(static_cast<int>(page), 4);
        }
        parts << QStringLiteral("usage pages %1%2")
                     .arg(pages.isEmpty() ? QStringLiteral("none") : pages.join(QLatin1Char(' ')),
                          n.pages.malformed ? QStringLiteral(" (descriptor malformed)") : QString());
    } else {
        parts << QStringLiteral("usage pages unknown (report descriptor unreadable)");
    }
    if (n.nodeExists) {
        parts << QStringLiteral("%1:%2 %3").arg(n.owner, n.group, QStringLiteral("%1").arg(n.mode, 4, 8, QLatin1Char('0')));
        parts << (n.canReadWrite ? QStringLiteral("you may open it") : QStringLiteral("you may not open it"));
    } else {
        parts << QStringLiteral("no device file");
    }
    switch (n.seatTag) {
    case HidrawNodeInfo::SeatTag::Tagged: parts << QStringLiteral("uaccess tag"); break;
    case HidrawNodeInfo::SeatTag::NotTagged: parts << QStringLiteral("no uaccess tag"); break;
    case HidrawNodeInfo::SeatTag::NoRecord: parts << QStringLiteral("unknown to udev"); break;
    }
    if (n.matchesUnit) parts << QStringLiteral("<- the unit's command interface");
    // Its keyboard and mouse: open to the seat's user, they would let any program read what the
    // pedals type.
    else if (n.isUnitInterface && n.seatTag == HidrawNodeInfo::SeatTag::Tagged)
        parts << QStringLiteral("(another interface of the unit, tagged though it should not be: an older rule?)");
    else if (n.isUnitInterface) parts << QStringLiteral("(another interface of the unit: untagged, as it should be)");
    return "  " + parts.join(QStringLiteral("  "));
}

int RunDoctor(const CliRequest& request) {
    if (request.simulate) Error(QStringLiteral("doctor looks at this computer's devices; --simulate is ignored"));

    const QString usb = HexDigits(vendorID, 4) + ":" + HexDigits(productID, 4);
    std::string out = "Tarvik unit: USB " + usb.toStdString() + ", commands on usage page 0x" +
                      HexDigits(VENDOR_USAGE_PAGE, 4).toStdString() + "\n";

    const std::vector<HidrawNodeInfo> nodes = ListHidrawNodes();
    out += "hidraw nodes:\n";
    if (nodes.empty()) out += "  none\n";
    for (const HidrawNodeInfo& n : nodes) out += DoctorNodeLine(n).toStdString() + "\n";

    const UdevRuleStatus rule = FindUdevRule();
    const InstalledRule elsewhere = FindInstalledRule();
    const bool unread = !rule.installed && elsewhere.state == text::AccessRule::NotReadByUdev;
    out += "udev rule: ";
    out += rule.installed ? "installed: " + rule.files.join(QStringLiteral(", ")).toStdString()
                          : "not installed (looked in " + rule.searchedDirs.join(QStringLiteral(", ")).toStdString() + ")";
    if (unread) out += "; " + elsewhere.path.toStdString() + " is where udev does not read it";
    out += "\n\n";

    const std::string reload = "  udevadm control --reload && udevadm trigger\n";
    int status = EXIT_UNIT;
    switch (Diagnose(nodes, rule.installed)) {
    case DoctorFinding::NoUnit:
        out += "No Tarvik unit is plugged in: no hidraw node has USB ID " + usb.toStdString() +
               ". Plug it in (try another cable or port if it is plugged in).\n";
        break;
    case DoctorFinding::NoCommandInterface:
        out += "A device with the unit's USB ID is there, but none of its interfaces carries usage page 0x" +
               HexDigits(VENDOR_USAGE_PAGE, 4).toStdString() + ", so it cannot be configured.\n";
        break;
    case DoctorFinding::CanOpen:
        out += "The unit can be opened: tarvik-config and tarvikctl will find it.\n";
        if (!rule.installed) out += "(The udev rule is not installed: your access comes from elsewhere, e.g. root.)\n";
        status = EXIT_OK;
        break;
    case DoctorFinding::TaggedButDenied:
        out += "udev gave the unit's node the uaccess tag, but it is not open to you. logind opens it to the user\n"
               "logged in at the seat (the desktop session) only, not to remote (ssh) sessions or another seat:\n"
               "run the programs in the desktop session (loginctl list-sessions shows the sessions).\n";
        break;
    case DoctorFinding::RuleNotApplied:
        out += "The udev rule is installed, but udev has not tagged the unit's node with uaccess yet. Apply the\n"
               "rule as root with\n" + reload + "and plug the unit in again.\n";
        break;
    case DoctorFinding::NoRule:
        out += unread ? "The unit's node is not open to you, and the udev rule is where udev does not read it. As\n"
                        "root, copy " + elsewhere.path.toStdString() + " to /etc/udev/rules.d/, run\n"
                      : "The unit's node is not open to you and carries no uaccess tag. Install the udev rule\n"
                        "70-tarvik.rules (the package does; from source see README, \"udev rule\"), then as root run\n";
        out += reload + "and plug the unit in again.\n";
        break;
    case DoctorFinding::UdevNoRecord:
        out += "udev has no record of the unit's node, so no udev rule gives you access here (udev is not\n"
               "running, as in most containers). Start udev, or run as root.\n";
        break;
    }
    Out(out);
    return status;
}

}  // namespace tarvik::cli
