// The multi-chord tab: decoding a mode 9 record (with its repairs), the example for other modes,
// the output list lines, and records whose bytes are out of every range.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <string>
#include <vector>

#include "StandInHost.h"
#include "ui/advanced/Stepper.h"

namespace tarvik::test {
namespace {

using advanced::Stepper;

std::vector<std::string> Lines(QWidget& dialog) {
    std::vector<std::string> lines;
    auto* list = Find<QComboBox>(dialog, "PSKO_listboxOutput");
    for (int i = 0; list && i < list->count(); ++i) lines.push_back(list->itemText(i).toStdString());
    return lines;
}

std::string Text(QWidget& dialog, const char* name) {
    auto* box = Find<QLineEdit>(dialog, name);
    return box ? box->text().toStdString() : std::string();
}

const std::string kOneKey = "[テスト用modifier名] + [Error at GetKeyContents]";

TEST(AdvancedChords, DecodesTimingAndRepeats) {
    const struct {
        const char* name;
        Common common;
        int outputs;
        const char* onTime;
        bool setNumber;
        const char* repeats;
        bool series;
        Common after;
    } cases[] = {
        {"three chords, 5 repeats by series", {0x2C, 0x0A, 0x10, 0x83, 0, 5, 0, 4},
         3, "300", true, "5", true, {0x2C, 0x0A, 0x10, 0x83, 0, 5, 0, 4}},
        {"counted by output", {0x2C, 0x0A, 0x10, 0x03, 0x01, 0x00, 0, 4},
         3, "300", true, "256", false, {0x2C, 0x0A, 0x10, 0x03, 0x01, 0x00, 0, 4}},
        {"until release", {44, 50, 0x10, 0x81, 0, 0, 0, 4},
         1, "300", false, "10", false, {44, 50, 0x10, 0x81, 0, 0, 0, 4}},
        {"zero times are repaired", {0, 0, 0, 0x02, 0, 1},
         2, "10", true, "1", false, {10, 10, 0, 0x02, 0, 1}},
        {"high nibbles make the times non-zero", {0, 0, 0x11, 0x02, 0, 0},
         2, "256", false, "10", false, {0, 0, 0x11, 0x02, 0, 0}},
        {"longest on time", {0xFF, 0xFF, 0xFF, 0x0A, 0xFF, 0xFF},
         10, "4095", true, "65535", false, {0xFF, 0xFF, 0xFF, 0x0A, 0xFF, 0xFF}},
        {"count 0 becomes 2", {1, 1, 0, 0x00, 0, 0}, 2, "1", false, "10", false, {1, 1, 0, 0x02, 0, 0}},
        {"count 12 becomes 2, series bit kept", {1, 1, 0, 0x8C, 0, 3}, 2, "1", true, "3", true, {1, 1, 0, 0x82, 0, 3}},
        {"count 127 becomes 2", {1, 1, 0, 0xFF, 0, 0}, 2, "1", false, "10", false, {1, 1, 0, 0x82, 0, 0}},
        {"count 11 becomes 2", {1, 1, 0, 0x0B, 0, 0}, 2, "1", false, "10", false, {1, 1, 0, 0x02, 0, 0}},
    };
    for (const auto& c : cases) {
        State() = DeviceState{};
        StandInHost host;
        SetRecord(0, PLURAL_SIMULTANEOUS_KEY_OUTPUT, c.common);
        auto dialog = OpenDialog(host, 0);
        EXPECT_EQ(dialog->PSKO_NumberOfOutput(), c.outputs) << c.name;
        EXPECT_EQ(Lines(*dialog).size(), static_cast<std::size_t>(c.outputs)) << c.name;
        EXPECT_EQ(Text(*dialog, "PSKO_numericupdownOnTime_textbox"), c.onTime) << c.name;
        EXPECT_EQ(Find<Stepper>(*dialog, "PSKO_numericupdownOnTime_stepper")->value(), std::stoi(c.onTime)) << c.name;
        EXPECT_EQ(Checked(*dialog, "PSKO_radiobuttonSetNumber"), c.setNumber) << c.name;
        EXPECT_EQ(Checked(*dialog, "PSKO_radiobuttonUntilRelease"), !c.setNumber) << c.name;
        EXPECT_EQ(Text(*dialog, "PSKO_numericupdownNumberOfRepeats_textbox"), c.repeats) << c.name;
        EXPECT_EQ(Find<Stepper>(*dialog, "PSKO_numericupdownNumberOfRepeats_stepper")->value(), std::stoi(c.repeats)) << c.name;
        EXPECT_EQ(Checked(*dialog, "PSKO_radiobuttonSeries"), c.series) << c.name;
        EXPECT_EQ(Checked(*dialog, "PSKO_radiobuttonOutput"), !c.series) << c.name;
        EXPECT_EQ(Enabled(*dialog, "PSKO_numericupdownNumberOfRepeats_textbox"), c.setNumber) << c.name;
        EXPECT_EQ(State().CommonData[0], c.after) << c.name;
        EXPECT_EQ(State().OutputMode[0], PLURAL_SIMULTANEOUS_KEY_OUTPUT) << c.name;
        EXPECT_EQ(dialog->PSKO_SelectedOutput(), 0);
    }
}

TEST(AdvancedChords, DecodesEachChordUpToItsFirstEmptyKey) {
    StandInHost host;
    // Chord 1: modifier 0, key 4, then 0 ends it (the 9 after it is not taken).
    SetRecord(0, PLURAL_SIMULTANEOUS_KEY_OUTPUT, {10, 10, 0, 0x04, 0, 0, 0, 4, 0, 9, 9, 9, 9});
    auto& additional = State().AdditionalData[0];
    const std::uint8_t chord2[] = {0x02, 0, 7, 8, 0, 9, 9};  // key 1 may be 0; stops before the 0 at 4
    const std::uint8_t chord3[] = {0xFF, 1, 2, 3, 4, 5, 6};  // all seven taken
    const std::uint8_t chord4[] = {0x10, 2, 0, 0, 0, 0, 0};
    std::copy(std::begin(chord2), std::end(chord2), additional.begin());
    std::copy(std::begin(chord3), std::end(chord3), additional.begin() + 7);
    std::copy(std::begin(chord4), std::end(chord4), additional.begin() + 14);
    auto dialog = OpenDialog(host, 0);

    using Entry = advanced::ChordEntry;
    const auto& keys = dialog->PSKO_KeyData();
    EXPECT_EQ(keys[0], (Entry{0, 4, 0, 0, 0, 0, 0}));
    EXPECT_EQ(keys[1], (Entry{0x02, 0, 7, 8, 0, 0, 0}));
    EXPECT_EQ(keys[2], (Entry{0xFF, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(keys[3], (Entry{0x10, 2, 0, 0, 0, 0, 0}));
    EXPECT_EQ(keys[4], (Entry{}));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(dialog->PSKO_NumberOfKeys()[static_cast<std::size_t>(i)], -1) << i;
        EXPECT_EQ(dialog->PSKO_NumberOfKeysOriginal()[static_cast<std::size_t>(i)], -1) << i;
    }
    EXPECT_EQ(dialog->PSKO_NumberOfKeys()[4], 1);
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
    SetRecord(4, PLURAL_SIMULTANEOUS_KEY_OUTPUT, common);
    State().AdditionalData[4].fill(0xFF);
    auto dialog = OpenDialog(host, 4);
    EXPECT_EQ(dialog->PSKO_NumberOfOutput(), 10);
    ASSERT_EQ(Lines(*dialog).size(), 10u);
    for (const auto& entry : dialog->PSKO_KeyData()) EXPECT_EQ(entry, (advanced::ChordEntry{255, 255, 255, 255, 255, 255, 255}));
    EXPECT_EQ(Lines(*dialog)[9], kOneKey);
}

TEST(AdvancedChords, OtherModesShowTheThreeChordExample) {
    for (int mode : {SIMPLE_KEY_OUTPUT, SIMPLE_CLICK, POINTER_MOVE, OUTPUT_AT_CHANGE, 250}) {
        State() = DeviceState{};
        StandInHost host;
        SetRecord(0, mode, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
        const Common before = State().CommonData[0];
        auto dialog = OpenDialog(host, 0);
        const std::vector<std::string> expected{
            kOneKey,
            kOneKey,
            "[テスト用modifier名] + [Error at GetKeyContents] + [Error at GetKeyContents]",
        };
        EXPECT_EQ(Lines(*dialog), expected) << "mode " << mode;
        EXPECT_EQ(dialog->PSKO_NumberOfOutput(), 3);
        EXPECT_EQ(dialog->PSKO_KeyData()[0][0], 2);
        EXPECT_EQ(dialog->PSKO_KeyData()[2][2], 32);
        EXPECT_EQ(dialog->PSKO_NewOutputCharacter(), 4);
        EXPECT_EQ(dialog->PSKO_NewKeyNumber()[9], 31);
        EXPECT_EQ(dialog->PSKO_SelectedKey()[0], 1);
        EXPECT_TRUE(Checked(*dialog, "PSKO_radiobuttonUntilRelease"));
        EXPECT_TRUE(Checked(*dialog, "PSKO_radiobuttonOutput"));
        EXPECT_EQ(Text(*dialog, "PSKO_numericupdownNumberOfRepeats_textbox"), "10");
        EXPECT_EQ(State().CommonData[0], before) << "mode " << mode;
    }
}

TEST(AdvancedChords, KeyListAlwaysHoldsTestZeroToTwoThirtyOne) {
    for (int mode : {SIMPLE_KEY_OUTPUT, PLURAL_SIMULTANEOUS_KEY_OUTPUT}) {
        State() = DeviceState{};
        StandInHost host;
        SetRecord(0, mode, {10, 10, 0, 1});
        auto dialog = OpenDialog(host, 0);
        auto* keys = Find<QComboBox>(*dialog, "PSKO_listboxKeys");
        ASSERT_EQ(keys->count(), 232);
        EXPECT_EQ(keys->itemText(0).toStdString(), "test0");
        EXPECT_EQ(keys->itemText(100).toStdString(), "test100");
        EXPECT_EQ(keys->itemText(231).toStdString(), "test231");
    }
}

TEST(AdvancedChords, RepeatControlsFollowTheirRadiosAndEachOther) {
    StandInHost host;
    SetRecord(0, PLURAL_SIMULTANEOUS_KEY_OUTPUT, {10, 10, 0, 0x02, 0, 0});
    auto dialog = OpenDialog(host, 0);
    const char* repeatControls[] = {"PSKO_numericupdownNumberOfRepeats_textbox", "PSKO_numericupdownNumberOfRepeats_stepper",
                                    "PSKO_radiobuttonOutput", "PSKO_radiobuttonSeries"};
    for (const char* name : repeatControls) EXPECT_FALSE(Enabled(*dialog, name)) << name;

    Click(*dialog, "PSKO_radiobuttonSetNumber");
    EXPECT_FALSE(Checked(*dialog, "PSKO_radiobuttonUntilRelease"));
    for (const char* name : repeatControls) EXPECT_TRUE(Enabled(*dialog, name)) << name;

    Click(*dialog, "PSKO_radiobuttonSeries");
    EXPECT_FALSE(Checked(*dialog, "PSKO_radiobuttonOutput"));
    Click(*dialog, "PSKO_radiobuttonSeries");
    EXPECT_TRUE(Checked(*dialog, "PSKO_radiobuttonSeries"));
    Click(*dialog, "PSKO_radiobuttonOutput");
    EXPECT_FALSE(Checked(*dialog, "PSKO_radiobuttonSeries"));

    Find<Stepper>(*dialog, "PSKO_numericupdownNumberOfRepeats_stepper")->stepBy(5);
    EXPECT_EQ(Text(*dialog, "PSKO_numericupdownNumberOfRepeats_textbox"), "15");
    auto* box = Find<QLineEdit>(*dialog, "PSKO_numericupdownNumberOfRepeats_textbox");
    box->setText("777");
    emit box->editingFinished();
    EXPECT_EQ(Find<Stepper>(*dialog, "PSKO_numericupdownNumberOfRepeats_stepper")->value(), 777);

    Click(*dialog, "PSKO_radiobuttonUntilRelease");
    EXPECT_FALSE(Checked(*dialog, "PSKO_radiobuttonSetNumber"));
    for (const char* name : repeatControls) EXPECT_FALSE(Enabled(*dialog, name)) << name;
    EXPECT_EQ(State().CommonData[0][4], 0) << "the tab writes nothing";
    EXPECT_EQ(State().CommonData[0][5], 0);
}

}  // namespace
}  // namespace tarvik::test
