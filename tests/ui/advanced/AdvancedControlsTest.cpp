// How the dialog's controls follow each other before any OK: the logarithmic slider with its box
// and stepper, and the repeat and acceleration choices with the controls they enable.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QSlider>

#include "StandInHost.h"
#include "ui/advanced/Stepper.h"

namespace tarvik::test {
namespace {

using advanced::Stepper;

TEST(AdvancedControls, SliderStepperAndBoxStayTogether) {
    StandInHost host;
    auto dialog = OpenDialog(host, 0);
    auto* slider = Find<QSlider>(*dialog, "PM_hscrollbarThousandLogSpeedIndex");
    auto* stepper = Find<Stepper>(*dialog, "PM_numericupdownSpeedIndex_stepper");
    EXPECT_EQ(slider->maximum(), 4816);
    EXPECT_EQ(stepper->maximum(), 65535);
    const struct {
        char control;  // 's'lider dragged to, stepper set to and 'u'p one step, or 't'yped into the box
        int value, index, position;
    } steps[] = {
        {'s', 1500, 32, 1500},
        {'u', 9, 10, 1021},  // not bounced back through the slider, which would say 11
        {'s', 4816, 65464, 4816},
        {'t', 250, 250, 2398},
        {'t', 99999, 65535, 4816},  // beyond the field: taken as its end, and shown so
    };
    for (const auto& step : steps) {
        if (step.control == 's') slider->setValue(step.value);
        if (step.control == 'u') {
            stepper->setValue(step.value);
            stepper->stepBy(1);
        }
        if (step.control == 't') Type(*dialog, "PM_numericupdownSpeedIndex_textbox", std::to_string(step.value).c_str());
        EXPECT_EQ(dialog->PM_SpeedIndex(), step.index) << step.value;
        EXPECT_EQ(Text(*dialog, "PM_numericupdownSpeedIndex_textbox"), std::to_string(step.index));
        EXPECT_EQ(stepper->value(), step.index);
        EXPECT_EQ(slider->value(), step.position);
    }
    Find<QSlider>(*dialog, "PM_hscrollbarThousandLogAccelerationIndex")->setValue(1000);
    EXPECT_EQ(dialog->PM_AccelerationIndex(), 10);
    EXPECT_EQ(Text(*dialog, "PM_numericupdownAccelerationIndex_textbox"), "10");
    EXPECT_EQ(dialog->PM_SpeedIndex(), 65535) << "the two indexes are apart";
}

TEST(AdvancedControls, ReturnInANumberBoxTakesTheNumberAndKeepsTheDialogOpen) {
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

TEST(AdvancedControls, RepeatAndAccelerationControlsFollowTheirChoice) {
    StandInHost host;
    const Common record{10, 10, 0, 0x02};  // two chords until release
    auto dialog = OpenDialog(host, 0, PLURAL_SIMULTANEOUS_KEY_OUTPUT, record);
    const struct {
        const char *setNumber, *untilRelease, *box, *stepper;
    } tabs[] = {
        {"PM_radiobutttonSetNumber", "PM_radiobuttonUntilRelease", "PM_numericupdownNumberOfRepeats_textbox",
         "PM_numericupdownNumberOfRepeats_stepper"},
        {"PSKO_radiobuttonSetNumber", "PSKO_radiobuttonUntilRelease", "PSKO_numericupdownNumberOfRepeats_textbox",
         "PSKO_numericupdownNumberOfRepeats_stepper"},
    };
    for (const auto& t : tabs) {
        SCOPED_TRACE(t.box);
        EXPECT_FALSE(Enabled(*dialog, t.box));
        Click(*dialog, t.setNumber);
        EXPECT_TRUE(Enabled(*dialog, t.box) && Enabled(*dialog, t.stepper));
        Find<Stepper>(*dialog, t.stepper)->stepBy(3);
        EXPECT_EQ(Text(*dialog, t.box), "13");
        Type(*dialog, t.box, "400");
        EXPECT_EQ(Find<Stepper>(*dialog, t.stepper)->value(), 400);
        Click(*dialog, t.untilRelease);
        EXPECT_FALSE(Enabled(*dialog, t.stepper));
    }
    Click(*dialog, "PM_checkboxAccelerated");
    EXPECT_TRUE(Enabled(*dialog, "PM_numericupdownAccelerationIndex_stepper"));
    Click(*dialog, "PM_checkboxAccelerated");
    EXPECT_FALSE(Enabled(*dialog, "PM_hscrollbarThousandLogAccelerationIndex"));
    // The chord tab's output/series pair: enabled with a set number, one of the two on.
    EXPECT_FALSE(Enabled(*dialog, "PSKO_radiobuttonSeries"));
    Click(*dialog, "PSKO_radiobuttonSetNumber");
    Click(*dialog, "PSKO_radiobuttonSeries");
    EXPECT_FALSE(Checked(*dialog, "PSKO_radiobuttonOutput"));
    Click(*dialog, "PSKO_radiobuttonOutput");
    EXPECT_FALSE(Checked(*dialog, "PSKO_radiobuttonSeries"));
    EXPECT_EQ(State().CommonData[0], record) << "without OK nothing is written";
}

}  // namespace
}  // namespace tarvik::test
