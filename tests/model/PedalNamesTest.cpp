// Pedal names by position and by the unit's pedal count.
#include <gtest/gtest.h>

#include "model/PedalNames.h"

namespace {

TEST(PedalNames, ByPositionAndByCount) {
    // Columns: pedal -1..5. Row 0: the default names; rows 1..7: counts 0..6, where "" = not renamed.
    const char* const expected[8][7] = {
        {"", "中央ペダル", "左ペダル", "右ペダル", "左端ペダル", "右端ペダル", ""},
        {"", "", "", "", "", "", ""},
        {"", "ペダル", "", "", "", "", ""},
        {"", "右ペダル", "左ペダル", "", "", "", ""},
        {"", "中央ペダル", "左ペダル", "右ペダル", "", "", ""},
        {"", "右ペダル", "左ペダル", "右端ペダル", "左端ペダル", "", ""},
        {"", "中央ペダル", "左ペダル", "右ペダル", "左端ペダル", "右端ペダル", ""},
        {"", "", "", "", "", "", ""},
    };
    for (int pedal = -1; pedal <= 5; ++pedal) {
        EXPECT_EQ(tarvik::DefaultPedalName(pedal), expected[0][pedal + 1]) << pedal;
        for (int count = 0; count <= 6; ++count) {
            EXPECT_EQ(tarvik::PedalNameForCount(count, pedal), expected[count + 1][pedal + 1])
                << "count " << count << " pedal " << pedal;
        }
    }
    EXPECT_EQ(tarvik::PedalNameForCount(-1, 0), "");
}

TEST(PedalNames, ShownNameFallsBackToTheDefault) {
    const struct {
        int count, pedal;
        const char* expected;
    } cases[] = {{1, 0, "ペダル"},     {1, 2, "右ペダル"}, {2, 0, "右ペダル"}, {4, 4, "右端ペダル"},
                 {9, 3, "左端ペダル"}, {5, 5, ""},         {3, -1, ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(tarvik::ShownPedalName(c.count, c.pedal), c.expected) << c.count << "/" << c.pedal;
    }
}

}  // namespace
