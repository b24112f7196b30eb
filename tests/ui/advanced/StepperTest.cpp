// The two small controls the dialog is built from: the stepper and the radio matrix.
#include <gtest/gtest.h>

#include <QRadioButton>
#include <QToolButton>
#include <climits>
#include <vector>

#include "ui/advanced/RadioMatrix.h"
#include "ui/advanced/Stepper.h"

namespace tarvik::advanced {
namespace {

TEST(Stepper, StepsWithinItsRangeAndSignalsOnlyUserSteps) {
    Stepper stepper;
    stepper.setRange(0, 10);
    std::vector<int> changed;
    QObject::connect(&stepper, &Stepper::valueChanged, [&changed](int value) { changed.push_back(value); });

    stepper.setValue(7);  // from code: silent
    EXPECT_EQ(stepper.value(), 7);
    stepper.setValue(99);
    EXPECT_EQ(stepper.value(), 10);
    EXPECT_TRUE(changed.empty());

    stepper.stepBy(1);  // already at the top: nothing moves, nothing is said
    EXPECT_TRUE(changed.empty());

    auto* down = stepper.findChild<QToolButton*>("down");
    ASSERT_NE(down, nullptr);
    down->click();
    EXPECT_EQ(stepper.value(), 9);
    EXPECT_EQ(changed, std::vector<int>{9});

    stepper.stepBy(-100);
    EXPECT_EQ(stepper.value(), 0);
    EXPECT_FALSE(down->isEnabled());
}

TEST(Stepper, LargeStepsNearTheEndsOfIntDoNotOverflow) {
    Stepper stepper;
    stepper.setRange(INT_MIN, INT_MAX);
    stepper.setSingleStep(1000);
    stepper.setValue(INT_MAX - 5);
    stepper.stepBy(INT_MAX);
    EXPECT_EQ(stepper.value(), INT_MAX);
    stepper.setValue(INT_MIN + 5);
    stepper.stepBy(INT_MIN);
    EXPECT_EQ(stepper.value(), INT_MIN);
}

TEST(RadioMatrix, RowsInOrderAndNoRow) {
    RadioMatrix matrix;
    auto* r0 = new QRadioButton("0", &matrix);
    auto* r1 = new QRadioButton("1", &matrix);
    auto* r2 = new QRadioButton("2", &matrix);
    EXPECT_EQ(matrix.selectedRow(), -1);
    r2->click();
    EXPECT_EQ(matrix.selectedRow(), 2);
    r0->click();
    EXPECT_EQ(matrix.selectedRow(), 0);
    EXPECT_FALSE(r2->isChecked());
    matrix.selectRow(1);
    EXPECT_TRUE(r1->isChecked());
    EXPECT_EQ(matrix.selectedRow(), 1);
    matrix.selectRow(-1);
    EXPECT_EQ(matrix.selectedRow(), -1);
    r1->click();  // still one group after going through "no row"
    r2->click();
    EXPECT_FALSE(r1->isChecked());
    EXPECT_EQ(matrix.selectedRow(), 2);
}

}  // namespace
}  // namespace tarvik::advanced
