// Editing in the dialog: the enabling rules, the key list's typing, and writes it must refuse.
#include <QApplication>

#include "DialogFixture.h"
#include "device/Alert.h"

namespace tarvik::test {
namespace {

struct Step {
    const char* action;  // see DialogDriver::Do
    bool list;           // key list and its explanation enabled
    bool checks;         // modifier check boxes enabled
    bool write;          // write button enabled
};

TEST_F(StandardDialogTest, EnablingFollowsTheTabTheRadiosAndTheChoices) {
    const struct {
        const char* name;
        std::uint8_t mode;
        Common common;
        std::vector<Step> steps;
    } sequences[] = {
        {"from an empty key record", 0, Marked({0, 0}),
         {
             {"tab:Tab_Mouse", true, false, false},  // no click loaded
             {"radiobuttonRightClick", true, false, true},
             {"tab:Tab_Keyboard", true, false, false},  // no key chosen yet
             {"key:Tab", true, false, true},
             {"tab:Tab_Mouse", true, false, true},
             {"tab:Tab_Keyboard", true, false, true},
             {"radiobuttonOnlyModifiers", false, true, false},
             {"checkboxCtrl", false, true, true},
             {"checkboxCtrl", false, true, false},  // unchecking the last one
             {"radiobuttonWithModifiers", true, true, false},
             {"checkboxWindowsKey", true, true, true},
             {"radiobuttonNoModifiers", true, false, true},
             {"radiobuttonNoModifiers", true, false, true},  // clicking the chosen one keeps it chosen
             {"radiobuttonDoubleClick", true, false, true},
             {"radiobuttonCenterClick", true, false, true},
         }},
        {"from a click the dialog cannot show", 1, Marked({3}),
         {{"tab:Tab_Keyboard", true, false, false}, {"tab:Tab_Mouse", true, false, true}}},
    };
    const char* radios[] = {"radiobuttonNoModifiers", "radiobuttonWithModifiers", "radiobuttonOnlyModifiers"};
    const char* clicks[] = {"radiobuttonLeftClick", "radiobuttonRightClick", "radiobuttonCenterClick",
                            "radiobuttonDoubleClick"};
    for (const auto& sequence : sequences) {
        SetRecord(0, sequence.mode, sequence.common);
        presenter_.QueueResponse(ALERT_FIRST_BUTTON);
        Open();
        for (const Step& s : sequence.steps) {
            SCOPED_TRACE(std::string(sequence.name) + ", " + s.action);
            Do(s.action);
            EXPECT_EQ(IsEnabled("listboxKeys"), s.list);
            EXPECT_EQ(IsEnabled("textboxExplanation"), s.list);
            EXPECT_EQ(IsEnabled("checkboxCtrl"), s.checks);
            EXPECT_EQ(IsEnabled("checkboxWindowsKey"), s.checks);
            EXPECT_EQ(IsEnabled("buttonProgramTarvik"), s.write);
            int on = 0;
            for (const char* r : radios) on += IsOn(r);
            EXPECT_EQ(on, 1) << "exactly one modifier radio is on";
            on = 0;
            for (const char* k : clicks) on += IsOn(k);
            EXPECT_LE(on, 1) << "at most one click is on";
        }
        dialog_->reject();
        Settle();
    }
}

TEST_F(StandardDialogTest, TypingJumpsToAStandardKeyOnly) {
    SetRecord(0, 0, Marked({0, 0}));
    Open();
    auto* list = Find<QComboBox>("listboxKeys");
    const struct {
        const char* typed;
        const char* selected;  // nullptr: anything but Caps Lock, which is not offered
        const char* explanation;
    } cases[] = {
        {"f1", "F1", ""},
        {"q", "q", "Shiftプラスこのキーで大文字 Q"},
        {"=", "q", "Shiftプラスこのキーで大文字 Q"},  // nothing starts so: the selection stays
        {"caps", nullptr, nullptr},
        {"home", "Home", ""},
    };
    // A short typing pause, so that each case starts a new search quickly.
    const int interval = QApplication::keyboardInputInterval();
    QApplication::setKeyboardInputInterval(60);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        QTest::qWait(100);
        QTest::keyClicks(list, QString::fromUtf8(c.typed));
        if (c.selected) {
            EXPECT_EQ(list->currentText(), QString::fromUtf8(c.selected));
            EXPECT_EQ(Text("textboxExplanation"), QString::fromUtf8(c.explanation));
        } else {
            EXPECT_GE(list->currentIndex(), 0);
            EXPECT_NE(list->currentText(), QStringLiteral("Caps Lock"));
        }
        EXPECT_TRUE(IsEnabled("buttonProgramTarvik"));
    }
    QApplication::setKeyboardInputInterval(interval);
    Do("buttonProgramTarvik");
    EXPECT_EQ(CommonOf(0), Marked({0, 74})) << "Home, usage 74, is what is written";
}

TEST_F(StandardDialogTest, WriteThatCannotBeStoredWritesNothing) {
    // A key tab without a key, and a pedal outside the records: even a click that reaches the write
    // button must not write.
    for (auto [pedal, choose] : {std::pair{0, "tab:Tab_Keyboard"}, {NUMBER_OF_PEDALS_MAX, "radiobuttonLeftClick"}}) {
        SCOPED_TRACE(choose);
        SetRecord(0, 1, Marked({1}));
        State().SelectedPedalNo = pedal;
        Open();
        Do("tab:Tab_Mouse");
        Do(choose);
        Find<QAbstractButton>("buttonProgramTarvik")->setEnabled(true);
        Do("buttonProgramTarvik");
        Settle();
        EXPECT_TRUE(dialog_);
        EXPECT_TRUE(host_.calls.empty());
        EXPECT_FALSE(State().SettingEnabled);
        EXPECT_EQ(Mode(0), 1);
        EXPECT_EQ(CommonOf(0), Marked({1}));
        EXPECT_TRUE(presenter_.All().empty());
        dialog_->reject();
        Settle();
    }
}

}  // namespace
}  // namespace tarvik::test
