// SPDX-License-Identifier: GPL-3.0-or-later
// Every kind of refusal and failed save: its exit status, what it says, that nothing was written to
// the unit, and that every file is byte for byte as it was. The parsers' own messages and the kinds
// of files refused are tested in process (SetForm, PedalArgument, SafeFile, UnitFile); here, that
// each reaches the user.
#include <gtest/gtest.h>

#include "CtlRunner.h"
#include "support/FileKinds.h"

namespace tarvik::test {
namespace {

TEST(CtlRefusal, RefusedAndFailedCommandsLeaveTheUnitAndEveryFileAsTheyWere) {
    enum Run { Ctl, CtlWithoutFileSpace, Gui };
    const QString S = QStringLiteral("--simulate=@/unit.json");
    const struct {
        Run run;
        QStringList args;
        int exitCode;
        const char* says;
    } cases[] = {
        {Ctl, {S, "frob"}, 2, "tarvikctl: unknown command 'frob'; commands: list, show, set, reset, dump, restore, doctor"},
        {Ctl, {S}, 2, "tarvikctl: no command given (see tarvikctl --help)"},
        {Ctl, {S, "--bogus", "show"}, 2, "tarvikctl: Unknown option 'bogus'."},
        {Ctl, {S, "set"}, 2, "tarvikctl: usage: tarvikctl set PEDAL FORM [ARGUMENTS]"},
        {Ctl, {S, "set", "7", "click", "left"}, 2, "tarvikctl: pedal 7: a unit has at most 5 pedals, numbered 0 to 4"},
        {Ctl, {S, "set", "0", "key", "capslock"}, 2,
         "tarvikctl: KEYSPEC 'capslock': unknown key 'capslock'; did you mean Caps Lock?"},
        {Ctl, {S, "set", "3", "key", "a"}, 2, "tarvikctl: this unit has no pedal '3'"},
        {Ctl, {S, "show", "far-left"}, 2, "tarvikctl: this unit has no pedal 'far-left'"},
        {Ctl, {S, "show", "0", "1"}, 2, "tarvikctl: usage: tarvikctl show [PEDAL] [--json]"},
        {Ctl, {S, "show", "--yes"}, 2, "tarvikctl: --yes goes with reset only"},
        {Ctl, {S, "dump", "--json"}, 2, "tarvikctl: --json goes with show only"},
        {Ctl, {S, "show", "--force"}, 2, "tarvikctl: --force goes with dump only"},
        {Ctl, {S, "restore"}, 2, "tarvikctl: usage: tarvikctl restore FILE"},
        {Ctl, {S, "list", "extra"}, 2, "tarvikctl: usage: tarvikctl list"},
        {Ctl, {S, "reset"}, 2,
         "standard input is not a terminal; add --yes to reset without asking. Nothing was changed."},
        // A file named without '=' is taken for the command, and the message says how to attach it.
        {Ctl, {"--simulate", "@/unit.json", "show"}, 2, "to simulate a unit file, attach it: --simulate=@/unit.json"},
        // dump replaces nothing unless told to, and then only a regular file.
        {Ctl, {S, "dump", "@/file"}, 2, "tarvikctl: @/file exists already; add --force to replace it. Nothing was written"},
        {Ctl, {S, "dump", "--force", "@/link-to-fifo"}, 2,
         "tarvikctl: @/link-to-fifo: cannot write (a symbolic link to @/fifo, which is a FIFO, not a regular file)"},
        // A write that fails half-way says why, and the old file stays whole: tarvikctl itself ignores
        // the signal a write past the limit raises.
        {CtlWithoutFileSpace, {S, "dump", "--force", "@/file"}, 2,
         "tarvikctl: @/file: cannot write (File too large); the file is unchanged"},
        {CtlWithoutFileSpace, {S, "dump", "@/new.json"}, 2,
         "tarvikctl: @/new.json: cannot write (File too large); nothing was written"},
        {CtlWithoutFileSpace, {S, "set", "0", "key", "a"}, 1,
         "tarvikctl: the simulated unit's settings were not saved: @/unit.json: cannot write (File too large); "
         "the file is unchanged"},
        {CtlWithoutFileSpace, {"--simulate=@/keys.json", "reset", "--yes"}, 1,
         "tarvikctl: the simulated unit's settings were not saved: @/keys.json: cannot write (File too large)"},
        // Unit files and snapshots are read only from regular files, and strictly.
        {Ctl, {"--simulate=@/fifo", "show"}, 2, "tarvikctl: @/fifo: cannot read (a FIFO, not a regular file)"},
        {Ctl, {S, "restore", "@/socket"}, 2, "tarvikctl: @/socket: cannot read (a socket, not a regular file)"},
        {Gui, {"--simulate=@/link-to-null"}, 2,
         "tarvik-config: @/link-to-null: cannot read (a character device, not a regular file)"},
        // tarvik-config answers its command line without a display, and says when it needs one.
        {Gui, {"--bogus"}, 2, "tarvik-config: Unknown option 'bogus'.\nUsage: tarvik-config [--simulate[=FILE]]\n"},
        {Gui, {"-platform", "xcb", "stray"}, 2,
         "tarvik-config: unexpected argument 'stray'\nUsage: tarvik-config [--simulate[=FILE]]\n"},
        {Gui, {"--simulate"}, 1, "tarvik-config: no display to show the window on"},
        {Ctl, {"--simulate=@/twice.json", "show"}, 2, "tarvikctl: @/twice.json: pedal_count: given more than once"},
        {Ctl, {S, "restore", "@/twice.json"}, 2, "tarvikctl: @/twice.json: pedal_count: given more than once"},
    };
    for (const auto& c : cases) {
        Kinds kinds;
        kinds.Put("unit.json", ThreePedals());
        kinds.Put("twice.json", R"({"pedal_count": 300, "pedals": [], "pedal_count": 0})");
        kinds.Put("keys.json", UnitJson({{0, "00 04 00 00 00 00 00 00 00 00 00 00 00"}}));
        QStringList args;
        for (const QString& a : c.args) args << kinds.InFolder(a);
        SCOPED_TRACE(args.join(' ').toStdString());
        const std::vector<std::string> before = kinds.All();

        const CtlResult r = c.run == Gui                   ? RunGuiWithoutDisplay(args)
                            : c.run == CtlWithoutFileSpace ? RunCtlWithoutFileSpace(QStringList{"--transcript"} + args)
                                                           : RunCtl(QStringList{"--transcript"} + args);
        EXPECT_EQ(r.exitCode, c.exitCode) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(kinds.InFolder(QString::fromUtf8(c.says)))) << r.err.toStdString();
        EXPECT_EQ(r.out, "") << "no data, and no confirmation of what failed";
        if (c.exitCode == 2) {
            EXPECT_TRUE(WriteReports(r.err).isEmpty()) << "refused before the unit was written";
        }
        // Only a pedal the unit lacks, and a failed save, are found out after reading the unit.
        if (c.run == Ctl && !QString::fromUtf8(c.says).contains("this unit has no pedal")) {
            EXPECT_TRUE(LinesStartingWith(r.err, "> ").isEmpty()) << "refused before the unit was read";
        }
        EXPECT_EQ(kinds.All(), before);
    }
}

QByteArray Firmware3(const char* minorAndPatch) {
    return QByteArray(R"({"firmware": [3, )") + minorAndPatch +
           R"(], "pedals": [{"mode": 1, "common": "01 00 00 00 00 00 00 00 00 00 00 00 00"}]})";
}

TEST(CtlRefusal, UnitProblemsExitOne) {
    const struct {
        const char* label;
        QByteArray unit;
        QStringList args;
        QStringList says;
        int exchanges;  // reports sent before giving up
    } cases[] = {
        {"firmware 3 is refused after the version", Firmware3("0, 0"), {"show"},
         {"このバージョンは対応しておりません", "tarvikctl: firmware 3.0.0 is not supported"}, 1},
        {"list names an unsupported unit", Firmware3("1, 2"), {"list"}, {"このバージョンは対応しておりません"}, 1},
        {"no such unit", ThreePedals(), {"--device", "sim:9", "show"},
         {"tarvikctl: no Tarvik unit at sim:9; units found: sim:0"}, 0},
        // The real 3-second time-out: the unit never answers a pedal read.
        {"silent unit", UnitJson({{1, "01 00 00 00 00 00 00 00 00 00 00 00 00"}}, "\"silent_commands\": [149]"),
         {"show"}, {"タイムアウト", "tarvikctl: reading the unit failed"}, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        UnitFolder folder;
        const QString unit = folder.Write("unit.json", c.unit);
        const CtlResult r = RunCtl(QStringList{"--simulate=" + unit, "--transcript"} + c.args);
        EXPECT_EQ(r.exitCode, 1);
        for (const QString& s : c.says) EXPECT_TRUE(r.err.contains(s)) << r.err.toStdString();
        EXPECT_EQ(LinesStartingWith(r.err, "> ").size(), c.exchanges) << r.err.toStdString();
        EXPECT_FALSE(r.out.contains("pedal 0:"));
    }
}

}  // namespace
}  // namespace tarvik::test
