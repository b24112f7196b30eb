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

class StoreChoice : public testing::Test {
protected:
    void SetUp() override {
        for (int p = 0; p < NUMBER_OF_PEDALS_MAX; ++p) {
            State().OutputMode[static_cast<std::size_t>(p)] = 9;
            State().CommonData[static_cast<std::size_t>(p)] = Marked();
            State().AdditionalData[static_cast<std::size_t>(p)].fill(0x5a);
        }
    }
    static void ExpectOthersUntouched(int pedal) {
        for (int q = 0; q < NUMBER_OF_PEDALS_MAX; ++q) {
            const auto i = static_cast<std::size_t>(q);
            if (q != pedal) {
                EXPECT_EQ(State().OutputMode[i], 9) << "pedal " << q;
                EXPECT_EQ(State().CommonData[i], Marked()) << "pedal " << q;
            }
            for (auto b : State().AdditionalData[i]) ASSERT_EQ(b, 0x5a) << "pedal " << q;
        }
    }
};

TEST_F(StoreChoice, KeyboardWritesModeModifierAndKeyOnly) {
    struct Case {
        const char* name;
        KeyboardChoice choice;
        Common expected;
    } cases[] = {
        {"key alone drops kept check boxes", {ModifierRadio::NoModifiers, 0x0A, 41}, MarkedWith({0x00, 41})},
        {"key with modifiers", {ModifierRadio::WithModifiers, 0x03, 4}, MarkedWith({0x03, 4})},
        {"modifiers only", {ModifierRadio::OnlyModifiers, 0x05, 30}, MarkedWith({0x05, 0x00})},
    };
    for (const auto& c : cases) {
        SetUp();
        ASSERT_TRUE(StoreKeyboardChoice(c.choice, 3)) << c.name;
        EXPECT_EQ(State().OutputMode[3], SIMPLE_KEY_OUTPUT) << c.name;
        EXPECT_EQ(State().CommonData[3], c.expected) << c.name;
        ExpectOthersUntouched(3);
    }
}

TEST_F(StoreChoice, IncompleteKeyboardChoiceOrBadPedalStoresNothing) {
    EXPECT_FALSE(StoreKeyboardChoice({ModifierRadio::NoModifiers, 0, -1}, 1));
    EXPECT_FALSE(StoreKeyboardChoice({ModifierRadio::WithModifiers, 0, 4}, 1));
    EXPECT_FALSE(StoreKeyboardChoice({ModifierRadio::NoModifiers, 0, 4}, 5));
    EXPECT_FALSE(StoreKeyboardChoice({ModifierRadio::NoModifiers, 0, 4}, -1));
    EXPECT_FALSE(StoreClickChoice(ClickChoice::Left, 5));
    EXPECT_FALSE(StoreClickChoice(ClickChoice::None, 0));
    ExpectOthersUntouched(-1);
}

TEST_F(StoreChoice, ClicksWriteTheirBytesOnly) {
    struct Case {
        ClickChoice click;
        std::uint8_t mode;
        Common expected;
    } cases[] = {
        {ClickChoice::Left, SIMPLE_CLICK, MarkedWith({1})},
        {ClickChoice::Right, SIMPLE_CLICK, MarkedWith({2})},
        {ClickChoice::Center, SIMPLE_CLICK, MarkedWith({4})},
        {ClickChoice::Double, SIMPLE_DOUBLE_CLICK, MarkedWith({1, 15, 0, 15})},
    };
    for (const auto& c : cases) {
        SetUp();
        ASSERT_TRUE(StoreClickChoice(c.click, 0));
        EXPECT_EQ(State().OutputMode[0], c.mode);
        EXPECT_EQ(State().CommonData[0], c.expected);
        ExpectOthersUntouched(0);
    }
}

}  // namespace
}  // namespace tarvik::test
