// SPDX-License-Identifier: GPL-3.0-or-later
// The window among several units and other programs: writes made elsewhere, choosing a unit,
// snapshots to and from files, and a reset that names what it cannot bring back.
#include <QAction>
#include <QMenu>
#include <QTemporaryDir>

#include "WindowFixture.h"
#include "storage/UnitFile.h"
#include "units/SimulatedUnits.h"
#include "units/UnitLock.h"

namespace tarvik::test {
namespace {


class WindowUnitsTest : public AppTest {
protected:
    // The program on one simulated unit per file.
    void StartUnits(const std::vector<std::pair<const char*, UnitImage>>& units) {
        QStringList arguments{"tarvik-config"};
        QString error;
        for (const auto& [name, image] : units) {
            ASSERT_TRUE(WriteUnitFile(dir.filePath(name), image, error));
            arguments << "--simulate=" + dir.filePath(name);
        }
        StartApp(arguments);
        ASSERT_TRUE(QTest::qWaitFor([&] { return reads > 0; }, 3000));
    }
    std::string Shown(int p) { return Text(app->Window(), "textboxPedal" + std::to_string(p) + "Contents"); }
    // Another program writes `image` to the unit file; true once the window has read it.
    bool WrittenElsewhere(const char* name, const UnitImage& image) {
        QString error;
        const int before = reads;
        return WriteUnitFile(dir.filePath(name), image, error) && QTest::qWaitFor([&] { return reads > before; }, 3000);
    }
    std::vector<std::string> UnitItems() {
        std::vector<std::string> items;
        for (QAction* a : app->Menu().UnitsMenu()->actions()) items.push_back(a->text().toStdString());
        return items;
    }

    QTemporaryDir dir;
};

// A write by another program is shown without a plug. F5 reads the unit again; another program
// holding the unit past the wait is named.
TEST_F(WindowUnitsTest, AWriteElsewhereIsShownAndReloadWaitsForAnotherProgramAndNamesIt) {
    StartUnits({{"a.json", Unit({Pedal(1, {1}), Pedal(1, {1}), Pedal(1, {1})})}});
    EXPECT_EQ(Shown(2), Lang("[設定されている機能] クリック\n[ボタン] 左", "[Function] Click\n[Button] Left"));
    ASSERT_TRUE(WrittenElsewhere("a.json", Unit({Pedal(1, {1}), Pedal(1, {1}), Pedal(1, {4})})));
    EXPECT_EQ(Shown(2), Lang("[設定されている機能] クリック\n[ボタン] 中央", "[Function] Click\n[Button] Middle"));
    EXPECT_TRUE(presenter.All().empty());
    QAction* reload = app->Window().findChild<QAction*>("menuItemReload");
    ASSERT_NE(reload, nullptr);
    EXPECT_EQ(reload->shortcut(), QKeySequence(Qt::Key_F5));
    UnitLock other;
    ASSERT_EQ(other.Take(dir.filePath("a.json"), 0), UnitLock::Outcome::Taken);
    reload->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !presenter.All().empty(); }, 3000));
    const std::string pid = std::to_string(QCoreApplication::applicationPid());
    EXPECT_EQ(presenter.Texts()[0],
              EnglishRun() ? "The Tarvik is in use by another program (test_ui_units, process ID " + pid +
                                 ").\r\nPlease try again when that program has finished."
                           : "Tarvikは他のプログラム（test_ui_units、プロセスID " + pid +
                                 "）が使用中です。\r\nそのプログラムが終わってから、もう一度お試し下さい。");
    other.Release();
    const int before = reads;
    reload->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return reads > before; }, 3000));
}

