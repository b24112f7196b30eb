// SPDX-License-Identifier: GPL-3.0-or-later
// Writing what a dialog chose: the advanced dialog's choice, a failure, a read-back that differs,
// and a dialog opened while the unit is still read. What reaches the unit and what is stored of it
// is the write flow's (tests/device/link).
#include <QSpinBox>
#include <QTabWidget>

#include "WindowFixture.h"
#include "ui/AdvancedSettingDialogViewController.h"

namespace tarvik::test {
namespace {

using WriteFlowTest = WindowTest;

// A right click chosen in a standard dialog and written.
void WriteRightClick(SettingDialogViewController* dialog) {
    ASSERT_NE(dialog, nullptr);
    Find<QTabWidget>(*dialog, "tabcontrolOutputMode")->setCurrentIndex(1);
    Click(*dialog, "radiobuttonRightClick");
    Click(*dialog, "buttonProgramTarvik");
}

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

// Every failed write is told by the same alert and ends in the look without a unit.
TEST_F(WriteFlowTest, AFailedExchangeResetsTheWindowWithoutTheSuccessText) {
    Start(Unit({Pedal(0, {0x02, 4}), Pedal(0, {0, 40}), Pedal(1, {2})}));
    ASSERT_TRUE(ReadEnds());
    SettingDialogViewController* dialog = OpenStandard(0);
    unit->SetFailSends(true);
    WriteRightClick(dialog);
    EXPECT_EQ(presenter.Texts(), std::vector<std::string>{Lang("送信エラー", "Send error")});
    QTest::qWait(20);
    ExpectNoUnitLook();
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
    EXPECT_TRUE(Standard(0)->isEnabled());
}

TEST_F(WriteFlowTest, DialogOpenedWhileTheRestIsReadWritesItsOwnPedal) {
    Start(Unit({Pedal(0, {0x02, 4}), Pedal(0, {0, 40}), Pedal(0, {0, 41})}));
    unit->SetAnswerDelayMs(20);
    // Pedal 0's button works as soon as pedal 0 is read; the click comes while pedal 1 is still read.
    SettingDialogViewController* dialog = nullptr;
    QTimer clicker;
    clicker.setInterval(2);
    QObject::connect(&clicker, &QTimer::timeout, [&] {
        if (!dialog && Standard(0)->isEnabled() && !Standard(1)->isEnabled()) dialog = OpenStandard(0);
    });
    clicker.start();
    ASSERT_TRUE(ReadEnds());
    clicker.stop();
    WriteRightClick(dialog);
    EXPECT_EQ(unit->Image().pedals[2].common[1], 41);
    EXPECT_EQ(PedalText(0), Lang("[設定されている機能] クリック\n[ボタン] 右", "[Function] Click\n[Button] Right"));
    EXPECT_EQ(presenter.Texts(), std::vector<std::string>{Lang("Tarvikの中央ペダルの設定が正常に終わりました。",
                                                                "Tarvik: Center pedal was set successfully.")});
}

}  // namespace
}  // namespace tarvik::test
