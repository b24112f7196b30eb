// SPDX-License-Identifier: GPL-3.0-or-later
// The window's steps: reading an attached unit, writing what a dialog chose, the factory reset the
// menu asks for, and the order they run in. What reaches the unit and what is stored of it is the
// flows' (tests/device/link); here, what the window shows, and how it presents each outcome.
#include <QSpinBox>
#include <QTabWidget>
#include <functional>

#include "WindowFixture.h"
#include "ui/AdvancedSettingDialogViewController.h"

namespace tarvik::test {
namespace {

// A right click chosen in a standard dialog; written by its write button.
void ChooseRightClick(SettingDialogViewController* dialog) {
    ASSERT_NE(dialog, nullptr);
    Find<QTabWidget>(*dialog, "tabcontrolOutputMode")->setCurrentIndex(1);
    Click(*dialog, "radiobuttonRightClick");
}
void WriteRightClick(SettingDialogViewController* dialog) {
    ChooseRightClick(dialog);
    if (dialog) Click(*dialog, "buttonProgramTarvik");
}

using AttachReadTest = WindowTest;

TEST_F(AttachReadTest, ShowsEveryPedalReadOnceAndGoesBackToNoUnitWhenUnplugged) {
    // A count above five is read as five.
    Start(Unit({Pedal(0, {0x01, 4}), Pedal(1, {7}), Pedal(0), Pedal(0), Pedal(0)}, {2, 1, 0}, 7));
    ASSERT_TRUE(ReadEnds());
    EXPECT_EQ(Explanation(), kConnectedExplanation);
    EXPECT_EQ(PedalText(0), Lang("[設定されている機能] キー出力\n[キー] a\n[キー説明] Shiftプラスこのキーで大文字 A\n"
                                 "[モディファイア] (左)control",
                                 "[Function] Key output\n[Key] a\n[Key explanation] Shift plus this key: capital A\n"
                                 "[Modifiers] Left Ctrl"));
    for (int p = 0; p < 5; ++p) EXPECT_TRUE(Standard(p)->isEnabled() && W("labelPedal", p, "Name")->isEnabled()) << p;
    EXPECT_TRUE(presenter.All().empty());
    EXPECT_EQ(SentDuring(100), 0) << "a unit is read once per attach";

    unit->Unplug();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Standard(0)->isEnabled(); }, 3000));
    ExpectNoUnitLook();
}

