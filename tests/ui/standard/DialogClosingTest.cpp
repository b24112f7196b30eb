// Every way the dialog closes: none of them writes, all of them mark it closed, and a close asked
// for while its own write waits for the unit waits for that write.
#include "DialogFixture.h"

namespace tarvik::test {
namespace {

TEST_F(StandardDialogTest, EveryWayOfClosingSendsNothingAndMarksItClosed) {
    const struct {
        const char* name;
        std::function<void(StandardDialogTest&, SettingDialogViewController&)> close;
        std::size_t hostCalls;  // OK hands over to the main window, unarmed
    } cases[] = {
        {"OK", [](auto&, auto& d) { d.template findChild<QAbstractButton*>("okButton")->click(); }, 1},
        {"cancel", [](auto&, auto& d) { d.template findChild<QAbstractButton*>("cancelButton")->click(); }, 0},
        {"Escape", [](auto&, auto& d) { QTest::keyClick(&d, Qt::Key_Escape); }, 0},
        {"window close button", [](auto&, auto& d) { d.close(); }, 0},
        {"unit pulled out", [](auto& t, auto&) { t.host_.unit_.Unplug(); }, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetRecord(0, 0, Marked({0x01, 4}));
        auto d = Open(/*deleteOnClose=*/false);
        // A finished edit that was never written must not be sent by any of these.
        Do("radiobuttonOnlyModifiers");
        Do("checkboxAlt");
        c.close(*this, *d);
        ASSERT_TRUE(d) << "not owned by delete-on-close here";
        EXPECT_FALSE(d->isVisible()) << "closed at once";
        EXPECT_FALSE(State().StandardSettingDialogOpen);
        EXPECT_FALSE(State().CloseStandardSetting);
        EXPECT_FALSE(State().SettingEnabled);
        ASSERT_EQ(host_.calls.size(), c.hostCalls);
        for (const auto& call : host_.calls) EXPECT_FALSE(call.settingEnabled);
        EXPECT_EQ(Mode(0), 0);
        EXPECT_EQ(CommonOf(0), Marked({0x01, 4}));
        delete d.data();
    }
}

TEST_F(StandardDialogTest, ClosingWhileTheWriteWaitsForTheUnitWaitsForTheWrite) {
    // While the main window sends, events run: the unit goes away, the user presses Escape and
    // cancel and the write button again. The dialog must outlive the send, write once, then close.
    SetRecord(0, 0, Marked({0, 0}));
    Open();
    Do("tab:Tab_Mouse");
    Do("radiobuttonLeftClick");
    int nested = 0;
    host_.whileSending = [&] {
        ++nested;
        host_.unit_.Unplug();
        ASSERT_TRUE(dialog_);
        QTest::keyClick(dialog_.data(), Qt::Key_Escape);
        for (const char* button : {"cancelButton", "buttonProgramTarvik", "okButton"}) Do(button);
        dialog_->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_TRUE(dialog_) << "still in use by its own write";
    };
    Do("buttonProgramTarvik");
    Settle();
    EXPECT_EQ(nested, 1);
    ASSERT_EQ(host_.calls.size(), 1u);
    EXPECT_TRUE(host_.calls[0].settingEnabled);
    EXPECT_EQ(host_.calls[0].mode, 1);
    EXPECT_FALSE(dialog_);
    EXPECT_FALSE(State().StandardSettingDialogOpen);
    EXPECT_FALSE(State().CloseStandardSetting);
}

}  // namespace
}  // namespace tarvik::test
