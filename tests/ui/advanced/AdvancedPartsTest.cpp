// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced dialog's parts on their own: the logarithmic slider, the text box reading, the
// stepper, and what each tab reads from a record and writes into one.
#include <gtest/gtest.h>

#include <QToolButton>
#include <climits>
#include <cmath>

#include "support/Builders.h"
#include "ui/advanced/ChordDecoding.h"
#include "ui/advanced/ClickEncoding.h"
#include "ui/advanced/IntValue.h"
#include "ui/advanced/KeyOutputEncoding.h"
#include "ui/advanced/LogSlider.h"
#include "ui/advanced/Stepper.h"

namespace tarvik::advanced {
namespace {

using test::Marked;

TEST(LogSlider, PositionsAndIndexesMapWithinTheField) {
    // 150.51 lies halfway between 1 and 2; positions beyond the slider are taken as its ends.
    const int toIndex[][2] = {{0, 1}, {150, 1}, {151, 2}, {1021, 11}, {2000, 100}, {-300, 1}, {5000, 65464}};
    for (const auto& c : toIndex) EXPECT_EQ(SliderToIndex(c[0]), c[1]) << "position " << c[0];
    const int toPosition[][2] = {{1, 176}, {32, 1511}, {1000, 3000}, {0, 0}, {-5, 0}, {65535, 4816}, {70000, 4816}};
    for (const auto& c : toPosition) EXPECT_EQ(IndexToSlider(c[0]), c[1]) << "index " << c[0];
    int previous = 0;
    for (int position = LOG_SLIDER_MIN; position <= LOG_SLIDER_MAX; ++position) {
        const int index = SliderToIndex(position);
        ASSERT_TRUE(index >= 1 && index <= 65535 && index >= previous) << position << " gives " << index;
        previous = index;
    }
    // Exactly halfway on the log scale goes to the higher index.
    EXPECT_EQ(LogPositionToIndex(500.0 * std::log10(2.0)), 2);
    EXPECT_EQ(LogPositionToIndex(std::nextafter(500.0 * std::log10(2.0), 0.0)), 1);
}

TEST(IntValue, ReadsTheLeadingNumberAndClampsToInt) {
    const std::pair<const char*, int> cases[] = {{"", 0},     {"abc", 0},   {"-", 0},  {"  42", 42},
                                                 {"-7", -7},  {"+5", 5},    {"12abc", 12},
                                                 {"99999999999", INT_MAX},  {"-99999999999", INT_MIN}};
    for (const auto& [text, value] : cases) EXPECT_EQ(IntValue(text), value) << '"' << text << '"';
}

TEST(Stepper, SignalsOnlyUserStepsAndStaysWithinItsRangeAndInt) {
    Stepper stepper;
    stepper.setRange(0, 10);
    std::vector<int> changed;
    QObject::connect(&stepper, &Stepper::valueChanged, [&changed](int value) { changed.push_back(value); });
    stepper.setValue(99);  // from code: clamped and silent
    stepper.stepBy(1);     // already at the top: nothing moves, nothing is said
    stepper.findChild<QToolButton*>("down")->click();
    EXPECT_EQ(changed, std::vector<int>{9});
    stepper.setRange(INT_MIN, INT_MAX);
    stepper.setSingleStep(1000);
    stepper.setValue(INT_MAX - 5);
    stepper.stepBy(INT_MAX);
    EXPECT_EQ(stepper.value(), INT_MAX);
}

TEST(ClickTab, LoadsWhatItCanShowRepairsByteZeroOnlyAndEncodesTheChoice) {
    using R = ClickRadio;
    const struct {
        int mode, c0;
        std::optional<R> radio;
        bool plural, left, right, center;
        int c0After;
    } loads[] = {
        {1, 1, R::Left, false, false, false, false, 1},       {1, 2, R::Right, false, false, false, false, 2},
        {1, 4, R::Center, false, false, false, false, 4},     {1, 3, R::Left, true, true, true, false, 3},
        {1, 5, R::Left, true, true, false, true, 5},          {1, 6, R::Left, true, false, true, true, 6},
        {1, 7, R::Left, true, true, true, true, 7},           {1, 0, R::Left, false, false, false, false, 1},
        {1, 255, R::Left, false, false, false, false, 1},     {2, 1, R::LeftDouble, false, false, false, false, 1},
        {2, 2, R::RightDouble, false, false, false, false, 2}, {2, 4, R::CenterDouble, false, false, false, false, 4},
        {2, 3, R::LeftDouble, false, false, false, false, 1},  // other modes keep their records whole
        {0, 0x28, R::Left, false, false, false, false, 0x28}, {200, 3, R::Left, false, false, false, false, 3},
    };
    for (const auto& c : loads) {
        std::uint8_t c0 = static_cast<std::uint8_t>(c.c0);
        const ClickTabState tab = LoadClickTab(static_cast<std::uint8_t>(c.mode), c0);
        EXPECT_EQ(tab.radio, c.radio) << c.mode << "/" << c.c0;
        EXPECT_EQ(std::tie(tab.plural, tab.leftBox, tab.rightBox, tab.centerBox),
                  std::tie(c.plural, c.left, c.right, c.center)) << c.mode << "/" << c.c0;
        EXPECT_EQ(c0, c.c0After) << c.mode << "/" << c.c0;
    }
    const struct {
        ClickTabState tab;
        int mode, c0;
    } encodes[] = {
        {{false, false, false, false, R::Right}, 1, 2},
        {{false, false, false, false, R::CenterDouble}, 2, 4},  // the timings in bytes 1-3 stay
        {{true, true, false, true, R::Right}, 1, 5},            // several buttons win over the radio
        {{true, false, false, false, {}}, 1, 0},
        {{false, true, true, true, {}}, 9, 0x5A},                // neither: nothing is written
    };
    for (const auto& c : encodes) {
        std::uint8_t mode = 9;
        CommonRecord common = Marked({0x5A});
        EncodeClick(c.tab, mode, common);
        EXPECT_EQ(mode, c.mode);
        EXPECT_EQ(common, Marked({c.c0}));
    }
}

TEST(KeyOutputTab, WritesBytesZeroAndOneForItsRow) {
    const struct {
        int row, modifiers, keyIndex;
        int byte0, byte1;
    } cases[] = {
        {KO_ROW_KEY_WITH_MODIFIERS, 33, 1, 33, 5}, {KO_ROW_KEY_WITH_MODIFIERS, 0xF0, 2, 0xF0, 6},
        {KO_ROW_KEY_ONLY, 0xFF, 0, 0, 4},           {KO_ROW_MODIFIERS_ONLY, 66, 1, 66, 0},
        {KO_ROW_KEY_WITH_MODIFIERS, 0, -1, 0, 7},   // no key selected is d
        {-1, 8, 3, 8, 7},                           // no row: both bytes
    };
    for (const auto& c : cases) {
        CommonRecord common = Marked();
        EncodeKeyOutput(c.row, static_cast<std::uint8_t>(c.modifiers), c.keyIndex, common);
        EXPECT_EQ(common, Marked({c.byte0, c.byte1})) << c.row << " " << c.modifiers;
    }
}

TEST(ChordTab, DecodesTimingRepeatsAndChordsAndRepairsTheRecord) {
    const std::string kOneKey = "[テスト用modifier名] + [Error at GetKeyContents]";
    const struct {
        const char* name;
        CommonRecord common;
        int outputs;
        std::optional<int> onTime;
        bool untilRelease;
        int repeats;
        bool series;
        CommonRecord after;
    } cases[] = {
        {"three chords, 5 repeats by series", {0x2C, 0x0A, 0x10, 0x83, 0, 5, 0, 4}, 3, 300, false, 5, true,
         {0x2C, 0x0A, 0x10, 0x83, 0, 5, 0, 4}},
        {"until release", {44, 50, 0x10, 0x01, 0, 0, 0, 4}, 1, 300, true, 10, false, {44, 50, 0x10, 0x01, 0, 0, 0, 4}},
        {"longest", {0xFF, 0xFF, 0xFF, 0x0A, 0xFF, 0xFF}, 10, 4095, false, 65535, false,
         {0xFF, 0xFF, 0xFF, 0x0A, 0xFF, 0xFF}},
        {"zero times", {0, 0, 0, 0x02, 0, 1}, 2, 10, false, 1, false, {10, 10, 0, 0x02, 0, 1}},
        {"count 0", {1, 1, 0, 0x00}, 2, 1, true, 10, false, {1, 1, 0, 0x02}},
        {"count 12, series bit kept", {1, 1, 0, 0x8C, 0, 3}, 2, 1, false, 3, true, {1, 1, 0, 0x82, 0, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ChordModel model;
        CommonRecord common = c.common;
        const ChordTiming timing = LoadChords(model, PLURAL_SIMULTANEOUS_KEY_OUTPUT, common, AdditionalRecord{});
        EXPECT_EQ(model.PSKO_NumberOfOutput, c.outputs);
        EXPECT_EQ(timing.onTime, c.onTime);
        EXPECT_EQ(std::tie(timing.untilRelease, timing.repeats, timing.series),
                  std::tie(c.untilRelease, c.repeats, c.series));
        EXPECT_EQ(common, c.after);
    }

    // Each chord up to its first empty key; 0xFF everywhere stays within the record.
    AdditionalRecord additional{};
    const std::uint8_t chords[] = {0x02, 0, 7, 8, 0, 9, 9, 0xFF, 1, 2, 3, 4, 5, 6};
    std::copy(std::begin(chords), std::end(chords), additional.begin());
    CommonRecord common{10, 10, 0, 0x04, 0, 0, 0, 4, 0, 9, 9, 9, 9};
    ChordModel model;
    LoadChords(model, PLURAL_SIMULTANEOUS_KEY_OUTPUT, common, additional);
    EXPECT_EQ(model.PSKO_KeyData[0], (ChordEntry{0, 4, 0, 0, 0, 0, 0}));
    EXPECT_EQ(model.PSKO_KeyData[1], (ChordEntry{0x02, 0, 7, 8, 0, 0, 0}));
    EXPECT_EQ(model.PSKO_KeyData[2], (ChordEntry{0xFF, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(ChordListLines(model), (std::vector<std::string>{kOneKey, "[テスト用modifier名] + [a]",
                                                               "[テスト用modifier名] + [b]", "[テスト用modifier名] + [a]"}));

    // Any other mode shows a three-chord example and keeps its record.
    common = Marked();
    const ChordTiming example = LoadChords(model, SIMPLE_CLICK, common, additional);
    EXPECT_EQ(ChordListLines(model),
              (std::vector<std::string>{kOneKey, kOneKey, kOneKey + " + [Error at GetKeyContents]"}));
    EXPECT_FALSE(example.onTime);
    EXPECT_TRUE(example.untilRelease);
    EXPECT_EQ(common, Marked());
}

}  // namespace
}  // namespace tarvik::advanced
