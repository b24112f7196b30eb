// Every refusal: its exit status, what it says, and that nothing reached the unit.
#include <gtest/gtest.h>

#include "CtlRunner.h"

namespace tarvik::test {
namespace {

QByteArray DefaultUnit() {
    return UnitJson({{1, "01 00 00 00 00 00 00 00 00 00 00 00 00"},
                     {0, "00 28 00 00 00 00 00 00 00 00 00 00 00"},
                     {1, "02 00 00 00 00 00 00 00 00 00 00 00 00"}});
}

bool SentAWrite(const QString& err) {
    for (const QString& line : LinesStartingWith(err, "> ")) {
        if (line.startsWith("> 94") || line.startsWith("> 92")) return true;
    }
    return false;
}

TEST(CtlRefusal, BadUsageAndInputExitTwoAndWriteNothing) {
    const struct {
        QStringList args;
        const char* says;
    } cases[] = {
        {{"frob"}, "tarvikctl: unknown command 'frob'; commands: list, show, set, reset, dump, restore, doctor"},
        {{}, "tarvikctl: no command given (see tarvikctl --help)"},
        {{"--bogus", "show"}, "tarvikctl: Unknown option 'bogus'."},
        {{"set", "7", "click", "left"}, "tarvikctl: pedal 7: a unit has at most 5 pedals, numbered 0 to 4"},
        {{"set", "foo", "click", "left"}, "tarvikctl: 'foo' names no pedal"},
        {{"set", "far-left", "click", "left"},
         "tarvikctl: this unit has no pedal 'far-left'; its pedals: 0 中央ペダル (center), 1 左ペダル (left), "
         "2 右ペダル (right)"},
        {{"set", "3", "key", "a"}, "tarvikctl: this unit has no pedal '3'"},
        {{"set", "0", "key", "capslock"}, "tarvikctl: unknown key 'capslock'. Keys of the standard set: a, b, c"},
        {{"set", "0", "key", "Caps Lock"},
         "tarvikctl: key 0x39 (Caps Lock) is not in the standard set, which is all the standard setting writes"},
        {{"set", "0", "key", "0x00"}, "tarvikctl: key 0x00 (なし) is not in the standard set"},
        {{"set", "0", "key", "0x100"}, "tarvikctl: unknown key '0x100'"},
        {{"set", "0", "key", "rctrl+a"}, "tarvikctl: 'rctrl': right-hand modifiers are outside the standard setting"},
        {{"set", "0", "key", "ctrl+"}, "tarvikctl: 'ctrl+' ends with '+'; name the key after it"},
        {{"set", "0", "click", "sideways"}, "tarvikctl: click 'sideways': choose left, right or middle"},
        {{"set", "0", "frob"}, "tarvikctl: set PEDAL needs key KEYSPEC, click left|right|middle or double-click"},
        {{"set", "0", "key"}, "tarvikctl: set PEDAL key needs a KEYSPEC"},
        {{"set", "0", "double-click", "now"}, "tarvikctl: set PEDAL double-click takes nothing after it"},
        {{"show", "--yes"}, "tarvikctl: --yes goes with reset only"},
        {{"dump", "--json"}, "tarvikctl: --json goes with show only"},
        {{"restore"}, "tarvikctl: usage: tarvikctl restore FILE"},
        {{"list", "extra"}, "tarvikctl: usage: tarvikctl list"},
        {{"restore", "/nonexistent/snapshot.json"}, "tarvikctl: /nonexistent/snapshot.json: cannot read"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        UnitFolder folder;
        const QString unit = folder.Write("unit.json", DefaultUnit());
        const QByteArray before = folder.Read("unit.json");
        const CtlResult r = RunCtl(QStringList{"--simulate=" + unit, "--transcript"} + c.args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << r.err.toStdString();
        EXPECT_FALSE(SentAWrite(r.err));
        EXPECT_EQ(folder.Read("unit.json"), before);
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    }
}

TEST(CtlRefusal, UnusableUnitFilesExitTwo) {
    const struct {
        const char* label;
        QByteArray file;
        const char* says;
    } cases[] = {
        {"not JSON", "{", "unit.json"},
        {"short common data", UnitJson({{1, "01 00"}}), "pedals[0].common"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        UnitFolder folder;
        const QString unit = folder.Write("unit.json", c.file);
        const CtlResult r = RunCtl({"--simulate=" + unit, "show"});
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << r.err.toStdString();
        EXPECT_EQ(folder.Read("unit.json"), c.file);
    }
    const CtlResult missing = RunCtl({"--simulate=/nonexistent/unit.json", "show"});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.err.contains("/nonexistent/unit.json: cannot read")) << missing.err.toStdString();
    // A file named without '=' is taken for the command, and the message says how to attach it.
    UnitFolder folder;
    const QString unit = folder.Write("unit.json", DefaultUnit());
    const CtlResult detached = RunCtl({"--simulate", unit, "show"});
    EXPECT_EQ(detached.exitCode, 2);
    EXPECT_TRUE(detached.err.contains("to simulate a unit file, attach it: --simulate=" + unit)) << detached.err.toStdString();
}

TEST(CtlRefusal, UnitProblemsExitOne) {
    const struct {
        const char* label;
        QByteArray unit;
        QStringList args;
        QStringList says;
        int exchanges;  // reports sent before giving up
    } cases[] = {
        {"firmware 3 is refused after the version", R"({"firmware": [3, 0, 0], "pedals": [{"mode": 1, "common": "01 00 00 00 00 00 00 00 00 00 00 00 00"}]})", {"show"},
         {"このバージョンは対応しておりません", "tarvikctl: firmware 3.0.0 is not supported"}, 1},
        {"list names an unsupported unit", R"({"firmware": [3, 1, 2], "pedals": [{"mode": 1, "common": "01 00 00 00 00 00 00 00 00 00 00 00 00"}]})", {"list"},
         {"このバージョンは対応しておりません"}, 1},
        {"no such unit", DefaultUnit(), {"--device", "sim:9", "show"},
         {"tarvikctl: no Tarvik unit at sim:9; units found: sim:0"}, 0},
        // The real 3-second time-out: the unit never answers a pedal read.
        {"silent unit", UnitJson({{1, "01 00 00 00 00 00 00 00 00 00 00 00 00"}}, "\"silent_commands\": [149]"),
         {"show"}, {"タイムアウト", "tarvikctl: reading the unit failed"}, 3},
        // ... and never confirms a write: the parameters are not sent after it.
        {"write not confirmed", UnitJson({{1, "01 00 00 00 00 00 00 00 00 00 00 00 00"}}, "\"silent_commands\": [148]"),
         {"set", "0", "click", "right"}, {"タイムアウト", "tarvikctl: writing pedal 0 failed"}, 4},
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
