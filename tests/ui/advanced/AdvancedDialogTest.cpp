// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced dialog on its own: each tab's controls hand back the setting whose record the model
// encodes, and that record opens the tab and comes back unchanged through its controls; a setting of
// several chords is listed and only its first chord is written. And its parts on their own: the
// logarithmic slider, the text box reading and the stepper.
#include <gtest/gtest.h>

#include <QCompleter>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <climits>
#include <cmath>

#include "device/HID_PnP.h"
#include "model/DeviceState.h"
#include "model/ModeEncoders.h"
#include "sim/SimulatedUnit.h"
#include "support/Builders.h"
#include "support/TestLanguage.h"
#include "support/Widgets.h"
#include "ui/AdvancedSettingDialogViewController.h"
#include "ui/DialogHost.h"
#include "ui/advanced/IntValue.h"
#include "ui/advanced/LogSlider.h"
#include "ui/advanced/Stepper.h"

namespace tarvik::test {
namespace {

struct Host : DialogHost {
    HID_PnP& plugNPlay() override { return link; }
    SimulatedUnit unit;
    DeviceState linkState;
    HID_PnP link{unit, linkState};
};

class AdvancedDialogTest : public ::testing::Test {
protected:
    std::unique_ptr<AdvancedSettingDialogViewController> Open(int mode, const CommonRecord& common,
                                                              std::initializer_list<int> additional = {}) {
        state.OutputMode[1] = static_cast<std::uint8_t>(mode);
        state.CommonData[1] = common;
        std::copy(additional.begin(), additional.end(), state.AdditionalData[1].begin());
        return std::make_unique<AdvancedSettingDialogViewController>(host, state, 1, nullptr);
    }
    // "name" clicks a button; "name=value" sets a number box or types a key's name into a key list.
    static void Apply(QWidget& dialog, const std::string& step) {
        const auto eq = step.find('=');
        QWidget* w = Find(dialog, step.substr(0, eq));
        if (w == nullptr) return;
        if (eq == std::string::npos) {
            auto* button = qobject_cast<QAbstractButton*>(w);
            ASSERT_TRUE(button && button->isEnabled()) << step;
            button->click();
            return;
        }
        const QString value = QString::fromStdString(step.substr(eq + 1));
        if (auto* box = qobject_cast<QSpinBox*>(w)) box->setValue(value.toInt());
        if (auto* box = qobject_cast<QDoubleSpinBox*>(w)) box->setValue(value.toDouble());
        if (auto* list = qobject_cast<QComboBox*>(w)) {
            list->setEditText(value);
            emit list->lineEdit()->editingFinished();
        }
        if (auto* box = qobject_cast<QLineEdit*>(w)) {
            box->setText(value);
            emit box->editingFinished();
        }
    }
    // The record the dialog's choice makes of `mode` and `common`.
    static std::pair<int, CommonRecord> Written(const AdvancedSettingDialogViewController& dialog, int mode,
                                                CommonRecord common) {
        auto m = static_cast<std::uint8_t>(mode);
        if (dialog.Choice()) modes::Encode(*dialog.Choice(), {m, common});
        return {m, common};
    }

