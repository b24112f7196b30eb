// 16-bit fields of the selected pedal's record, including calls that fall outside it.
#include "model/PedalRecord.h"
#include "ModelFixture.h"

namespace {

using tarvik::State;

using PedalRecordTest = ModelTest;

TEST_F(PedalRecordTest, HighByteFirstInTheSelectedPedalAndNothingOutsideTheRecord) {
    const struct {
        int pedal, value, index;
        int high, low;  // -1: nothing is written
        int read;
    } cases[] = {
        {1, 1000, 4, 0x03, 0xE8, 1000}, {0, 0, 0, 0x00, 0x00, 0}, {4, 65535, 11, 0xFF, 0xFF, 65535},
        {3, 0x1234, 9, 0x12, 0x34, 0x1234}, {0, 256, 5, 0x01, 0x00, 256},
        // Outside the record: no field, reads 0. A value outside 16 bits leaves the field as it was.
        {0, 5, -1, -1, -1, 0}, {0, 5, 12, -1, -1, 0}, {1, 5, 1 << 30, -1, -1, 0}, {-1, 5, 3, -1, -1, 0},
        {5, 5, 3, -1, -1, 0}, {1, -1, 3, -1, -1, 0x1314}, {1, 65536, 3, -1, -1, 0x1314},
    };
    for (const auto& c : cases) {
        // Every pedal holds a distinct pattern (pedal 1: 10 11 12 ...), so a write to the wrong place shows.
        for (int p = 0; p < tarvik::NUMBER_OF_PEDALS_MAX; ++p)
            for (int i = 0; i < tarvik::NUMBER_OF_COMMON_DATA; ++i) State().CommonData[p][i] = 0x10 * p + i;
        State().SelectedPedalNo = c.pedal;
        auto expected = State().CommonData;
        if (c.high >= 0) {
            expected[c.pedal][c.index] = c.high;
            expected[c.pedal][c.index + 1] = c.low;
        }
        tarvik::IntoTwoCommonData(c.value, c.index);
        EXPECT_EQ(State().CommonData, expected) << "pedal " << c.pedal << " value " << c.value << " at " << c.index;
        EXPECT_EQ(tarvik::IntoValue16(c.index), c.read) << "pedal " << c.pedal << " at " << c.index;
    }
}

}  // namespace
