// The factory reset the menu asks for: confirmation, what reaches the unit, and its failures.
#include "MainWindowFixture.h"

namespace tarvik::test {
namespace {

const char* const kConfirmText =
    "このTarvikの設定を工場出荷状態に戻します．よろしいですか？\r\n"
    "工場出荷状態に戻す場合は [OK]，何も行わない場合は [キャンセル] をクリックして下さい．";
const char* const kResetFailed = "エラーが発生しました。¥r¥nこのTarvikの設定を工場出荷状態に戻すことができませんでした。";
const char* const kResetting = "The selected Tarvik ddddis returning to the initial state in time of factory shipment.";

class FactoryResetTest : public MainWindowTest {
protected:
    // Five pedals, every byte set, so bytes the reset must keep show.
    void StartWithFivePedals() {
        PedalImage pedal = Pedal(7, {});
        for (std::size_t i = 0; i < pedal.common.size(); ++i) pedal.common[i] = static_cast<std::uint8_t>(0xA0 + i);
        Start(Unit(std::vector<PedalImage>(5, pedal)));
        ASSERT_TRUE(ReadEnds());
        unit->ClearTranscript();
    }
    void RequestReset() {
        window->RequestFactoryReset();
        const auto before = presenter.All().size();
        ASSERT_TRUE(QTest::qWaitFor([&] { return presenter.All().size() > before; }, 3000));
        QTest::qWait(150);
    }
};

TEST_F(FactoryResetTest, ConfirmedResetWritesTheFactoryTableAndKeepsTheOtherBytes) {
    StartWithFivePedals();
    presenter.QueueResponse(ALERT_FIRST_BUTTON);
    RequestReset();

    ASSERT_EQ(presenter.All().size(), 1u);  // success shows nothing more
    EXPECT_TRUE(presenter.All()[0].confirmation);
    EXPECT_EQ(presenter.All()[0].title, "Oremba Tarvik");
    EXPECT_EQ(presenter.All()[0].text, kConfirmText);
    EXPECT_NE(std::find(console.Lines().begin(), console.Lines().end(), kResetting), console.Lines().end());

    const struct {
        int mode;
        int byte0;
        int byte1;  // -1: kept
    } factory[] = {{1, 1, -1}, {0, 0, 0x28}, {1, 2, -1}, {0, 0, 0x50}, {0, 0, 0x4F}};
    for (int p = 0; p < 5; ++p) {
        const PedalImage& stored = unit->Image().pedals[static_cast<std::size_t>(p)];
        EXPECT_EQ(stored.mode, factory[p].mode) << p;
        EXPECT_EQ(stored.common[0], factory[p].byte0) << p;
        EXPECT_EQ(stored.common[1], factory[p].byte1 < 0 ? 0xA1 : factory[p].byte1) << p;
        for (std::size_t i = 2; i < stored.common.size(); ++i) EXPECT_EQ(stored.common[i], 0xA0 + i) << p << "," << i;
    }
    EXPECT_EQ(unit->CommandCount(SET_OUTPUT_MODE_AND_DATA), 5);
    EXPECT_EQ(unit->CommandCount(SET_PARAMETERS), 1);
    EXPECT_EQ(Text(0), "[設定されている機能] クリック\n[ボタン] 左");
    EXPECT_EQ(Text(3), "[設定されている機能] キー出力\n[キー] ←\n[キー説明] 左矢印\n[モディファイア] なし");
    EXPECT_TRUE(Standard(4)->isEnabled());
    EXPECT_FALSE(State().InitialState);
}

TEST_F(FactoryResetTest, ReturnCancelsAndOtherAnswersAreLogged) {
    const struct {
        std::optional<int> response;  // none: the default answer, what Return gives
        const char* line;
    } cases[] = {{std::nullopt, "キャンセルしました"}, {1002, "その他:1002"}};
    StartWithFivePedals();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        if (c.response) presenter.QueueResponse(*c.response);
        RequestReset();
        EXPECT_EQ(console.Lines().back(), c.line);
        EXPECT_EQ(unit->Transcript().size(), 0);
        EXPECT_TRUE(Standard(0)->isEnabled());
    }
}

TEST_F(FactoryResetTest, ResetThatCannotReachTheUnitEndsWithTheFailureText) {
    const struct {
        const char* what;
        bool plugged;
        std::vector<std::string> texts;
    } cases[] = {
        {"no unit", false, {kConfirmText, kResetFailed}},
        {"parameters unanswered", true, {kConfirmText, "タイムアウト", kResetFailed}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Start(Unit({Pedal(1, {1}), Pedal(0, {0, 40})}), c.plugged);
        if (c.plugged) {
            ASSERT_TRUE(ReadEnds());
        }
        unit->SetSilentCommands({SET_PARAMETERS});
        presenter.QueueResponse(ALERT_FIRST_BUTTON);
        RequestReset();
        ASSERT_TRUE(QTest::qWaitFor([&] { return presenter.All().size() >= c.texts.size(); }, 3000));
        EXPECT_EQ(presenter.Texts(), c.texts);
        EXPECT_EQ(unit->CommandCount(SET_OUTPUT_MODE_AND_DATA), c.plugged ? 2 : 0);
        ExpectNoUnitLook();
    }
}

TEST_F(FactoryResetTest, ResetAskedForWhileAUnitArrivesRunsOnceAfterTheRead) {
    Start(Unit({Pedal(1, {1})}));
    window->RequestFactoryReset();  // the attach is pending: the reset waits until the read has ended
    window->RequestFactoryReset();
    presenter.QueueResponse(ALERT_FIRST_BUTTON);
    ASSERT_TRUE(ReadEnds());
    ASSERT_TRUE(QTest::qWaitFor([&] { return unit->CommandCount(SET_PARAMETERS) > 0; }, 3000));
    QTest::qWait(50);
    EXPECT_EQ(presenter.All().size(), 1u);
    EXPECT_EQ(unit->CommandCount(SET_PARAMETERS), 1);
    EXPECT_EQ(unit->Transcript()[6].bytes.at(0), char(SET_OUTPUT_MODE_AND_DATA)) << "after the three reads";
}

}  // namespace
}  // namespace tarvik::test
