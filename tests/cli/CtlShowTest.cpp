// SPDX-License-Identifier: GPL-3.0-or-later
// show, help, doctor and the transcript.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

#include "CtlRunner.h"

namespace tarvik::test {
namespace {

// Key "2" is explained by its shifted character, a double quote; a key beyond the table has no set
// form; two pedals are named as a two-pedal unit names them. The descriptions and fields themselves
// are the model's; here, how show passes them on.
TEST(CtlShow, GivesTheWindowTextTheSetCommandAndTheFields) {
    QTemporaryDir dir;
    const QString unit = WriteFile(dir, "u.json", QByteArray(R"({"firmware": [2, 1, 0], "pedals": [
        {"mode": 0, "common": "00 1f 00 00 00 00 00 00 00 00 00 00 00"},
        {"mode": 0, "common": "11 f0 00 00 00 00 00 00 00 00 00 00 00"}]})"));
    const CtlResult text = RunCtl({"--simulate=" + unit, "show"});
    EXPECT_EQ(text.exitCode, 0) << text.err.toStdString();
    EXPECT_EQ(text.out.toStdString(),
              "pedal 0: 右ペダル\n[設定されている機能] キー出力\n[キー] 2\n"
              "[キー説明] Shiftプラスこのキーで \"\n[モディファイア] なし\ntarvikctl set 0 key 2\n\n"
              "pedal 1: 左ペダル\n[設定されている機能] キー出力\n[キー] ---\n"
              "[モディファイア] (左)control+右control\n# no tarvikctl set form writes this setting\n\n");

    const char* const expected = R"([
        {"pedal": 0, "name": "右ペダル", "mode": 0, "common": [0, 31, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0],
         "description": "[設定されている機能] キー出力\r\n[キー] 2\r\n[キー説明] Shiftプラスこのキーで \"\r\n[モディファイア] なし",
         "set": ["key", "2"], "fields": {"mode": 0, "modifiers": [], "key": "2", "usage_id": 31}},
        {"pedal": 1, "name": "左ペダル", "mode": 0, "common": [17, 240, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0],
         "description": "[設定されている機能] キー出力\r\n[キー] ---\r\n[モディファイア] (左)control+右control",
         "set": null, "fields": {"mode": 0, "modifiers": ["ctrl", "rctrl"], "key": "0xf0", "usage_id": 240}}
    ])";
    const CtlResult all = RunCtl({"--simulate=" + unit, "show", "--json"});
    EXPECT_EQ(all.exitCode, 0) << all.err.toStdString();
    const QJsonDocument want = QJsonDocument::fromJson(expected);
    ASSERT_FALSE(want.isNull());
    EXPECT_EQ(QJsonDocument::fromJson(all.out.toUtf8()), want) << all.out.toStdString();

    const CtlResult one = RunCtl({"--simulate=" + unit, "show", "左ペダル", "--json"});
    EXPECT_EQ(QJsonDocument::fromJson(one.out.toUtf8()), QJsonDocument(QJsonArray{want.array()[1]}));
}

// The command show offers, pasted into a shell as a person would (a name with a blank of its own
// comes quoted): the unit is left exactly as it was. (What show's arguments write is SetForm's.)
TEST(CtlShow, ItsSetCommandWritesTheRecordBackUnchanged) {
    QTemporaryDir dir;
    const QByteArray before = UnitJson({{9, "2c 0a 10 01 00 03 80 68 57 00 00 00 00"}});
    const QString unit = WriteFile(dir, "unit.json", before);
    const QString S = "--simulate=" + unit;
    const QString line = LinesStartingWith(RunCtl({S, "show"}).out, "tarvikctl set ").value(0);
    EXPECT_EQ(line.toStdString(),
              "tarvikctl set 0 chord 'rcmd+F13+キーパッド +' --on-ms 300 --off-ms 10 --repeats 3 --count chords");
    QProcess shell;
    shell.start("sh", {"-c", QStringLiteral("'%1' '%2' %3").arg(TARVIKCTL_PATH, S, line.mid(10))});
    ASSERT_TRUE(shell.waitForFinished(60000));
    EXPECT_EQ(shell.exitCode(), 0) << shell.readAllStandardError().toStdString();
    EXPECT_EQ(ReadFile(unit), before);
}

TEST(CtlShow, VersionAndHelpOfBothProgramsAndTheTranscript) {
    const struct { bool gui; QStringList args; const char* out; bool whole; const char* err = ""; } cases[] = {
        {false, {"--version"}, "tarvikctl 2.2.5\n", true},
        {false, {"--help"}, "Usage: tarvikctl [options] COMMAND [ARGUMENTS]\n", false},  // the program, not its path
        {true, {"--version"}, "tarvik-config 2.2.5\n", true},
        {true, {"--help"}, "Usage: tarvik-config [--simulate[=FILE]]\n", false},
        // Each report as 16 bytes, on a line of its own; which reports a read sends is the flow's.
        {false, {"--simulate", "--transcript", "show"}, "pedal 0: ", false,
         "> 90 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n< 90 00 02 01 00 00 00 00 00 00 00 00 00 00 00 00\n"
         "> 91 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n< 91 00 03 00 00 00 00 00 00 00 00 00 00 00 00 00\n"},
    };
    for (const auto& c : cases) {
        const CtlResult r = c.gui ? RunGuiWithoutDisplay(c.args) : RunCtl(c.args);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_TRUE(c.whole ? r.out == c.out : r.out.startsWith(c.out)) << r.out.toStdString();
        EXPECT_TRUE(*c.err == '\0' || r.err.startsWith(c.err)) << r.err.toStdString();
    }
}

TEST(CtlDoctor, ReportsNodesAndRuleWithoutTouchingAUnit) {
    const CtlResult r = RunCtl({"doctor"});
    // Whether a unit is plugged in depends on the machine; the report's shape does not.
    EXPECT_TRUE(r.exitCode == 0 || r.exitCode == 1) << r.exitCode;
    EXPECT_TRUE(r.out.startsWith("Tarvik unit: USB ")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("\nhidraw nodes:\n"));
    EXPECT_TRUE(r.out.contains("\nudev rule: "));
}

}  // namespace
}  // namespace tarvik::test
