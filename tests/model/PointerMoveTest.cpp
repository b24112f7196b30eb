// The pointer move encoder (the advanced dialog's and tarvikctl's) with the dialog's inputs, over a
// record whose every byte is known (C0 C1 ... CC), so the bytes it leaves alone show.
#include <gtest/gtest.h>

#include "RecordText.h"
#include "model/PointerMove.h"

namespace tarvik::modes {
namespace {

TEST(PointerMove, WritesAsTheDialogDoes) {
    const struct {
        PointerMoveChoice choice;
        const char* record;
        int index;  // what the dialog's acceleration index reads afterwards
    } cases[] = {
        {{MoveDirection::LowerLeft, 10, 0, false, true, false, 0}, "06 | ff 01 00 0a 03 e8 00 00 00 00 0a 00 01", 1},
        {{MoveDirection::Up, 100, 3, true, false, true, 5}, "06 | 00 ff 00 64 01 4d 01 00 05 00 64 00 03", 3},
        // Above an index of 1000 the divisor and the flag stay; 0 accelerates at index 1.
        {{MoveDirection::Right, 100, 1500, true, true, false, 0}, "06 | 01 00 00 64 c4 c5 c6 00 00 00 64 05 dc", 1500},
        {{MoveDirection::Right, 100, 0, true, true, false, 0}, "06 | 01 00 00 64 03 e8 01 00 00 00 64 00 01", 1},
        {{MoveDirection::Right, 100, 2, true, true, false, 0}, "06 | 01 00 00 64 01 f4 01 00 00 00 64 00 02", 2},
        // No direction, no repeat radio: those bytes stay. Repeats stop at 65534; fields at 16 bits.
        {{std::nullopt, 7, 0, false, false, false, 9}, "06 | c0 c1 00 07 03 e8 00 c7 c8 00 07 00 01", 1},
        {{MoveDirection::UpperLeft, 70000, -3, true, false, true, 70000}, "06 | ff ff ff ff 03 e8 01 ff fe ff ff 00 01", 1},
        {{MoveDirection::UpperRight, 0, 0, false, false, true, 65535}, "06 | 01 ff 00 00 03 e8 00 ff fe 00 00 00 01", 1},
        {{MoveDirection::UpperLeft, 0, 0, false, false, true, 65534}, "06 | ff ff 00 00 03 e8 00 ff fe 00 00 00 01",
         1},
        {{MoveDirection::LowerRight, 0, 0, false, false, true, -12}, "06 | 01 01 00 00 03 e8 00 00 00 00 00 00 01", 1},
    };
    for (const auto& c : cases) {
        std::uint8_t mode = 0xEE;
        CommonBytes common;
        for (std::size_t i = 0; i < common.size(); ++i) common[i] = static_cast<std::uint8_t>(0xC0 + i);
        const int index = EncodePointerMove(c.choice, {mode, common});
        EXPECT_EQ(test::RecordHex(mode, common), c.record);
        EXPECT_EQ(index, c.index) << c.record;
    }
}

TEST(PointerMove, DivisorRoundsHalvesUp) {
    const struct { int index, divisor; } cases[] = {{1, 1000}, {3, 333}, {16, 63}, {400, 3}, {667, 1}, {1000, 1}};
    for (const auto& c : cases) EXPECT_EQ(AccelerationDivisor(c.index), c.divisor) << c.index;
}

}  // namespace
}  // namespace tarvik::modes
