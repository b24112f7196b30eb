// How the dialog's controls follow each other before any OK: the logarithmic slider with its box
// and stepper, the repeat radios with their number boxes, and the direction radios.
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
    const char* box = "PM_numericupdownSpeedIndex_textbox";
    EXPECT_EQ(slider->maximum(), 4816);
    EXPECT_EQ(stepper->maximum(), 65535);

    slider->setValue(1500);  // as a drag would
    EXPECT_EQ(dialog->PM_SpeedIndex(), 32);
    EXPECT_EQ(Text(*dialog, box), "32");
    EXPECT_EQ(stepper->value(), 32);

    stepper->setValue(9);
    stepper->stepBy(1);
    EXPECT_EQ(dialog->PM_SpeedIndex(), 10);
    EXPECT_EQ(Text(*dialog, box), "10");
    EXPECT_EQ(slider->value(), 1021);  // and not bounced back through the slider (which would say 11)

    Type(*dialog, box, "250");
    EXPECT_EQ(dialog->PM_SpeedIndex(), 250);
    EXPECT_EQ(stepper->value(), 250);
    EXPECT_EQ(slider->value(), 2398);

    Type(*dialog, box, "99999");  // beyond the field: taken as its end, and shown so
    EXPECT_EQ(dialog->PM_SpeedIndex(), 65535);
    EXPECT_EQ(Text(*dialog, box), "65535");
    EXPECT_EQ(slider->value(), 4816);

    slider->setValue(4815);
    slider->setValue(4816);
    EXPECT_EQ(dialog->PM_SpeedIndex(), 65464);

    Find<QSlider>(*dialog, "PM_hscrollbarThousandLogAccelerationIndex")->setValue(1000);
    EXPECT_EQ(dialog->PM_AccelerationIndex(), 10);
    EXPECT_EQ(Text(*dialog, "PM_numericupdownAccelerationIndex_textbox"), "10");
    EXPECT_EQ(dialog->PM_SpeedIndex(), 65464) << "the two indexes are apart";
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

TEST(AdvancedControls, RepeatControlsFollowTheirRadiosAndEachOther) {
    const struct {
        const char *untilRelease, *setNumber, *box, *stepper;
    } tabs[] = {
        {"PM_radiobuttonUntilRelease", "PM_radiobutttonSetNumber", "PM_numericupdownNumberOfRepeats_textbox",
         "PM_numericupdownNumberOfRepeats_stepper"},
        {"PSKO_radiobuttonUntilRelease", "PSKO_radiobuttonSetNumber", "PSKO_numericupdownNumberOfRepeats_textbox",
         "PSKO_numericupdownNumberOfRepeats_stepper"},
    };
    StandInHost host;
    const Common record{10, 10, 0, 0x02};  // two chords until release
    auto dialog = OpenDialog(host, 0, PLURAL_SIMULTANEOUS_KEY_OUTPUT, record);
    for (const auto& t : tabs) {
        SCOPED_TRACE(t.setNumber);
        EXPECT_TRUE(Checked(*dialog, t.untilRelease));
        EXPECT_FALSE(Enabled(*dialog, t.box));
        Click(*dialog, t.setNumber);
        Click(*dialog, t.setNumber);  // a second click leaves it on
        EXPECT_TRUE(Checked(*dialog, t.setNumber));
        EXPECT_FALSE(Checked(*dialog, t.untilRelease));
        EXPECT_TRUE(Enabled(*dialog, t.box));
        EXPECT_TRUE(Enabled(*dialog, t.stepper));

        Find<Stepper>(*dialog, t.stepper)->stepBy(3);
        EXPECT_EQ(Text(*dialog, t.box), "13");
        Type(*dialog, t.box, "400");
        EXPECT_EQ(Find<Stepper>(*dialog, t.stepper)->value(), 400);

        Click(*dialog, t.untilRelease);
        EXPECT_FALSE(Checked(*dialog, t.setNumber));
        EXPECT_FALSE(Enabled(*dialog, t.stepper));
    }
    // The chord tab's output/series pair: enabled with a set number, one of the two on.
    EXPECT_FALSE(Enabled(*dialog, "PSKO_radiobuttonSeries"));
    Click(*dialog, "PSKO_radiobuttonSetNumber");
    EXPECT_TRUE(Enabled(*dialog, "PSKO_radiobuttonOutput"));
    Click(*dialog, "PSKO_radiobuttonSeries");
    EXPECT_FALSE(Checked(*dialog, "PSKO_radiobuttonOutput"));
    Click(*dialog, "PSKO_radiobuttonOutput");
    EXPECT_FALSE(Checked(*dialog, "PSKO_radiobuttonSeries"));
    EXPECT_EQ(State().CommonData[0], record) << "without OK nothing is written";
}

TEST(AdvancedControls, AccelerationBoxAndDirectionRadios) {
    StandInHost host;
    auto dialog = OpenDialog(host, 0);
    const char* acceleration[] = {"PM_hscrollbarThousandLogAccelerationIndex", "PM_numericupdownAccelerationIndex_textbox",
                                  "PM_numericupdownAccelerationIndex_stepper"};
    for (const char* name : acceleration) EXPECT_FALSE(Enabled(*dialog, name)) << name;
    Click(*dialog, "PM_checkboxAccelerated");
    for (const char* name : acceleration) EXPECT_TRUE(Enabled(*dialog, name)) << name;

    const char* directions[] = {"PM_radiobuttonUp",        "PM_radiobuttonUpperRight", "PM_radiobuttonRight",
                                "PM_radiobuttonLowerRight", "PM_radiobuttonDown",       "PM_radiobuttonLowerLeft",
                                "PM_radiobuttonLeft",      "PM_radiobuttonUpperLeft"};
    for (const char* clicked : directions) {
        Click(*dialog, clicked);
        Click(*dialog, clicked);
        for (const char* radio : directions) EXPECT_EQ(Checked(*dialog, radio), radio == clicked) << clicked << " / " << radio;
    }
}

}  // namespace
}  // namespace tarvik::test
