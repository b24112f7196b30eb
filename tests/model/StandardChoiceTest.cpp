// How a standard edit goes into a pedal's record: only a complete choice, only the bytes it names.
#include <gtest/gtest.h>

#include <optional>

#include "model/StandardChoice.h"

namespace {

using namespace tarvik;

const CommonRecord kMarked{0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1a, 0x1b, 0x1c, 0x1d};

CommonRecord With(std::initializer_list<int> head) {
    CommonRecord c = kMarked;
    std::size_t i = 0;
    for (int b : head) c[i++] = static_cast<std::uint8_t>(b);
    return c;
}

TEST(StandardChoice, AKeyChoiceIsStoredOnlyWhenComplete) {
    using enum ModifierRadio;
    const struct {
        KeyboardChoice choice;
        std::optional<CommonRecord> stored;
    } cases[] = {
        {{NoModifiers, 0x0F, 4}, With({0x00, 4})},        // the boxes do not count without modifiers
        {{WithModifiers, 0x01, 4}, With({0x01, 4})},
        {{WithModifiers, 0x13, 99}, With({0x03, 99})},    // right-hand bits are dropped
        {{OnlyModifiers, 0x05, 40}, With({0x05, 0x00})},  // the key does not count
        {{NoModifiers, 0, -1}, {}},   {{NoModifiers, 0, 238}, {}},   {{WithModifiers, 0, 4}, {}},
        {{WithModifiers, 0x08, -1}, {}}, {{OnlyModifiers, 0, 4}, {}}, {{None, 0x01, 4}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.choice.radio) << " " << int(c.choice.modifiers) << " "
                                        << c.choice.usageID);
        std::uint8_t mode = 9;
        CommonRecord common = kMarked;
        EXPECT_EQ(IsComplete(c.choice), c.stored.has_value());
        StoreKeyboardChoice(c.choice, mode, common);
        EXPECT_EQ(common, c.stored.value_or(kMarked));
        EXPECT_EQ(mode, c.stored ? SIMPLE_KEY_OUTPUT : 9);
    }
}

TEST(StandardChoice, AClickWritesItsModeAndButtonAndADoubleClickItsTimings) {
    const struct {
        ClickChoice choice;
        int mode;
        CommonRecord common;
    } cases[] = {
        {ClickChoice::Left, SIMPLE_CLICK, With({1})},
        {ClickChoice::Right, SIMPLE_CLICK, With({2})},
        {ClickChoice::Center, SIMPLE_CLICK, With({4})},
        {ClickChoice::Double, SIMPLE_DOUBLE_CLICK, With({1, 15, 0, 15})},
        {ClickChoice::None, 9, kMarked},
    };
    for (const auto& c : cases) {
        std::uint8_t mode = 9;
        CommonRecord common = kMarked;
        StoreClickChoice(c.choice, mode, common);
        EXPECT_EQ(mode, c.mode) << int(c.choice);
        EXPECT_EQ(common, c.common) << int(c.choice);
    }
}

}  // namespace
