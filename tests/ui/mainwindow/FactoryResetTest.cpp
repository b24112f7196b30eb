// SPDX-License-Identifier: GPL-3.0-or-later
// The factory reset the menu asks for: confirmation, answers, and a failure. What reaches the unit
// is the reset flow's (tests/device/link); Return's cancel is StepsTest's.
#include "WindowFixture.h"

namespace tarvik::test {
namespace {

class FactoryResetTest : public WindowTest {
protected:
    void Reset(std::size_t boxes = 1) {
        window->RequestFactoryReset();
        ASSERT_TRUE(QTest::qWaitFor([&] { return presenter.All().size() >= boxes; }, 3000));
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

TEST_F(FactoryResetTest, AResetTheUnitDoesNotAnswerEndsWithTheFailureText) {
    Start(Unit({Pedal(1, {1}), Pedal(0, {0, 40})}));
    ASSERT_TRUE(ReadEnds());
    unit->SetSilentCommands({SET_PARAMETERS});
    presenter.QueueResponse(ALERT_FIRST_BUTTON);
    Reset(3);
    EXPECT_EQ(presenter.Texts(),
              (std::vector<std::string>{kConfirmReset, Lang("タイムアウト", "Time-out"),
                                        Lang("エラーが発生しました。¥r¥nこのTarvikの設定を工場出荷状態に戻すことができませんでした。",
                                             "An error occurred.\r\nThe settings of this Tarvik could not be returned "
                                             "to the factory state.")}));
    ExpectNoUnitLook();
}

}  // namespace
}  // namespace tarvik::test
