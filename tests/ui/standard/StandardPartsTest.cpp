// The dialog's plain parts: the offered keys, the title line and how a choice goes into the record.
#include <gtest/gtest.h>

#include "DialogFixture.h"
#include "device/DeviceState.h"
#include "ui/standard/StandardChoice.h"
#include "ui/standard/StandardKeyList.h"
#include "ui/standard/StandardTitle.h"

namespace tarvik::test {
namespace {

TEST(StandardKeyList, OffersExactlyTheStandardUsageRanges) {
    const StandardKeyList list = BuildStandardKeyList();
    std::vector<int> expected;
    for (auto [first, last] : {std::pair{4, 48}, {50, 56}, {58, 69}, {73, 99}}) {
        for (int u = first; u <= last; ++u) expected.push_back(u);
    }
    ASSERT_EQ(list.Count, 91);
    std::vector<int> actual(list.IndexToUsageID.begin(), list.IndexToUsageID.begin() + list.Count);
    EXPECT_EQ(actual, expected);
}

TEST(StandardKeyList, LookupsStayInsideTheFilledEntries) {
    const StandardKeyList list = BuildStandardKeyList();
    struct Case {
        int index;
        int usage;
    } cases[] = {{0, 4}, {44, 48}, {45, 50}, {90, 99}, {-1, -1}, {91, -1}, {237, -1}, {238, -1}, {100000, -1}};
    for (const auto& c : cases) EXPECT_EQ(list.UsageAt(c.index), c.usage) << "index " << c.index;

    struct Find {
        int usage;
        int index;
    } finds[] = {{4, 0}, {99, 90}, {0, -1}, {49, -1}, {57, -1}, {231, -1}, {237, -1}, {255, -1}, {-3, -1}};
    // Unused tail entries hold 0; usage 0 must still not be found among them.
    for (const auto& f : finds) EXPECT_EQ(list.IndexOf(f.usage), f.index) << "usage " << f.usage;
}

TEST(StandardTitleLine, NamesThePedalForTwoToFivePedals) {
    struct Case {
        int count;
        int pedal;
        const char* title;
    } cases[] = {
        {1, 0, "標準設定"},
        {2, 0, "標準設定 右ペダル"},       {2, 1, "標準設定 左ペダル"},
        {3, 0, "標準設定 中央ペダル"},     {3, 1, "標準設定 左ペダル"},   {3, 2, "標準設定 右ペダル"},
        {4, 0, "標準設定 右ペダル"},       {4, 1, "標準設定 左ペダル"},   {4, 2, "標準設定 右端ペダル"},
        {4, 3, "標準設定 左端ペダル"},
        {5, 0, "標準設定 中央ペダル"},     {5, 1, "標準設定 左ペダル"},   {5, 2, "標準設定 右ペダル"},
        {5, 3, "標準設定 左端ペダル"},     {5, 4, "標準設定 右端ペダル"},
        // Combinations outside the table add nothing.
        {0, 0, "標準設定"}, {2, 2, "標準設定"}, {3, 4, "標準設定"}, {6, 0, "標準設定"}, {5, -1, "標準設定"},
        {5, 5, "標準設定"}, {-1, 0, "標準設定"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StandardTitleLine(c.count, c.pedal), c.title) << c.count << " pedals, pedal " << c.pedal;
    }
}

TEST(KeyboardChoice, IsCompleteOnlyWithWhatTheRadioNeeds) {
    struct Case {
        ModifierRadio radio;
        std::uint8_t modifiers;
        int usage;
        bool complete;
    } cases[] = {
        {ModifierRadio::NoModifiers, 0, 4, true},     {ModifierRadio::NoModifiers, 0x0F, 4, true},
        {ModifierRadio::NoModifiers, 0, -1, false},   {ModifierRadio::WithModifiers, 0x01, 4, true},
        {ModifierRadio::WithModifiers, 0, 4, false},  {ModifierRadio::WithModifiers, 0x08, -1, false},
        {ModifierRadio::OnlyModifiers, 0x04, -1, true}, {ModifierRadio::OnlyModifiers, 0, 4, false},
        {ModifierRadio::None, 0x01, 4, false},        {ModifierRadio::NoModifiers, 0, 238, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsComplete({c.radio, c.modifiers, c.usage}), c.complete)
            << static_cast<int>(c.radio) << " " << int(c.modifiers) << " " << c.usage;
    }
}

TEST(StoreChoice, IncompleteKeyboardChoiceOrBadPedalStoresNothing) {
    for (auto& common : State().CommonData) common = Marked();
    EXPECT_FALSE(StoreKeyboardChoice({ModifierRadio::NoModifiers, 0, -1}, 1));
    EXPECT_FALSE(StoreKeyboardChoice({ModifierRadio::WithModifiers, 0, 4}, 1));
    EXPECT_FALSE(StoreKeyboardChoice({ModifierRadio::NoModifiers, 0, 4}, 5));
    EXPECT_FALSE(StoreKeyboardChoice({ModifierRadio::NoModifiers, 0, 4}, -1));
    EXPECT_FALSE(StoreClickChoice(ClickChoice::Left, 5));
    EXPECT_FALSE(StoreClickChoice(ClickChoice::None, 0));
    for (std::size_t p = 0; p < NUMBER_OF_PEDALS_MAX; ++p) {
        EXPECT_EQ(State().OutputMode[p], 0);
        EXPECT_EQ(State().CommonData[p], Marked());
    }
}

}  // namespace
}  // namespace tarvik::test
