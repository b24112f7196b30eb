// The advanced dialog as a user meets it: each tab's OK writes what its controls show and hands
// over once, the coupled controls follow one another, and from the main window it sends only when
// a standard edit has armed the send.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QSlider>

#include "WindowFixture.h"
#include "ui/AdvancedSettingDialogViewController.h"
#include "ui/DialogHost.h"
#include "ui/advanced/Stepper.h"

namespace tarvik::test {
namespace {

using advanced::Stepper;

class StandInHost : public DialogHost {
public:
    StandInHost() : link(unit) { link.SetTickIntervalMs(1); }  // a silent unit times out in 30 ms
    void SettingDialog_OK() override {
        ++okCalls;
        if (whileOk) whileOk();
    }
    HID_PnP& plugNPlay() override { return link; }
    SimulatedUnit unit;
    HID_PnP link;
    int okCalls = 0;
    std::function<void()> whileOk;
};

class AdvancedDialogTest : public testing::Test {
protected:
    AdvancedSettingDialogViewController& Open(int mode, const CommonRecord& common, int pedal = 1) {
        State().OutputMode[pedal] = static_cast<std::uint8_t>(mode);
        State().CommonData[pedal] = common;
        dialog = std::make_unique<AdvancedSettingDialogViewController>(host, State(), pedal, nullptr);
        return *dialog;
    }
    std::vector<std::string> Lines(const char* name) {
        std::vector<std::string> lines;
        auto* list = Find<QComboBox>(*dialog, name);
        for (int i = 0; list && i < list->count(); ++i) lines.push_back(list->itemText(i).toStdString());
        return lines;
    }
    StandInHost host;
    std::unique_ptr<AdvancedSettingDialogViewController> dialog;
};

TEST_F(AdvancedDialogTest, EachOkWritesWhatItsTabShowsAndHandsOverOnce) {
    const struct {
        const char* name;
        int mode;
        std::vector<std::string> clicks;  // boxes and radios, then the tab's OK
        int modeAfter;
        CommonRecord common;
    } cases[] = {
        {"click loaded from the record", 1, {"C_buttonOK"}, 1, Marked({4})},
        {"center double click", 1, {"C_radiobuttonCenterDoubleClick", "C_buttonOK"}, 2, Marked({4})},
        {"several buttons", 0,
         {"C_checkboxPluralButtonSimultaneousClick", "C_checkboxLeftClick", "C_checkboxRightClick", "C_buttonOK"}, 1,
         Marked({3})},
        {"key with left Ctrl and right Shift, twice-ticked Alt off", 5,
         {"KO_checkboxLeftCtrl", "KO_checkboxRightShift", "KO_checkboxLeftAlt", "KO_checkboxLeftAlt", "KO_buttonOK"}, 5,
         Marked({33, 4})},
        {"modifiers only", 1, {"KO_radioModifiersOnly", "KO_checkboxRightAlt", "KO_buttonOK"}, 1, Marked({64, 0})},
        {"pointer up-left, the right radio chosen first", 0,
         {"PM_radiobuttonRight", "PM_radiobuttonUpperLeft", "PM_buttonOK"}, POINTER_MOVE,
         {255, 255, 0, 0, 3, 232, 0, 0, 0, 0, 0, 0, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        State() = DeviceState{};
        host.okCalls = 0;
        Open(c.mode, Marked({4}));
        for (const std::string& name : c.clicks) Click(*dialog, name);
        EXPECT_EQ(State().OutputMode[1], c.modeAfter);
        EXPECT_EQ(State().CommonData[1], c.common);
        EXPECT_EQ(host.okCalls, 1);
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
    }
    // An OK during the hand-over is ignored; a dialog deleted meanwhile is not touched again.
    host.okCalls = 0;
    Open(0, Marked());
    host.whileOk = [&] {
        Click(*dialog, "PM_buttonOK");
        dialog.reset();
    };
    Click(*dialog, "C_buttonOK");
    host.whileOk = nullptr;
    EXPECT_EQ(host.okCalls, 1);
    EXPECT_EQ(State().OutputMode[1], SIMPLE_CLICK) << "the pointer move OK wrote nothing";
}

TEST_F(AdvancedDialogTest, CoupledControlsFollowOneAnotherAndNothingIsWrittenWithoutOk) {
    Open(PLURAL_SIMULTANEOUS_KEY_OUTPUT, {10, 10, 0, 0x02});  // two chords until release
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
        const std::string setNumber = tab == "PM_" ? "PM_radiobutttonSetNumber" : "PSKO_radiobuttonSetNumber";
        EXPECT_FALSE(Enabled(*dialog, tab + "numericupdownNumberOfRepeats_textbox")) << tab;
        Click(*dialog, setNumber);
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
    dialog->show();
    auto* box = Find<QLineEdit>(*dialog, "PM_numericupdownSpeedIndex_textbox");
    box->setFocus();
    box->setText("42");
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &press);
    EXPECT_EQ(stepper->value(), 42);
    EXPECT_TRUE(dialog->isVisible());
    Find<QDialogButtonBox>(*dialog, "buttonBoxClose")->button(QDialogButtonBox::Close)->click();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(State().CommonData[1], (CommonRecord{10, 10, 0, 0x02})) << "without OK nothing is written";
    EXPECT_EQ(host.okCalls, 0);
}

TEST_F(AdvancedDialogTest, TheChordTabShowsTheRecordAndASilentOrMissingUnitStillOpensIt) {
    for (const bool plugged : {true, false}) {
        SCOPED_TRACE(plugged);
        State() = DeviceState{};
        ScriptedPresenter presenter;
        if (plugged) host.unit.SetSilent(true);
        else host.unit.Unplug();
        Open(PLURAL_SIMULTANEOUS_KEY_OUTPUT, {0x2C, 0x0A, 0x10, 0x83, 0, 5, 0, 1});
        EXPECT_EQ(Lines("PSKO_listboxOutput"),
                  (std::vector<std::string>{"[テスト用modifier名] + [b]", "[テスト用modifier名] + [a]",
                                            "[テスト用modifier名] + [a]"}));
        EXPECT_EQ(Lines("PSKO_listboxKeys").size(), 232u);
        EXPECT_EQ(Text(*dialog, "PSKO_numericupdownOnTime_textbox"), "300");
        EXPECT_EQ(Text(*dialog, "PSKO_numericupdownNumberOfRepeats_textbox"), "5");
        EXPECT_TRUE(Checked(*dialog, "PSKO_radiobuttonSeries"));
        EXPECT_TRUE(presenter.All().empty());
        EXPECT_FALSE(State().Flag_send);
    }
}

class AdvancedFromMainWindow : public WindowTest {};

TEST_F(AdvancedFromMainWindow, ShowsTheChordsReadAndSendsOnlyWhenArmed) {
    UnitImage image = DefaultUnitImage();
    image.pedals[1] = Pedal(PLURAL_SIMULTANEOUS_KEY_OUTPUT, {0x2C, 0x0A, 0x10, 0x82, 0, 5, 0, 1}, {0, 2});
    Start(image);
    ASSERT_TRUE(ReadEnds());
    unit->ClearTranscript();

    // Unarmed: the chords come from the unit, OK closes and deletes the dialog and sends nothing.
    QPointer<AdvancedSettingDialogViewController> d = window->SetPedal2Advanced_clicked(1);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->windowTitle().toStdString(), "高度な設定 左ペダル");
    EXPECT_EQ(unit->CommandCount(GET_ADDITIONAL_DATA), 1);
    EXPECT_EQ(Text(*d, "PSKO_listboxOutput"), "[テスト用modifier名] + [b]");
    EXPECT_EQ(Find<QComboBox>(*d, "PSKO_listboxOutput")->itemText(1).toStdString(), "[テスト用modifier名] + [c]");
    Click(*d, "C_buttonOK");
    EXPECT_TRUE(QTest::qWaitFor([&] { return d.isNull(); }, 3000)) << "closed and deleted";
    EXPECT_EQ(State().OutputMode[1], SIMPLE_CLICK);
    EXPECT_EQ(unit->CommandCount(SET_OUTPUT_MODE_AND_DATA), 0);

    // Armed as a standard edit would have left it: OK writes the unit and confirms.
    d = window->SetPedal2Advanced_clicked(2);
    ASSERT_TRUE(d);
    State().SettingEnabled = true;
    Click(*d, "PM_radiobuttonUpperLeft");
    Click(*d, "PM_buttonOK");
    EXPECT_TRUE(QTest::qWaitFor([&] { return d.isNull(); }, 3000));
    EXPECT_EQ(unit->Image().pedals[2].mode, POINTER_MOVE);
    EXPECT_EQ(unit->Image().pedals[2].common, (CommonRecord{255, 255, 0, 0, 3, 232, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(unit->Image().pedals[1].mode, PLURAL_SIMULTANEOUS_KEY_OUTPUT) << "the unarmed OK sent nothing";
    EXPECT_EQ(presenter.Texts(), std::vector<std::string>{"Tarvikの右ペダルの設定が正常に終わりました。"});
}

}  // namespace
}  // namespace tarvik::test
