// set, reset and restore: the wire bytes they send, what the simulated unit keeps, read-back.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>

#include "CtlRunner.h"

namespace tarvik::test {
namespace {

// Pedal 0 carries a byte at the end that no standard edit touches: it must travel unchanged.
QByteArray ThreePedals() {
    return UnitJson({{1, "01 00 00 00 00 00 00 00 00 00 00 00 2a"},
                     {0, "00 28 00 00 00 00 00 00 00 00 00 00 00"},
                     {1, "02 00 00 00 00 00 00 00 00 00 00 00 00"}});
}

// The two reports after the read (the read-back follows them).
QStringList WriteReports(const QString& err) {
    const QStringList sent = LinesStartingWith(err, "> ");
    QStringList writes;
    for (const QString& line : sent) {
        if (line.startsWith("> 94") || line.startsWith("> 92")) writes << line;
    }
    return writes;
}

QString CommonOf(const UnitFolder& folder, int pedal) {
    return folder.Pedals("unit.json").at(pedal).toObject().value("common").toString();
}
int ModeOf(const UnitFolder& folder, int pedal) {
    return folder.Pedals("unit.json").at(pedal).toObject().value("mode").toInt(-1);
}

TEST(CtlSet, SendsTheRecordThenTheParametersAsTheStandardDialog) {
    const struct {
        QStringList args;
        const char* modeAndData;
        const char* parameters;
        const char* confirmation;
    } cases[] = {
        {{"0", "key", "ctrl+shift+a"},
         "> 94 00 00 03 04 00 00 00 00 00 00 00 00 00 00 2a", "> 92 19 14 0f 0f 00 00 00 00 00 00 00 00 00 00 2a",
         "Tarvikの中央ペダルの設定が正常に終わりました。\n"},
        {{"left", "key", "enter"},
         "> 94 01 00 00 28 00 00 00 00 00 00 00 00 00 00 00", "> 92 19 14 0f 0f 00 00 00 00 00 00 00 00 00 00 00",
         "Tarvikの左ペダルの設定が正常に終わりました。\n"},
        {{"右ペダル", "key", "0x3E"},
         "> 94 02 00 00 3e 00 00 00 00 00 00 00 00 00 00 00", "> 92 19 14 0f 0f 00 00 00 00 00 00 00 00 00 00 00",
         "Tarvikの右ペダルの設定が正常に終わりました。\n"},
        {{"右", "key", "CMD+Space"},
         "> 94 02 00 08 2c 00 00 00 00 00 00 00 00 00 00 00", "> 92 19 14 0f 0f 00 00 00 00 00 00 00 00 00 00 00",
         "Tarvikの右ペダルの設定が正常に終わりました。\n"},
        {{"1", "key", "ctrl+alt"},  // modifiers only
         "> 94 01 00 05 00 00 00 00 00 00 00 00 00 00 00 00", "> 92 19 14 0f 0f 00 00 00 00 00 00 00 00 00 00 00",
         "Tarvikの左ペダルの設定が正常に終わりました。\n"},
        {{"center", "key", "shift+キーパッド +"},
         "> 94 00 00 02 57 00 00 00 00 00 00 00 00 00 00 2a", "> 92 19 14 0f 0f 00 00 00 00 00 00 00 00 00 00 2a",
         "Tarvikの中央ペダルの設定が正常に終わりました。\n"},
        {{"0", "key", "f12"},
         "> 94 00 00 00 45 00 00 00 00 00 00 00 00 00 00 2a", "> 92 19 14 0f 0f 00 00 00 00 00 00 00 00 00 00 2a",
         "Tarvikの中央ペダルの設定が正常に終わりました。\n"},
        {{"center", "click", "middle"},
         "> 94 00 01 04 00 00 00 00 00 00 00 00 00 00 00 2a", "> 92 19 14 0f 0f 00 00 00 00 00 00 00 00 00 00 2a",
         "Tarvikの中央ペダルの設定が正常に終わりました。\n"},
        {{"1", "click", "right"},  // byte 1 keeps the key it had
         "> 94 01 01 02 28 00 00 00 00 00 00 00 00 00 00 00", "> 92 19 14 0f 0f 00 00 00 00 00 00 00 00 00 00 00",
         "Tarvikの左ペダルの設定が正常に終わりました。\n"},
        {{"0", "double-click"},  // the parameters report still carries record bytes 2..12
         "> 94 00 02 01 0f 00 0f 00 00 00 00 00 00 00 00 2a", "> 92 19 14 0f 0f 00 0f 00 00 00 00 00 00 00 00 2a",
         "Tarvikの中央ペダルの設定が正常に終わりました。\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        UnitFolder folder;
        const QString unit = folder.Write("unit.json", ThreePedals());
        const CtlResult r = RunCtl(QStringList{"--simulate=" + unit, "--transcript", "set"} + c.args);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(WriteReports(r.err).join('\n').toStdString(), std::string(c.modeAndData) + "\n" + c.parameters);
        EXPECT_EQ(r.out.toStdString(), c.confirmation);
        // Written, then read back: the read after the write covers every pedal again.
        const QStringList sent = LinesStartingWith(r.err, "> ");
        ASSERT_EQ(sent.size(), 5 + 2 + 5);
        EXPECT_TRUE(sent[7].startsWith("> 90"));
    }
}

TEST(CtlSet, TheSimulatedUnitKeepsTheSettingAcrossRuns) {
    UnitFolder folder;
    const QString unit = folder.Write("unit.json", ThreePedals());
    ASSERT_EQ(RunCtl({"--simulate=" + unit, "set", "0", "key", "ctrl+shift+a"}).exitCode, 0);
    EXPECT_EQ(ModeOf(folder, 0), 0);
    EXPECT_EQ(CommonOf(folder, 0).toStdString(), "03 04 00 00 00 00 00 00 00 00 00 00 2a");
    ASSERT_EQ(RunCtl({"--simulate=" + unit, "set", "2", "double-click"}).exitCode, 0);

    const CtlResult shown = RunCtl({"--simulate=" + unit, "show"});
    EXPECT_EQ(shown.out.toStdString(),
              "pedal 0: 中央ペダル\n"
              "[設定されている機能] キー出力\n"
              "[キー] a\n"
              "[キー説明] Shiftプラスこのキーで大文字 A\n"
              "[モディファイア] (左)control+(左)shift\n"
              "\n"
              "pedal 1: 左ペダル\n"
              "[設定されている機能] キー出力\n"
              "[キー] Enter (Return)\n"
              "[モディファイア] なし\n"
              "\n"
              "pedal 2: 右ペダル\n"
              "[設定されている機能] ダブルクリック\n"
              "[ボタン] 左\n"
              "[１番目のクリックの長さ] 15 ミリ秒\n"
              "[２番目のクリックの長さ] １番目のクリックと同じ\n"
              "[クリックの間の長さ] 15 ミリ秒\n"
              "\n");
}

TEST(CtlReset, WithYesWritesTheFactorySettingAndKeepsTheOtherBytes) {
    UnitFolder folder;
    const QString unit = folder.Write("unit.json", UnitJson({{0, "00 04 00 00 00 00 00 00 00 00 00 00 2a"},
                                                              {1, "04 00 00 00 00 00 00 00 00 00 00 00 00"},
                                                              {2, "01 0f 00 0f 00 00 00 00 00 00 00 00 00"}}));
    const CtlResult r = RunCtl({"--simulate=" + unit, "--transcript", "reset", "--yes"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), "All 3 pedals are back at the factory setting.\n");
    EXPECT_EQ(WriteReports(r.err).join('\n').toStdString(),
              "> 94 00 01 01 04 00 00 00 00 00 00 00 00 00 00 2a\n"
              "> 94 01 00 00 28 00 00 00 00 00 00 00 00 00 00 00\n"
              "> 94 02 01 02 0f 00 0f 00 00 00 00 00 00 00 00 00\n"
              "> 92 19 14 0f 0f 00 0f 00 00 00 00 00 00 00 00 00");
    EXPECT_EQ(CommonOf(folder, 0).toStdString(), "01 04 00 00 00 00 00 00 00 00 00 00 2a");
    EXPECT_EQ(ModeOf(folder, 1), 0);
    EXPECT_EQ(CommonOf(folder, 1).toStdString(), "00 28 00 00 00 00 00 00 00 00 00 00 00");
    EXPECT_EQ(ModeOf(folder, 2), 1);
}

TEST(CtlReset, WithoutYesAndNoTerminalItAsksNobodyAndChangesNothing) {
    UnitFolder folder;
    const QString unit = folder.Write("unit.json", ThreePedals());
    const QByteArray before = folder.Read("unit.json");
    const CtlResult r = RunCtl({"--simulate=" + unit, "--transcript", "reset"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("standard input is not a terminal; add --yes to reset without asking. Nothing was "
                               "changed."))
        << r.err.toStdString();
    EXPECT_TRUE(LinesStartingWith(r.err, "> ").isEmpty());
    EXPECT_EQ(folder.Read("unit.json"), before);
}

// The question on a terminal: `script` gives tarvikctl a pseudo-terminal and types the answer.
TEST(CtlReset, OnATerminalItAsksAndOnlyYesResets) {
    const QString script = QStandardPaths::findExecutable("script");
    if (script.isEmpty()) GTEST_SKIP() << "script (util-linux) is not installed";
    const struct {
        const char* answer;
        int exitCode;
        const char* says;
        int pedal0Mode;
    } cases[] = {
        {"y\n", 0, "All 3 pedals are back at the factory setting.", 1},
        {"n\n", 1, "キャンセルしました", 0},
        {"", 1, "tarvikctl: nothing was changed", 0},  // end of input is no
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        UnitFolder folder;
        const QString unit = folder.Write("unit.json", UnitJson({{0, "00 04 00 00 00 00 00 00 00 00 00 00 00"},
                                                                  {0, "00 28 00 00 00 00 00 00 00 00 00 00 00"},
                                                                  {1, "02 00 00 00 00 00 00 00 00 00 00 00 00"}}));
        QProcess process;
        process.start(script, {"-qec", QStringLiteral("'%1' '--simulate=%2' reset").arg(TARVIKCTL_PATH, unit), "/dev/null"});
        ASSERT_TRUE(process.waitForStarted(10000));
        process.write(c.answer);
        process.closeWriteChannel();
        ASSERT_TRUE(process.waitForFinished(60000));
        const QString all = QString::fromUtf8(process.readAll());
        EXPECT_EQ(process.exitCode(), c.exitCode) << all.toStdString();
        EXPECT_TRUE(all.contains("Oremba Tarvik: このTarvikの設定を工場出荷状態に戻します．よろしいですか？")) << all.toStdString();
        EXPECT_TRUE(all.contains(QString::fromUtf8(c.says))) << all.toStdString();
        EXPECT_EQ(ModeOf(folder, 0), c.pedal0Mode);
    }
}

TEST(CtlSnapshot, DumpRestoreDumpGivesTheSameSettings) {
    UnitFolder folder;
    const QString source = folder.Write("source.json", UnitJson({{0, "01 04 00 00 00 00 00 00 00 00 00 00 00"},
                                                                  {1, "03 00 00 00 00 00 00 00 00 00 00 00 00"},
                                                                  {6, "ff ff 01 f4 03 e8 00 00 00 01 f4 00 00"},
                                                                  {10, "03 01 04 00 00 00 00 00 00 00 00 00 00"}}));
    const QString target = folder.Write("unit.json", UnitJson({{1, "01 00 00 00 00 00 00 00 00 00 00 00 00"},
                                                                {0, "00 28 00 00 00 00 00 00 00 00 00 00 00"},
                                                                {1, "02 00 00 00 00 00 00 00 00 00 00 00 00"},
                                                                {0, "00 50 00 00 00 00 00 00 00 00 00 00 00"}}));
    const QString snapshot = folder.Path("snapshot.json");
    ASSERT_EQ(RunCtl({"--simulate=" + source, "dump", snapshot}).exitCode, 0);

    const CtlResult restored = RunCtl({"--simulate=" + target, "restore", snapshot});
    EXPECT_EQ(restored.exitCode, 0) << restored.err.toStdString();
    EXPECT_EQ(restored.out.toStdString(), "Restored 4 of 4 pedals from " + snapshot.toStdString() + ".\n");

    const CtlResult a = RunCtl({"--simulate=" + source, "dump"});
    const CtlResult b = RunCtl({"--simulate=" + target, "dump"});
    ASSERT_EQ(a.exitCode, 0);
    EXPECT_EQ(b.out, a.out);
    EXPECT_TRUE(a.out.contains("\"ff ff 01 f4 03 e8 00 00 00 01 f4 00 00\"")) << a.out.toStdString();
}

TEST(CtlSnapshot, RestoreRefusesAMultiChordPedalButWritesTheOthers) {
    UnitFolder folder;
    const QString snapshot = folder.Write("snapshot.json", UnitJson({{0, "00 04 00 00 00 00 00 00 00 00 00 00 00"},
                                                                      {9, "2c 0a 10 03 00 00 02 04 05 00 00 00 00"},
                                                                      {1, "04 00 00 00 00 00 00 00 00 00 00 00 00"}}));
    const QString unit = folder.Write("unit.json", ThreePedals());
    const CtlResult r = RunCtl({"--simulate=" + unit, "--transcript", "restore", snapshot});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("pedal 1 (左ペダル): not restored: its multi-chord setting (mode 9)")) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), "Restored 2 of 3 pedals from " + snapshot.toStdString() + "; 1 refused.\n");
    EXPECT_EQ(WriteReports(r.err).join('\n').toStdString(),
              "> 94 00 00 00 04 00 00 00 00 00 00 00 00 00 00 00\n"
              "> 92 19 14 0f 0f 00 00 00 00 00 00 00 00 00 00 00\n"
              "> 94 02 01 04 00 00 00 00 00 00 00 00 00 00 00 00\n"
              "> 92 19 14 0f 0f 00 00 00 00 00 00 00 00 00 00 00");
    EXPECT_EQ(ModeOf(folder, 1), 0);  // untouched
    EXPECT_EQ(CommonOf(folder, 1).toStdString(), "00 28 00 00 00 00 00 00 00 00 00 00 00");
}

TEST(CtlSnapshot, AMultiChordPedalTheUnitAlreadyHoldsIsNotARefusal) {
    // A snapshot taken from this very unit restores cleanly even with a pedal in mode 9.
    UnitFolder folder;
    const QString unit = folder.Write(
        "unit.json", R"({"firmware": [2, 1, 0], "pedals": [
            {"mode": 1, "common": "01 00 00 00 00 00 00 00 00 00 00 00 00"},
            {"mode": 9, "common": "2c 0a 10 02 00 00 02 04 05 00 00 00 00",
             "additional": "00 06 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"}]})");
    const QString snapshot = folder.Path("snapshot.json");
    ASSERT_EQ(RunCtl({"--simulate=" + unit, "dump", snapshot}).exitCode, 0);
    const CtlResult r = RunCtl({"--simulate=" + unit, "restore", snapshot});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(),
              "Restored 1 of 2 pedals from " + snapshot.toStdString() + "; 1 already as in the snapshot.\n");
}

TEST(CtlSnapshot, RestoreRefusesAnotherPedalCountBeforeWritingAnything) {
    UnitFolder folder;
    const QString snapshot = folder.Write("snapshot.json", UnitJson({{1, "01 00 00 00 00 00 00 00 00 00 00 00 00"},
                                                                      {1, "02 00 00 00 00 00 00 00 00 00 00 00 00"}}));
    const QString unit = folder.Write("unit.json", ThreePedals());
    const QByteArray before = folder.Read("unit.json");
    const CtlResult r = RunCtl({"--simulate=" + unit, "--transcript", "restore", snapshot});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains(snapshot + " holds 2 pedals but this unit has 3; nothing was written"))
        << r.err.toStdString();
    EXPECT_TRUE(WriteReports(r.err).isEmpty());
    EXPECT_EQ(folder.Read("unit.json"), before);
}

}  // namespace
}  // namespace tarvik::test
