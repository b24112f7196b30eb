// SPDX-License-Identifier: GPL-3.0-or-later
// The standard dialog as the main window opens it: what it shows for each record, the warning for
// what it cannot show, how its controls enable one another, what its write button sends, its
// keyboard use, and every way it closes; and its plain parts, the offered keys and the title line.
#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QTabWidget>
#include <algorithm>

#include "WindowFixture.h"
#include "ui/standard/StandardKeyList.h"
#include "ui/standard/StandardTitle.h"

namespace tarvik::test {
namespace {

// On a unit whose pedal 1 holds the record given.
class StandardDialogTest : public WindowTest {
protected:
    // Reads the unit and opens pedal 1's dialog; a warning is answered with `answer`. The transcript
    // and the boxes seen so far are cleared first.
    void OpenOn(int mode, const CommonRecord& common, int answer = ALERT_FIRST_BUTTON) {
        PedalImage pedal = Pedal(mode);
        pedal.common = common;
        pedal.additional.fill(0x66);
        Start(Unit({Pedal(0, {0, 30}), pedal, Pedal(1, {4})}));
        ASSERT_TRUE(ReadEnds());
        unit->ClearTranscript();
        presenter.Clear();
        presenter.QueueResponse(answer);
        dialog = OpenStandard(1);
    }
    // "tab:<page>" shows a tab, "key:<text>" selects a key, "toggle:<button>" toggles it as
    // assistive technology does (its accessible Toggle action), anything else clicks that button.
    void Do(const std::string& action) {
        ASSERT_TRUE(dialog);
        if (action.starts_with("toggle:")) {
            QAccessibleInterface* button = QAccessible::queryAccessibleInterface(Find(*dialog, action.substr(7)));
            ASSERT_TRUE(button && button->actionInterface());
            button->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        } else if (action.starts_with("tab:")) {
            Find<QTabWidget>(*dialog, "tabcontrolOutputMode")->setCurrentWidget(Find(*dialog, action.substr(4)));
        } else if (action.starts_with("key:")) {
            auto* list = Find<QComboBox>(*dialog, "listboxKeys");
            list->setCurrentIndex(list->findText(QString::fromStdString(action.substr(4))));
        } else Click(*dialog, action);
    }
    bool On(const std::string& name) { return Checked(*dialog, name); }
    bool Usable(const std::string& name) { return Enabled(*dialog, name); }
    bool Gone() { return QTest::qWaitFor([&] { return dialog.isNull(); }, 2000); }

