// SPDX-License-Identifier: GPL-3.0-or-later
// tarvikctl's command line, in process: what it refuses and what it says. That a refusal reaches
// the user, with its exit status and nothing touched, is CtlRefusalTest's.
#include <gtest/gtest.h>

#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "device/HidrawNodes.h"
#include "support/FileKinds.h"

namespace tarvik::test {
namespace {

using namespace tarvik::cli;

TEST(CliArgs, RefusalsSayWhatIsWrongOnOneLine) {
    QTemporaryDir dir;
    const QString unit = WriteFile(dir, "unit.json", "{}");
    const QString S = QStringLiteral("--simulate=") + unit;
    const struct { QStringList args; QString says; } cases[] = {
        {{S, "frob"}, "unknown command 'frob'; commands: list, show, set, reset, dump, restore, doctor (see tarvikctl --help)"},
        {{S}, "no command given (see tarvikctl --help)"},
        {{S, "--bogus", "show"}, "Unknown option 'bogus'. (see tarvikctl --help)"},
        {{S, "set"}, "usage: tarvikctl set PEDAL FORM [ARGUMENTS] (tarvikctl --help lists the forms)"},
        {{S, "show", "0", "1"}, "usage: tarvikctl show [PEDAL] [--json]"},
        {{S, "list", "extra"}, "usage: tarvikctl list"}, {{S, "restore"}, "usage: tarvikctl restore FILE"},
        {{S, "show", "--yes"}, "--yes goes with reset only"},
        {{S, "dump", "--json"}, "--json goes with show only"},
        {{S, "show", "--force"}, "--force goes with dump only"},
        {{"--device=", "show"}, "--device needs a PATH (tarvikctl list shows them)"},
        // A file named without '=' is taken for the command; the hint is a command that would run.
        {{"--simulate", unit, "show"},
         "unknown command '" + unit + "'; commands: list, show, set, reset, dump, restore, doctor (see tarvikctl "
         "--help); to simulate a unit file, attach it: --simulate=" + unit},
        {{"--simulate", dir.path(), "show"},
         "unknown command '" + dir.path() + "'; commands: list, show, set, reset, dump, restore, doctor (see "
         "tarvikctl --help)"},
        // An unset shell variable does not change what the command does.
        {{"--simulate=", "set", "1", "key", "f13"},
         "--simulate= names no FILE (an unset shell variable?); --simulate alone is the built-in unit"},
        {{S, "dump", ""}, "an empty argument (an unset shell variable?); usage: tarvikctl dump [FILE|-] [--force]"},
        {{S, S, "show"}, "--simulate given more than once; each names a unit file of its own"},
        {{S, "--device", "a", "--device=b", "set", "0", "key", "a"}, "--device given more than once"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        CliRequest request;
        QString message;
        EXPECT_EQ(ParseCommandLine(QStringList{"tarvikctl"} + c.args, request, message), ParseOutcome::Error);
        EXPECT_EQ(message, c.says);
    }
}

TEST(Doctor, TheUnitsOtherInterfacesAreRightlyUntagged) {
    HidrawNodeInfo node;
    node.devnode = QStringLiteral("/dev/hidraw1");
    node.vendorId = 0x1209;
    node.productId = 0x0001;
    node.interfaceNumber = 0;
    node.descriptorRead = true;
    node.pages.topLevelUsagePages = {0x01};
    node.isUnitInterface = true;
    node.seatTag = HidrawNodeInfo::SeatTag::NotTagged;
    EXPECT_EQ(DoctorNodeLine(node), "  /dev/hidraw1  1209:0001  interface 0  usage pages 0x0001  no device file  no "
                                    "uaccess tag  (another interface of the unit: untagged, as it should be)");
    node.seatTag = HidrawNodeInfo::SeatTag::Tagged;
    EXPECT_EQ(DoctorNodeLine(node), "  /dev/hidraw1  1209:0001  interface 0  usage pages 0x0001  no device file  "
                                    "uaccess tag  (another interface of the unit, tagged though it should not be: an "
                                    "older rule?)");
}

}  // namespace
}  // namespace tarvik::test
