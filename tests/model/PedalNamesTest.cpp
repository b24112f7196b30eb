// Pedal names by the unit's pedal count.
#include <gtest/gtest.h>

#include <array>

#include "model/PedalNames.h"

namespace {

TEST(PedalNames, DefaultsByPosition) {
    const std::array<const char*, 7> expected{"", "中央ペダル", "左ペダル", "右ペダル", "左端ペダル", "右端ペダル", ""};
    for (int pedal = -1; pedal <= 5; ++pedal) {
        EXPECT_EQ(tarvik::DefaultPedalName(pedal), expected[pedal + 1]) << pedal;
    }
}

TEST(PedalNames, ByCount) {
    // Rows: count 0..6; columns: pedal -1..5. "" = the count does not rename the pedal.
    const char* const expected[7][7] = {
        {"", "", "", "", "", "", ""},
        {"", "ペダル", "", "", "", "", ""},
        {"", "右ペダル", "左ペダル", "", "", "", ""},
        {"", "中央ペダル", "左ペダル", "右ペダル", "", "", ""},
        {"", "右ペダル", "左ペダル", "右端ペダル", "左端ペダル", "", ""},
        {"", "中央ペダル", "左ペダル", "右ペダル", "左端ペダル", "右端ペダル", ""},
        {"", "", "", "", "", "", ""},
    };
    for (int count = 0; count <= 6; ++count) {
        for (int pedal = -1; pedal <= 5; ++pedal) {
            EXPECT_EQ(tarvik::PedalNameForCount(count, pedal), expected[count][pedal + 1])
                << "count " << count << " pedal " << pedal;
        }
    }
    EXPECT_EQ(tarvik::PedalNameForCount(-1, 0), "");
}

TEST(PedalNames, ShownNameFallsBackToTheDefault) {
    struct Case {
        int count, pedal;
        const char* expected;
    };
    const Case cases[] = {
        {1, 0, "ペダル"},   {1, 1, "左ペダル"},   {1, 2, "右ペダル"},   {2, 0, "右ペダル"},
        {2, 2, "右ペダル"}, {4, 2, "右端ペダル"}, {4, 4, "右端ペダル"}, {0, 0, "中央ペダル"},
        {9, 3, "左端ペダル"}, {5, 5, ""},         {3, -1, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tarvik::ShownPedalName(c.count, c.pedal), c.expected) << c.count << "/" << c.pedal;
    }
}

}  // namespace