    QPointer<SettingDialogViewController> dialog;
};

TEST_F(StandardDialogTest, LoadsEveryKindOfRecord) {
    const char* const capitalA = Lang("Shiftプラスこのキーで大文字 A", "Shift plus this key: capital A");
    // The key list needs a radio other than "Only", the modifier boxes one other than "No"
    // (EnablingFollowsTheTabTheRadiosAndTheChoices); bytes 2..12 are marked: loading must ignore them.
    const struct {
        const char *name; int mode; CommonRecord common; const char *tab, *key, *explanation, *radio;
        int checks;         // check boxes on: 1 ctrl, 2 shift, 4 alt, 8 command
        const char* click;  // the click radio that is on: Left, Right, Center, Double or ""
        bool writeEnabled, warned;
    } cases[] = {
        {"shift only", 0, Marked({0x02, 0}), "Keyboard", "", "", "Only", 0x02, "", true, false},
        {"nothing at all", 0, Marked({0x00, 0}), "Keyboard", "", "", "No", 0, "", false, false},
        {"four left modifiers, keypad 1", 0, Marked({0x0F, 89}), "Keyboard", Lang("キーパッド End", "Keypad End"),
         Lang("キーパッド(テンキー)にあるキー NumLockオンで 1", "A key on the numeric keypad; 1 with Num Lock on"), "With",
         0x0F, "", true, false},
        {"right control", 0, Marked({0x10, 4}), "Keyboard", "a", capitalA, "With", 0, "", false, true},
        {"left and right shift", 0, Marked({0x22, 4}), "Keyboard", "a", capitalA, "With", 0x02, "", true, true},
        {"caps lock is advanced", 0, Marked({0x00, 57}), "Keyboard", "", "", "No", 0, "", false, true},
        {"right click", 1, Marked({2}), "Mouse", "", "", "No", 0, "Right", true, false},
        {"center click", 1, Marked({4}), "Mouse", "", "", "No", 0, "Center", true, false},
        {"left and right together", 1, Marked({3}), "Mouse", "", "", "No", 0, "", true, true},
        {"double click, any timing", 2, Marked({1, 40, 2, 90}), "Mouse", "", "", "No", 0, "Double", true, false},
        {"double click, right button", 2, Marked({2}), "Mouse", "", "", "No", 0, "", true, true},
        {"key chords", 9, Marked({0x2c, 0x0a}), "Keyboard", "", "", "No", 0, "", false, true},
    };
    const char* checks[] = {"checkboxCtrl", "checkboxShift", "checkboxAlt", "checkboxWindowsKey"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OpenOn(c.mode, c.common);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(Find<QTabWidget>(*dialog, "tabcontrolOutputMode")->currentWidget()->objectName().toStdString(),
                  std::string("Tab_") + c.tab);
        EXPECT_EQ(Text(*dialog, "listboxKeys"), c.key);
        EXPECT_EQ(Text(*dialog, "textboxExplanation"), c.explanation);
        for (std::string r : {"No", "With", "Only"}) EXPECT_EQ(On("radiobutton" + r + "Modifiers"), r == c.radio) << r;
        for (std::string k : {"Left", "Right", "Center", "Double"}) EXPECT_EQ(On("radiobutton" + k + "Click"), k == c.click) << k;
        for (int bit = 0; bit < 4; ++bit) {
            EXPECT_EQ(On(checks[bit]), ((c.checks >> bit) & 1) != 0) << checks[bit];
            EXPECT_EQ(Usable(checks[bit]), std::string(c.radio) != "No") << checks[bit];
        }
        for (const char* w : {"listboxKeys", "textboxExplanation", "labelExplanation"})
            EXPECT_EQ(Usable(w), std::string(c.radio) != "Only") << w;
        EXPECT_EQ(Usable("buttonProgramTarvik"), c.writeEnabled);
        EXPECT_EQ(presenter.All().size(), c.warned ? 1u : 0u);
        dialog->reject();
    }
}

TEST_F(StandardDialogTest, WarningAnswersDecideWhetherTheDialogStays) {
    const char* const kKept = "Setting in Pedal 1 is out of the Standard, but the user selected setting by the Standard.";
    const char* const kCancelled = "Setting in Pedal 1 is out of the Standard, and the user selected canceling.";
    // response 0: the box's default (Return) answer.
    const struct { const char* name; int response; bool unplugWhileAsked, stays; const char* line; } cases[] = {
        {"OK", ALERT_FIRST_BUTTON, false, true, kKept}, {"Return", 0, false, false, kCancelled},
        {"other", 1002, false, true, "その他:1002"},
        // A modal box lets device events through: the unit goes away while the user reads the warning.
        {"OK, but unplugged meanwhile", ALERT_FIRST_BUTTON, true, false, kKept},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        presenter.SetWhileShown([&](const ScriptedPresenter::Shown&) { if (c.unplugWhileAsked) unit->Unplug(); });
        OpenOn(0, Marked({0x00, 57}), c.response ? c.response : ALERT_SECOND_BUTTON);
        presenter.SetWhileShown(nullptr);
        ASSERT_EQ(presenter.All().size(), 1u);
        EXPECT_TRUE(presenter.All()[0].confirmation);
        EXPECT_EQ(presenter.All()[0].title, "Oremba Tarvik");
        EXPECT_EQ(presenter.All()[0].text, kOutOfStandard);
        EXPECT_NE(std::find(console.Lines().begin(), console.Lines().end(), c.line), console.Lines().end());
        QTest::qWait(20);
        EXPECT_EQ(dialog && dialog->isVisible(), c.stays);
        if (dialog) dialog->reject();
    }
}

TEST_F(StandardDialogTest, EnablingFollowsTheTabTheRadiosAndTheChoices) {
    struct Step { const char* action; bool list, checks, write; };  // key list, modifier boxes, write button usable
    const struct { int mode; CommonRecord common; std::vector<Step> steps; } sequences[] = {
        {0, Marked({0, 0}),
         {
             {"tab:Tab_Mouse", true, false, false},  // no click loaded
             {"radiobuttonRightClick", true, false, true},
             {"tab:Tab_Keyboard", true, false, false},  // no key chosen yet
             {"key:Tab", true, false, true},
             {"radiobuttonOnlyModifiers", false, true, false},
             {"checkboxCtrl", false, true, true},
             {"checkboxCtrl", false, true, false},  // unchecking the last one
             {"radiobuttonWithModifiers", true, true, false},
             {"checkboxWindowsKey", true, true, true},
             {"radiobuttonNoModifiers", true, false, true},
             {"radiobuttonNoModifiers", true, false, true},  // clicking the chosen one keeps it chosen
             {"radiobuttonDoubleClick", true, false, true},
         }},
        // A screen reader's Toggle action chooses as a click does.
        {0, Marked({0, 0}),
         {
             {"tab:Tab_Mouse", true, false, false},
             {"toggle:radiobuttonRightClick", true, false, true},
             {"tab:Tab_Keyboard", true, false, false},
             {"toggle:radiobuttonOnlyModifiers", false, true, false},
             {"toggle:checkboxCtrl", false, true, true},
         }},
    };
    for (const auto& sequence : sequences) {
        OpenOn(sequence.mode, sequence.common);
        for (const Step& s : sequence.steps) {
            SCOPED_TRACE(std::to_string(sequence.mode) + ", " + s.action);
            Do(s.action);
            EXPECT_EQ(Usable("listboxKeys"), s.list);
            EXPECT_EQ(Usable("textboxExplanation"), s.list);
            EXPECT_EQ(Usable("checkboxCtrl"), s.checks);
            EXPECT_EQ(Usable("checkboxWindowsKey"), s.checks);
            EXPECT_EQ(Usable("buttonProgramTarvik"), s.write);
            EXPECT_EQ(On("radiobuttonNoModifiers") + On("radiobuttonWithModifiers") + On("radiobuttonOnlyModifiers"), 1);
            EXPECT_LE(On("radiobuttonLeftClick") + On("radiobuttonRightClick") + On("radiobuttonCenterClick") +
                          On("radiobuttonDoubleClick"), 1);
        }
        dialog->reject();
    }
}

TEST_F(StandardDialogTest, TheWriteButtonSendsTheChoiceAndNothingWithoutAKey) {
    // The other pedals and the chord blocks are the write flow's (tests/device/link).
    const struct { const char* name; int mode; CommonRecord start; std::vector<const char*> edit; int modeAfter;
                   CommonRecord common; } cases[] = {
        {"double click over key chords", 9, Marked({0x2c, 0x0a, 0x10, 0x03}), {"tab:Tab_Mouse", "radiobuttonDoubleClick"},
         SIMPLE_DOUBLE_CLICK, Marked({1, 15, 0, 15})},
        {"combined buttons kept as they are", 1, Marked({3}), {}, SIMPLE_CLICK, Marked({3})},
        {"key with modifiers", 0, Marked({0, 4}), {"radiobuttonWithModifiers", "checkboxCtrl", "checkboxShift", "key:z"},
         SIMPLE_KEY_OUTPUT, Marked({0x03, 29})},
        {"right-hand modifiers dropped", 0, Marked({0x13, 4}), {}, SIMPLE_KEY_OUTPUT, Marked({0x03, 4})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OpenOn(c.mode, c.start);
        for (const char* action : c.edit) Do(action);
        Do("buttonProgramTarvik");
        EXPECT_TRUE(Gone());
        EXPECT_EQ(presenter.Texts().back(),
                  Lang("Tarvikの左ペダルの設定が正常に終わりました。", "Tarvik: Left pedal was set successfully."));
        EXPECT_EQ(unit->Image().pedals[1].mode, c.modeAfter);
        EXPECT_EQ(unit->Image().pedals[1].common, c.common);
    }
    // A key tab without a key: even a click that reaches the write button writes nothing.
    OpenOn(1, Marked({1}));
    Do("tab:Tab_Keyboard");
    Find(*dialog, "buttonProgramTarvik")->setEnabled(true);
    Do("buttonProgramTarvik");
    QTest::qWait(20);
    EXPECT_TRUE(dialog && dialog->isVisible());
    EXPECT_EQ(State().CommonData[1], Marked({1}));
    EXPECT_EQ(unit->Transcript().size(), 0);
}

// Tab goes down the shown tab as it reads, then to the buttons; Alt and a letter pick a tab, and
// Alt+Y the key list (of the standard keys, named by the key table).
TEST_F(StandardDialogTest, TheKeyboardReachesEveryControlInTheOrderOnTheScreen) {
    OpenOn(0, Marked({0x03, 4}));
    ASSERT_TRUE(dialog);
    // The pedal's name and the standard keys in usage order, from the tables.
    EXPECT_EQ(Text(*dialog, "Label_PedalName"), Lang("標準設定 左ペダル", "Standard setting Left pedal"));
    auto* list = Find<QComboBox>(*dialog, "listboxKeys");
    ASSERT_EQ(list->count(), 91);
    for (const auto& [index, name] : {std::pair{36, Lang("Enter (Return)", "Enter")}, {44, "["}, {45, "]"},
                                    {90, Lang("キーパッド Delete", "Keypad Delete")}}) {
        EXPECT_EQ(list->itemText(index).toStdString(), name) << index;
    }
    EXPECT_EQ(Names(TabOrder(*dialog)),
              "qt_tabwidget_tabbar radiobuttonWithModifiers checkboxCtrl checkboxShift checkboxAlt checkboxWindowsKey "
              "listboxKeys buttonProgramTarvik cancelButton okButton ");  // a set of radio choices is one stop
    auto* tabs = Find<QTabWidget>(*dialog, "tabcontrolOutputMode");
    ASSERT_TRUE(Activate(*dialog));
    QTest::keyClick(dialog, Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(tabs->currentWidget()->objectName().toStdString(), "Tab_Mouse");
    EXPECT_EQ(Names(TabOrder(*dialog)),
              "qt_tabwidget_tabbar radiobuttonLeftClick cancelButton okButton ");  // no click chosen: nothing to write
    QTest::keyClick(dialog, Qt::Key_K, Qt::AltModifier);
    EXPECT_EQ(tabs->currentWidget()->objectName().toStdString(), "Tab_Keyboard");
    QTest::keyClick(dialog, Qt::Key_Y, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), Find(*dialog, "listboxKeys"));
}

// Return writes a chosen edit (OK stays the default while nothing can be written); the arrow keys
// move a radio choice within its set and never out of it, as they do for radio buttons.
TEST_F(StandardDialogTest, ReturnWritesAChosenEditAndTheArrowsMoveWithinEachSetOfChoices) {
    OpenOn(0, Marked({0x00, 0}));
    ASSERT_TRUE(Activate(*dialog));
    auto* ok = Find<QPushButton>(*dialog, "okButton");
    auto* write = Find<QPushButton>(*dialog, "buttonProgramTarvik");
    EXPECT_TRUE(ok->isDefault() && !write->isDefault());
    Find(*dialog, "radiobuttonNoModifiers")->setFocus();
    const struct { Qt::Key key; const char* checked; } steps[] = {
        {Qt::Key_Down, "radiobuttonWithModifiers"}, {Qt::Key_Down, "radiobuttonOnlyModifiers"},
        {Qt::Key_Down, "radiobuttonOnlyModifiers"}, {Qt::Key_Up, "radiobuttonWithModifiers"},
    };
    for (const auto& step : steps) {
        QTest::keyClick(QApplication::focusWidget(), step.key);
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), step.checked);
        EXPECT_TRUE(On(step.checked)) << step.checked;
        EXPECT_EQ(On("radiobuttonNoModifiers") + On("radiobuttonWithModifiers") + On("radiobuttonOnlyModifiers"), 1);
    }
    EXPECT_TRUE(Usable("checkboxCtrl")) << "the choice's rules follow the keys";
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Find(*dialog, "radiobuttonWithModifiers"))->role(),
              QAccessible::RadioButton);
    Do("checkboxShift");
    Do("key:b");
    EXPECT_TRUE(write->isDefault() && !ok->isDefault());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(Gone());
    EXPECT_EQ(unit->Image().pedals[1].common, Marked({0x02, 5}));
}

