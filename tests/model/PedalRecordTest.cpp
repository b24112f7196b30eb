// 16-bit fields of the selected pedal's record, including calls that fall outside it.
#include <array>

#include "model/PedalRecord.h"
#include "ModelFixture.h"

namespace {

using tarvik::State;

using Record = std::array<std::uint8_t, tarvik::NUMBER_OF_COMMON_DATA>;

class PedalRecordTest : public ModelTest {
protected:
    // Fills every pedal with a distinct pattern so a write to the wrong place shows.
    void FillAll() {
        for (int p = 0; p < tarvik::NUMBER_OF_PEDALS_MAX; ++p) {
            for (int i = 0; i < tarvik::NUMBER_OF_COMMON_DATA; ++i) {
                State().CommonData[p][i] = static_cast<std::uint8_t>(0x10 * p + i);
            }
        }
    }
};

TEST_F(PedalRecordTest, StoresHighByteFirstInTheSelectedPedal) {
    struct Case {
        int pedal, value, index;
        std::uint8_t high, low;
    };
    const Case cases[] = {
        {1, 1000, 4, 0x03, 0xE8}, {0, 0, 0, 0x00, 0x00},     {4, 65535, 11, 0xFF, 0xFF},
        {2, 1, 7, 0x00, 0x01},    {3, 0x1234, 9, 0x12, 0x34}, {0, 256, 5, 0x01, 0x00},
    };
    for (const Case& c : cases) {
        FillAll();
        State().SelectedPedalNo = c.pedal;
        const auto before = State().CommonData;
        tarvik::IntoTwoCommonData(c.value, c.index);
        auto expected = before;
        expected[c.pedal][c.index] = c.high;
        expected[c.pedal][c.index + 1] = c.low;
        EXPECT_EQ(State().CommonData, expected) << "value " << c.value << " at " << c.index;
        EXPECT_EQ(tarvik::IntoValue16(c.index), c.value);
    }
}

TEST_F(PedalRecordTest, LoadsBigEndianValues) {
    State().SelectedPedalNo = 2;
    State().CommonData[2] = Record{0xFF, 0xFF, 0x00, 0x01, 0x80, 0x00};
    EXPECT_EQ(tarvik::IntoValue16(0), 65535);
    EXPECT_EQ(tarvik::IntoValue16(1), 0xFF00);
    EXPECT_EQ(tarvik::IntoValue16(2), 1);
    EXPECT_EQ(tarvik::IntoValue16(4), 0x8000);
}

TEST_F(PedalRecordTest, CallsOutsideTheRecordChangeNothingAndReadZero) {
    struct Case {
        const char* what;
        int pedal, value, index;
    };
    const Case cases[] = {
        {"index -1", 0, 5, -1},
        {"index 12 (low byte past the end)", 0, 5, 12},
        {"index 13", 4, 5, 13},
        {"huge index", 1, 5, 1 << 30},
        {"value -1", 1, -1, 3},
        {"value 65536", 1, 65536, 3},
        {"pedal -1", -1, 5, 3},
        {"pedal 5", 5, 5, 3},
    };
    for (const Case& c : cases) {
        FillAll();
        State().SelectedPedalNo = c.pedal;
        const auto before = State().CommonData;
        tarvik::IntoTwoCommonData(c.value, c.index);
        EXPECT_EQ(State().CommonData, before) << c.what;
        if (c.value >= 0 && c.value <= 65535) {
            EXPECT_EQ(tarvik::IntoValue16(c.index), 0) << c.what;
        }
    }
    // A bad value leaves a valid field readable as it was.
    State().SelectedPedalNo = 1;
    EXPECT_EQ(tarvik::IntoValue16(3), 0x1314);
}

}  // namespace
