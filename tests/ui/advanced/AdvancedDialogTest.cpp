// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced dialog as the main window opens it: each tab's OK writes what its controls show and
// hands over once, sending only when a standard edit armed the send; the coupled controls follow
// one another; the multi-chord tab shows the record read from the unit.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPointer>
#include <QSlider>

#include "WindowFixture.h"
#include "ui/AdvancedSettingDialogViewController.h"
#include "ui/advanced/Stepper.h"

namespace tarvik::test {
namespace {

using advanced::Stepper;

class AdvancedDialogTest : public WindowTest {
protected:
    // Reads a unit whose pedal 1 holds the record and opens pedal 1's dialog; the transcript is
    // cleared first.
    void OpenOn(int mode, const CommonRecord& common, std::initializer_list<int> additional = {}) {
        PedalImage pedal = Pedal(mode, {}, additional);
        pedal.common = common;
        Start(Unit({Pedal(1, {1}), pedal, Pedal(1, {2})}));
        ASSERT_TRUE(ReadEnds());
        unit->ClearTranscript();
        dialog = window->SetPedal2Advanced_clicked(1);
        ASSERT_TRUE(dialog);
    }
    std::vector<std::string> Lines(const char* name) {
        std::vector<std::string> lines;
        auto* list = Find<QComboBox>(*dialog, name);
        for (int i = 0; list && i < list->count(); ++i) lines.push_back(list->itemText(i).toStdString());
        return lines;
    }
    QPointer<AdvancedSettingDialogViewController> dialog;
};

TEST_F(AdvancedDialogTest, EachOkWritesWhatItsTabShowsAndSendsItOnceWhenArmed) {
    const struct {
        const char* name;
        int mode;
        std::vector<std::string> clicks;  // boxes and radios, then the tab's OK
        int modeAfter;
        CommonRecord common;
    } cases[] = {
        {"click loaded from the record", 1, {"C_buttonOK"}, 1, Marked({4})},
        {"several buttons", 0,
         {"C_checkboxPluralButtonSimultaneousClick", "C_checkboxLeftClick", "C_checkboxRightClick", "C_buttonOK"}, 1,
         Marked({3})},
        {"left Ctrl and right Shift, Alt ticked twice", 5,
         {"KO_checkboxLeftCtrl", "KO_checkboxRightShift", "KO_checkboxLeftAlt", "KO_checkboxLeftAlt", "KO_buttonOK"}, 5,
         Marked({33, 4})},
        {"pointer up-left, right chosen first", 0, {"PM_radiobuttonRight", "PM_radiobuttonUpperLeft", "PM_buttonOK"},
         POINTER_MOVE, {255, 255, 0, 0, 3, 232, 0, 0, 0, 0, 0, 0, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OpenOn(c.mode, Marked({4}));
        State().SettingEnabled = true;  // as a standard edit leaves it
        for (const std::string& name : c.clicks) Click(*dialog, name);
        EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, 2000)) << "closed and deleted";
        EXPECT_EQ(unit->Image().pedals[1].mode, c.modeAfter);
        EXPECT_EQ(unit->Image().pedals[1].common, c.common);
        EXPECT_EQ(unit->CommandCount(SET_OUTPUT_MODE_AND_DATA), 1);
        EXPECT_EQ(presenter.Texts(), std::vector<std::string>{"Tarvikの左ペダルの設定が正常に終わりました。"});
    }

    // Unarmed, OK writes the record and sends nothing; an OK while the send of another waits is
    // ignored, and a dialog deleted meanwhile is not touched again.
    OpenOn(0, Marked());
    Click(*dialog, "C_buttonOK");
    EXPECT_EQ(State().OutputMode[1], SIMPLE_CLICK);
    EXPECT_EQ(unit->CommandCount(SET_OUTPUT_MODE_AND_DATA), 0);
    dialog = window->SetPedal2Advanced_clicked(1);
    State().SettingEnabled = true;
    QObject::connect(&window->plugNPlay(), &HID_PnP::reportSent, unit.get(), [&] {
        if (!dialog) return;
        Click(*dialog, "PM_buttonOK");
        delete dialog.data();
    });
    Click(*dialog, "KO_buttonOK");
    EXPECT_EQ(unit->CommandCount(SET_OUTPUT_MODE_AND_DATA), 1);
    EXPECT_EQ(State().OutputMode[1], SIMPLE_CLICK) << "the pointer move OK wrote nothing";
}

TEST_F(AdvancedDialogTest, CoupledControlsFollowOneAnotherAndNothingIsWrittenWithoutOk) {
    OpenOn(PLURAL_SIMULTANEOUS_KEY_OUTPUT, {10, 10, 0, 0x02});  // two chords until release
    auto* slider = Find<QSlider>(*dialog, "PM_hscrollbarThousandLogSpeedIndex");
    auto* stepper = Find<Stepper>(*dialog, "PM_numericupdownSpeedIndex_stepper");
    const struct {
        char control;  // 's'lider dragged to, stepper set to and 'u'p one step, or 't'yped into the box
        int value, index, position;
    } steps[] = {
        {'s', 1500, 32, 1500},
        {'u', 9, 10, 1021},  // not bounced back through the slider, which would say 11
        {'t', 250, 250, 2398},
        {'t', 99999, 65535, 4816},  // beyond the field: taken as its end, and shown so
    };
    for (const auto& step : steps) {
        if (step.control == 's') slider->setValue(step.value);
        if (step.control == 'u') {
            stepper->setValue(step.value);
            stepper->stepBy(1);
        }
        if (step.control == 't') Type(*dialog, "PM_numericupdownSpeedIndex_textbox", std::to_string(step.value));
        EXPECT_EQ(Text(*dialog, "PM_numericupdownSpeedIndex_textbox"), std::to_string(step.index)) << step.value;
        EXPECT_EQ(stepper->value(), step.index) << step.value;
        EXPECT_EQ(slider->value(), step.position) << step.value;
    }
    // The repeat count and its unit are usable only with a set number, on both tabs.
    for (const std::string tab : {"PM_", "PSKO_"}) {
        EXPECT_FALSE(Enabled(*dialog, tab + "numericupdownNumberOfRepeats_textbox")) << tab;
        Click(*dialog, tab == "PM_" ? "PM_radiobutttonSetNumber" : "PSKO_radiobuttonSetNumber");
        EXPECT_TRUE(Enabled(*dialog, tab + "numericupdownNumberOfRepeats_stepper")) << tab;
        Find<Stepper>(*dialog, tab + "numericupdownNumberOfRepeats_stepper")->stepBy(3);
        EXPECT_EQ(Text(*dialog, tab + "numericupdownNumberOfRepeats_textbox"), "13") << tab;
        Click(*dialog, tab + "radiobuttonUntilRelease");
        EXPECT_FALSE(Enabled(*dialog, tab + "numericupdownNumberOfRepeats_stepper")) << tab;
    }
    EXPECT_FALSE(Enabled(*dialog, "PM_hscrollbarThousandLogAccelerationIndex"));
    Click(*dialog, "PM_checkboxAccelerated");
    EXPECT_TRUE(Enabled(*dialog, "PM_numericupdownAccelerationIndex_stepper"));
    Click(*dialog, "C_checkboxPluralButtonSimultaneousClick");
    EXPECT_TRUE(Enabled(*dialog, "C_checkboxLeftClick"));
    EXPECT_FALSE(Enabled(*dialog, "C_radiobuttonRightDoubleClick"));

    // Return in a number box takes the number and keeps the dialog open.
    auto* box = Find<QLineEdit>(*dialog, "PM_numericupdownSpeedIndex_textbox");
    box->setFocus();
    box->setText("42");
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &press);
    EXPECT_EQ(stepper->value(), 42);
    EXPECT_TRUE(dialog->isVisible());
    Find<QDialogButtonBox>(*dialog, "buttonBoxClose")->button(QDialogButtonBox::Close)->click();
    EXPECT_EQ(State().CommonData[1], (CommonRecord{10, 10, 0, 0x02})) << "without OK nothing is written";
    EXPECT_EQ(unit->Transcript().size(), 2) << "only the additional-data request and its answer";
}

TEST_F(AdvancedDialogTest, TheChordTabShowsTheRecordReadAndOpensOnASilentUnitWithoutABox) {
    for (const bool silent : {false, true}) {
        SCOPED_TRACE(silent);
        OpenOn(PLURAL_SIMULTANEOUS_KEY_OUTPUT, {0x2C, 0x0A, 0x10, 0x83, 0, 5, 0, 1}, {0, 2});
        if (silent) {
            dialog->reject();
            unit->SetSilent(true);
            dialog = window->SetPedal2Advanced_clicked(1);
        }
        EXPECT_EQ(dialog->windowTitle().toStdString(), "高度な設定 左ペダル");
        EXPECT_EQ(unit->CommandCount(GET_ADDITIONAL_DATA), silent ? 2 : 1);
        EXPECT_EQ(Lines("PSKO_listboxOutput"),
                  (std::vector<std::string>{"[テスト用modifier名] + [b]", "[テスト用modifier名] + [c]",
                                            "[テスト用modifier名] + [a]"}));
        EXPECT_EQ(Lines("PSKO_listboxKeys").size(), 232u);
        EXPECT_EQ(Text(*dialog, "PSKO_numericupdownOnTime_textbox"), "300");
        EXPECT_EQ(Text(*dialog, "PSKO_numericupdownNumberOfRepeats_textbox"), "5");
        EXPECT_TRUE(Checked(*dialog, "PSKO_radiobuttonSeries"));
        EXPECT_TRUE(presenter.All().empty());
        EXPECT_FALSE(State().Flag_send);
    }
}

}  // namespace
}  // namespace tarvik::test
