// The dialog's plain parts: the offered keys, the title line and how a choice goes into the record.
#include <gtest/gtest.h>

#include "DialogFixture.h"
#include "model/StandardChoice.h"
#include "ui/standard/StandardKeyList.h"
#include "ui/standard/StandardTitle.h"

namespace tarvik::test {
namespace {

TEST(StandardKeyList, OffersExactlyTheStandardUsageRangesAndLooksUpOnlyFilledEntries) {
    const StandardKeyList list = BuildStandardKeyList();
    std::vector<int> expected;
    for (auto [first, last] : {std::pair{4, 48}, {50, 56}, {58, 69}, {73, 99}}) {
        for (int u = first; u <= last; ++u) expected.push_back(u);
    }
    ASSERT_EQ(list.Count, 91);
    EXPECT_EQ(std::vector<int>(list.IndexToUsageID.begin(), list.IndexToUsageID.begin() + list.Count), expected);

    for (auto [index, usage] : {std::pair{0, 4}, {90, 99}, {-1, -1}, {91, -1}, {238, -1}, {100000, -1}}) {
        EXPECT_EQ(list.UsageAt(index), usage) << "index " << index;
    }
    // Unused tail entries hold 0; usage 0 must still not be found among them.
    for (auto [usage, index] : {std::pair{4, 0}, {99, 90}, {0, -1}, {49, -1}, {231, -1}, {255, -1}, {-3, -1}}) {
        EXPECT_EQ(list.IndexOf(usage), index) << "usage " << usage;
    }
}

TEST(StandardTitleLine, NamesThePedalForTwoToFivePedals) {
    const struct {
        int count;
        int pedal;
        const char* title;
    } cases[] = {
        {1, 0, "標準設定"},
        {2, 0, "標準設定 右ペダル"},   {2, 1, "標準設定 左ペダル"},
        {3, 0, "標準設定 中央ペダル"}, {3, 1, "標準設定 左ペダル"},   {3, 2, "標準設定 右ペダル"},
        {4, 0, "標準設定 右ペダル"},   {4, 1, "標準設定 左ペダル"},   {4, 2, "標準設定 右端ペダル"},
        {4, 3, "標準設定 左端ペダル"},
        {5, 0, "標準設定 中央ペダル"}, {5, 1, "標準設定 左ペダル"},   {5, 2, "標準設定 右ペダル"},
        {5, 3, "標準設定 左端ペダル"}, {5, 4, "標準設定 右端ペダル"},
        // Combinations outside the table add nothing.
        {0, 0, "標準設定"}, {2, 2, "標準設定"}, {6, 0, "標準設定"}, {5, -1, "標準設定"}, {5, 5, "標準設定"},
        {-1, 0, "標準設定"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StandardTitleLine(c.count, c.pedal), c.title) << c.count << " pedals, pedal " << c.pedal;
    }
}

TEST(StandardChoice, OnlyACompleteChoiceIsStored) {
    using enum ModifierRadio;
    const struct {
        KeyboardChoice choice;
        bool stored;
    } cases[] = {
        {{NoModifiers, 0x0F, 4}, true},  {{WithModifiers, 0x01, 4}, true}, {{OnlyModifiers, 0x04, -1}, true},
        {{NoModifiers, 0, -1}, false},   {{NoModifiers, 0, 238}, false},   {{WithModifiers, 0, 4}, false},
        {{WithModifiers, 0x08, -1}, false}, {{OnlyModifiers, 0, 4}, false}, {{None, 0x01, 4}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.choice.radio) << " " << int(c.choice.modifiers) << " "
                                        << c.choice.usageID);
        std::uint8_t mode = 9;
        Common common = Marked();
        EXPECT_EQ(IsComplete(c.choice), c.stored);
        StoreKeyboardChoice(c.choice, mode, common);
        EXPECT_EQ(common != Marked(), c.stored);
        EXPECT_EQ(mode, c.stored ? 0 : 9);
    }
    std::uint8_t mode = 9;
    Common common = Marked();
    StoreClickChoice(ClickChoice::None, mode, common);
    EXPECT_EQ(mode, 9);
    EXPECT_EQ(common, Marked());
}

}  // namespace
}  // namespace tarvik::test
