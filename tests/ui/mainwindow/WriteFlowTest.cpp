// A pedal's standard button, and sending what a dialog stored.
#include <QTabWidget>

#include "WindowFixture.h"

namespace tarvik::test {
namespace {

class WriteFlowTest : public WindowTest {
protected:
    void StartWithThreePedals() {
        Start(Unit({Pedal(0, {0x02, 4, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}), Pedal(0, {0, 40}), Pedal(1, {2})}));
        ASSERT_TRUE(ReadEnds());
        unit->ClearTranscript();
    }
    // What a dialog's write button leaves behind: a left click for pedal 0.
    static void StoreLeftClickForPedal0(bool armed = true) {
        State().SelectedPedalNo = 0;
        State().PedalName = "中央ペダル";
        State().OutputMode[0] = SIMPLE_CLICK;
        State().CommonData[0][0] = 1;
        State().SettingEnabled = armed;
    }
    std::vector<QByteArray> Sent() const {
        std::vector<QByteArray> sent;
        for (const auto& line : unit->Transcript())
            if (line.sent) sent.push_back(line.bytes);
        return sent;
    }
};

TEST_F(WriteFlowTest, ArmedPedalGoesOutAsModeAndDataThenTheParametersAndIsConfirmed) {
    StartWithThreePedals();
    StoreLeftClickForPedal0(/*armed=*/false);
    window->SettingDialog_OK();
    EXPECT_EQ(unit->Transcript().size(), 0) << "nothing is sent unless a dialog armed the send";
    EXPECT_TRUE(presenter.All().empty());
    EXPECT_EQ(PedalText(0), "[設定されている機能] キー出力\n[キー] a\n[キー説明] Shiftプラスこのキーで大文字 A\n"
                       "[モディファイア] (左)shift");

    StoreLeftClickForPedal0();
    window->SettingDialog_OK();
    EXPECT_EQ(Sent(), (std::vector<QByteArray>{QByteArray::fromHex("9400010104030405060708090a0b0c0d"),
                                               QByteArray::fromHex("9219140f0f030405060708090a0b0c0d")}));
    EXPECT_EQ(presenter.Texts(), std::vector<std::string>{"Tarvikの中央ペダルの設定が正常に終わりました。"});
    EXPECT_EQ(PedalText(0), "[設定されている機能] クリック\n[ボタン] 左");
    EXPECT_TRUE(Standard(0)->isEnabled());
}

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
        StartWithThreePedals();
        c.breakIt(*unit);
        StoreLeftClickForPedal0();
        window->SettingDialog_OK();
        EXPECT_EQ(static_cast<int>(Sent().size()), c.sent);
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
