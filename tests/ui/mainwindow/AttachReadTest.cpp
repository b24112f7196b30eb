// SPDX-License-Identifier: GPL-3.0-or-later
// Reading an attached unit into the window, and the ways that read can end. What is read and stored
// is the read flow's (tests/device/link); here, what the window makes of it.
#include "WindowFixture.h"

namespace tarvik::test {
namespace {

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
    for (int p = 0; p < 5; ++p) EXPECT_TRUE(Standard(p)->isEnabled()) << p;
    EXPECT_TRUE(presenter.All().empty());
    EXPECT_EQ(SentDuring(100), 0) << "a unit is read once per attach";

    unit->Unplug();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Standard(0)->isEnabled(); }, 3000));
    ExpectNoUnitLook();
}

// Which majors are refused is the read flow's; the window says so and ends the program.
TEST_F(AttachReadTest, FirmwareFromMajorVersionThreeIsRefusedAndTheProgramEnds) {
    Start(Unit({Pedal(1, {1})}, {3, 255, 255}));
    EXPECT_FALSE(ReadEnds());
    EXPECT_EQ(exitStatus, 0);
    EXPECT_EQ(presenter.Texts(), std::vector<std::string>{Lang("このバージョンは対応しておりません", "This version is not supported")});
    EXPECT_FALSE(Standard(0)->isEnabled());
}

// Every failed exchange is told by the same alert (its texts are ExchangeTest's and this one's).
TEST_F(AttachReadTest, AFailedExchangeTellsTheUserAndLeavesTheNoUnitLookUntilAttachedAgain) {
    Start(Unit({Pedal(9, {0, 0, 0, 1, 0, 0, 0, 4}, {1, 2, 3}), Pedal(1, {2})}));
    unit->SetSilentCommands({GET_ADDITIONAL_DATA});
    EXPECT_FALSE(ReadEnds());
    EXPECT_EQ(presenter.Texts(), std::vector<std::string>{Lang("タイムアウト", "Time-out")});
    EXPECT_EQ(SentDuring(100), 0);
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
    EXPECT_FALSE(Standard(0)->isEnabled());
    unit->Unplug();
    unit->SetOpenResult(OpenResult::Opened);
    unit->Plug();
    ASSERT_TRUE(ReadEnds());
    EXPECT_TRUE(Standard(0)->isEnabled());
}

}  // namespace
}  // namespace tarvik::test
