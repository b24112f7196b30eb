// SPDX-License-Identifier: GPL-3.0-or-later
// The standard dialog: what it shows for each record, the warning for what it cannot show, how
// its controls enable one another, what its write button sends, and its keyboard use; and its
// plain parts, the offered keys and the title line.
#include <QAccessible>
#include <QApplication>
#include <algorithm>

#include "StandardFixture.h"
#include "support/TestLanguage.h"
#include "ui/standard/StandardKeyList.h"
#include "ui/standard/StandardTitle.h"

namespace tarvik::test {
namespace {

TEST_F(StandardDialogTest, LoadsEveryKindOfRecordWithoutChangingIt) {
    const char* const capitalA = Lang("Shiftプラスこのキーで大文字 A", "Shift plus this key: capital A");
    const struct {
        const char* name;
        int mode;
        CommonRecord common;      // bytes 2..12 are marked: loading must ignore them
        const char* tab;
        const char* key;          // selected key text, "" for none
        const char* explanation;  // text of textboxExplanation
        const char* radio;        // the modifier radio that is on: No, With or Only
        int checks;               // check boxes on: 1 ctrl, 2 shift, 4 alt, 8 command
        const char* click;        // the click radio that is on: Left, Right, Center, Double or ""
        bool listEnabled, checksEnabled, writeEnabled, warned;
    } cases[] = {
        {"key a, control and shift", 0, Marked({0x03, 4}), "Keyboard", "a", capitalA, "With",
         0x03, "", true, true, true, false},
        {"shift only", 0, Marked({0x02, 0}), "Keyboard", "", "", "Only", 0x02, "", false, true, true, false},
        {"nothing at all", 0, Marked({0x00, 0}), "Keyboard", "", "", "No", 0, "", true, false, false, false},
        {"four left modifiers, keypad 1", 0, Marked({0x0F, 89}), "Keyboard", Lang("キーパッド End", "Keypad End"),
         Lang("キーパッド(テンキー)にあるキー NumLockオンで 1", "A key on the numeric keypad; 1 with Num Lock on"), "With",
         0x0F, "", true, true, true, false},
        {"right control", 0, Marked({0x10, 4}), "Keyboard", "a", capitalA, "With", 0, "",
         true, true, false, true},
        {"left and right shift", 0, Marked({0x22, 4}), "Keyboard", "a", capitalA, "With",
         0x02, "", true, true, true, true},
        {"caps lock is advanced", 0, Marked({0x00, 57}), "Keyboard", "", "", "No", 0, "", true, false, false, true},
        {"right command as the key", 0, Marked({0x01, 231}), "Keyboard", "", "", "With", 0x01, "", true, true, false,
         true},
        {"key byte beyond every table", 0, Marked({0x00, 250}), "Keyboard", "", "", "No", 0, "", true, false, false,
         true},
        {"right click", 1, Marked({2}), "Mouse", "", "", "No", 0, "Right", true, false, true, false},
        {"center click", 1, Marked({4}), "Mouse", "", "", "No", 0, "Center", true, false, true, false},
        {"left and right together", 1, Marked({3}), "Mouse", "", "", "No", 0, "", true, false, true, true},
        {"double click, any timing", 2, Marked({1, 40, 2, 90}), "Mouse", "", "", "No", 0, "Double", true, false,
         true, false},
        {"double click, right button", 2, Marked({2}), "Mouse", "", "", "No", 0, "", true, false, true, true},
        {"key chords", 9, Marked({0x2c, 0x0a}), "Keyboard", "", "", "No", 0, "", true, false, false, true},
        {"mode byte beyond every mode", 0xFF, Marked({1}), "Keyboard", "", "", "No", 0, "", true, false, false, true},
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
            EXPECT_EQ(Usable(checks[bit]), c.checksEnabled) << checks[bit];
        }
        for (const char* w : {"listboxKeys", "textboxExplanation", "labelExplanation"}) EXPECT_EQ(Usable(w), c.listEnabled) << w;
        EXPECT_EQ(Usable("buttonProgramTarvik"), c.writeEnabled);
        EXPECT_EQ(presenter.All().size(), c.warned ? 1u : 0u);
        EXPECT_TRUE(dialog->isVisible()) << "the dialog stays open";
        Click(*dialog, "okButton");
        EXPECT_TRUE(Gone());
        EXPECT_EQ(State().CommonData[1], c.common) << "loading reads the record; it never writes it";
        EXPECT_EQ(unit->Transcript().size(), 0) << "OK without the write button sends nothing";
    }
}

TEST_F(StandardDialogTest, WarningAnswersDecideWhetherTheDialogStays) {
    const char* const kKept = "Setting in Pedal 1 is out of the Standard, but the user selected setting by the Standard.";
    const char* const kCancelled = "Setting in Pedal 1 is out of the Standard, and the user selected canceling.";
    const struct {
        const char* name;
        int response;  // 0: the box's default (Return) answer
        bool unplugWhileAsked;
        bool stays;
        const char* line;
    } cases[] = {
        {"OK", ALERT_FIRST_BUTTON, false, true, kKept},
        {"Return", 0, false, false, kCancelled},
        {"other", 1002, false, true, "その他:1002"},
        // A modal box lets device events through: the unit goes away while the user reads the warning.
        {"OK, but unplugged meanwhile", ALERT_FIRST_BUTTON, true, false, kKept},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        presenter.SetWhileShown([&](const ScriptedPresenter::Shown&) {
            if (c.unplugWhileAsked) unit->Unplug();
        });
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
    struct Step {
        const char* action;
        bool list, checks, write;  // key list, modifier boxes and write button enabled
    };
    const struct {
        int mode;
        CommonRecord common;
        std::vector<Step> steps;
    } sequences[] = {
        {0, Marked({0, 0}),
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
        // A screen reader's Toggle action chooses as a click does.
        {0, Marked({0, 0}),
         {
             {"tab:Tab_Mouse", true, false, false},
             {"toggle:radiobuttonRightClick", true, false, true},
             {"tab:Tab_Keyboard", true, false, false},
             {"toggle:radiobuttonOnlyModifiers", false, true, false},
             {"toggle:checkboxCtrl", false, true, true},
         }},
        // A click the dialog cannot show: the write button stays usable on its tab.
        {1, Marked({3}), {{"tab:Tab_Keyboard", true, false, false}, {"tab:Tab_Mouse", true, false, true}}},
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

TEST_F(StandardDialogTest, TheWriteButtonSendsTheChoiceAndNothingElseChanges) {
    const struct {
        const char* name;
        int mode;
        CommonRecord start;
        std::vector<const char*> edit;
        int modeAfter;
        CommonRecord common;
    } cases[] = {
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
        const UnitImage before = unit->Image();
        for (const char* action : c.edit) Do(action);
        Do("buttonProgramTarvik");
        EXPECT_TRUE(Gone());
        EXPECT_EQ(presenter.Texts().back(),
                  Lang("Tarvikの左ペダルの設定が正常に終わりました。", "Tarvik: Left pedal was set successfully."));
        for (int p : {0, 1, 2}) {
            EXPECT_EQ(unit->Image().pedals[p].mode, p == 1 ? c.modeAfter : before.pedals[p].mode) << p;
            EXPECT_EQ(unit->Image().pedals[p].common, p == 1 ? c.common : before.pedals[p].common) << p;
            EXPECT_EQ(unit->Image().pedals[p].additional, before.pedals[p].additional) << p;
        }
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
    auto names = [](const std::vector<QWidget*>& widgets) {
        std::string joined;
        for (QWidget* w : widgets) joined += (joined.empty() ? "" : " ") + w->objectName().toStdString();
        return joined;
    };
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
    EXPECT_EQ(names(TabOrder(*dialog)),
              "qt_tabwidget_tabbar radiobuttonWithModifiers checkboxCtrl checkboxShift checkboxAlt checkboxWindowsKey "
              "listboxKeys buttonProgramTarvik cancelButton okButton");  // a set of radio choices is one stop
    auto* tabs = Find<QTabWidget>(*dialog, "tabcontrolOutputMode");
    ASSERT_TRUE(Activate(*dialog));
    QTest::keyClick(dialog, Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(tabs->currentWidget()->objectName().toStdString(), "Tab_Mouse");
    EXPECT_EQ(names(TabOrder(*dialog)),
              "qt_tabwidget_tabbar radiobuttonLeftClick cancelButton okButton");  // no click chosen: nothing to write
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
    const struct {
        int count, pedal;
        const char* title;
    } cases[] = {
        {1, 0, plain}, {2, 0, Lang("標準設定 右ペダル", "Standard setting Right pedal")},
        {4, 3, Lang("標準設定 左端ペダル", "Standard setting Far-left pedal")},
        // Combinations outside the table add nothing.
        {0, 0, plain}, {2, 2, plain}, {6, 0, plain}, {5, -1, plain},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StandardTitleLine(c.count, c.pedal), c.title) << c.count << " pedals, pedal " << c.pedal;
    }
}

}  // namespace
}  // namespace tarvik::test