TEST_F(WindowUnitsTest, TwoUnitsAreListedOneIsChosenAndPulledOut) {
    StartUnits({{"a.json", Unit({Pedal(1, {1}), Pedal(1, {1}), Pedal(1, {1})})},
              {"b.json", Unit(std::vector<PedalImage>(5, Pedal(1, {4})), {2, 4, 7})}});
    EXPECT_EQ(State().NumberOfPedals, 3);  // the first is the default
    const std::string a = Lang("a.json  (3ペダル、ファームウェア 2.1.0)", "a.json  (3 pedals, firmware 2.1.0)");
    EXPECT_EQ(UnitItems(), std::vector<std::string>({a, "b.json"}));

    const int before = reads;
    app->Menu().UnitsMenu()->actions().at(1)->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return reads > before && State().NumberOfPedals == 5; }, 3000));
    EXPECT_EQ(UnitItems(), std::vector<std::string>(
                               {a, Lang("b.json  (5ペダル、ファームウェア 2.4.7)", "b.json  (5 pedals, firmware 2.4.7)")}));
    EXPECT_TRUE(app->Menu().UnitsMenu()->actions().at(1)->isChecked());

    app->Window().findChild<QAction*>("menuItemSimulationUnplug1")->trigger();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return Text(app->Window(), "labelMainWindowExplanation") == kNoUnitExplanation; }, 3000));
    EXPECT_EQ(UnitItems(), std::vector<std::string>({a}));
}

// What the import writes is the restore flow's (tests/units, and tarvikctl restore's in tests/cli).
TEST_F(WindowUnitsTest, AnExportIsImportedAgainAndAnotherPedalCountIsRefused) {
    StartUnits({{"a.json", Unit({Pedal(1, {1}), Pedal(0, {0, 0x28}), Pedal(1, {4})})}});
    askedFile = dir.filePath("snapshot.json");
    app->Window().ExportSettings();
    EXPECT_EQ(presenter.Texts().back(), Lang("設定を snapshot.json に書き出しました。", "The settings were exported to snapshot.json."));

    ASSERT_TRUE(WrittenElsewhere("a.json", Unit({Pedal(1, {1}), Pedal(1, {1}), Pedal(1, {1})})));
    presenter.Clear();
    presenter.QueueResponse(ALERT_FIRST_BUTTON);
    app->Window().ImportSettings();
    ASSERT_EQ(presenter.Texts().size(), 2u);
    EXPECT_EQ(presenter.Texts()[0], Lang("次のペダルの設定がTarvikと異なります。書き込みますか？\r\n左ペダル、右ペダル",
                                         "These pedals are set differently in the Tarvik. Write them?\r\n"
                                         "Left pedal, Right pedal"));
    EXPECT_EQ(presenter.Texts()[1], Lang("2個のペダルの設定を書き込み、読み返して確かめました。",
                                         "The settings of 2 pedals were written, read back and confirmed."));

    QString error;
    ASSERT_TRUE(WriteUnitFile(dir.filePath("two.json"), Unit({Pedal(1, {4}), Pedal(1, {4})}), error));
    askedFile = dir.filePath("two.json");
    presenter.Clear();
    app->Window().ImportSettings();
    EXPECT_EQ(presenter.Texts(), std::vector<std::string>({Lang("このファイルは2ペダルのユニットの設定です。このTarvikは3ペダルです。"
                                                                "何も書き込みませんでした。",
                                                                "This file holds the settings of a unit with 2 pedals; "
                                                                "this Tarvik has 3 pedals. Nothing was written.")}));
}

TEST_F(WindowUnitsTest, TheResetConfirmationNamesAPedalOfSeveralChords) {
    StartUnits({{"a.json", Unit({Pedal(1, {1}), Pedal(9, {0x2c, 0x0a, 0x10, 0x03, 0, 0, 2, 4, 5}), Pedal(1, {1})})}});
    presenter.QueueResponse(ALERT_SECOND_BUTTON);  // no export first (and no reset, the default)
    app->Window().RequestFactoryReset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return presenter.All().size() >= 2; }, 3000));
    EXPECT_EQ(presenter.All()[0].text,
              Lang("次のペダルの設定は、工場出荷状態に戻すと元に戻せません：左ペダル\r\n先に設定をファイルに書き出しますか？",
                   "The settings of these pedals cannot be brought back after a factory reset: Left pedal\r\n"
                   "Export the settings to a file first?"));
    EXPECT_EQ(presenter.All()[1].text,
              kConfirmReset + std::string(Lang("\r\n\r\n次のペダルの設定（複数の同時キー出力）は、工場出荷状態に戻すと元に戻せません：左ペダル",
                                               "\r\n\r\nThe settings of these pedals (several keys at once) cannot be "
                                               "brought back after a factory reset: Left pedal")));
}

}  // namespace
}  // namespace tarvik::test
