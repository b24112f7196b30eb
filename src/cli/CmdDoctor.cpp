// doctor: what stands between the user and the unit, from the hidraw nodes to the udev rule.
#include <QStringList>
#include <string>

#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "device/Diagnostics.h"
#include "model/ProtocolConstants.h"

namespace tarvik::cli {

namespace {

QString NodeLine(const HidrawNodeInfo& n) {
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
    if (n.matchesUnit) parts << QStringLiteral("<- the unit's command interface");
    else if (n.isUnitInterface) parts << QStringLiteral("(another interface of the unit)");
    return "  " + parts.join(QStringLiteral("  "));
}

}  // namespace

int RunDoctor(const CliRequest& request) {
    if (request.simulate) Error(QStringLiteral("doctor looks at this computer's devices; --simulate is ignored"));

    const QString usb = HexDigits(vendorID, 4) + ":" + HexDigits(productID, 4);
    std::string out = "Tarvik unit: USB " + usb.toStdString() + ", commands on usage page 0x" +
                      HexDigits(VENDOR_USAGE_PAGE, 4).toStdString() + "\n";

    const std::vector<HidrawNodeInfo> nodes = ListHidrawNodes();
    out += "hidraw nodes:\n";
    if (nodes.empty()) out += "  none\n";
    int unitInterfaces = 0;
    int matching = 0;
    int openable = 0;
    for (const HidrawNodeInfo& n : nodes) {
        out += NodeLine(n).toStdString() + "\n";
        unitInterfaces += n.isUnitInterface ? 1 : 0;
        matching += n.matchesUnit ? 1 : 0;
        openable += (n.matchesUnit && n.nodeExists && n.canReadWrite) ? 1 : 0;
    }

    const UdevRuleStatus rule = FindUdevRule();
    out += "udev rule: ";
    out += rule.installed ? "installed: " + rule.files.join(QStringLiteral(", ")).toStdString()
                          : "not installed (looked in " + rule.searchedDirs.join(QStringLiteral(", ")).toStdString() + ")";
    out += "\n\n";

    int status = EXIT_UNIT;
    if (unitInterfaces == 0) {
        out += "No Tarvik unit is plugged in: no hidraw node has USB ID " + usb.toStdString() +
               ". Plug it in (try another cable or port if it is plugged in).\n";
    } else if (matching == 0) {
        out += "A device with the unit's USB ID is there, but none of its interfaces carries usage page 0x" +
               HexDigits(VENDOR_USAGE_PAGE, 4).toStdString() + ", so it cannot be configured.\n";
    } else if (openable == 0) {
        out += rule.installed
                   ? "The udev rule is installed but the unit's node is not open to you. Apply the rule as root with\n"
                     "  udevadm control --reload && udevadm trigger\n"
                     "and plug the unit in again. The rule gives access to the user logged in at the seat, not to\n"
                     "remote (ssh) sessions.\n"
                   : "The unit's node is not open to you. Install the udev rule 70-tarvik.rules (the package does;\n"
                     "from source: cmake --install), then as root run\n"
                     "  udevadm control --reload && udevadm trigger\n"
                     "and plug the unit in again.\n";
    } else {
        out += "The unit can be opened: tarvik-config and tarvikctl will find it.\n";
        if (!rule.installed) out += "(The udev rule is not installed: your access comes from elsewhere, e.g. root.)\n";
        status = EXIT_OK;
    }
    Out(out);
    return status;
}

}  // namespace tarvik::cli