using Close = void (*)(SettingDialogViewController&, SimulatedUnit&);

// However the dialog closes, OK included, a finished edit that was never written is not sent. Closed as the unit
// goes (or by the write's success box as it goes) it used to leave a close request behind when both
// came in the same tenth of a second: the next dialog, after the unit was back, then closed itself.
TEST_F(StandardDialogTest, EveryWayOfClosingSendsNothingAndLeavesNothingThatClosesTheNextOne) {
    const std::pair<const char*, Close> cases[] = {
        {"OK", [](auto& d, auto&) { Click(d, "okButton"); }},
        {"cancel", [](auto& d, auto&) { Click(d, "cancelButton"); }},
        {"Escape", [](auto& d, auto&) { QTest::keyClick(&d, Qt::Key_Escape); }},
        {"window close button", [](auto& d, auto&) { d.close(); }},
        {"unit pulled out", [](auto&, auto& u) { u.Unplug(); }},
        {"the write's success box", nullptr},
    };
    for (const bool unitGoes : {false, true}) {
        for (const auto& [name, close] : cases) {
            SCOPED_TRACE(std::string(name) + (unitGoes ? ", as the unit goes" : ""));
            if (!close && !unitGoes) continue;
            OpenOn(0, Marked({0x01, 4}));
            Do("radiobuttonOnlyModifiers");
            Do("checkboxAlt");
            if (close) {
                if (unitGoes) unit->Unplug();
                if (dialog) close(*dialog, *unit);
                EXPECT_FALSE(dialog && dialog->isVisible()) << "closed at once";
                EXPECT_TRUE(Gone());
                EXPECT_EQ(State().CommonData[1], Marked({0x01, 4}));
                EXPECT_EQ(unit->CommandCount(SET_OUTPUT_MODE_AND_DATA), 0);
            } else {
                presenter.SetWhileShown([&](const ScriptedPresenter::Shown&) { unit->Unplug(); });
                Do("buttonProgramTarvik");
                presenter.SetWhileShown(nullptr);
            }
            if (!unitGoes) continue;
            ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.isNull() && !Standard(0)->isEnabled(); }, 2000));
            unit->Plug();
            ASSERT_TRUE(ReadEnds());
            dialog = OpenStandard(1);
            QTest::qWait(300);
            EXPECT_TRUE(dialog && dialog->isVisible()) << "the new dialog closed itself";
            if (dialog) dialog->reject();
        }
    }
}

