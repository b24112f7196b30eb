// Opening the advanced dialog: what the click tab shows for each record, the repairs loading makes
// (and nothing else, even when closed without OK), and a unit that does not answer.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>

#include "StandInHost.h"
#include "support/ScriptedPresenter.h"

namespace tarvik::test {
namespace {

TEST(AdvancedLoad, ClickTabFollowsTheRecordAndOnlyByteZeroIsRepaired) {
    const char* const radios[] = {
        "C_radiobuttonLeftClick",       "C_radiobuttonRightClick",       "C_radiobuttonCenterClick",
        "C_radiobuttonLeftDoubleClick", "C_radiobuttonRightDoubleClick", "C_radiobuttonCenterDoubleClick",
    };
    const char* const boxes[] = {"C_checkboxLeftClick", "C_checkboxRightClick", "C_checkboxCenterClick"};
    const struct {
        int mode, c0;
        const char* radio;  // the one radio on
        bool plural;
        bool boxes[3];  // left, right, center
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
        // Other modes keep their records whole.
        {0, 0x28, "C_radiobuttonLeftClick", false, {}, 0x28},
        {6, 255, "C_radiobuttonLeftClick", false, {}, 255},
        {200, 3, "C_radiobuttonLeftClick", false, {}, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " c0 " << c.c0);
        State() = DeviceState{};
        StandInHost host;
        State().AdditionalData[1].fill(0x5A);
        const auto additional = State().AdditionalData;
        auto dialog = OpenDialog(host, 1, c.mode, {static_cast<std::uint8_t>(c.c0), 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22});

        for (const char* radio : radios) EXPECT_EQ(Checked(*dialog, radio), std::string(radio) == c.radio) << radio;
        EXPECT_EQ(Checked(*dialog, "C_checkboxPluralButtonSimultaneousClick"), c.plural);
        for (int b = 0; b < 3; ++b) EXPECT_EQ(Checked(*dialog, boxes[b]), c.boxes[b]) << boxes[b];
        // Boxes for simultaneous clicks, radios otherwise.
        EXPECT_EQ(Enabled(*dialog, "C_checkboxLeftClick"), c.plural);
        EXPECT_EQ(Enabled(*dialog, "C_radiobuttonRightDoubleClick"), !c.plural);

        Find<QDialogButtonBox>(*dialog, "buttonBoxClose")->button(QDialogButtonBox::Close)->click();
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        const Common expected{static_cast<std::uint8_t>(c.c0After), 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22};
        EXPECT_EQ(State().CommonData[1], expected);
        EXPECT_EQ(State().OutputMode[1], c.mode);
        EXPECT_EQ(State().AdditionalData, additional);
        EXPECT_FALSE(State().Flag_send) << "the handshake is left idle";
        EXPECT_EQ(host.okCalls, 0);
        EXPECT_EQ(host.unit.CommandCount(SET_OUTPUT_MODE_AND_DATA), 0);
    }
}

TEST(AdvancedLoad, SilentOrMissingUnitStillOpensWithoutAnyBox) {
    for (const bool plugged : {false, true}) {
        State() = DeviceState{};
        ScriptedPresenter presenter;
        StandInHost host;
        if (plugged) host.unit.SetSilent(true);
        else host.unit.Unplug();
        auto dialog = OpenDialog(host, 0, PLURAL_SIMULTANEOUS_KEY_OUTPUT, {0x2C, 0x0A, 0x10, 0x01, 0, 0, 0, 4});
        EXPECT_EQ(Find<QComboBox>(*dialog, "PSKO_listboxOutput")->count(), 1) << plugged;
        EXPECT_TRUE(presenter.All().empty()) << plugged;
        EXPECT_FALSE(State().Flag_send) << plugged;
    }
}

}  // namespace
}  // namespace tarvik::test
