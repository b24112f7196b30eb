// The dialog's arithmetic and lookups on their own: the logarithmic slider, the text box reading,
// the multi-chord key names, and the encoders' limits.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "device/DeviceState.h"
#include "model/PedalRecord.h"
#include "ui/advanced/ChordKeyNames.h"
#include "ui/advanced/IntValue.h"
#include "ui/advanced/KeyOutputEncoding.h"
#include "ui/advanced/LogSlider.h"
#include "ui/advanced/PointerMoveEncoding.h"

namespace tarvik::advanced {
namespace {

TEST(LogSlider, PositionToIndex) {
    const struct {
        int position;
        int index;
    } cases[] = {
        {0, 1},         {1, 1},           {150, 1},           {151, 2},  // halfway 1..2 lies at 150.51
        {1000, 10},     {1021, 11},       {1500, 32},         {2000, 100},
        {4816, 65464},  {-300, 1},        {5000, 65464},      {9331, 65464},
    };
    for (const auto& c : cases) EXPECT_EQ(SliderToIndex(c.position), c.index) << "position " << c.position;
}

TEST(LogSlider, ExactlyHalfwayGoesToTheHigherIndex) {
    // Halfway between 1 and 2 on the log scale; the distances both ways come out bit-identical.
    EXPECT_EQ(LogPositionToIndex(500.0 * std::log10(2.0)), 2);
    EXPECT_EQ(LogPositionToIndex(std::nextafter(500.0 * std::log10(2.0), 0.0)), 1);
}

TEST(LogSlider, IndexToPosition) {
    const struct {
        int index;
        int position;
    } cases[] = {
        {10, 1021}, {1, 176}, {32, 1511}, {1000, 3000}, {0, 0}, {-5, 0}, {65535, 4816}, {70000, 4816},
    };
    for (const auto& c : cases) EXPECT_EQ(IndexToSlider(c.index), c.position) << "index " << c.index;
}

TEST(LogSlider, EveryPositionGivesAFieldSizedIndexInOrder) {
    int previous = 0;
    for (int position = LOG_SLIDER_MIN; position <= LOG_SLIDER_MAX; ++position) {
        const int index = SliderToIndex(position);
        ASSERT_GE(index, 1) << position;
        ASSERT_LE(index, 65535) << position;
        ASSERT_GE(index, previous) << position;
        previous = index;
    }
}

TEST(IntValue, ReadsLeadingNumber) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"", 0},          {"abc", 0},        {"42", 42},     {"  42", 42},      {"-7", -7},
        {"+5", 5},        {"12abc", 12},     {"70000", 70000}, {"99999999999", INT_MAX},
        {"-99999999999", INT_MIN}, {"-2147483648", INT_MIN}, {"2147483647", INT_MAX}, {"-", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(IntValue(c.text), c.value) << '"' << c.text << '"';
}

TEST(ChordKeyNames, ThreeRecordsAndTheErrorText) {
    const struct {
        int id;
        const char* name;
        const char* explanation;
    } cases[] = {
        {0, "a", "Shiftも押すとA"},
        {1, "b", "Shiftも押すとB"},
        {2, "c", "Shiftも押すとC"},
        {3, "Error at GetKeyContents", "Error at GetKeyContents"},
        {-1, "Error at GetKeyContents", "Error at GetKeyContents"},
        {255, "Error at GetKeyContents", "Error at GetKeyContents"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetKeyName(c.id), c.name) << c.id;
        EXPECT_EQ(GetKeyExplanation(c.id), c.explanation) << c.id;
    }
    EXPECT_EQ(GetKeyContents(1), "Level:STANDARD Name:[b] Explanation:Shiftも押すとB");
}

TEST(ChordKeyNames, IndexOfCountsCharacters) {
    const struct {
        const char* text;
        const char* keyword;
        int position;
    } cases[] = {
        {"Level:STANDARD Name:[a]", "Name", 15},
        {"Level:STANDARD Name:[a]", "]", 22},
        {"あいう]", "]", 3},
        {"押す押す", "す", 1},
        {"abc", "abc", 0},
        {"abc", "c", 2},
        {"abc", "x", -1},
        {"ab", "abc", -1},
    };
    for (const auto& c : cases) EXPECT_EQ(IndexOf_4(c.text, c.keyword), c.position) << c.text << " / " << c.keyword;
}

TEST(PointerMoveEncoding, AccelerationDivisorRoundsHalfUp) {
    // index → bytes 4-5, or -1 where the previous bytes stay.
    const struct {
        int index;
        int divisor;
    } cases[] = {{1, 1000}, {2, 500}, {3, 333}, {6, 167}, {7, 143}, {8, 125}, {16, 63}, {400, 3},
                 {667, 1}, {1000, 1}, {1001, -1}, {1500, -1}, {65535, -1}};
    for (const auto& c : cases) {
        State() = DeviceState{};
        State().CommonData[0][4] = 0xAB;
        State().CommonData[0][5] = 0xCD;
        State().CommonData[0][6] = 0x77;
        PointerMoveChoice choice;
        choice.accelerated = true;
        choice.accelerationIndex = c.index;
        EXPECT_EQ(EncodePointerMove(choice), c.index);
        if (c.divisor < 0) {
            EXPECT_EQ(IntoValue16(4), 0xABCD) << c.index;
            EXPECT_EQ(State().CommonData[0][6], 0x77) << c.index;
        } else {
            EXPECT_EQ(IntoValue16(4), c.divisor) << c.index;
            EXPECT_EQ(State().CommonData[0][6], 1) << c.index;
        }
        EXPECT_EQ(IntoValue16(11), c.index);
    }
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
    EXPECT_EQ(State().CommonData[0][6], 1);
    EXPECT_EQ(IntoValue16(11), 1);
    EXPECT_EQ(IntoValue16(7), 0);
}

TEST(PointerMoveEncoding, OutOfRangePedalWritesNothing) {
    State().SelectedPedalNo = 5;
    PointerMoveChoice choice;
    choice.direction = Direction::Up;
    EncodePointerMove(choice);
    State().SelectedPedalNo = -1;
    EncodeKeyOutput(KO_ROW_KEY_WITH_MODIFIERS, ModifierFlags{}, 0);
    for (const auto& record : State().CommonData)
        for (std::uint8_t byte : record) EXPECT_EQ(byte, 0);
    for (std::uint8_t mode : State().OutputMode) EXPECT_EQ(mode, 0);
}

}  // namespace
}  // namespace tarvik::advanced