TEST_F(AttachReadTest, UnitThatMayNotBeOpenedPointsToTheUdevRuleUntilItCanBe) {
    Start(Unit({Pedal(1, {1})}), false);
    unit->SetOpenResult(OpenResult::PermissionDenied);
    unit->Plug();
    // The second line names the rule as this machine has it (tested with made-up folders elsewhere).
    const std::string hint = Lang("Tarvikが接続されていますが、アクセス権がないため開くことができません。\nudevルール ",
                                  "A Tarvik is connected, but it cannot be opened: access is denied.\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return Explanation().starts_with(hint); }, 3000)) << Explanation();
    unit->Unplug();
    unit->SetOpenResult(OpenResult::Opened);
    unit->Plug();
    ASSERT_TRUE(ReadEnds());
    EXPECT_TRUE(Standard(0)->isEnabled());
}

using WriteFlowTest = WindowTest;


// With the advanced settings on, a tab's write button writes its setting; the window describes it.
TEST_F(WriteFlowTest, TheAdvancedDialogsChoiceIsWrittenAndDescribed) {
    Start(Unit({Pedal(0, {0x02, 4}), Pedal(0, {0, 40}), Pedal(1, {2})}));
    ASSERT_TRUE(ReadEnds());
    window->SetAdvancedSettingsEnabled(true);
    Click(*window, "buttonSetPedal2Advanced");
    auto* dialog = window->findChild<AdvancedSettingDialogViewController*>();
    ASSERT_TRUE(dialog && dialog->isVisible());
    Find<QTabWidget>(*dialog, "tabsAdvanced")->setCurrentWidget(Find(*dialog, "tabWheel"));
    Click(*dialog, "WH_radiobuttonBackward");
    Find<QSpinBox>(*dialog, "WH_spinRate")->setValue(300);
    Click(*dialog, "WH_buttonOK");
    EXPECT_EQ(presenter.Texts(), std::vector<std::string>{Lang("Tarvikの右ペダルの設定が正常に終わりました。",
                                                                "Tarvik: Right pedal was set successfully.")});
    EXPECT_EQ(PedalText(2), Lang("[設定されている機能] ホイール回転\n[回転方向] 後方\n[速度] 300 回/秒\n[加速] なし\n"
                                 "[加速指標] 0\n[繰り返し] ペダルを離すまで",
                                 "[Function] Wheel rotation\n[Direction of rotation] Backward\n[Speed] 300 per second\n"
                                 "[Acceleration] Off\n[Acceleration index] 0\n[Repeat] Until the pedal is released"));
}

TEST_F(WriteFlowTest, AReadBackThatDiffersSaysSoAndDescribesWhatTheUnitHolds) {
    Start(Unit({Pedal(0, {0x02, 4}), Pedal(0, {0, 40}), Pedal(1, {2})}));
    ASSERT_TRUE(ReadEnds());
    // The unit takes the click but keeps the middle button.
    QObject::connect(&window->plugNPlay(), &HID_PnP::reportSent, unit.get(), [&](const QByteArray& r) {
        if (static_cast<std::uint8_t>(r[0]) == GET_OUTPUT_MODE_AND_DATA) unit->Image().pedals[0].common[0] = 4;
    });
    WriteRightClick(OpenStandard(0));
    EXPECT_EQ(presenter.Texts(),
              std::vector<std::string>{Lang("Tarvikの中央ペダルに書き込んだ設定を読み出して確かめたところ、書き込んだ内容と"
                                            "違っていました。\r\nTarvikに記憶されている設定は次の通りです。\r\n"
                                            "[設定されている機能] クリック\r\n[ボタン] 中央",
                                            "The setting written to Center pedal of the Tarvik was read back and differs "
                                            "from what was written.\r\nThe Tarvik holds this setting:\r\n"
                                            "[Function] Click\r\n[Button] Middle")});
    EXPECT_EQ(PedalText(0), Lang("[設定されている機能] クリック\n[ボタン] 中央", "[Function] Click\n[Button] Middle"));
}

TEST_F(WriteFlowTest, DialogOpenedWhileTheRestIsReadWritesItsOwnPedal) {
    Start(Unit({Pedal(0, {0x02, 4}), Pedal(0, {0, 40}), Pedal(0, {0, 41})}));
    unit->SetAnswerDelayMs(20);
    // Pedal 0's button works as soon as pedal 0 is read; the click comes while pedal 1 is still read.
    SettingDialogViewController* dialog = nullptr;
    QTimer clicker;
    QObject::connect(&clicker, &QTimer::timeout, [&] {
        if (!dialog && Standard(0)->isEnabled() && !Standard(1)->isEnabled()) dialog = OpenStandard(0);
    });
    clicker.start(2);
    ASSERT_TRUE(ReadEnds());
    clicker.stop();
    WriteRightClick(dialog);
    EXPECT_EQ(unit->Image().pedals[2].common[1], 41);
    EXPECT_EQ(PedalText(0), Lang("[設定されている機能] クリック\n[ボタン] 右", "[Function] Click\n[Button] Right"));
    EXPECT_EQ(presenter.Texts(), std::vector<std::string>{Lang("Tarvikの中央ペダルの設定が正常に終わりました。",
                                                                "Tarvik: Center pedal was set successfully.")});
}

class FactoryResetTest : public WindowTest {
protected:
    void Reset() {
        window->RequestFactoryReset();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !presenter.All().empty(); }, 3000));
        QTest::qWait(50);
    }
};

TEST_F(FactoryResetTest, AnOtherAnswerIsLoggedAndOKResetsAndRedescribesThePedals) {
    Start(Unit(std::vector<PedalImage>(5, Pedal(7, {0xA0, 0xA1, 0xA2}))));
    ASSERT_TRUE(ReadEnds());
    presenter.QueueResponse(1002);
    Reset();
    EXPECT_EQ(console.Lines().back(), "その他:1002");
    EXPECT_EQ(unit->CommandCount(SET_OUTPUT_MODE_AND_DATA), 0);

    presenter.Clear();
    presenter.QueueResponse(ALERT_FIRST_BUTTON);
    Reset();
    ASSERT_EQ(presenter.All().size(), 1u);  // success shows nothing more
    EXPECT_TRUE(presenter.All()[0].confirmation);
    EXPECT_EQ(presenter.All()[0].title, "Oremba Tarvik");
    EXPECT_EQ(presenter.All()[0].text, kConfirmReset);
    EXPECT_EQ(console.Lines().back(),
              "The selected Tarvik ddddis returning to the initial state in time of factory shipment.");
    EXPECT_EQ(PedalText(3), Lang("[設定されている機能] キー出力\n[キー] ←\n[キー説明] 左矢印\n[モディファイア] なし",
                                 "[Function] Key output\n[Key] Left\n[Key explanation] Left arrow\n[Modifiers] None"));
    EXPECT_TRUE(Standard(4)->isEnabled());
}

// Steps run one at a time: a removal or a reset that comes while the attach read or a write waits
// for the unit is kept, and handled once that step has returned.
using StepsTest = WindowTest;

