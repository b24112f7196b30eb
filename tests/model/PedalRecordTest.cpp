// SPDX-License-Identifier: GPL-3.0-or-later
// A pedal's record: its 16-bit fields, high byte first, including calls that fall outside it. (When a
// standard edit is complete, and what it writes, is the standard dialog's test.)
#include <gtest/gtest.h>

#include "model/DeviceState.h"
#include "model/PedalRecord.h"

namespace {

using namespace tarvik;

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
        CommonRecord record = pattern, expected = pattern;
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

}  // namespace
