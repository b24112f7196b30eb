// SPDX-License-Identifier: GPL-3.0-or-later
// The window's steps run one at a time: a removal or a reset that comes while the attach read or a
// write waits for the unit is kept, and handled once that step has returned.
#include <QTabWidget>

#include "WindowFixture.h"

namespace tarvik::test {
namespace {

using StepsTest = WindowTest;

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
            ASSERT_TRUE(dialog);
            Find<QTabWidget>(*dialog, "tabcontrolOutputMode")->setCurrentIndex(1);
            Click(*dialog, "radiobuttonRightClick");
        }
        unit->SetAnswerDelayMs(30);
        // Comes while the third report of the read (or the first of the write) waits for its answer.
        const int at = c.duringWrite ? unit->Transcript().size() + 1 : 5;
        bool asked = false;
        std::string explanationMeanwhile;
        std::size_t boxesMeanwhile = 0;
        QObject::connect(&window->plugNPlay(), &HID_PnP::reportSent, unit.get(), [&] {
            if (asked || unit->Transcript().size() + 1 < at) return;
            asked = true;
            QTimer::singleShot(5, unit.get(), [&] {
                c.removal ? unit->Unplug() : window->RequestFactoryReset();
                QTest::qWait(20);  // the queued step comes round and must not start
                explanationMeanwhile = Explanation();
                boxesMeanwhile = presenter.All().size();
            });
        });
        if (c.duringWrite) {
            Click(*dialog, "buttonProgramTarvik");
        } else {
            EXPECT_EQ(ReadEnds(), !c.removal);
        }
        ASSERT_TRUE(asked);
        EXPECT_EQ(explanationMeanwhile, kConnectedExplanation) << "the window was cleared inside the step";
        EXPECT_EQ(boxesMeanwhile, 0u) << "the confirmation came inside the step";
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
