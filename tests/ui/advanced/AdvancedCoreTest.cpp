// The dialog's parts on their own: the logarithmic slider, the text box reading, the stepper, and
// the encoders' limits.
#include <gtest/gtest.h>

#include <QToolButton>
#include <climits>
#include <cmath>
#include <vector>

#include "model/DeviceState.h"
#include "model/PedalRecord.h"
#include "ui/advanced/ChordDecoding.h"
#include "ui/advanced/ClickEncoding.h"
#include "ui/advanced/IntValue.h"
#include "ui/advanced/KeyOutputEncoding.h"
#include "ui/advanced/LogSlider.h"
#include "ui/advanced/PointerMoveEncoding.h"
#include "ui/advanced/Stepper.h"

namespace tarvik::advanced {
namespace {

TEST(LogSlider, PositionsAndIndexesMapWithinTheField) {
    // 150.51 lies halfway between 1 and 2; positions beyond the slider are taken as its ends.
    const int toIndex[][2] = {{0, 1}, {150, 1}, {151, 2}, {1021, 11}, {2000, 100}, {-300, 1}, {5000, 65464}};
    for (const auto& c : toIndex) EXPECT_EQ(SliderToIndex(c[0]), c[1]) << "position " << c[0];
    const int toPosition[][2] = {{1, 176}, {32, 1511}, {1000, 3000}, {0, 0}, {-5, 0}, {65535, 4816}, {70000, 4816}};
    for (const auto& c : toPosition) EXPECT_EQ(IndexToSlider(c[0]), c[1]) << "index " << c[0];

    int previous = 0;
    for (int position = LOG_SLIDER_MIN; position <= LOG_SLIDER_MAX; ++position) {
        const int index = SliderToIndex(position);
        ASSERT_TRUE(index >= 1 && index <= 65535 && index >= previous) << position << " gives " << index;
        previous = index;
    }
}

TEST(LogSlider, ExactlyHalfwayGoesToTheHigherIndex) {
    // Halfway between 1 and 2 on the log scale; the distances both ways come out bit-identical.
    EXPECT_EQ(LogPositionToIndex(500.0 * std::log10(2.0)), 2);
    EXPECT_EQ(LogPositionToIndex(std::nextafter(500.0 * std::log10(2.0), 0.0)), 1);
}

TEST(IntValue, ReadsTheLeadingNumberAndClampsToInt) {
    const struct {
        const char* text;
        int value;
    } cases[] = {{"", 0}, {"abc", 0}, {"-", 0}, {"  42", 42}, {"-7", -7}, {"+5", 5}, {"12abc", 12},
                 {"2147483647", INT_MAX}, {"99999999999", INT_MAX}, {"-2147483648", INT_MIN}, {"-99999999999", INT_MIN},
                 {"123456789012345678901234567890", INT_MAX}};
    for (const auto& c : cases) EXPECT_EQ(IntValue(c.text), c.value) << '"' << c.text << '"';
}

TEST(Stepper, SignalsOnlyUserStepsAndStaysWithinItsRangeAndInt) {
    Stepper stepper;
    stepper.setRange(0, 10);
    std::vector<int> changed;
    QObject::connect(&stepper, &Stepper::valueChanged, [&changed](int value) { changed.push_back(value); });
    stepper.setValue(99);  // from code: clamped and silent
    stepper.stepBy(1);     // already at the top: nothing moves, nothing is said
    stepper.findChild<QToolButton*>("down")->click();
    EXPECT_EQ(changed, std::vector<int>{9});

    stepper.setRange(INT_MIN, INT_MAX);
    stepper.setSingleStep(1000);
    stepper.setValue(INT_MAX - 5);
    stepper.stepBy(INT_MAX);
    EXPECT_EQ(stepper.value(), INT_MAX);
    stepper.setValue(INT_MIN + 5);
    stepper.stepBy(INT_MIN);
    EXPECT_EQ(stepper.value(), INT_MIN);
}

TEST(PointerMoveEncoding, OutOfRangeValuesAreKeptWithinTheirFields) {
    PointerMoveChoice choice;
    choice.speedIndex = 70000;
    choice.accelerationIndex = -3;
    choice.accelerated = true;
    choice.setNumber = true;
    choice.repeats = -12;
    EXPECT_EQ(EncodePointerMove(choice), 1);  // an index of 0 or less accelerates at index 1
    EXPECT_EQ(IntoValue16(2), 65535);
    EXPECT_EQ(IntoValue16(9), 65535);
    EXPECT_EQ(IntoValue16(4), 1000);
    EXPECT_EQ(IntoValue16(7), 0);
}

TEST(Encoders, OutOfRangePedalReadsAndWritesNothing) {
    for (const int pedal : {5, -1}) {
        State().SelectedPedalNo = pedal;
        PointerMoveChoice choice;
        choice.direction = Direction::Up;
        EncodePointerMove(choice);
        EncodeKeyOutput(KO_ROW_KEY_WITH_MODIFIERS, ModifierFlags{}, 0);
        EncodeClick(LoadClickTab());
        ChordModel chords;
        LoadChords(chords);
    }
    EXPECT_EQ(State().CommonData, DeviceState{}.CommonData);
    EXPECT_EQ(State().OutputMode, DeviceState{}.OutputMode);
}

}  // namespace
}  // namespace tarvik::advanced