// Each step that fails says why (the exchange failures' texts are ExchangeTest's and these) and
// ends in the look without a unit, where nothing is sent until the unit is attached again. A
// firmware the program does not support (which majors, the read flow's) also ends the program.
TEST_F(StepsTest, EachStepThatFailsSaysWhyAndEndsInTheLookWithoutAUnit) {
    const char* const timeout = Lang("タイムアウト", "Time-out");
    const char* const resetFailed =
        Lang("エラーが発生しました。¥r¥nこのTarvikの設定を工場出荷状態に戻すことができませんでした。",
             "An error occurred.\r\nThe settings of this Tarvik could not be returned to the factory state.");
    const auto reset = [this] {
        unit->SetSilentCommands({SET_PARAMETERS});
        presenter.QueueResponse(ALERT_FIRST_BUTTON);
        window->RequestFactoryReset();
    };
    const UnitImage three = Unit({Pedal(0, {0x02, 4}), Pedal(0, {0, 40}), Pedal(1, {2})});
    const struct {
        const char* what; UnitImage image; bool plugged; std::function<void()> fail; std::vector<std::string> texts;
        bool exits = false;
    } cases[] = {
        {"read: firmware 3", Unit({Pedal(1, {1})}, {3, 255, 255}), true, [] {},
         {Lang("このバージョンは対応しておりません", "This version is not supported")}, true},
        {"read: unanswered", Unit({Pedal(9, {0, 0, 0, 1, 0, 0, 0, 4}, {1, 2, 3}), Pedal(1, {2})}), true,
         [this] { unit->SetSilentCommands({GET_ADDITIONAL_DATA}); }, {timeout}},
        {"write: not taken", three, true, [this] {
             ASSERT_TRUE(ReadEnds());
             SettingDialogViewController* dialog = OpenStandard(0);
             unit->SetFailSends(true);
             WriteRightClick(dialog);
         }, {Lang("送信エラー", "Send error")}},
        {"reset: no unit", three, false, reset, {kConfirmReset, resetFailed}},
        {"reset: parameters unanswered", three, true, [&] { ASSERT_TRUE(ReadEnds()); reset(); },
         {kConfirmReset, timeout, resetFailed}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Start(c.image, c.plugged);
        c.fail();
        ASSERT_TRUE(QTest::qWaitFor([&] { return presenter.All().size() >= c.texts.size(); }, 3000));
        EXPECT_EQ(SentDuring(100), 0);
        EXPECT_EQ(presenter.Texts(), c.texts);
        EXPECT_EQ(exitStatus, c.exits ? std::optional<int>(0) : std::nullopt);
        ExpectNoUnitLook();
    }
}

TEST_F(StepsTest, WhatComesDuringAStepWaitsForIt) {
    // During a write, else during the attach read; a removal, else a factory reset asked for.
    const struct { const char* name; bool duringWrite; bool removal; std::vector<std::string> texts; } cases[] = {
        {"removal during the read", false, true, {Lang("タイムアウト", "Time-out")}},
        {"reset during the read", false, false, {kConfirmReset}},
        {"reset during a write", true, false, {Lang("Tarvikの中央ペダルの設定が正常に終わりました。", "Tarvik: Center pedal was set successfully."), kConfirmReset}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Start(Unit({Pedal(1, {1}), Pedal(0, {0, 40}), Pedal(1, {2})}));
        SettingDialogViewController* dialog = nullptr;
        if (c.duringWrite) {
            ASSERT_TRUE(ReadEnds());
            dialog = OpenStandard(0);
            ChooseRightClick(dialog);
        }
        unit->SetAnswerDelayMs(30);
        // Comes while the third report of the read (or the first of the write) waits for its answer.
        const int at = c.duringWrite ? unit->Transcript().size() + 1 : 5;
        bool scheduled = false, asked = false;
        QObject::connect(&window->plugNPlay(), &HID_PnP::reportSent, unit.get(), [&] {
            if (scheduled || unit->Transcript().size() + 1 < at) return;
            scheduled = true;
            QTimer::singleShot(5, unit.get(), [&] {
                asked = true;
                c.removal ? unit->Unplug() : window->RequestFactoryReset();
                QTest::qWait(20);  // the queued step comes round and must not start
                EXPECT_EQ(Explanation(), kConnectedExplanation) << "the window was cleared inside the step";
                EXPECT_TRUE(presenter.All().empty()) << "the confirmation came inside the step";
            });
        });
        if (c.duringWrite) Click(*dialog, "buttonProgramTarvik");
        else EXPECT_EQ(ReadEnds(), !c.removal);
        ASSERT_TRUE(asked);
        ASSERT_TRUE(QTest::qWaitFor([&] { return presenter.All().size() >= c.texts.size(); }, 3000));
        QTest::qWait(50);
        EXPECT_EQ(presenter.Texts(), c.texts);
        if (c.removal) {
            ExpectNoUnitLook();
        } else {
            EXPECT_TRUE(Standard(2)->isEnabled()) << "every pedal was read or written before the reset was asked";
            EXPECT_EQ(console.Lines().back(), Lang("キャンセルしました", "Cancelled"));
        }
    }
}

}  // namespace
}  // namespace tarvik::test
