// The three OK actions: what each writes into the record, that it hands over to the main window
// (which sends only while SettingEnabled is set) and that the dialog then closes.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSlider>
#include <vector>

#include "StandInHost.h"
#include "ui/advanced/Stepper.h"

namespace tarvik::test {
namespace {

using advanced::Stepper;

const Common kOld{0x5A, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC};

// ---- Click tab ----

TEST(AdvancedEncodeClick, WritesModeAndMask) {
    const struct {
        const char* name;
        int modeBefore;
        std::vector<const char*> clicks;  // in order, after loading
        int mode;
        Common common;
    } cases[] = {
        {"left", 0, {"C_radiobuttonLeftClick"}, 1, {1, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC}},
        {"right", 0, {"C_radiobuttonRightClick"}, 1, {2, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC}},
        {"center", 0, {"C_radiobuttonCenterClick"}, 1, {4, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC}},
        {"plural left+center", 0,
         {"C_checkboxPluralButtonSimultaneousClick", "C_checkboxLeftClick", "C_checkboxCenterClick"},
         1, {5, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC}},
        {"plural none", 0, {"C_checkboxPluralButtonSimultaneousClick"},
         1, {0, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC}},
        {"plural wins over the radio", 0,
         {"C_radiobuttonCenterDoubleClick", "C_checkboxPluralButtonSimultaneousClick", "C_checkboxRightClick"},
         1, {2, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC}},
        // A double click writes only the button: the timings in bytes 1-3 stay as they were.
        {"double right, was double", 2, {"C_radiobuttonRightDoubleClick"},
         2, {2, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC}},
        {"double center, was key", 0, {"C_radiobuttonCenterDoubleClick"},
         2, {4, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC}},
        {"double left, was click", 1, {"C_radiobuttonLeftDoubleClick"},
         2, {1, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC}},
    };
    for (const auto& c : cases) {
        State() = DeviceState{};
        StandInHost host;
        Common before = kOld;
        if (c.modeBefore == SIMPLE_CLICK || c.modeBefore == SIMPLE_DOUBLE_CLICK) before[0] = 1;
        SetRecord(3, c.modeBefore, before);
        auto dialog = OpenDialog(host, 3);
        for (const char* name : c.clicks) Click(*dialog, name);
        Click(*dialog, "C_buttonOK");
        EXPECT_EQ(State().OutputMode[3], c.mode) << c.name;
        EXPECT_EQ(State().CommonData[3], c.common) << c.name;
        EXPECT_EQ(host.okCalls, 1) << c.name;
        EXPECT_EQ(dialog->result(), QDialog::Accepted) << c.name;
    }
}

TEST(AdvancedEncodeClick, PluralWithoutBoxesReloadsAsLeftClick) {
    StandInHost host;
    SetRecord(0, SIMPLE_KEY_OUTPUT, {});
    auto dialog = OpenDialog(host, 0);
    Click(*dialog, "C_checkboxPluralButtonSimultaneousClick");
    Click(*dialog, "C_buttonOK");
    ASSERT_EQ(State().CommonData[0][0], 0);
    auto again = OpenDialog(host, 0);
    EXPECT_EQ(State().CommonData[0][0], 1);
    EXPECT_TRUE(Checked(*again, "C_radiobuttonLeftClick"));
    EXPECT_FALSE(Checked(*again, "C_checkboxPluralButtonSimultaneousClick"));
}

TEST(AdvancedEncodeClick, PluralLeftAndCenterReloadsTicked) {
    StandInHost host;
    SetRecord(0, SIMPLE_KEY_OUTPUT, {});
    auto dialog = OpenDialog(host, 0);
    for (const char* name : {"C_checkboxPluralButtonSimultaneousClick", "C_checkboxLeftClick", "C_checkboxCenterClick"})
        Click(*dialog, name);
    Click(*dialog, "C_buttonOK");
    auto again = OpenDialog(host, 0);
    EXPECT_TRUE(Checked(*again, "C_checkboxPluralButtonSimultaneousClick"));
    EXPECT_TRUE(Checked(*again, "C_checkboxLeftClick"));
    EXPECT_FALSE(Checked(*again, "C_checkboxRightClick"));
    EXPECT_TRUE(Checked(*again, "C_checkboxCenterClick"));
}

TEST(AdvancedEncodeClick, NoRadioOnWritesNothingButStillHandsOver) {
    StandInHost host;
    SetRecord(0, SIMPLE_CLICK, {1});
    auto dialog = OpenDialog(host, 0);
    Find<QAbstractButton>(*dialog, "C_radiobuttonLeftClick")->setChecked(false);
    State().CommonData[0][0] = 0x42;
    Click(*dialog, "C_buttonOK");
    EXPECT_EQ(State().CommonData[0][0], 0x42);
    EXPECT_EQ(host.okCalls, 1);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

// ---- Key output tab ----

TEST(AdvancedEncodeKeyOutput, WritesModifierAndKeyBytes) {
    const struct {
        const char* name;
        const char* row;
        std::vector<const char*> boxes;
        int keyIndex;
        int modifier;
        int key;
    } cases[] = {
        {"left ctrl + right shift, b", "KO_radioKeyWithModifiers", {"KO_checkboxLeftCtrl", "KO_checkboxRightShift"}, 1, 33, 5},
        {"every modifier, c", "KO_radioKeyWithModifiers",
         {"KO_checkboxLeftCtrl", "KO_checkboxLeftShift", "KO_checkboxLeftAlt", "KO_checkboxLeftWindowsKey",
          "KO_checkboxRightCtrl", "KO_checkboxRightShift", "KO_checkboxRightAlt", "KO_checkboxRightWindowsKey"},
         2, 255, 6},
        {"right GUI alone, a", "KO_radioKeyWithModifiers", {"KO_checkboxRightWindowsKey"}, 0, 128, 4},
        {"key only ignores the boxes", "KO_radioKeyOnly", {"KO_checkboxLeftAlt"}, 3, 0, 7},
        {"modifiers only ignores the list", "KO_radioModifiersOnly", {"KO_checkboxLeftShift", "KO_checkboxRightAlt"}, 1, 66, 0},
        {"ticked twice is off again", "KO_radioKeyWithModifiers", {"KO_checkboxLeftAlt", "KO_checkboxLeftAlt"}, 0, 0, 4},
        {"no key selected is d", "KO_radioKeyWithModifiers", {}, -1, 0, 7},
    };
    for (const auto& c : cases) {
        State() = DeviceState{};
        StandInHost host;
        SetRecord(1, SIMPLE_KEY_OUTPUT, kOld);
        auto dialog = OpenDialog(host, 1);
        Click(*dialog, c.row);
        for (const char* box : c.boxes) Click(*dialog, box);
        Find<QComboBox>(*dialog, "KO_listboxKeys")->setCurrentIndex(c.keyIndex);
        Click(*dialog, "KO_buttonOK");
        Common expected = kOld;
        expected[0] = static_cast<std::uint8_t>(c.modifier);
        expected[1] = static_cast<std::uint8_t>(c.key);
        EXPECT_EQ(State().CommonData[1], expected) << c.name;
        EXPECT_EQ(State().OutputMode[1], SIMPLE_KEY_OUTPUT) << c.name;
        EXPECT_EQ(host.okCalls, 1) << c.name;
    }
}

TEST(AdvancedEncodeKeyOutput, KeepsTheModeAndWritesOnlyBytesZeroAndOne) {
    const int cases[][2] = {  // mode before, mode after
        {SIMPLE_KEY_OUTPUT, SIMPLE_KEY_OUTPUT},   {CONTINUOUS_KEY_OUTPUT, CONTINUOUS_KEY_OUTPUT},
        {SIMPLE_CLICK, SIMPLE_CLICK},             {SIMPLE_DOUBLE_CLICK, SIMPLE_DOUBLE_CLICK},
        {POINTER_MOVE, POINTER_MOVE},             {PLURAL_SIMULTANEOUS_KEY_OUTPUT, PLURAL_SIMULTANEOUS_KEY_OUTPUT},
        {OUTPUT_AT_CHANGE, OUTPUT_AT_CHANGE},     {77, 77},
    };
    for (const auto& c : cases) {
        State() = DeviceState{};
        StandInHost host;
        SetRecord(0, c[0], {1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        auto dialog = OpenDialog(host, 0);
        const Common loaded = State().CommonData[0];
        Click(*dialog, "KO_checkboxLeftShift");
        Click(*dialog, "KO_buttonOK");
        EXPECT_EQ(State().OutputMode[0], c[1]) << "mode " << c[0];
        Common expected = loaded;
        expected[0] = 2;
        expected[1] = 4;
        EXPECT_EQ(State().CommonData[0], expected) << "only bytes 0 and 1 change, mode " << c[0];
    }
}

// ---- Pointer move tab ----

struct PointerCase {
    const char* name;
    const char* direction;  // nullptr: none
    int speedSteps;          // stepper clicks up from 0
    const char* accelerationText;  // typed into the acceleration box, nullptr: untouched
    bool accelerated;
    const char* repeatsRadio;
    const char* repeatsText;
    int mode;
    Common common;
    int accelerationAfter;
};

TEST(AdvancedEncodePointer, WritesTheWholeRecord) {
    const PointerCase cases[] = {
        {"lower left, speed 10, constant, until release", "PM_radiobuttonLowerLeft", 10, nullptr, false,
         "PM_radiobuttonUntilRelease", nullptr, 6, {255, 1, 0, 10, 3, 232, 0, 0, 0, 0, 10, 0, 1}, 1},
        {"up, accelerated by 3, 5 repeats", "PM_radiobuttonUp", 1, "3", true,
         "PM_radiobutttonSetNumber", "5", 6, {0, 255, 0, 1, 0x01, 0x4D, 1, 0, 5, 0, 1, 0, 3}, 3},
        {"right, acceleration 1500 keeps bytes 4-6", "PM_radiobuttonRight", 0, "1500", true,
         "PM_radiobuttonUntilRelease", nullptr, 6, {1, 0, 0, 0, 0x44, 0x55, 0x66, 0, 0, 0, 0, 0x05, 0xDC}, 1500},
        {"accelerated at 0 takes 1", "PM_radiobuttonDown", 0, nullptr, true,
         "PM_radiobuttonUntilRelease", nullptr, 6, {0, 1, 0, 0, 0x03, 0xE8, 1, 0, 0, 0, 0, 0, 1}, 1},
        {"no direction keeps bytes 0-1", nullptr, 2, nullptr, false,
         "PM_radiobuttonUntilRelease", nullptr, 6, {0x5A, 0x11, 0, 2, 3, 232, 0, 0, 0, 0, 2, 0, 1}, 1},
        {"70000 repeats", "PM_radiobuttonUpperRight", 0, nullptr, false, "PM_radiobutttonSetNumber", "70000",
         6, {1, 255, 0, 0, 3, 232, 0, 0xFF, 0xFE, 0, 0, 0, 1}, 1},
        {"65535 repeats", "PM_radiobuttonUpperLeft", 0, nullptr, false, "PM_radiobutttonSetNumber", "65535",
         6, {255, 255, 0, 0, 3, 232, 0, 0xFF, 0xFE, 0, 0, 0, 1}, 1},
        {"65534 repeats", "PM_radiobuttonLowerRight", 0, nullptr, false, "PM_radiobutttonSetNumber", "65534",
         6, {1, 1, 0, 0, 3, 232, 0, 0xFF, 0xFE, 0, 0, 0, 1}, 1},
        {"0 repeats", "PM_radiobuttonLeft", 0, nullptr, false, "PM_radiobutttonSetNumber", "0",
         6, {255, 0, 0, 0, 3, 232, 0, 0, 0, 0, 0, 0, 1}, 1},
        {"negative repeats", "PM_radiobuttonLeft", 0, nullptr, false, "PM_radiobutttonSetNumber", "-40",
         6, {255, 0, 0, 0, 3, 232, 0, 0, 0, 0, 0, 0, 1}, 1},
    };
    for (const PointerCase& c : cases) {
        State() = DeviceState{};
        StandInHost host;
        SetRecord(4, SIMPLE_KEY_OUTPUT, kOld);
        auto dialog = OpenDialog(host, 4);
        if (c.direction) Click(*dialog, c.direction);
        Find<Stepper>(*dialog, "PM_numericupdownSpeedIndex_stepper")->stepBy(c.speedSteps);
        if (c.accelerated) Click(*dialog, "PM_checkboxAccelerated");
        if (c.accelerationText) {
            auto* box = Find<QLineEdit>(*dialog, "PM_numericupdownAccelerationIndex_textbox");
            box->setText(c.accelerationText);
            emit box->editingFinished();
        }
        Click(*dialog, c.repeatsRadio);
        if (c.repeatsText) Find<QLineEdit>(*dialog, "PM_numericupdownNumberOfRepeats_textbox")->setText(c.repeatsText);
        Click(*dialog, "PM_buttonOK");
        EXPECT_EQ(State().OutputMode[4], c.mode) << c.name;
        EXPECT_EQ(State().CommonData[4], c.common) << c.name;
        EXPECT_EQ(dialog->PM_AccelerationIndex(), c.accelerationAfter) << c.name;
        EXPECT_EQ(host.okCalls, 1) << c.name;
    }
}

TEST(AdvancedEncodePointer, SliderStepperAndBoxStayTogether) {
    StandInHost host;
    auto dialog = OpenDialog(host, 0);
    auto* slider = Find<QSlider>(*dialog, "PM_hscrollbarThousandLogSpeedIndex");
    auto* box = Find<QLineEdit>(*dialog, "PM_numericupdownSpeedIndex_textbox");
    auto* stepper = Find<Stepper>(*dialog, "PM_numericupdownSpeedIndex_stepper");

    EXPECT_EQ(slider->maximum(), 4816);
    EXPECT_EQ(stepper->maximum(), 65535);

    slider->setValue(1500);  // as a drag would
    EXPECT_EQ(dialog->PM_SpeedIndex(), 32);
    EXPECT_EQ(box->text(), "32");
    EXPECT_EQ(stepper->value(), 32);

    stepper->setValue(9);
    stepper->stepBy(1);
    EXPECT_EQ(dialog->PM_SpeedIndex(), 10);
    EXPECT_EQ(box->text(), "10");
    EXPECT_EQ(slider->value(), 1021);  // and not bounced back through the slider (which would say 11)

    box->setText("250");
    emit box->editingFinished();
    EXPECT_EQ(dialog->PM_SpeedIndex(), 250);
    EXPECT_EQ(stepper->value(), 250);
    EXPECT_EQ(slider->value(), 2398);

    box->setText("99999");  // beyond the field: taken as its end, and shown so
    emit box->editingFinished();
    EXPECT_EQ(dialog->PM_SpeedIndex(), 65535);
    EXPECT_EQ(box->text(), "65535");
    EXPECT_EQ(slider->value(), 4816);

    slider->setValue(slider->maximum() - 1);
    slider->setValue(slider->maximum());
    EXPECT_EQ(dialog->PM_SpeedIndex(), 65464);

    auto* acceleration = Find<QSlider>(*dialog, "PM_hscrollbarThousandLogAccelerationIndex");
    acceleration->setValue(1000);
    EXPECT_EQ(dialog->PM_AccelerationIndex(), 10);
    EXPECT_EQ(Find<QLineEdit>(*dialog, "PM_numericupdownAccelerationIndex_textbox")->text(), "10");
    EXPECT_EQ(dialog->PM_SpeedIndex(), 65464) << "the two indexes are apart";
}

TEST(AdvancedEncodePointer, ReturnInANumberBoxTakesTheNumberAndKeepsTheDialogOpen) {
    StandInHost host;
    auto dialog = OpenDialog(host, 0);
    dialog->show();
    auto* box = Find<QLineEdit>(*dialog, "PM_numericupdownSpeedIndex_textbox");
    box->setFocus();
    box->setText("42");
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &press);
    EXPECT_EQ(dialog->PM_SpeedIndex(), 42);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(host.okCalls, 0);
}

TEST(AdvancedEncodePointer, RadiosAndBoxesEnableTheirControls) {
    StandInHost host;
    auto dialog = OpenDialog(host, 0);
    EXPECT_TRUE(Checked(*dialog, "PM_radiobuttonUntilRelease"));
    EXPECT_FALSE(Enabled(*dialog, "PM_numericupdownNumberOfRepeats_textbox"));
    EXPECT_FALSE(Enabled(*dialog, "PM_hscrollbarThousandLogAccelerationIndex"));

    Click(*dialog, "PM_radiobutttonSetNumber");
    EXPECT_FALSE(Checked(*dialog, "PM_radiobuttonUntilRelease"));
    EXPECT_TRUE(Enabled(*dialog, "PM_numericupdownNumberOfRepeats_textbox"));
    EXPECT_TRUE(Enabled(*dialog, "PM_numericupdownNumberOfRepeats_stepper"));
    Click(*dialog, "PM_radiobutttonSetNumber");
    EXPECT_TRUE(Checked(*dialog, "PM_radiobutttonSetNumber"));

    Find<Stepper>(*dialog, "PM_numericupdownNumberOfRepeats_stepper")->stepBy(3);
    EXPECT_EQ(Find<QLineEdit>(*dialog, "PM_numericupdownNumberOfRepeats_textbox")->text(), "13");
    auto* repeats = Find<QLineEdit>(*dialog, "PM_numericupdownNumberOfRepeats_textbox");
    repeats->setText("400");
    emit repeats->editingFinished();
    EXPECT_EQ(Find<Stepper>(*dialog, "PM_numericupdownNumberOfRepeats_stepper")->value(), 400);

    Click(*dialog, "PM_radiobuttonUntilRelease");
    EXPECT_FALSE(Checked(*dialog, "PM_radiobutttonSetNumber"));
    EXPECT_FALSE(Enabled(*dialog, "PM_numericupdownNumberOfRepeats_stepper"));

    Click(*dialog, "PM_checkboxAccelerated");
    for (const char* name : {"PM_hscrollbarThousandLogAccelerationIndex", "PM_numericupdownAccelerationIndex_textbox",
                             "PM_numericupdownAccelerationIndex_stepper"})
        EXPECT_TRUE(Enabled(*dialog, name)) << name;

    const char* directions[] = {"PM_radiobuttonUp", "PM_radiobuttonUpperRight", "PM_radiobuttonRight",
                                "PM_radiobuttonLowerRight", "PM_radiobuttonDown", "PM_radiobuttonLowerLeft",
                                "PM_radiobuttonLeft", "PM_radiobuttonUpperLeft"};
    for (const char* clicked : directions) {
        Click(*dialog, clicked);
        Click(*dialog, clicked);
        for (const char* radio : directions) EXPECT_EQ(Checked(*dialog, radio), radio == clicked) << clicked << " / " << radio;
    }
}

// ---- Handing over ----

TEST(AdvancedHandOver, SendsOnlyWhileSettingEnabled) {
    const struct {
        const char* ok;
        bool enabled;
    } cases[] = {
        {"C_buttonOK", false}, {"C_buttonOK", true}, {"KO_buttonOK", false},
        {"KO_buttonOK", true}, {"PM_buttonOK", false}, {"PM_buttonOK", true},
    };
    for (const auto& c : cases) {
        State() = DeviceState{};
        StandInHost host;
        State().SettingEnabled = c.enabled;
        SetRecord(1, SIMPLE_CLICK, {2});
        auto dialog = OpenDialog(host, 1);
        Click(*dialog, "C_radiobuttonCenterDoubleClick");
        Click(*dialog, "PM_radiobuttonDown");
        Click(*dialog, c.ok);
        EXPECT_EQ(host.okCalls, 1) << c.ok;
        EXPECT_EQ(dialog->result(), QDialog::Accepted) << c.ok;
        EXPECT_EQ(host.unit.CommandCount(SET_OUTPUT_MODE_AND_DATA), c.enabled ? 1 : 0) << c.ok;
        EXPECT_EQ(host.unit.CommandCount(SET_PARAMETERS), c.enabled ? 1 : 0) << c.ok;
        if (c.enabled) {
            EXPECT_FALSE(host.sendFailed);
            ASSERT_GE(host.unit.Image().pedals.size(), 2u);
            EXPECT_EQ(host.unit.Image().pedals[1].mode, State().OutputMode[1]) << c.ok;
            EXPECT_EQ(host.unit.Image().pedals[1].common, State().CommonData[1]) << c.ok;
        }
    }
}

TEST(AdvancedHandOver, SecondOkDuringTheSendIsIgnored) {
    StandInHost host;
    State().SettingEnabled = true;
    auto dialog = OpenDialog(host, 0);
    host.whileOk = [&] { Click(*dialog, "KO_buttonOK"); Click(*dialog, "PM_buttonOK"); };
    Click(*dialog, "C_buttonOK");
    EXPECT_EQ(host.okCalls, 1);
    EXPECT_EQ(State().OutputMode[0], SIMPLE_CLICK) << "the pointer move OK wrote nothing";
    EXPECT_EQ(host.unit.CommandCount(SET_OUTPUT_MODE_AND_DATA), 1);
}

TEST(AdvancedHandOver, DialogDeletedDuringTheSendIsNotTouchedAfterwards) {
    StandInHost host;
    auto dialog = OpenDialog(host, 0);
    host.whileOk = [&] { dialog.reset(); };
    Click(*dialog, "C_buttonOK");  // the click returns into a deleted button's signal: nothing may follow
    EXPECT_EQ(host.okCalls, 1);
    EXPECT_EQ(dialog, nullptr);
}

}  // namespace
}  // namespace tarvik::test
