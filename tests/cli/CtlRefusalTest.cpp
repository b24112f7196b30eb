// Every refusal: its exit status, what it says, and that nothing was written to the unit.
#include <gtest/gtest.h>

#include "CtlRunner.h"

namespace tarvik::test {
namespace {

QByteArray Firmware3(const char* minorAndPatch) {
    return QByteArray(R"({"firmware": [3, )") + minorAndPatch +
           R"(], "pedals": [{"mode": 1, "common": "01 00 00 00 00 00 00 00 00 00 00 00 00"}]})";
}

TEST(CtlRefusal, BadUsageAndUnusableInputExitTwoAndSendNothing) {
    UnitFolder folder;
    const QString unit = folder.Write("unit.json", ThreePedals());
    const QString broken = folder.Write("broken.json", "{");
    const QString shortData = folder.Write("short.json", UnitJson({{1, "01 00"}}));
    const QString S = "--simulate=" + unit;
    const struct { QStringList args; QString says; } cases[] = {
        {{S, "frob"}, "tarvikctl: unknown command 'frob'; commands: list, show, set, reset, dump, restore, doctor"},
        {{S}, "tarvikctl: no command given (see tarvikctl --help)"},
        {{S, "--bogus", "show"}, "tarvikctl: Unknown option 'bogus'."},
        {{S, "set", "7", "click", "left"}, "tarvikctl: pedal 7: a unit has at most 5 pedals, numbered 0 to 4"},
        {{S, "set", "foo", "click", "left"}, "tarvikctl: 'foo' names no pedal"},
        {{S, "set", "far-left", "click", "left"},
         "tarvikctl: this unit has no pedal 'far-left'; its pedals: 0 中央ペダル (center), 1 左ペダル (left), "
         "2 右ペダル (right)"},
        {{S, "set", "3", "key", "a"}, "tarvikctl: this unit has no pedal '3'"},
        // Every form's values are checked before the unit is read; options may follow the arguments.
        {{S, "set"}, "tarvikctl: usage: tarvikctl set PEDAL FORM [ARGUMENTS]"},
        {{S, "set", "0"}, "tarvikctl: FORM missing; allowed key, click, double-click, modifier-click"},
        {{S, "set", "0", "frob"}, "tarvikctl: FORM 'frob': unknown; allowed key, click"},
        {{S, "set", "0", "key"}, "tarvikctl: key: KEYSPEC missing; usage: key KEYSPEC"},
        {{S, "set", "0", "key", "capslock"},
         "tarvikctl: KEYSPEC 'capslock': unknown key 'capslock'; did you mean Caps Lock?"},
        {{S, "set", "0", "key", "0x00"},
         "tarvikctl: KEYSPEC '0x00': 0x00 is no key of the key table; allowed usage IDs 0x01..0xe7"},
        {{S, "set", "0", "click", "sideways"}, "tarvikctl: BUTTONS 'sideways': unknown button 'sideways'"},
        {{S, "set", "0", "double-click", "left", "--first-ms", "0"},
         "tarvikctl: --first-ms '0': allowed 1..255 ms"},
        {{S, "set", "0", "modifier-click", "a", "left"}, "tarvikctl: MODIFIERS 'a': 'a' is no modifier"},
        {{S, "set", "0", "modifier-double-click", "ctrl", "left", "--second", "long"},
         "tarvikctl: --second 'long': allowed same or hold"},
        {{S, "set", "0", "repeat-key", "a", "--rate", "-1"},
         "tarvikctl: --rate '-1': allowed 0.1..6553.5 per second, at most one decimal"},
        {{S, "set", "0", "pointer", "up", "--accelerate", "1001"},
         "tarvikctl: --accelerate '1001': allowed 1..1000"},
        {{S, "set", "0", "wheel", "forward", "--rate=2.5"},
         "tarvikctl: --rate '2.5': allowed 1..65535 per second"},
        {{S, "set", "0", "repeat-click", "left", "--repeats", "65536"},
         "tarvikctl: --repeats '65536': allowed 0..65535"},
        {{S, "set", "0", "chord", "a+b+c+d+e+f+g"}, "tarvikctl: KEYSPEC 'a+b+c+d+e+f+g': 7 keys"},
        {{S, "set", "0", "on-change", "--press", "ctrl"}, "tarvikctl: --press 'ctrl': no key"},
        {{S, "show", "7"}, "tarvikctl: pedal 7: a unit has at most 5 pedals"},
        {{S, "show", "far-left"}, "tarvikctl: this unit has no pedal 'far-left'"},
        {{S, "show", "0", "1"}, "tarvikctl: usage: tarvikctl show [PEDAL] [--json]"},
        {{S, "show", "--yes"}, "tarvikctl: --yes goes with reset only"},
        {{S, "dump", "--json"}, "tarvikctl: --json goes with show only"},
        {{S, "restore"}, "tarvikctl: usage: tarvikctl restore FILE"},
        {{S, "list", "extra"}, "tarvikctl: usage: tarvikctl list"},
        {{S, "restore", "/nonexistent/snapshot.json"}, "tarvikctl: /nonexistent/snapshot.json: cannot read"},
        {{S, "reset"}, "standard input is not a terminal; add --yes to reset without asking. Nothing was changed."},
        {{"--simulate=" + broken, "show"}, broken},
        {{"--simulate=" + shortData, "show"}, "pedals[0].common"},
        {{"--simulate=/nonexistent/unit.json", "show"}, "/nonexistent/unit.json: cannot read"},
        // A file named without '=' is taken for the command, and the message says how to attach it.
        {{"--simulate", unit, "show"}, "to simulate a unit file, attach it: --simulate=" + unit},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CtlResult r = RunCtl(QStringList{"--transcript"} + c.args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.err.contains(c.says)) << r.err.toStdString();
        EXPECT_TRUE(WriteReports(r.err).isEmpty());
        // Only a pedal the unit lacks is found out by reading it; everything else is refused unsent.
        if (!c.says.contains("this unit has no pedal")) {
            EXPECT_TRUE(LinesStartingWith(r.err, "> ").isEmpty());
        }
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    }
    EXPECT_EQ(folder.Read("unit.json"), ThreePedals());
    EXPECT_EQ(folder.Read("broken.json"), "{");
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
