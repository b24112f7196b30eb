// SPDX-License-Identifier: GPL-3.0-or-later
// Every way the dialog closes but its write button writes nothing; and however it closes as the
// unit goes, nothing is left behind that would close the next one.
#include "StandardFixture.h"

namespace tarvik::test {
namespace {

using Close = void (*)(SettingDialogViewController&, SimulatedUnit&);

TEST_F(StandardDialogTest, EveryWayOfClosingSendsNothing) {
    const std::pair<const char*, Close> cases[] = {
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
        EXPECT_EQ(State().CommonData[1], Marked({0x01, 4}));
        EXPECT_EQ(unit->CommandCount(SET_OUTPUT_MODE_AND_DATA), 0);
    }
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
