// The three OK actions: what each writes into the record (and what it leaves), that it hands over
// to the main window once and that the dialog then closes.
#include <gtest/gtest.h>

#include <QComboBox>
#include <vector>

#include "StandInHost.h"
#include "ui/advanced/Stepper.h"

namespace tarvik::test {
namespace {

const Common kOld{0x5A, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC};
const char* const kPlural = "C_checkboxPluralButtonSimultaneousClick";

void ExpectHandedOverAndClosed(const StandInHost& host, const QDialog& dialog, const char* name) {
    EXPECT_EQ(host.okCalls, 1) << name;
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << name;
}

TEST(AdvancedEncode, ClickWritesTheModeAndTheButtonOnly) {
    const struct {
        const char* name;
        int modeBefore;
        std::vector<const char*> clicks;  // nullptr: switch the loaded radio off
        int mode, c0;
    } cases[] = {
        {"left", 0, {"C_radiobuttonLeftClick"}, 1, 1},
        {"right", 0, {"C_radiobuttonRightClick"}, 1, 2},
        {"center", 0, {"C_radiobuttonCenterClick"}, 1, 4},
        {"plural left+center", 0, {kPlural, "C_checkboxLeftClick", "C_checkboxCenterClick"}, 1, 5},
        {"plural none", 0, {kPlural}, 1, 0},
        {"plural wins over the radio", 0, {"C_radiobuttonCenterDoubleClick", kPlural, "C_checkboxRightClick"}, 1, 2},
        // A double click writes only the button: the timings in bytes 1-3 stay as they were.
        {"double right, was double", 2, {"C_radiobuttonRightDoubleClick"}, 2, 2},
        {"double center, was key", 0, {"C_radiobuttonCenterDoubleClick"}, 2, 4},
        {"double left, was click", 1, {"C_radiobuttonLeftDoubleClick"}, 2, 1},
        {"no radio on writes nothing", 0, {nullptr}, 0, 0x5A},
    };
    for (const auto& c : cases) {
        State() = DeviceState{};
        StandInHost host;
        auto dialog = OpenDialog(host, 3, c.modeBefore, kOld);
        for (const char* name : c.clicks) {
            if (name) Click(*dialog, name);
            else Find<QAbstractButton>(*dialog, "C_radiobuttonLeftClick")->setChecked(false);
        }
        Click(*dialog, "C_buttonOK");
        Common expected = kOld;
        expected[0] = static_cast<std::uint8_t>(c.c0);
        EXPECT_EQ(State().OutputMode[3], c.mode) << c.name;
        EXPECT_EQ(State().CommonData[3], expected) << c.name;
        ExpectHandedOverAndClosed(host, *dialog, c.name);
    }
}

TEST(AdvancedEncode, KeyOutputWritesBytesZeroAndOneAndKeepsTheMode) {
    const int kUntouched = -2;
    const struct {
        const char* name;
        int mode;
        const char* row;                 // KO_radio…
        std::vector<const char*> boxes;  // KO_checkbox…
        int keyIndex, modifier, key;
    } cases[] = {
        {"left ctrl + right shift, b", 0, "KeyWithModifiers", {"LeftCtrl", "RightShift"}, 1, 33, 5},
        {"left alt + right ctrl, c", 1, "KeyWithModifiers", {"LeftAlt", "RightCtrl"}, 2, 20, 6},
        {"left GUI + right GUI, list untouched is a", 2, "KeyWithModifiers", {"LeftWindowsKey", "RightWindowsKey"},
         kUntouched, 136, 4},
        {"key only ignores the boxes", 6, "KeyOnly", {"LeftAlt"}, 3, 0, 7},
        {"modifiers only ignores the list", 9, "ModifiersOnly", {"LeftShift", "RightAlt"}, 1, 66, 0},
        // Every bit also shares a case with a different partner, so no two boxes can swap unseen.
        {"ticked twice is off again", 5, "KeyWithModifiers",
         {"LeftAlt", "LeftAlt", "RightShift", "RightCtrl", "RightAlt", "RightWindowsKey"}, 0, 240, 4},
        {"no key selected is d", 77, "KeyWithModifiers", {}, -1, 0, 7},
    };
    for (const auto& c : cases) {
        State() = DeviceState{};
        StandInHost host;
        auto dialog = OpenDialog(host, 1, c.mode, kOld);
        Common expected = State().CommonData[1];  // as loading left it
        Click(*dialog, ("KO_radio" + std::string(c.row)).c_str());
        for (const char* box : c.boxes) Click(*dialog, ("KO_checkbox" + std::string(box)).c_str());
        if (c.keyIndex != kUntouched) Find<QComboBox>(*dialog, "KO_listboxKeys")->setCurrentIndex(c.keyIndex);
        Click(*dialog, "KO_buttonOK");
        expected[0] = static_cast<std::uint8_t>(c.modifier);
        expected[1] = static_cast<std::uint8_t>(c.key);
        EXPECT_EQ(State().CommonData[1], expected) << c.name;
        EXPECT_EQ(State().OutputMode[1], c.mode) << c.name;
        ExpectHandedOverAndClosed(host, *dialog, c.name);
    }
}

TEST(AdvancedEncode, PointerMoveWritesTheWholeRecord) {
    const struct {
        const char* name;
        const char* direction;     // nullptr: none
        int speedSteps;            // stepper clicks up from 0
        const char* acceleration;  // typed into the acceleration box, nullptr: untouched
        bool accelerated;
        const char* repeats;  // typed with the set number radio, nullptr: until release
        Common common;        // bytes 11-12 hold the acceleration index the dialog goes on with
    } cases[] = {
        {"lower left, speed 10, constant, until release", "PM_radiobuttonLowerLeft", 10, nullptr, false, nullptr,
         {255, 1, 0, 10, 3, 232, 0, 0, 0, 0, 10, 0, 1}},
        {"up, accelerated by 3, 5 repeats", "PM_radiobuttonUp", 1, "3", true, "5",
         {0, 255, 0, 1, 0x01, 0x4D, 1, 0, 5, 0, 1, 0, 3}},
        {"right, acceleration 1500 keeps bytes 4-6", "PM_radiobuttonRight", 0, "1500", true, nullptr,
         {1, 0, 0, 0, 0x44, 0x55, 0x66, 0, 0, 0, 0, 0x05, 0xDC}},
        {"accelerated at 16, divisor rounded up", "PM_radiobuttonDown", 0, "16", true, nullptr,
         {0, 1, 0, 0, 0, 63, 1, 0, 0, 0, 0, 0, 16}},
        {"accelerated at 1000, divisor 1", "PM_radiobuttonUp", 0, "1000", true, nullptr,
         {0, 255, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0x03, 0xE8}},
        {"accelerated at 0 takes 1", "PM_radiobuttonDown", 0, nullptr, true, nullptr,
         {0, 1, 0, 0, 0x03, 0xE8, 1, 0, 0, 0, 0, 0, 1}},
        {"no direction keeps bytes 0-1", nullptr, 2, nullptr, false, nullptr,
         {0x5A, 0x11, 0, 2, 3, 232, 0, 0, 0, 0, 2, 0, 1}},
        {"70000 repeats", "PM_radiobuttonUpperRight", 0, nullptr, false, "70000",
         {1, 255, 0, 0, 3, 232, 0, 0xFF, 0xFE, 0, 0, 0, 1}},
        {"65535 repeats", "PM_radiobuttonUpperLeft", 0, nullptr, false, "65535",
         {255, 255, 0, 0, 3, 232, 0, 0xFF, 0xFE, 0, 0, 0, 1}},
        {"65534 repeats", "PM_radiobuttonLowerRight", 0, nullptr, false, "65534",
         {1, 1, 0, 0, 3, 232, 0, 0xFF, 0xFE, 0, 0, 0, 1}},
        {"0 repeats", "PM_radiobuttonLeft", 0, nullptr, false, "0", {255, 0, 0, 0, 3, 232, 0, 0, 0, 0, 0, 0, 1}},
        {"negative repeats", "PM_radiobuttonLeft", 0, nullptr, false, "-40", {255, 0, 0, 0, 3, 232, 0, 0, 0, 0, 0, 0, 1}},
    };
    for (const auto& c : cases) {
        State() = DeviceState{};
        StandInHost host;
        auto dialog = OpenDialog(host, 4, SIMPLE_KEY_OUTPUT, kOld);
        if (c.direction) {
            Click(*dialog, "PM_radiobuttonRight");  // read first when encoding: must go off again
            Click(*dialog, c.direction);
        }
        Find<advanced::Stepper>(*dialog, "PM_numericupdownSpeedIndex_stepper")->stepBy(c.speedSteps);
        if (c.accelerated) Click(*dialog, "PM_checkboxAccelerated");
        if (c.acceleration) Type(*dialog, "PM_numericupdownAccelerationIndex_textbox", c.acceleration);
        if (c.repeats) {
            Click(*dialog, "PM_radiobutttonSetNumber");
            Find<QLineEdit>(*dialog, "PM_numericupdownNumberOfRepeats_textbox")->setText(c.repeats);
        }
        Click(*dialog, "PM_buttonOK");
        EXPECT_EQ(State().OutputMode[4], POINTER_MOVE) << c.name;
        EXPECT_EQ(State().CommonData[4], c.common) << c.name;
        EXPECT_EQ(dialog->PM_AccelerationIndex(), c.common[11] * 256 + c.common[12]) << c.name;
        ExpectHandedOverAndClosed(host, *dialog, c.name);
    }
}

TEST(AdvancedEncode, OkDuringTheHandOverIsIgnoredAndADeletedDialogIsNotTouched) {
    StandInHost host;
    auto dialog = OpenDialog(host, 0);
    host.whileOk = [&] {
        Click(*dialog, "KO_buttonOK");
        Click(*dialog, "PM_buttonOK");
        dialog.reset();  // the click returns into a deleted button's signal: nothing may follow
    };
    Click(*dialog, "C_buttonOK");
    EXPECT_EQ(host.okCalls, 1);
    EXPECT_EQ(State().OutputMode[0], SIMPLE_CLICK) << "the pointer move OK wrote nothing";
    EXPECT_EQ(dialog, nullptr);
}

}  // namespace
}  // namespace tarvik::test
