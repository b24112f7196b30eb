// Every refusal: its exit status, what it says, and that nothing reached the unit.
#include <gtest/gtest.h>

#include "CtlRunner.h"

namespace tarvik::test {
namespace {

QByteArray Firmware3(const char* minorAndPatch) {
    return QByteArray(R"({"firmware": [3, )") + minorAndPatch +
           R"(], "pedals": [{"mode": 1, "common": "01 00 00 00 00 00 00 00 00 00 00 00 00"}]})";
}

TEST(CtlRefusal, BadUsageAndUnusableInputExitTwoAndWriteNothing) {
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
        {{S, "set", "0", "key", "capslock"}, "tarvikctl: unknown key 'capslock'. Keys of the standard set: a, b, c"},
        {{S, "set", "0", "key", "Caps Lock"},
         "tarvikctl: key 0x39 (Caps Lock) is not in the standard set, which is all the standard setting writes"},
        {{S, "set", "0", "key", "0x00"}, "tarvikctl: key 0x00 (なし) is not in the standard set"},
        {{S, "set", "0", "key", "0x100"}, "tarvikctl: unknown key '0x100'"},
        {{S, "set", "0", "key", "rctrl+a"}, "tarvikctl: 'rctrl': right-hand modifiers are outside the standard setting"},
        {{S, "set", "0", "key", "ctrl+"}, "tarvikctl: 'ctrl+' ends with '+'; name the key after it"},
        {{S, "set", "0", "click", "sideways"}, "tarvikctl: click 'sideways': choose left, right or middle"},
        {{S, "set", "0", "frob"}, "tarvikctl: set PEDAL needs key KEYSPEC, click left|right|middle or double-click"},
        {{S, "set", "0", "key"}, "tarvikctl: set PEDAL key needs a KEYSPEC"},
        {{S, "set", "0", "double-click", "now"}, "tarvikctl: set PEDAL double-click takes nothing after it"},
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
