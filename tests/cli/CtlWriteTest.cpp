// SPDX-License-Identifier: GPL-3.0-or-later
// set, reset, dump and restore: that they reach the unit and what the simulated unit keeps, also
// with two writers at once. Where dump may write is the safe writer's and the refusal table's.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>

#include "CtlRunner.h"

namespace tarvik::test {
namespace {

// Two tarvikctl processes on one unit file at once: neither loses the other's write, each says it
// wrote. (The bytes of each form and the write's exchanges are the set forms' and the write flow's.)
TEST(CtlSharing, TwoWritersAtOnceBothKeepTheirWrite) {
    QTemporaryDir dir;
    const QString unit = WriteFile(dir, "unit.json", ThreePedals());
    const char keys[] = "bcdefghijk";
    for (int round = 0; round < 10; ++round) {
        SCOPED_TRACE(round);
        const QString key(QLatin1Char(keys[round]));
        QProcess first, second;
        first.start(TARVIKCTL_PATH, {"--simulate=" + unit, "set", "0", "key", key});
        second.start(TARVIKCTL_PATH, {"--simulate=" + unit, "set", "右", "key", key});
        ASSERT_TRUE(first.waitForFinished(20000) && second.waitForFinished(20000));
        EXPECT_EQ(first.exitCode(), 0) << first.readAllStandardError().toStdString();
        EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
        EXPECT_EQ(QString::fromUtf8(second.readAllStandardOutput()), "Tarvikの右ペダルの設定が正常に終わりました。\n");
        const QByteArray code = QByteArray::number(5 + round, 16).rightJustified(2, '0');
        const QByteArray text = ReadFile(unit);
        // Pedal 0 (its last byte, which no key form writes, kept), then pedal 2, each with this round's key.
        const qsizetype pedal0 = text.indexOf("\"common\": \"00 " + code + " 00 00 00 00 00 00 00 00 00 00 2a\"");
        ASSERT_GE(pedal0, 0) << text.toStdString();
        EXPECT_GE(text.indexOf("\"common\": \"00 " + code, pedal0 + 1), 0) << text.toStdString();
    }
}

TEST(CtlReset, WithYesResetsAndWarnsOfTheChordsItLoses) {
    QTemporaryDir dir;
    const QString unit = WriteFile(dir, "unit.json", UnitJson({{0, "00 04 00 00 00 00 00 00 00 00 00 00 2a"},
                                                              {9, "2c 0a 10 02 00 00 02 04 05 00 00 00 00"},
                                                              {2, "01 0f 00 0f 00 00 00 00 00 00 00 00 00"}}));
    const CtlResult r = RunCtl({"--simulate=" + unit, "--transcript", "reset", "--yes"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), "All 3 pedals are back at the factory setting.\n");
    // The second chord lives where nothing writes: the reset says so before it loses it.
    const qsizetype warned = r.err.indexOf("tarvikctl: warning: pedal 1 (左ペダル) holds 2 chords (mode 9); "
                                           "after the reset no snapshot or command can bring them back\n");
    EXPECT_TRUE(warned >= 0 && warned < r.err.indexOf("> 94")) << r.err.toStdString();
}

// The question on a terminal: `script` gives tarvikctl a pseudo-terminal and types the answer.
TEST(CtlReset, OnATerminalItAsksAndOnlyYesResets) {
    const QString script = QStandardPaths::findExecutable("script");
    if (script.isEmpty()) GTEST_SKIP() << "script (util-linux) is not installed";
    const struct { const char* answer; int exitCode; const char* says; bool changed; } cases[] = {
        {"y\n", 0, "All 3 pedals are back at the factory setting.", true}, {"n\n", 2, "キャンセルしました", false},
        {"", 2, "tarvikctl: nothing was changed", false},  // end of input is no
    };
    // Pedal 0 holds a key; the factory setting is a click.
    const QByteArray before = UnitJson({{0, "00 04 00 00 00 00 00 00 00 00 00 00 00"},
                                        {0, "00 28 00 00 00 00 00 00 00 00 00 00 00"},
                                        {1, "02 00 00 00 00 00 00 00 00 00 00 00 00"}});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        QTemporaryDir dir;
        const QString unit = WriteFile(dir, "unit.json", before);
        QProcess process;
        const QString command = QStringLiteral("'%1' '--simulate=%2' reset").arg(TARVIKCTL_PATH, unit);
        process.start(script, {"-qec", command, "/dev/null"});
        ASSERT_TRUE(process.waitForStarted(10000));
        process.write(c.answer);
        process.closeWriteChannel();
        ASSERT_TRUE(process.waitForFinished(60000));
        const QString all = QString::fromUtf8(process.readAll());
        EXPECT_EQ(process.exitCode(), c.exitCode) << all.toStdString();
        EXPECT_TRUE(all.contains("Oremba Tarvik: このTarvikの設定を工場出荷状態に戻します．よろしいですか？"))
            << all.toStdString();
        EXPECT_TRUE(all.contains(QString::fromUtf8(c.says))) << all.toStdString();
        EXPECT_EQ(ReadFile(unit) != before, c.changed);
    }
}

// The snapshot is what dump wrote of the row's snapshot unit; where the restore leaves the unit as in
// the snapshot, dump (to standard output, by either spelling) gives the same text of both.
TEST(CtlSnapshot, RestoreWritesOnlyWhatItMay) {
    const struct {
        const char* label; QByteArray snapshot; QByteArray unit; int exitCode;
        const char* out;  // after "Restored "; the snapshot's path is written as FILE
        const char* err;
        const char* writes;  // the pedals written (their bytes are the write flow's)
        bool same = false;   // the unit ends as the snapshot
    } cases[] = {
        {"the pedals that differ are written, one is as in the snapshot",
         UnitJson({{0, "01 04 00 00 00 00 00 00 00 00 00 00 00"}, {1, "03 00 00 00 00 00 00 00 00 00 00 00 00"},
                   {6, "ff ff 01 f4 03 e8 00 00 00 01 f4 00 00"}, {10, "03 01 04 00 00 00 00 00 00 00 00 00 00"}}),
         UnitJson({{1, "01 00 00 00 00 00 00 00 00 00 00 00 00"}, {0, "00 28 00 00 00 00 00 00 00 00 00 00 00"},
                   {1, "02 00 00 00 00 00 00 00 00 00 00 00 00"}, {10, "03 01 04 00 00 00 00 00 00 00 00 00 00"}}),
         0, "3 of 4 pedals from FILE; 1 already as in the snapshot.\n", "", "0 1 2", true},
        {"one chord is written, several chords are refused, the others are written",
         UnitJson({{9, "2c 0a 10 81 00 01 02 04 05 00 00 00 00"},
                   {9, "2c 0a 10 03 00 00 02 04 05 00 00 00 00"},
                   {1, "04 00 00 00 00 00 00 00 00 00 00 00 00"}}),
         ThreePedals(), 1, "2 of 3 pedals from FILE; 1 refused.\n",
         "pedal 1 (左ペダル): not restored: its multi-chord setting (mode 9)", "0 2"},
        {"another pedal count is refused before anything is written",
         UnitJson({{1, "01 00 00 00 00 00 00 00 00 00 00 00 00"}, {1, "02 00 00 00 00 00 00 00 00 00 00 00 00"}}),
         ThreePedals(), 2, nullptr, " holds 2 pedals but this unit has 3; nothing was written", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        QTemporaryDir dir;
        const QString source = WriteFile(dir, "source.json", c.snapshot);
        const QString snapshot = dir.filePath("snapshot.json");
        ASSERT_EQ(RunCtl({"--simulate=" + source, "dump", snapshot}).exitCode, 0);
        const QString unit = WriteFile(dir, "unit.json", c.unit);
        const CtlResult r = RunCtl({"--simulate=" + unit, "--transcript", "restore", snapshot});
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_EQ(r.out, c.out ? "Restored " + QString::fromUtf8(c.out).replace("FILE", snapshot) : QString());
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.err))) << r.err.toStdString();
        QStringList written;
        for (const QString& report : LinesStartingWith(r.err, "> 94 ")) written << QString::number(report.mid(5, 2).toInt());
        EXPECT_EQ(written.join(' ').toStdString(), c.writes);
        EXPECT_TRUE(*c.writes || ReadFile(unit) == c.unit) << "nothing written, nothing saved";
        if (c.same) {
            const CtlResult a = RunCtl({"--simulate=" + source, "dump", "-"});
            ASSERT_EQ(a.exitCode, 0);
            EXPECT_EQ(RunCtl({"--simulate=" + unit, "dump"}).out, a.out);
        }
    }
}

}  // namespace
}  // namespace tarvik::test
