// Opening the advanced dialog: what the click tab shows for each record, the repairs loading makes,
// the additional-data request, and that closing without OK writes nothing more.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>

#include "support/ScriptedPresenter.h"
#include "StandInHost.h"

namespace tarvik::test {
namespace {

const char* const kClickRadios[] = {
    "C_radiobuttonLeftClick",       "C_radiobuttonRightClick",       "C_radiobuttonCenterClick",
    "C_radiobuttonLeftDoubleClick", "C_radiobuttonRightDoubleClick", "C_radiobuttonCenterDoubleClick",
};
const char* const kClickBoxes[] = {"C_checkboxLeftClick", "C_checkboxRightClick", "C_checkboxCenterClick"};

TEST(AdvancedLoad, ClickTabFollowsTheRecord) {
    const struct {
        int mode;
        int c0;
        const char* radio;      // the one radio on
        bool plural;
        bool boxes[3];          // left, right, center
        int c0After;
    } cases[] = {
        {1, 1, "C_radiobuttonLeftClick", false, {}, 1},
        {1, 2, "C_radiobuttonRightClick", false, {}, 2},
        {1, 4, "C_radiobuttonCenterClick", false, {}, 4},
        {1, 3, "C_radiobuttonLeftClick", true, {true, true, false}, 3},
        {1, 5, "C_radiobuttonLeftClick", true, {true, false, true}, 5},
        {1, 6, "C_radiobuttonLeftClick", true, {false, true, true}, 6},
        {1, 7, "C_radiobuttonLeftClick", true, {true, true, true}, 7},
        {1, 0, "C_radiobuttonLeftClick", false, {}, 1},
        {1, 8, "C_radiobuttonLeftClick", false, {}, 1},
        {1, 255, "C_radiobuttonLeftClick", false, {}, 1},
        {2, 1, "C_radiobuttonLeftDoubleClick", false, {}, 1},
        {2, 2, "C_radiobuttonRightDoubleClick", false, {}, 2},
        {2, 4, "C_radiobuttonCenterDoubleClick", false, {}, 4},
        {2, 3, "C_radiobuttonLeftDoubleClick", false, {}, 1},
        {2, 0, "C_radiobuttonLeftDoubleClick", false, {}, 1},
        {0, 0x28, "C_radiobuttonLeftClick", false, {}, 0x28},
        {6, 255, "C_radiobuttonLeftClick", false, {}, 255},
        {200, 3, "C_radiobuttonLeftClick", false, {}, 3},
    };
    for (const auto& c : cases) {
        State() = DeviceState{};
        StandInHost host;
        SetRecord(1, c.mode, {static_cast<std::uint8_t>(c.c0), 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22});
        auto dialog = OpenDialog(host, 1);
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " c0 " << c.c0);

        for (const char* radio : kClickRadios) EXPECT_EQ(Checked(*dialog, radio), std::string(radio) == c.radio) << radio;
        EXPECT_EQ(Checked(*dialog, "C_checkboxPluralButtonSimultaneousClick"), c.plural);
        for (int b = 0; b < 3; ++b) EXPECT_EQ(Checked(*dialog, kClickBoxes[b]), c.boxes[b]) << kClickBoxes[b];
        // The enabling rule has run: boxes for simultaneous clicks, radios otherwise.
        EXPECT_EQ(Enabled(*dialog, "C_checkboxLeftClick"), c.plural);
        EXPECT_EQ(Enabled(*dialog, "C_radiobuttonRightDoubleClick"), !c.plural);

        EXPECT_EQ(State().CommonData[1][0], c.c0After);
        EXPECT_EQ(State().OutputMode[1], c.mode);
        EXPECT_EQ(State().CommonData[1][1], 11) << "only byte 0 may be repaired";
        EXPECT_EQ(State().CommonData[1][12], 22);
    }
}

TEST(AdvancedLoad, RepairsStayWhenClosedWithoutOk) {
    StandInHost host;
    SetRecord(0, SIMPLE_CLICK, {0});
    auto dialog = OpenDialog(host, 0);
    dialog->reject();
    dialog.reset();
    EXPECT_EQ(State().CommonData[0][0], 1);
    EXPECT_EQ(host.okCalls, 0);
}

TEST(AdvancedLoad, ValidRecordsAreUnchangedByOpeningAndClosing) {
    const struct {
        int mode;
        Common common;
    } cases[] = {
        {0, {0x02, 0x04}},
        {1, {5}},
        {2, {4, 15, 0, 15}},
        {5, {1, 0x1E, 0, 0, 0, 0, 1, 0, 10, 0, 25, 0, 3}},
        {6, {255, 1, 0, 10, 3, 232, 0, 0, 0, 0, 10, 0, 1}},
        {7, {1, 0, 0, 0, 0, 1, 0, 5, 0, 3, 0, 2, 0}},
        {9, {0x2C, 0x0A, 0x10, 0x83, 0, 5, 0, 4, 5, 0, 0, 0, 0}},
        {10, {3, 0, 4, 2, 5}},
    };
    for (const auto& c : cases) {
        State() = DeviceState{};
        StandInHost host;
        SetRecord(2, c.mode, c.common);
        State().AdditionalData[2].fill(0x5A);
        const DeviceState before = State();
        auto dialog = OpenDialog(host, 2);
        Find<QDialogButtonBox>(*dialog, "buttonBoxClose")->button(QDialogButtonBox::Close)->click();
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        EXPECT_EQ(State().OutputMode, before.OutputMode) << "mode " << c.mode;
        EXPECT_EQ(State().CommonData, before.CommonData) << "mode " << c.mode;
        EXPECT_EQ(State().AdditionalData, before.AdditionalData) << "mode " << c.mode;
        EXPECT_EQ(host.unit.CommandCount(SET_OUTPUT_MODE_AND_DATA), 0);
    }
}

TEST(AdvancedLoad, AsksTheUnitForTheAdditionalDataOnce) {
    StandInHost host;
    State().DataNo = 0;
    host.unit.ClearTranscript();
    auto dialog = OpenDialog(host, 2);
    EXPECT_EQ(host.unit.CommandCount(GET_ADDITIONAL_DATA), 1);
    QByteArray request;
    for (const auto& line : host.unit.Transcript())
        if (line.sent) request = line.bytes;
    const QByteArray expected = QByteArray::fromHex("98 02 00 ff ff ff ff ff ff ff ff ff ff ff ff ff");
    EXPECT_EQ(request.toHex(' '), expected.toHex(' '));
    EXPECT_FALSE(State().Flag_send) << "the handshake is left idle";
}

TEST(AdvancedLoad, SilentOrMissingUnitStillOpensWithoutAnyBox) {
    const struct {
        const char* name;
        bool plugged;
        bool silent;
    } cases[] = {{"no unit", false, false}, {"silent unit", true, true}};
    for (const auto& c : cases) {
        State() = DeviceState{};
        ScriptedPresenter presenter;
        StandInHost host;
        if (!c.plugged) {
            host.unit.Unplug();
        }
        host.unit.SetSilentCommands({GET_ADDITIONAL_DATA});
        if (c.silent) host.unit.SetSilent(true);
        SetRecord(0, PLURAL_SIMULTANEOUS_KEY_OUTPUT, {0x2C, 0x0A, 0x10, 0x01, 0, 0, 0, 4});
        auto dialog = OpenDialog(host, 0);
        EXPECT_EQ(Find<QComboBox>(*dialog, "PSKO_listboxOutput")->count(), 1) << c.name;
        EXPECT_TRUE(presenter.All().empty()) << c.name;
        EXPECT_FALSE(State().Flag_send) << c.name;
    }
}

TEST(AdvancedLoad, PluralBoxSwitchesWhichControlsAreEnabled) {
    StandInHost host;
    SetRecord(0, SIMPLE_CLICK, {2});
    auto dialog = OpenDialog(host, 0);
    Click(*dialog, "C_checkboxPluralButtonSimultaneousClick");
    for (const char* box : kClickBoxes) EXPECT_TRUE(Enabled(*dialog, box)) << box;
    for (const char* radio : kClickRadios) EXPECT_FALSE(Enabled(*dialog, radio)) << radio;
    EXPECT_TRUE(Checked(*dialog, "C_radiobuttonRightClick")) << "states are left alone";
    Click(*dialog, "C_checkboxPluralButtonSimultaneousClick");
    for (const char* box : kClickBoxes) EXPECT_FALSE(Enabled(*dialog, box)) << box;
    for (const char* radio : kClickRadios) EXPECT_TRUE(Enabled(*dialog, radio)) << radio;
}

TEST(AdvancedLoad, ClickRadiosFormOneGroup) {
    StandInHost host;
    auto dialog = OpenDialog(host, 0);
    for (const char* clicked : kClickRadios) {
        Click(*dialog, clicked);
        Click(*dialog, clicked);  // a second click leaves it on
        for (const char* radio : kClickRadios) EXPECT_EQ(Checked(*dialog, radio), radio == clicked) << clicked << " / " << radio;
    }
}

}  // namespace
}  // namespace tarvik::test