// The offered keys are pinned by the dialog's list above; here, the look-ups at its edges.
TEST(StandardKeyList, LooksUpOnlyFilledEntries) {
    const StandardKeyList list = BuildStandardKeyList();
    for (auto [index, usage] : {std::pair{0, 4}, {90, 99}, {-1, -1}, {91, -1}, {100000, -1}}) {
        EXPECT_EQ(list.UsageAt(index), usage) << "index " << index;
    }
    // Unused tail entries hold 0; usage 0 must still not be found among them.
    for (auto [usage, index] : {std::pair{4, 0}, {99, 90}, {0, -1}, {49, -1}, {255, -1}, {-3, -1}}) {
        EXPECT_EQ(list.IndexOf(usage), index) << "usage " << usage;
    }
}

TEST(StandardTitleLine, NamesThePedalForTwoToFivePedals) {
    const char* const plain = Lang("標準設定", "Standard setting");
    const struct { int count, pedal; const char* title; } cases[] = {
        {1, 0, plain}, {2, 0, Lang("標準設定 右ペダル", "Standard setting Right pedal")},
        {4, 3, Lang("標準設定 左端ペダル", "Standard setting Far-left pedal")},
        {0, 0, plain}, {2, 2, plain}, {6, 0, plain}, {5, -1, plain},  // combinations outside the table add nothing
    };
    for (const auto& c : cases) EXPECT_EQ(StandardTitleLine(c.count, c.pedal), c.title) << c.count << " pedals, pedal " << c.pedal;
}

}  // namespace
}  // namespace tarvik::test
