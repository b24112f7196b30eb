// SPDX-License-Identifier: GPL-3.0-or-later
// A pedal's record: its 16-bit fields, high byte first, including calls that fall outside it; and
// how a standard edit goes into it: only a complete choice, only the bytes it names.
#include <gtest/gtest.h>

#include <optional>

#include "model/DeviceState.h"
#include "model/PedalRecord.h"
#include "model/StandardChoice.h"
#include "support/Builders.h"

namespace {

using namespace tarvik;
using test::Marked;

TEST(PedalRecord, HighByteFirstAndNothingOutsideTheRecord) {
    const CommonRecord pattern{0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B, 0x1C};
    const struct {
        int index, value;
        int high, low;  // -1: nothing is written
        int read;
    } cases[] = {
        {4, 1000, 0x03, 0xE8, 1000}, {0, 0, 0x00, 0x00, 0}, {11, 65535, 0xFF, 0xFF, 65535}, {5, 256, 0x01, 0x00, 256},
        // Outside the record: no field, reads 0. A value outside 16 bits leaves the field as it was.
        {-1, 5, -1, -1, 0}, {12, 5, -1, -1, 0}, {1 << 30, 5, -1, -1, 0}, {3, -1, -1, -1, 0x1314},
        {3, 65536, -1, -1, 0x1314},
    };
    for (const auto& c : cases) {
        CommonRecord record = pattern;
        CommonRecord expected = pattern;
        if (c.high >= 0) {
            expected[c.index] = c.high;
            expected[c.index + 1] = c.low;
        }
        PutValue16(record, c.index, c.value);
        EXPECT_EQ(record, expected) << c.value << " at " << c.index;
        EXPECT_EQ(Value16(record, c.index), c.read) << c.index;
    }
}

TEST(PedalRecord, TheContractFunctionsWorkOnTheSelectedPedal) {
    auto& s = State();
    s = DeviceState{};
    s.SelectedPedalNo = 3;
    IntoTwoCommonData(0x1234, 9);
    EXPECT_EQ(s.CommonData[3][9], 0x12);
    EXPECT_EQ(s.CommonData[3][10], 0x34);
    EXPECT_EQ(IntoValue16(9), 0x1234);
    for (int pedal : {-1, 5}) {
        s.SelectedPedalNo = pedal;
        IntoTwoCommonData(7, 0);
        EXPECT_EQ(IntoValue16(9), 0);
    }
    for (int p : {0, 1, 2, 4}) EXPECT_EQ(s.CommonData[p], CommonRecord{}) << p;
}

TEST(StandardChoice, AKeyChoiceIsStoredOnlyWhenComplete) {
    using enum ModifierRadio;
    const struct {
        KeyboardChoice choice;
        std::optional<CommonRecord> stored;
    } cases[] = {
        {{NoModifiers, 0x0F, 4}, Marked({0x00, 4})},        // the boxes do not count without modifiers
        {{WithModifiers, 0x01, 4}, Marked({0x01, 4})},
        {{WithModifiers, 0x13, 99}, Marked({0x03, 99})},    // right-hand bits are dropped
        {{OnlyModifiers, 0x05, 40}, Marked({0x05, 0x00})},  // the key does not count
        {{NoModifiers, 0, -1}, {}},   {{NoModifiers, 0, 238}, {}},   {{WithModifiers, 0, 4}, {}},
        {{WithModifiers, 0x08, -1}, {}}, {{OnlyModifiers, 0, 4}, {}}, {{None, 0x01, 4}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.choice.radio) << " " << int(c.choice.modifiers) << " "
                                        << c.choice.usageID);
        std::uint8_t mode = 9;
        CommonRecord common = Marked();
        EXPECT_EQ(IsComplete(c.choice), c.stored.has_value());
        StoreKeyboardChoice(c.choice, mode, common);
        EXPECT_EQ(common, c.stored.value_or(Marked()));
        EXPECT_EQ(mode, c.stored ? SIMPLE_KEY_OUTPUT : 9);
    }
}

TEST(StandardChoice, AClickWritesItsModeAndButtonAndADoubleClickItsTimings) {
    const struct {
        ClickChoice choice;
        int mode;
        CommonRecord common;
    } cases[] = {
        {ClickChoice::Left, SIMPLE_CLICK, Marked({1})},
        {ClickChoice::Right, SIMPLE_CLICK, Marked({2})},
        {ClickChoice::Center, SIMPLE_CLICK, Marked({4})},
        {ClickChoice::Double, SIMPLE_DOUBLE_CLICK, Marked({1, 15, 0, 15})},
        {ClickChoice::None, 9, Marked()},
    };
    for (const auto& c : cases) {
        std::uint8_t mode = 9;
        CommonRecord common = Marked();
        StoreClickChoice(c.choice, mode, common);
        EXPECT_EQ(mode, c.mode) << int(c.choice);
        EXPECT_EQ(common, c.common) << int(c.choice);
    }
}

}  // namespace
