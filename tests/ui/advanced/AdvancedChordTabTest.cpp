// The multi-chord tab: decoding a mode 9 record (with its repairs), the example for other modes,
// the output list lines, and records whose bytes are out of every range.
#include <gtest/gtest.h>

#include <QComboBox>
#include <optional>
#include <string>
#include <vector>

#include "StandInHost.h"
#include "ui/advanced/Stepper.h"

namespace tarvik::test {
namespace {

std::vector<std::string> Lines(QWidget& dialog, const char* name = "PSKO_listboxOutput") {
    std::vector<std::string> lines;
    auto* list = Find<QComboBox>(dialog, name);
    for (int i = 0; list && i < list->count(); ++i) lines.push_back(list->itemText(i).toStdString());
    return lines;
}

int StepperValue(QWidget& dialog, const char* name) { return Find<advanced::Stepper>(dialog, name)->value(); }

const std::string kOneKey = "[テスト用modifier名] + [Error at GetKeyContents]";

TEST(AdvancedChords, DecodesTimingAndRepeatsAndRepairsTheRecord) {
    const struct {
        const char* name;
        Common common;
        int outputs;
        const char* onTime;
        const char* repeats;  // nullptr: until release (the box shows 10)
        bool series;
        std::optional<Common> repaired;
    } cases[] = {
        {"three chords, 5 repeats by series", {0x2C, 0x0A, 0x10, 0x83, 0, 5, 0, 4}, 3, "300", "5", true, {}},
        {"counted by output", {0x2C, 0x0A, 0x10, 0x03, 0x01, 0x00, 0, 4}, 3, "300", "256", false, {}},
        {"until release", {44, 50, 0x10, 0x81, 0, 0, 0, 4}, 1, "300", nullptr, false, {}},
        {"high nibbles make the times non-zero", {0, 0, 0x11, 0x02, 0, 0}, 2, "256", nullptr, false, {}},
        {"longest on time", {0xFF, 0xFF, 0xFF, 0x0A, 0xFF, 0xFF}, 10, "4095", "65535", false, {}},
        {"zero times", {0, 0, 0, 0x02, 0, 1}, 2, "10", "1", false, Common{10, 10, 0, 0x02, 0, 1}},
        {"count 0", {1, 1, 0, 0x00, 0, 0}, 2, "1", nullptr, false, Common{1, 1, 0, 0x02, 0, 0}},
        {"count 11", {1, 1, 0, 0x0B, 0, 0}, 2, "1", nullptr, false, Common{1, 1, 0, 0x02, 0, 0}},
        {"count 12, series bit kept", {1, 1, 0, 0x8C, 0, 3}, 2, "1", "3", true, Common{1, 1, 0, 0x82, 0, 3}},
        {"count 127", {1, 1, 0, 0xFF, 0, 0}, 2, "1", nullptr, false, Common{1, 1, 0, 0x82, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        State() = DeviceState{};
        StandInHost host;
        auto dialog = OpenDialog(host, 0, PLURAL_SIMULTANEOUS_KEY_OUTPUT, c.common);
        const std::string repeats = c.repeats ? c.repeats : "10";
        EXPECT_EQ(Lines(*dialog).size(), static_cast<std::size_t>(c.outputs));
        EXPECT_EQ(Text(*dialog, "PSKO_numericupdownOnTime_textbox"), c.onTime);
        EXPECT_EQ(StepperValue(*dialog, "PSKO_numericupdownOnTime_stepper"), std::stoi(c.onTime));
        EXPECT_EQ(Checked(*dialog, "PSKO_radiobuttonSetNumber"), c.repeats != nullptr);
        EXPECT_EQ(Checked(*dialog, "PSKO_radiobuttonUntilRelease"), c.repeats == nullptr);
        EXPECT_EQ(Text(*dialog, "PSKO_numericupdownNumberOfRepeats_textbox"), repeats);
        EXPECT_EQ(StepperValue(*dialog, "PSKO_numericupdownNumberOfRepeats_stepper"), std::stoi(repeats));
        EXPECT_EQ(Checked(*dialog, "PSKO_radiobuttonSeries"), c.series);
        EXPECT_EQ(Checked(*dialog, "PSKO_radiobuttonOutput"), !c.series);
        EXPECT_EQ(State().CommonData[0], c.repaired.value_or(c.common));
        EXPECT_EQ(State().OutputMode[0], PLURAL_SIMULTANEOUS_KEY_OUTPUT);
    }
}

TEST(AdvancedChords, DecodesEachChordUpToItsFirstEmptyKey) {
    StandInHost host;
    auto& additional = State().AdditionalData[0];
    const std::uint8_t chords[] = {
        0x02, 0, 7, 8, 0, 9, 9,  // key 1 may be 0; stops before the 0 at key 4
        0xFF, 1, 2, 3, 4, 5, 6,  // all seven taken
        0x10, 2, 0, 0, 0, 0, 0,
    };
    std::copy(std::begin(chords), std::end(chords), additional.begin());
    // Chord 1: modifier 0, key 4, then 0 ends it (the 9 after it is not taken).
    auto dialog = OpenDialog(host, 0, PLURAL_SIMULTANEOUS_KEY_OUTPUT, {10, 10, 0, 0x04, 0, 0, 0, 4, 0, 9, 9, 9, 9});

    using Entry = advanced::ChordEntry;
    const auto& keys = dialog->PSKO_KeyData();
    EXPECT_EQ(keys[0], (Entry{0, 4, 0, 0, 0, 0, 0}));
    EXPECT_EQ(keys[1], (Entry{0x02, 0, 7, 8, 0, 0, 0}));
    EXPECT_EQ(keys[2], (Entry{0xFF, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(keys[3], (Entry{0x10, 2, 0, 0, 0, 0, 0}));
    EXPECT_EQ(keys[4], (Entry{}));
    // Decoded chords list their first key only; the tab's own lookup names 0, 1 and 2.
    const std::vector<std::string> expected{
        kOneKey,
        "[テスト用modifier名] + [a]",
        "[テスト用modifier名] + [b]",
        "[テスト用modifier名] + [c]",
    };
    EXPECT_EQ(Lines(*dialog), expected);
}

TEST(AdvancedChords, TenChordsOfHostileBytesStayWithinTheRecord) {
    // Every byte 0xFF except a valid count: the decoder reads all 63 additional bytes and no more
    // (an out-of-bounds read would stop the sanitizer build here).
    StandInHost host;
    Common common;
    common.fill(0xFF);
    common[3] = 0x8A;
    State().AdditionalData[4].fill(0xFF);
    auto dialog = OpenDialog(host, 4, PLURAL_SIMULTANEOUS_KEY_OUTPUT, common);
    ASSERT_EQ(Lines(*dialog).size(), 10u);
    for (const auto& entry : dialog->PSKO_KeyData()) EXPECT_EQ(entry, (advanced::ChordEntry{255, 255, 255, 255, 255, 255, 255}));
    EXPECT_EQ(Lines(*dialog)[9], kOneKey);
}

TEST(AdvancedChords, OtherModesShowTheThreeChordExampleAndKeepTheirRecord) {
    for (int mode : {SIMPLE_KEY_OUTPUT, SIMPLE_CLICK, POINTER_MOVE, 250}) {
        SCOPED_TRACE(mode);
        State() = DeviceState{};
        StandInHost host;
        const Common record{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
        auto dialog = OpenDialog(host, 0, mode, record);
        const std::vector<std::string> expected{
            kOneKey,
            kOneKey,
            "[テスト用modifier名] + [Error at GetKeyContents] + [Error at GetKeyContents]",
        };
        EXPECT_EQ(Lines(*dialog), expected);
        EXPECT_TRUE(Checked(*dialog, "PSKO_radiobuttonUntilRelease"));
        EXPECT_TRUE(Checked(*dialog, "PSKO_radiobuttonOutput"));
        EXPECT_EQ(Text(*dialog, "PSKO_numericupdownNumberOfRepeats_textbox"), "10");
        EXPECT_EQ(State().CommonData[0], record);

        const auto keys = Lines(*dialog, "PSKO_listboxKeys");
        ASSERT_EQ(keys.size(), 232u);
        EXPECT_EQ(keys[0], "test0");
        EXPECT_EQ(keys[231], "test231");
    }
}

}  // namespace
}  // namespace tarvik::test
