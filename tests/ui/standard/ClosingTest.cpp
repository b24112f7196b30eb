// SPDX-License-Identifier: GPL-3.0-or-later
// Every way the dialog closes: none of them writes and all of them mark it closed; a close asked
// for while its own write waits for the unit waits for that write; and however it closes as the
// unit goes, nothing is left behind that would close the next one.
#include "StandardFixture.h"

namespace tarvik::test {
namespace {

using Close = void (*)(SettingDialogViewController&, SimulatedUnit&);

TEST_F(StandardDialogTest, EveryWayOfClosingSendsNothingAndMarksItClosed) {
    const std::pair<const char*, Close> cases[] = {
        {"OK", [](auto& d, auto&) { Click(d, "okButton"); }},
        {"cancel", [](auto& d, auto&) { Click(d, "cancelButton"); }},
        {"Escape", [](auto& d, auto&) { QTest::keyClick(&d, Qt::Key_Escape); }},
        {"window close button", [](auto& d, auto&) { d.close(); }},
        {"unit pulled out", [](auto&, auto& u) { u.Unplug(); }},
    };
    for (const auto& [name, close] : cases) {
        SCOPED_TRACE(name);
        OpenOn(0, Marked({0x01, 4}));
        // A finished edit that was never written must not be sent by any of these.
        Do("radiobuttonOnlyModifiers");
        Do("checkboxAlt");
        close(*dialog, *unit);
        EXPECT_FALSE(dialog && dialog->isVisible()) << "closed at once";
        EXPECT_TRUE(Gone());
        EXPECT_FALSE(State().StandardSettingDialogOpen || State().CloseStandardSetting || State().SettingEnabled);
        EXPECT_EQ(State().CommonData[1], Marked({0x01, 4}));
        EXPECT_EQ(unit->CommandCount(SET_OUTPUT_MODE_AND_DATA), 0);
    }
}

TEST_F(StandardDialogTest, ClosingWhileTheWriteWaitsForTheUnitWaitsForTheWrite) {
    // While the write waits for the unit, the user presses Escape, cancel, OK and the write button
    // again and closes the window: the dialog outlives the write, writes once, then closes.
    OpenOn(0, Marked({0, 0}));
    Do("tab:Tab_Mouse");
    Do("radiobuttonLeftClick");
    unit->SetAnswerDelayMs(30);
    int nested = 0;
    QObject::connect(&window->plugNPlay(), &HID_PnP::reportSent, unit.get(), [&] {
        if (nested++ > 0) return;
        QTimer::singleShot(5, unit.get(), [&] {
            QTest::keyClick(dialog.data(), Qt::Key_Escape);
            for (const char* button : {"cancelButton", "buttonProgramTarvik", "okButton"}) Do(button);
            dialog->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_TRUE(dialog) << "still in use by its own write";
        });
    });
    Do("buttonProgramTarvik");
    EXPECT_TRUE(Gone());
    EXPECT_EQ(unit->CommandCount(SET_OUTPUT_MODE_AND_DATA), 1);
    EXPECT_EQ(unit->Image().pedals[1].mode, SIMPLE_CLICK);
    EXPECT_EQ(presenter.Texts(), std::vector<std::string>{"Tarvikの左ペダルの設定が正常に終わりました。"});
    EXPECT_FALSE(State().StandardSettingDialogOpen);
}

// The dialog used to leave a close request behind when it was closed in the same tenth of a second
// as the unit went: the next dialog, after the unit was back, then closed itself.
TEST_F(StandardDialogTest, ADialogClosedAsTheUnitGoesLeavesNothingThatClosesTheNextOne) {
    const std::pair<const char*, Close> cases[] = {
        {"Cancel", [](auto& d, auto&) { Click(d, "cancelButton"); }},
        {"Escape", [](auto& d, auto&) { QTest::keyClick(&d, Qt::Key_Escape); }},
        {"title-bar close", [](auto& d, auto&) { d.close(); }},
        {"the write's success box", nullptr},
    };
    for (const auto& [name, close] : cases) {
        SCOPED_TRACE(name);
        OpenOn(1, Marked({1}));
        if (close) {
            unit->Unplug();
            if (dialog) close(*dialog, *unit);
        } else {
            presenter.SetWhileShown([&](const ScriptedPresenter::Shown&) { unit->Unplug(); });
            Do("radiobuttonRightClick");
            Do("buttonProgramTarvik");
            presenter.SetWhileShown(nullptr);
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.isNull() && !Standard(0)->isEnabled(); }, 2000));
        unit->Plug();
        ASSERT_TRUE(ReadEnds());
        dialog = OpenStandard(1);
        ASSERT_TRUE(dialog);
        QTest::qWait(300);
        EXPECT_TRUE(dialog && dialog->isVisible()) << "the new dialog closed itself";
        if (dialog) dialog->reject();
    }
}

}  // namespace
}  // namespace tarvik::test
