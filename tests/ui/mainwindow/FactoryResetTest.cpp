// SPDX-License-Identifier: GPL-3.0-or-later
// The factory reset the menu asks for: confirmation, what reaches the unit, and its failures.
#include "WindowFixture.h"

namespace tarvik::test {
namespace {

const char* const kResetFailed =
    Lang("エラーが発生しました。¥r¥nこのTarvikの設定を工場出荷状態に戻すことができませんでした。",
         "An error occurred.\r\nThe settings of this Tarvik could not be returned to the factory state.");

class FactoryResetTest : public WindowTest {
protected:
    void Reset(std::size_t boxes = 1) {
        window->RequestFactoryReset();
        ASSERT_TRUE(QTest::qWaitFor([&] { return presenter.All().size() >= boxes; }, 3000));
        QTest::qWait(50);
    }
};

TEST_F(FactoryResetTest, ConfirmedResetWritesTheFactorySettingAndRedescribesThePedals) {
    Start(Unit(std::vector<PedalImage>(5, Pedal(7, {0xA0, 0xA1, 0xA2}))));
    ASSERT_TRUE(ReadEnds());
    presenter.QueueResponse(ALERT_FIRST_BUTTON);
    Reset();
    ASSERT_EQ(presenter.All().size(), 1u);  // success shows nothing more
    EXPECT_TRUE(presenter.All()[0].confirmation);
    EXPECT_EQ(presenter.All()[0].title, "Oremba Tarvik");
    EXPECT_EQ(presenter.All()[0].text, kConfirmReset);
    EXPECT_EQ(console.Lines().back(),
              "The selected Tarvik ddddis returning to the initial state in time of factory shipment.");
    EXPECT_EQ(unit->CommandCount(SET_OUTPUT_MODE_AND_DATA), 5);  // the bytes are the reset flow's
    EXPECT_EQ(PedalText(0), Lang("[設定されている機能] クリック\n[ボタン] 左", "[Function] Click\n[Button] Left"));
    EXPECT_EQ(PedalText(3), Lang("[設定されている機能] キー出力\n[キー] ←\n[キー説明] 左矢印\n[モディファイア] なし",
                                 "[Function] Key output\n[Key] Left\n[Key explanation] Left arrow\n[Modifiers] None"));
    EXPECT_TRUE(Standard(4)->isEnabled());
}

TEST_F(FactoryResetTest, ReturnCancelsAndOtherAnswersAreLogged) {
    Start(Unit({Pedal(1, {1})}));
    ASSERT_TRUE(ReadEnds());
    for (const auto& [response, line] : {std::pair{0, Lang("キャンセルしました", "Cancelled")}, {1002, "その他:1002"}}) {
        if (response) presenter.QueueResponse(response);  // none: the default, what Return gives
        Reset(presenter.All().size() + 1);
        EXPECT_EQ(console.Lines().back(), line);
        EXPECT_EQ(unit->CommandCount(SET_OUTPUT_MODE_AND_DATA), 0);
        EXPECT_TRUE(Standard(0)->isEnabled());
    }
}

TEST_F(FactoryResetTest, ResetThatCannotReachTheUnitEndsWithTheFailureText) {
    const struct { const char* what; bool plugged; std::vector<std::string> texts; } cases[] = {
        {"no unit", false, {kConfirmReset, kResetFailed}},
        {"parameters unanswered", true, {kConfirmReset, Lang("タイムアウト", "Time-out"), kResetFailed}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Start(Unit({Pedal(1, {1}), Pedal(0, {0, 40})}), c.plugged);
        if (c.plugged) {
            ASSERT_TRUE(ReadEnds());
        }
        unit->SetSilentCommands({SET_PARAMETERS});
        presenter.QueueResponse(ALERT_FIRST_BUTTON);
        Reset(c.texts.size());
        EXPECT_EQ(presenter.Texts(), c.texts);
        ExpectNoUnitLook();
    }
}

}  // namespace
}  // namespace tarvik::test
