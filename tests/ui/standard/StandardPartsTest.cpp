// The dialog's plain parts: the offered keys and the title line.
#include <gtest/gtest.h>

#include "ui/standard/StandardKeyList.h"
#include "ui/standard/StandardTitle.h"

namespace tarvik {
namespace {

TEST(StandardKeyList, OffersExactlyTheStandardUsageRangesAndLooksUpOnlyFilledEntries) {
    const StandardKeyList list = BuildStandardKeyList();
    std::vector<int> expected;
    for (auto [first, last] : {std::pair{4, 48}, {50, 56}, {58, 69}, {73, 99}}) {
        for (int u = first; u <= last; ++u) expected.push_back(u);
    }
    ASSERT_EQ(list.Count, 91);
    EXPECT_EQ(std::vector<int>(list.IndexToUsageID.begin(), list.IndexToUsageID.begin() + list.Count), expected);
    for (auto [index, usage] : {std::pair{0, 4}, {90, 99}, {-1, -1}, {91, -1}, {100000, -1}}) {
        EXPECT_EQ(list.UsageAt(index), usage) << "index " << index;
    }
    // Unused tail entries hold 0; usage 0 must still not be found among them.
    for (auto [usage, index] : {std::pair{4, 0}, {99, 90}, {0, -1}, {49, -1}, {255, -1}, {-3, -1}}) {
        EXPECT_EQ(list.IndexOf(usage), index) << "usage " << usage;
    }
}

TEST(StandardTitleLine, NamesThePedalForTwoToFivePedals) {
    const struct {
        int count, pedal;
        const char* title;
    } cases[] = {
        {1, 0, "標準設定"},           {2, 0, "標準設定 右ペダル"},   {2, 1, "標準設定 左ペダル"},
        {3, 0, "標準設定 中央ペダル"}, {4, 2, "標準設定 右端ペダル"}, {4, 3, "標準設定 左端ペダル"},
        {5, 4, "標準設定 右端ペダル"},
        // Combinations outside the table add nothing.
        {0, 0, "標準設定"}, {2, 2, "標準設定"}, {6, 0, "標準設定"}, {5, -1, "標準設定"}, {5, 5, "標準設定"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StandardTitleLine(c.count, c.pedal), c.title) << c.count << " pedals, pedal " << c.pedal;
    }
}

}  // namespace
}  // namespace tarvik