    Host host;
    DeviceState state;
};

TEST_F(AdvancedDialogTest, EachTabWritesTheRecordItsControlsSay) {
    // Each starts from startMode with the marked bytes; none of them shows in a tab. The steps, on the
    // tab whose controls' names begin with `tab`, end with its OK button.
    const struct {
        const char* name; int startMode; const char* tab; std::string steps; int mode; CommonRecord common;
    } cases[] = {
        {"key from a repeat-key pedal: mode 0", CONTINUOUS_KEY_OUTPUT, "KO_",
         "listboxKeys=F13, checkboxLeftCtrl, checkboxRightShift", 0, Marked({0x21, 0x68})},
        {"key alone", 0xFF, "KO_", "checkboxLeftCtrl, radioKeyOnly", 0, Marked({0x00, 0x04})},
        {"modifier alone", 0xFF, "KO_", "radioModifiersOnly, checkboxRightWindowsKey", 0, Marked({0x80, 0x00})},
        {"right click", 0xFF, "C_", "radiobuttonRightClick", 1, Marked({0x02})},
        {"left and middle at once", 0xFF, "C_",
         "checkboxPluralButtonSimultaneousClick, checkboxLeftClick, checkboxCenterClick", 1, Marked({0x05})},
        {"middle double click, longest first click, held, shortest interval", 0xFF, "C_",
         "radiobuttonCenterDoubleClick, spinFirstMs=255, radiobuttonSecondHold, spinIntervalMs=1", 2,
         Marked({4, 255, 1, 1})},
        {"ctrl right click", 0xFF, "MC_", "checkboxLeftCtrl, radiobuttonRight", 3, Marked({1, 2})},
        {"rcmd alt middle double click", 0xFF, "MC_",
         "checkboxRightWindowsKey, checkboxLeftAlt, radiobuttonCenter, radiobuttonDouble, spinFirstMs=1, "
         "radiobuttonSecondHold, spinIntervalMs=255", 4, Marked({0x84, 4, 0x13, 1, 1, 255})},
        {"shift+a, slowest, until release", 0xFF, "RK_", "checkboxLeftShift, spinRate=0.1", 5,
         {0x02, 0x04, 0x13, 0x14, 0x15, 0x16, 0, 0, 0, 0, 1, 0, 0}},
        {"ralt alone, fastest, most repeats, most acceleration", 0xFF, "RK_",
         std::string("listboxKeys=") + Lang("なし", "None") + ", checkboxRightAlt, spinRate=6553.5, radiobuttonSetNumber, "
         "spinRepeats=65535, checkboxAccelerated, spinAccelerate=65535",
         5, {0x40, 0x00, 0x13, 0x14, 0x15, 0x16, 1, 255, 255, 255, 255, 255, 255}},
        {"pointer lower left", 0xFF, "PM_", "radiobuttonLowerLeft, numericupdownSpeedIndex_textbox=10", 6,
         {255, 1, 0, 10, 3, 232, 0, 0, 0, 0, 10, 0, 1}},
        // The repetition box is the other tabs'.
        {"wheel forward, slowest", 0xFF, "WH_", "spinRate=1", 7,
         {1, 0x12, 0x13, 0x14, 0x15, 0, 0, 0, 0, 1, 0, 0, 0x1d}},
        {"wheel backward, 300 a second", 0xFF, "WH_", "radiobuttonBackward, spinRate=300", 7,
         {0xff, 0x12, 0x13, 0x14, 0x15, 0, 0, 0, 0x01, 0x2c, 0, 0, 0x1d}},
        {"middle clicks, slowest, most repeats", 0xFF, "RC_",
         "radiobuttonCenter, spinRate=0.1, radiobuttonSetNumber, spinRepeats=65535", 8,
         {4, 0x12, 0x13, 0x14, 0x15, 0, 255, 255, 0, 1, 0, 0, 0x1d}},
        {"left clicks, fastest, most acceleration", 0xFF, "RC_",
         "spinRate=6553.5, checkboxAccelerated, spinAccelerate=65535", 8,
         {1, 0x12, 0x13, 0x14, 0x15, 1, 0, 0, 255, 255, 255, 255, 0x1d}},
        {"chord ctrl+a+F13 (a gap skipped), longest on, no off, until release", 0xFF, "PSKO_",
         "spinOnTime=4095, spinOffTime=0, radiobuttonUntilRelease, checkboxLeftCtrl, listboxKey3=F13", 9,
         {0xFF, 0x00, 0xF0, 0x81, 0, 0, 0x01, 4, 0x68, 0, 0, 0, 0}},
        {"chord of six keys, longest off, most repeats counted by chord", 0xFF, "PSKO_",
         "spinOnTime=0, spinOffTime=4095, spinRepeats=65535, radiobuttonOutput, listboxKey2=b, listboxKey3=c, "
         "listboxKey4=d, listboxKey5=e, listboxKey6=f", 9,
         {0x00, 0xFF, 0x0F, 0x01, 255, 255, 0x00, 4, 5, 6, 7, 8, 9}},
        {"ctrl+c on press", 0xFF, "OC_", "Press_checkboxLeftCtrl, Press_listboxKeys=c", 10,
         Marked({1, 0x01, 6, 0, 0})},
        {"rshift+Enter on release only", 0xFF, "OC_",
         std::string("Press_checkboxOutput, Release_checkboxOutput, Release_listboxKeys=") +
             Lang("Enter (Return)", "Enter") + ", Release_checkboxRightShift",
         10, Marked({2, 0, 0, 0x20, 40})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string ok = std::string(c.tab) + "buttonOK";
        auto dialog = Open(c.startMode, Marked());
        for (const QString& step : QString::fromStdString(c.steps).split(QStringLiteral(", ")))
            Apply(*dialog, c.tab + step.toStdString());
        Apply(*dialog, ok);
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_EQ(Written(*dialog, c.startMode, Marked()), std::make_pair(c.mode, c.common));

        // The record opens the tab it was written from and comes back through that tab's controls.
        auto again = Open(c.mode, c.common);
        EXPECT_TRUE(Find<QTabWidget>(*again, "tabsAdvanced")->currentWidget()->isAncestorOf(Find(*again, ok)));
        Apply(*again, ok);
        EXPECT_EQ(Written(*again, 0xFF, Marked()), std::make_pair(c.mode, c.common));
    }
}

TEST_F(AdvancedDialogTest, SeveralChordsAreListedAndOnlyTheFirstIsWritten) {
    auto dialog = Open(9, {0x2C, 0x0A, 0x10, 0x83, 0, 5, 0x01, 6}, {0x02, 5, 0, 0, 0, 0, 0, 0x00, 6, 7});
    auto* list = Find<QListWidget>(*dialog, "PSKO_listboxOutput");
    std::vector<std::string> lines;
    for (int i = 0; i < list->count(); ++i) lines.push_back(list->item(i)->text().toStdString());
    EXPECT_EQ(lines, (std::vector<std::string>{Lang("[(左)control] + [c]", "[Left Ctrl] + [c]"),
                                               Lang("[(左)shift] + [b]", "[Left Shift] + [b]"), "[c] + [d]"}));
    EXPECT_EQ(Text(*dialog, "PSKO_labelSeveralChords"),
              Lang("このペダルには3個の出力があります。2番目以降の出力は書き込めないため、"
                   "書き込むと1番目の出力だけの設定になります。",
                   "This pedal has 3 outputs. The second and later outputs cannot be written: "
                   "writing keeps only the first output."));
    Click(*dialog, "PSKO_buttonOK");
    EXPECT_EQ(Written(*dialog, 9, {}), std::make_pair(9, CommonRecord{0x2C, 0x0A, 0x10, 0x81, 0, 5, 0x01, 6}));
    EXPECT_EQ(Text(*Open(9, {10, 10, 0, 0x01, 0, 1, 0, 4}), "PSKO_labelSeveralChords"), "");
}

TEST_F(AdvancedDialogTest, WritingNeedsWhatTheSettingNeeds) {
    auto dialog = Open(1, {0});  // no click code a tab shows: the tab opens as it always does
    EXPECT_EQ(Find<QTabWidget>(*dialog, "tabsAdvanced")->currentWidget()->objectName().toStdString(), "tabClick");
    EXPECT_TRUE(Checked(*dialog, "C_radiobuttonLeftClick"));
    EXPECT_FALSE(Enabled(*dialog, "C_spinFirstMs")) << "the timing is a double click's";
    Click(*dialog, "C_checkboxPluralButtonSimultaneousClick");
    EXPECT_FALSE(Enabled(*dialog, "C_buttonOK"));
    EXPECT_EQ(Text(*dialog, "C_labelHint"), Lang("同時にクリックするボタンを選んでください。", "Choose the buttons to click together."));
    EXPECT_FALSE(Enabled(*dialog, "MC_buttonOK"));
    EXPECT_EQ(Text(*dialog, "MC_labelHint"), Lang("モディファイアを1つ以上選んでください。", "Choose at least one modifier."));
    Click(*dialog, "MC_checkboxRightShift");
    EXPECT_TRUE(Enabled(*dialog, "MC_buttonOK"));
    EXPECT_FALSE(Enabled(*dialog, "MC_spinIntervalMs"));

    // Every key of the table is offered, and found by part of its name.
    auto* keys = Find<QComboBox>(*dialog, "RK_listboxKeys");
    EXPECT_EQ(keys->count(), 232) << "なし and keys 1 to 231";
    keys->completer()->setCompletionPrefix("13");
    EXPECT_EQ(keys->completer()->completionCount(), 1);
    EXPECT_TRUE(keys->completer()->setCurrentRow(0) && keys->completer()->currentCompletion() == "F13");

    // Closed without writing, it hands back nothing.
    Find<QDialogButtonBox>(*dialog, "buttonBoxClose")->button(QDialogButtonBox::Close)->click();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->Choice());
}

TEST(LogSlider, PositionsAndIndexesMapWithinTheField) {
    using namespace advanced;
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
    for (const auto& [text, value] : cases) EXPECT_EQ(advanced::IntValue(text), value) << '"' << text << '"';
}

TEST(Stepper, SignalsOnlyUserStepsAndStaysWithinItsRangeAndInt) {
    advanced::Stepper stepper;
    stepper.setRange(0, 10);
    std::vector<int> changed;
    QObject::connect(&stepper, &advanced::Stepper::valueChanged, [&changed](int value) { changed.push_back(value); });
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

}  // namespace
}  // namespace tarvik::test
