// Editing in the dialog: the enabling rules, the key list's typing, and what the write button
// stores before it hands the pedal to the main window.
#include <QApplication>
#include <QComboBox>
#include <QTest>

#include "DialogFixture.h"
#include "device/Alert.h"
#include "device/DeviceState.h"

namespace tarvik::test {
namespace {

void SelectKey(QComboBox* list, const char* name) {
    const int i = list->findText(QString::fromUtf8(name));
    ASSERT_GE(i, 0) << name;
    list->setCurrentIndex(i);
}

TEST_F(StandardDialogTest, WriteButtonFollowsTheVisibleTab) {
    SetRecord(0, 0, MarkedWith({0, 0}));
    Open();
    EXPECT_FALSE(IsEnabled("buttonProgramTarvik"));
    ShowTab("Tab_Mouse");
    EXPECT_FALSE(IsEnabled("buttonProgramTarvik")) << "no click loaded";
    Click("radiobuttonRightClick");
    EXPECT_TRUE(IsEnabled("buttonProgramTarvik"));
    ShowTab("Tab_Keyboard");
    EXPECT_FALSE(IsEnabled("buttonProgramTarvik")) << "no key chosen yet";
    SelectKey(Find<QComboBox>("listboxKeys"), "Tab");
    EXPECT_TRUE(IsEnabled("buttonProgramTarvik"));
    EXPECT_EQ(Text("textboxExplanation"), QString());
    SelectKey(Find<QComboBox>("listboxKeys"), "1");
    EXPECT_EQ(Text("textboxExplanation"), QStringLiteral("Shiftプラスこのキーで !"));
    ShowTab("Tab_Mouse");
    EXPECT_TRUE(IsEnabled("buttonProgramTarvik"));
}

TEST_F(StandardDialogTest, MouseTabWithAnUnknownClickKeepsItsWriteButton) {
    presenter_.QueueResponse(ALERT_FIRST_BUTTON);
    SetRecord(0, 1, MarkedWith({3}));
    Open();
    EXPECT_TRUE(IsEnabled("buttonProgramTarvik"));
    ShowTab("Tab_Keyboard");
    EXPECT_FALSE(IsEnabled("buttonProgramTarvik"));
    ShowTab("Tab_Mouse");
    EXPECT_TRUE(IsEnabled("buttonProgramTarvik"));
}

TEST_F(StandardDialogTest, ModifierRadiosSwitchControlsAndCompleteness) {
    SetRecord(0, 0, MarkedWith({0x03, 4}));
    Open();
    struct Step {
        const char* click;
        bool listEnabled;
        bool checksEnabled;
        bool writeEnabled;
    } steps[] = {
        {"radiobuttonOnlyModifiers", false, true, true},
        {"checkboxCtrl", false, true, true},     // shift still on
        {"checkboxShift", false, true, false},   // none left
        {"radiobuttonNoModifiers", true, false, true},
        {"radiobuttonNoModifiers", true, false, true},  // clicking the chosen one keeps it chosen
        {"radiobuttonWithModifiers", true, true, false},
        {"checkboxWindowsKey", true, true, true},
        {"checkboxWindowsKey", true, true, false},  // unchecking the last one
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.click);
        Click(s.click);
        EXPECT_EQ(IsEnabled("listboxKeys"), s.listEnabled);
        EXPECT_EQ(IsEnabled("textboxExplanation"), s.listEnabled);
        EXPECT_EQ(IsEnabled("checkboxCtrl"), s.checksEnabled);
        EXPECT_EQ(IsEnabled("checkboxWindowsKey"), s.checksEnabled);
        EXPECT_EQ(IsEnabled("buttonProgramTarvik"), s.writeEnabled);
        const int on = IsOn("radiobuttonNoModifiers") + IsOn("radiobuttonWithModifiers") +
                       IsOn("radiobuttonOnlyModifiers");
        EXPECT_EQ(on, 1) << "exactly one modifier radio is on";
    }
    // Check boxes keep their state while disabled.
    Click("checkboxAlt");
    Click("radiobuttonNoModifiers");
    EXPECT_TRUE(IsOn("checkboxAlt"));
    EXPECT_FALSE(IsEnabled("checkboxAlt"));
}

TEST_F(StandardDialogTest, ClickChoicesTurnEachOtherOff) {
    SetRecord(0, 1, MarkedWith({1}));
    Open();
    const char* clicks[] = {"radiobuttonLeftClick", "radiobuttonRightClick", "radiobuttonCenterClick",
                            "radiobuttonDoubleClick"};
    for (const char* chosen : {"radiobuttonDoubleClick", "radiobuttonCenterClick", "radiobuttonCenterClick",
                               "radiobuttonLeftClick"}) {
        Click(chosen);
        for (const char* k : clicks) EXPECT_EQ(IsOn(k), std::string(k) == chosen) << chosen << " / " << k;
        EXPECT_TRUE(IsEnabled("buttonProgramTarvik"));
    }
}

TEST_F(StandardDialogTest, TypingJumpsToAStandardKeyOnly) {
    SetRecord(0, 0, MarkedWith({0, 0}));
    Open();
    auto* list = Find<QComboBox>("listboxKeys");
    struct Case {
        const char* typed;
        const char* selected;
        const char* explanation;
    } cases[] = {
        {"f1", "F1", ""},
        {"esc", "Escape", ""},
        {"q", "q", "Shiftプラスこのキーで大文字 Q"},
        {"=", "q", "Shiftプラスこのキーで大文字 Q"},  // nothing starts so: the selection stays
        {"caps", nullptr, nullptr},  // Caps Lock is advanced: whatever is found, it is some other key
        {"f12", "F12", ""},
        {"home", "Home", ""},
    };
    // Keep the typing pause short so that each case starts a new search quickly.
    const int interval = QApplication::keyboardInputInterval();
    QApplication::setKeyboardInputInterval(60);
    for (const auto& c : cases) {
        QTest::qWait(100);
        QTest::keyClicks(list, QString::fromUtf8(c.typed));
        if (c.selected) {
            EXPECT_EQ(list->currentText(), QString::fromUtf8(c.selected)) << c.typed;
            EXPECT_EQ(Text("textboxExplanation"), QString::fromUtf8(c.explanation)) << c.typed;
        } else {
            EXPECT_GE(list->currentIndex(), 0);
            EXPECT_NE(list->currentText(), QStringLiteral("Caps Lock"));
        }
        EXPECT_TRUE(IsEnabled("buttonProgramTarvik"));
    }
    QApplication::setKeyboardInputInterval(interval);
    Click("buttonProgramTarvik");
    EXPECT_EQ(CommonOf(0), MarkedWith({0, 74})) << "Home, usage 74, is what is written";
}

struct WriteCase {
    const char* name;
    std::uint8_t mode;
    Common before;
    std::function<void(StandardDialogTest&)> edit;
    std::uint8_t modeAfter;
    Common after;
};

class StandardDialogWrite : public StandardDialogTest {
public:
    void Run(const WriteCase& c) {
        SCOPED_TRACE(c.name);
        State() = DeviceState{};
        host_.calls.clear();
        presenter_.QueueResponse(ALERT_FIRST_BUTTON);
        SetRecord(2, c.mode, c.before, 5);
        State().AdditionalData[2].fill(0x77);
        State().CommonData[1] = Marked();
        Open();
        c.edit(*this);
        ASSERT_TRUE(IsEnabled("buttonProgramTarvik"));
        Click("buttonProgramTarvik");
        Settle();
        ASSERT_EQ(host_.calls.size(), 1u);
        EXPECT_TRUE(host_.calls[0].settingEnabled);
        EXPECT_EQ(host_.calls[0].mode, c.modeAfter) << "stored before the send";
        EXPECT_EQ(host_.calls[0].common, c.after);
        EXPECT_EQ(Mode(2), c.modeAfter);
        EXPECT_EQ(CommonOf(2), c.after);
        for (auto b : State().AdditionalData[2]) ASSERT_EQ(b, 0x77);
        EXPECT_EQ(CommonOf(1), Marked()) << "other pedals untouched";
        EXPECT_FALSE(dialog_) << "the write closes the dialog";
        EXPECT_FALSE(State().StandardSettingDialogOpen);
    }
    QComboBox* Keys() { return Find<QComboBox>("listboxKeys"); }
};

TEST_F(StandardDialogWrite, StoresTheChosenSettingAndSendsIt) {
    const WriteCase cases[] = {
        {"double click", 0, Marked(),
         [](StandardDialogTest& t) { t.ShowTab("Tab_Mouse"); t.Click("radiobuttonDoubleClick"); }, 2,
         MarkedWith({1, 15, 0, 15})},
        {"left click", 9, Marked(), [](StandardDialogTest& t) { t.ShowTab("Tab_Mouse"); t.Click("radiobuttonLeftClick"); },
         1, MarkedWith({1})},
        {"right click", 2, MarkedWith({1, 15, 0, 15}), [](StandardDialogTest& t) { t.Click("radiobuttonRightClick"); },
         1, MarkedWith({2, 15, 0, 15})},
        {"center click", 1, MarkedWith({1}), [](StandardDialogTest& t) { t.Click("radiobuttonCenterClick"); }, 1,
         MarkedWith({4})},
        {"loaded click unchanged", 1, MarkedWith({2}), [](StandardDialogTest&) {}, 1, MarkedWith({2})},
        {"combined buttons sent as they are", 1, MarkedWith({3}), [](StandardDialogTest&) {}, 1, MarkedWith({3})},
        {"key alone", 1, Marked(),
         [](StandardDialogTest& t) {
             t.ShowTab("Tab_Keyboard");
             SelectKey(static_cast<StandardDialogWrite&>(t).Keys(), "F1");
         },
         0, MarkedWith({0x00, 58})},
        {"key alone drops loaded modifiers", 0, MarkedWith({0x0A, 41}),
         [](StandardDialogTest& t) { t.Click("radiobuttonNoModifiers"); }, 0, MarkedWith({0x00, 41})},
        {"key with modifiers", 0, MarkedWith({0x00, 0}),
         [](StandardDialogTest& t) {
             t.Click("radiobuttonWithModifiers");
             t.Click("checkboxCtrl");
             t.Click("checkboxAlt");
             SelectKey(static_cast<StandardDialogWrite&>(t).Keys(), "a");
         },
         0, MarkedWith({0x05, 4})},
        {"modifiers only", 0, MarkedWith({0x00, 4}),
         [](StandardDialogTest& t) {
             t.Click("radiobuttonOnlyModifiers");
             t.Click("checkboxCtrl");
             t.Click("checkboxAlt");
         },
         0, MarkedWith({0x05, 0x00})},
        {"right-hand modifier dropped", 0, MarkedWith({0x13, 4}), [](StandardDialogTest&) {}, 0,
         MarkedWith({0x03, 4})},
        {"command and shift with keypad key", 5, Marked(),
         [](StandardDialogTest& t) {
             t.Click("radiobuttonWithModifiers");
             t.Click("checkboxWindowsKey");
             t.Click("checkboxShift");
             SelectKey(static_cast<StandardDialogWrite&>(t).Keys(), "キーパッド Delete");
         },
         0, MarkedWith({0x0A, 99})},
    };
    for (const auto& c : cases) Run(c);
}

TEST_F(StandardDialogTest, IncompleteKeySettingIsNeverWritten) {
    // The button is off; even a click that reaches it must not write a missing key.
    SetRecord(0, 1, MarkedWith({1}));
    Open();
    ShowTab("Tab_Keyboard");
    auto* write = Find<QAbstractButton>("buttonProgramTarvik");
    ASSERT_FALSE(write->isEnabled());
    write->setEnabled(true);
    write->click();
    Settle();
    EXPECT_TRUE(dialog_);
    EXPECT_TRUE(host_.calls.empty());
    EXPECT_FALSE(State().SettingEnabled);
    EXPECT_EQ(Mode(0), 1);
    EXPECT_EQ(CommonOf(0), MarkedWith({1}));
    EXPECT_FALSE(write->isEnabled());
}

}  // namespace
}  // namespace tarvik::test
