// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced dialog's parts on their own: the logarithmic slider, the text box reading and the
// stepper.
#include <gtest/gtest.h>

#include <QToolButton>
#include <climits>
#include <cmath>

#include "ui/advanced/IntValue.h"
#include "ui/advanced/LogSlider.h"
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
    // Exactly halfway on the log scale goes to the higher index.
    EXPECT_EQ(LogPositionToIndex(500.0 * std::log10(2.0)), 2);
    EXPECT_EQ(LogPositionToIndex(std::nextafter(500.0 * std::log10(2.0), 0.0)), 1);
}

TEST(IntValue, ReadsTheLeadingNumberAndClampsToInt) {
    const std::pair<const char*, int> cases[] = {{"", 0},     {"abc", 0},   {"-", 0},  {"  42", 42},
                                                 {"-7", -7},  {"+5", 5},    {"12abc", 12},
                                                 {"99999999999", INT_MAX},  {"-99999999999", INT_MIN}};
    for (const auto& [text, value] : cases) EXPECT_EQ(IntValue(text), value) << '"' << text << '"';
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
}

}  // namespace
}  // namespace tarvik::advanced
