// A pedal's standard button, and sending what a dialog stored.
#include "MainWindowFixture.h"
#include "ui/SettingDialogViewController.h"

#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

namespace tarvik::test {
namespace {

QByteArray Bytes(std::initializer_list<int> bytes) {
    QByteArray out;
    for (int b : bytes) out.append(static_cast<char>(b));
    return out;
}

class WriteFlowTest : public MainWindowTest {
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
    EXPECT_EQ(Text(0), "[設定されている機能] キー出力\n[キー] a\n[キー説明] Shiftプラスこのキーで大文字 A\n"
                       "[モディファイア] (左)shift");

    StoreLeftClickForPedal0();
    window->SettingDialog_OK();
    const std::vector<QByteArray> expected = {
        Bytes({0x94, 0x00, 0x01, 0x01, 4, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}),
        // Bytes after the parameters still carry the pedal's record from the report before.
        Bytes({0x92, 25, 20, 15, 15, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}),
    };
    EXPECT_EQ(Sent(), expected);
    EXPECT_EQ(presenter.Texts(), std::vector<std::string>{"Tarvikの中央ペダルの設定が正常に終わりました。"});
    EXPECT_EQ(Text(0), "[設定されている機能] クリック\n[ボタン] 左");
    EXPECT_EQ(unit->Image().pedals[0].mode, SIMPLE_CLICK);
    EXPECT_TRUE(Standard(0)->isEnabled());
}

TEST_F(WriteFlowTest, FailedExchangeResetsTheWindowWithoutTheSuccessText) {
    const struct {
        const char* what;
        std::function<void(SimulatedUnit&)> breakIt;
        int sent;
        std::vector<std::string> texts;
    } cases[] = {
        {"unit pulled out", [](SimulatedUnit& u) { u.Unplug(); }, 0, {}},
        {"mode and data unanswered", [](SimulatedUnit& u) { u.SetSilentCommands({SET_OUTPUT_MODE_AND_DATA}); }, 1,
         {"タイムアウト"}},
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
        ExpectNoUnitLook();
        EXPECT_EQ(State().OutputMode[0], SIMPLE_CLICK) << "the edit stays in the records";
    }
}

TEST_F(WriteFlowTest, DialogRefusedWhileLoadingGoesAwayWithoutSending) {
    // Pedal 2 holds a wheel setting, beyond what the standard dialog edits.
    Start(Unit({Pedal(1, {1}), Pedal(0, {0, 40}), Pedal(7, {1})}));
    ASSERT_TRUE(ReadEnds());
    unit->ClearTranscript();
    Standard(2)->click();  // the warning is answered with the default, キャンセル
    ASSERT_EQ(presenter.All().size(), 1u);
    EXPECT_TRUE(presenter.All().front().confirmation);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->OpenSettingDialog() == nullptr; }, 3000));
    EXPECT_FALSE(State().StandardSettingDialogOpen);
    EXPECT_EQ(unit->Transcript().size(), 0);
    EXPECT_TRUE(Standard(2)->isEnabled());
}

TEST_F(WriteFlowTest, DialogOpenedWhileTheRestIsReadWritesItsOwnPedal) {
    Start(Unit({Pedal(0, {0x02, 4}), Pedal(0, {0, 40}), Pedal(0, {0, 41})}));
    unit->SetAnswerDelayMs(20);
    // Pedal 0's button works as soon as pedal 0 is read; the click comes while pedal 1 is still read.
    bool clicked = false;
    QTimer clicker;
    clicker.setInterval(2);
    QObject::connect(&clicker, &QTimer::timeout, [&] {
        if (clicked || !Standard(0)->isEnabled() || Standard(1)->isEnabled()) return;
        clicked = true;
        Standard(0)->click();
    });
    clicker.start();
    ASSERT_TRUE(ReadEnds());
    clicker.stop();
    ASSERT_TRUE(clicked);
    SettingDialogViewController* dialog = window->OpenSettingDialog();
    ASSERT_NE(dialog, nullptr);

    auto* tabs = dialog->findChild<QTabWidget*>(QStringLiteral("tabcontrolOutputMode"));
    ASSERT_NE(tabs, nullptr);
    tabs->setCurrentIndex(1);
    dialog->findChild<QRadioButton*>(QStringLiteral("radiobuttonRightClick"))->click();
    dialog->findChild<QPushButton*>(QStringLiteral("buttonProgramTarvik"))->click();

    EXPECT_EQ(unit->Image().pedals[0].mode, SIMPLE_CLICK);
    EXPECT_EQ(unit->Image().pedals[0].common[0], 2);
    EXPECT_EQ(unit->Image().pedals[2].mode, SIMPLE_KEY_OUTPUT);
    EXPECT_EQ(unit->Image().pedals[2].common[1], 41);
    EXPECT_EQ(Text(0), "[設定されている機能] クリック\n[ボタン] 右");
    EXPECT_EQ(presenter.Texts(), std::vector<std::string>{"Tarvikの中央ペダルの設定が正常に終わりました。"});
}

}  // namespace
}  // namespace tarvik::test
