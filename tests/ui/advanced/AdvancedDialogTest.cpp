// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced dialog on its own: each tab's controls hand back the setting whose record the model
// encodes, and that record opens the tab and comes back unchanged through its controls; a setting of
// several chords is listed and only its first chord is written.
#include <gtest/gtest.h>

#include <QCompleter>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>

#include "device/HID_PnP.h"
#include "model/DeviceState.h"
#include "model/ModeEncoders.h"
#include "sim/SimulatedUnit.h"
#include "support/Builders.h"
#include "support/TestLanguage.h"
#include "support/Widgets.h"
#include "ui/AdvancedSettingDialogViewController.h"
#include "ui/DialogHost.h"

namespace tarvik::test {
namespace {

class Host : public DialogHost {
public:
    HID_PnP& plugNPlay() override { return link_; }

private:
    SimulatedUnit unit_;
    DeviceState linkState_;
    HID_PnP link_{unit_, linkState_};
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
    static std::string CurrentTab(const AdvancedSettingDialogViewController& dialog) {
        return Find<QTabWidget>(dialog, "tabsAdvanced")->currentWidget()->objectName().toStdString();
    }

    Host host;
    DeviceState state;
};

TEST_F(AdvancedDialogTest, EachTabWritesTheRecordItsControlsSay) {
    // Each starts from startMode with the marked bytes; none of them shows in a tab.
    const struct {
        const char* name; int startMode; std::vector<std::string> steps; int mode; CommonRecord common;
    } cases[] = {
        {"key from a repeat-key pedal: mode 0", CONTINUOUS_KEY_OUTPUT,
         {"KO_listboxKeys=F13", "KO_checkboxLeftCtrl", "KO_checkboxRightShift", "KO_buttonOK"}, 0, Marked({0x21, 0x68})},
        {"key alone", 0xFF, {"KO_checkboxLeftCtrl", "KO_radioKeyOnly", "KO_buttonOK"}, 0, Marked({0x00, 0x04})},
        {"modifier alone", 0xFF, {"KO_radioModifiersOnly", "KO_checkboxRightWindowsKey", "KO_buttonOK"}, 0,
         Marked({0x80, 0x00})},
        {"right click", 0xFF, {"C_radiobuttonRightClick", "C_buttonOK"}, 1, Marked({0x02})},
        {"left and middle at once", 0xFF,
         {"C_checkboxPluralButtonSimultaneousClick", "C_checkboxLeftClick", "C_checkboxCenterClick", "C_buttonOK"}, 1,
         Marked({0x05})},
        {"middle double click, longest first click, held, shortest interval", 0xFF,
         {"C_radiobuttonCenterDoubleClick", "C_spinFirstMs=255", "C_radiobuttonSecondHold", "C_spinIntervalMs=1",
          "C_buttonOK"},
         2, Marked({4, 255, 1, 1})},
        {"ctrl right click", 0xFF, {"MC_checkboxLeftCtrl", "MC_radiobuttonRight", "MC_buttonOK"}, 3, Marked({1, 2})},
        {"rcmd alt middle double click", 0xFF,
         {"MC_checkboxRightWindowsKey", "MC_checkboxLeftAlt", "MC_radiobuttonCenter", "MC_radiobuttonDouble",
          "MC_spinFirstMs=1", "MC_radiobuttonSecondHold", "MC_spinIntervalMs=255", "MC_buttonOK"},
         4, Marked({0x84, 4, 0x13, 1, 1, 255})},
        {"shift+a, slowest, until release", 0xFF, {"RK_checkboxLeftShift", "RK_spinRate=0.1", "RK_buttonOK"}, 5,
         {0x02, 0x04, 0x13, 0x14, 0x15, 0x16, 0, 0, 0, 0, 1, 0, 0}},
        {"ralt alone, fastest, most repeats, most acceleration", 0xFF,
         {Lang("RK_listboxKeys=なし", "RK_listboxKeys=None"), "RK_checkboxRightAlt", "RK_spinRate=6553.5", "RK_radiobuttonSetNumber",
          "RK_spinRepeats=65535", "RK_checkboxAccelerated", "RK_spinAccelerate=65535", "RK_buttonOK"},
         5, {0x40, 0x00, 0x13, 0x14, 0x15, 0x16, 1, 255, 255, 255, 255, 255, 255}},
        {"pointer lower left", 0xFF,
         {"PM_radiobuttonLowerLeft", "PM_numericupdownSpeedIndex_textbox=10", "PM_buttonOK"}, 6,
         {255, 1, 0, 10, 3, 232, 0, 0, 0, 0, 10, 0, 1}},
        // The repetition box is the other tabs'.
        {"wheel forward, slowest", 0xFF, {"WH_spinRate=1", "WH_buttonOK"}, 7,
         {1, 0x12, 0x13, 0x14, 0x15, 0, 0, 0, 0, 1, 0, 0, 0x1d}},
        {"wheel backward, 300 a second", 0xFF, {"WH_radiobuttonBackward", "WH_spinRate=300", "WH_buttonOK"}, 7,
         {0xff, 0x12, 0x13, 0x14, 0x15, 0, 0, 0, 0x01, 0x2c, 0, 0, 0x1d}},
        {"middle clicks, slowest, most repeats", 0xFF,
         {"RC_radiobuttonCenter", "RC_spinRate=0.1", "RC_radiobuttonSetNumber", "RC_spinRepeats=65535",
          "RC_buttonOK"},
         8, {4, 0x12, 0x13, 0x14, 0x15, 0, 255, 255, 0, 1, 0, 0, 0x1d}},
        {"left clicks, fastest, most acceleration", 0xFF,
         {"RC_spinRate=6553.5", "RC_checkboxAccelerated", "RC_spinAccelerate=65535", "RC_buttonOK"}, 8,
         {1, 0x12, 0x13, 0x14, 0x15, 1, 0, 0, 255, 255, 255, 255, 0x1d}},
        {"chord ctrl+a+F13 (a gap skipped), longest on, no off, until release", 0xFF,
         {"PSKO_spinOnTime=4095", "PSKO_spinOffTime=0", "PSKO_radiobuttonUntilRelease", "PSKO_checkboxLeftCtrl",
          "PSKO_listboxKey3=F13", "PSKO_buttonOK"},
         9, {0xFF, 0x00, 0xF0, 0x81, 0, 0, 0x01, 4, 0x68, 0, 0, 0, 0}},
        {"chord of six keys, longest off, most repeats counted by chord", 0xFF,
         {"PSKO_spinOnTime=0", "PSKO_spinOffTime=4095", "PSKO_spinRepeats=65535", "PSKO_radiobuttonOutput",
          "PSKO_listboxKey2=b", "PSKO_listboxKey3=c", "PSKO_listboxKey4=d", "PSKO_listboxKey5=e",
          "PSKO_listboxKey6=f", "PSKO_buttonOK"},
         9, {0x00, 0xFF, 0x0F, 0x01, 255, 255, 0x00, 4, 5, 6, 7, 8, 9}},
        {"ctrl+c on press", 0xFF, {"OC_Press_checkboxLeftCtrl", "OC_Press_listboxKeys=c", "OC_buttonOK"}, 10,
         Marked({1, 0x01, 6, 0, 0})},
        {"rshift+Enter on release only", 0xFF,
         {"OC_Press_checkboxOutput", "OC_Release_checkboxOutput", Lang("OC_Release_listboxKeys=Enter (Return)", "OC_Release_listboxKeys=Enter"),
          "OC_Release_checkboxRightShift", "OC_buttonOK"},
         10, Marked({2, 0, 0, 0x20, 40})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto dialog = Open(c.startMode, Marked());
        for (const std::string& step : c.steps) Apply(*dialog, step);
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_EQ(Written(*dialog, c.startMode, Marked()), std::make_pair(c.mode, c.common));
        EXPECT_EQ(state.OutputMode[1], c.startMode) << "the state is only read";

        // The record opens the tab it was written from and comes back through that tab's controls.
        auto again = Open(c.mode, c.common);
        QWidget* ok = Find(*again, c.steps.back());
        EXPECT_TRUE(Find<QTabWidget>(*again, "tabsAdvanced")->currentWidget()->isAncestorOf(ok)) << CurrentTab(*again);
        Apply(*again, c.steps.back());
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
    EXPECT_EQ(CurrentTab(*dialog), "tabClick");
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
    std::vector<std::string> found;
    for (int i = 0; keys->completer()->setCurrentRow(i); ++i)
        found.push_back(keys->completer()->currentCompletion().toStdString());
    EXPECT_EQ(found, (std::vector<std::string>{"F13"}));

    // Every control has an object name, for tests and automation (what it is read out as is
    // AccessibilityTest's).
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (w->window() != dialog.get() || !w->focusPolicy() || qobject_cast<QTabBar*>(w) || qobject_cast<QAbstractScrollArea*>(w->parent()))
            continue;
        if (qobject_cast<QAbstractSpinBox*>(w->parent()) || qobject_cast<QComboBox*>(w->parent())) continue;
        const bool inDialogBox = qobject_cast<QDialogButtonBox*>(w->parentWidget()) != nullptr;
        const bool stepperArrow = w->objectName() == "up" || w->objectName() == "down";
        EXPECT_TRUE(inDialogBox || stepperArrow || !w->objectName().isEmpty()) << w->metaObject()->className();
    }

    // Closed without writing, it hands back nothing.
    Find<QDialogButtonBox>(*dialog, "buttonBoxClose")->button(QDialogButtonBox::Close)->click();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->Choice());
}

}  // namespace
}  // namespace tarvik::test
