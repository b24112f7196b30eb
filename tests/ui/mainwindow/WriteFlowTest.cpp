// SPDX-License-Identifier: GPL-3.0-or-later
// Sending what a dialog stored: its failures, and a dialog opened while the unit is still read.
#include <QTabWidget>

#include "WindowFixture.h"

namespace tarvik::test {
namespace {

class WriteFlowTest : public WindowTest {};

TEST_F(WriteFlowTest, FailedExchangeResetsTheWindowWithoutTheSuccessText) {
    const struct {
        const char* what;
        void (*breakIt)(SimulatedUnit&);
        int sent;
        std::vector<std::string> texts;
    } cases[] = {
        {"unit pulled out", [](SimulatedUnit& u) { u.Unplug(); }, 0, {}},
        {"parameters unanswered", [](SimulatedUnit& u) { u.SetSilentCommands({SET_PARAMETERS}); }, 2, {"タイムアウト"}},
        {"send fails", [](SimulatedUnit& u) { u.SetFailSends(true); }, 0, {"送信エラー"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Start(Unit({Pedal(0, {0x02, 4}), Pedal(0, {0, 40}), Pedal(1, {2})}));
        ASSERT_TRUE(ReadEnds());
        unit->ClearTranscript();
        c.breakIt(*unit);
        // What a dialog's write button leaves behind: a left click for pedal 0, armed to be sent.
        State().SelectedPedalNo = 0;
        State().PedalName = "中央ペダル";
        State().OutputMode[0] = SIMPLE_CLICK;
        State().SettingEnabled = true;
        window->SettingDialog_OK();
        int sent = 0;
        for (const auto& line : unit->Transcript()) sent += line.sent;
        EXPECT_EQ(sent, c.sent);
        EXPECT_EQ(presenter.Texts(), c.texts);
        QTest::qWait(20);
        ExpectNoUnitLook();
        EXPECT_EQ(State().OutputMode[0], SIMPLE_CLICK) << "the edit stays in the records";
    }
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
    ASSERT_NE(dialog, nullptr);
    Find<QTabWidget>(*dialog, "tabcontrolOutputMode")->setCurrentIndex(1);
    Click(*dialog, "radiobuttonRightClick");
    Click(*dialog, "buttonProgramTarvik");
    EXPECT_EQ(unit->Image().pedals[0].common[0], 2);
    EXPECT_EQ(unit->Image().pedals[2].common[1], 41);
    EXPECT_EQ(PedalText(0), "[設定されている機能] クリック\n[ボタン] 右");
    EXPECT_EQ(presenter.Texts(), std::vector<std::string>{"Tarvikの中央ペダルの設定が正常に終わりました。"});
}

}  // namespace
}  // namespace tarvik::test
