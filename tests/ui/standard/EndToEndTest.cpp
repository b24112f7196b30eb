// From the main window's standard button to the record stored in the simulated unit.
#include <QPushButton>

#include "DialogFixture.h"
#include "device/Alert.h"
#include "ui/MainWindowViewController.h"

namespace tarvik::test {
namespace {

PedalImage Pedal(std::uint8_t mode, Common common, std::uint8_t additionalFill = 0x66) {
    PedalImage p;
    p.mode = mode;
    p.common = common;
    p.additional.fill(additionalFill);
    return p;
}

class StandardEndToEnd : public testing::Test, public DialogDriver {
protected:
    void Start(std::vector<PedalImage> pedals) {
        window_.reset();
        State() = DeviceState{};
        presenter_.Clear();
        UnitImage image;
        image.pedals = std::move(pedals);
        unit_ = std::make_unique<SimulatedUnit>(image);
        before_ = image;
        window_ = std::make_unique<MainWindowViewController>(*unit_);
        window_->plugNPlay().SetTickIntervalMs(5);
        window_->show();
        const int last = static_cast<int>(image.pedals.size()) - 1;
        ASSERT_TRUE(QTest::qWaitFor([&] { return StandardButton(last)->isEnabled(); }, 5000)) << "never read";
        unit_->ClearTranscript();
    }
    QPushButton* StandardButton(int p) {
        return window_->findChild<QPushButton*>(QStringLiteral("buttonSetPedal%1Standard").arg(p));
    }
    SettingDialogViewController* OpenFor(int p) {
        StandardButton(p)->click();
        return dialog_ = window_->OpenSettingDialog();
    }

    ScriptedPresenter presenter_;
    ConsoleCapture console_;
    UnitImage before_;
    std::unique_ptr<SimulatedUnit> unit_;
    std::unique_ptr<MainWindowViewController> window_;
};

TEST_F(StandardEndToEnd, ChoicesReachTheUnitAndNothingElseChanges) {
    const struct {
        const char* name;
        PedalImage start;
        std::vector<const char*> edit;  // see DialogDriver::Do
        std::uint8_t mode;
        Common common;
        bool warned;  // the start record is beyond the dialog: OK keeps it open
    } cases[] = {
        {"double click", Pedal(0, Marked({0, 4})), {"tab:Tab_Mouse", "radiobuttonDoubleClick"}, SIMPLE_DOUBLE_CLICK,
         Marked({1, 15, 0, 15}), false},
        {"left click over key chords", Pedal(9, Marked({0x2c, 0x0a, 0x10, 0x03}), 0x06),
         {"tab:Tab_Mouse", "radiobuttonLeftClick"}, SIMPLE_CLICK, Marked({1, 0x0a, 0x10, 0x03}), true},
        {"right click keeps the timing bytes", Pedal(2, Marked({1, 40, 0, 90})), {"radiobuttonRightClick"},
         SIMPLE_CLICK, Marked({2, 40, 0, 90}), false},
        {"center click", Pedal(1, Marked({2})), {"radiobuttonCenterClick"}, SIMPLE_CLICK, Marked({4}), false},
        {"combined buttons kept as they are", Pedal(1, Marked({3})), {}, SIMPLE_CLICK, Marked({3}), true},
        {"key alone", Pedal(1, Marked({1})), {"tab:Tab_Keyboard", "key:Space"}, SIMPLE_KEY_OUTPUT,
         Marked({0x00, 44}), false},
        {"key alone drops loaded modifiers", Pedal(0, Marked({0x0A, 41})), {"radiobuttonNoModifiers"},
         SIMPLE_KEY_OUTPUT, Marked({0x00, 41}), false},
        {"key with modifiers", Pedal(0, Marked({0, 4})),
         {"radiobuttonWithModifiers", "checkboxCtrl", "checkboxShift", "key:z"}, SIMPLE_KEY_OUTPUT,
         Marked({0x03, 29}), false},
        {"command and shift with the last key, over continuous output", Pedal(5, Marked({0x01, 4, 0, 10})),
         {"radiobuttonWithModifiers", "checkboxWindowsKey", "checkboxShift", "key:キーパッド Delete"},
         SIMPLE_KEY_OUTPUT, Marked({0x0A, 99, 0, 10}), true},
        {"modifiers only", Pedal(0, Marked({0, 4})), {"radiobuttonOnlyModifiers", "checkboxCtrl", "checkboxAlt"},
         SIMPLE_KEY_OUTPUT, Marked({0x05, 0x00}), false},
        {"right-hand modifiers dropped", Pedal(0, Marked({0x13, 4})), {}, SIMPLE_KEY_OUTPUT, Marked({0x03, 4}), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Start({Pedal(0, Marked({0x00, 30}), 0x11), c.start, Pedal(1, Marked({4}), 0x33)});
        presenter_.QueueResponse(ALERT_FIRST_BUTTON);
        ASSERT_NE(OpenFor(1), nullptr);
        EXPECT_EQ(presenter_.All().size(), c.warned ? 1u : 0u);
        for (const char* action : c.edit) Do(action);
        ASSERT_TRUE(IsEnabled("buttonProgramTarvik"));
        Do("buttonProgramTarvik");
        EXPECT_TRUE(Gone());
        EXPECT_EQ(presenter_.Texts().back(), "Tarvikの左ペダルの設定が正常に終わりました。");
        EXPECT_EQ(unit_->CommandCount(SET_OUTPUT_MODE_AND_DATA), 1);
        EXPECT_EQ(unit_->CommandCount(SET_PARAMETERS), 1);
        const auto& pedals = unit_->Image().pedals;
        ASSERT_EQ(pedals.size(), 3u);
        EXPECT_EQ(pedals[1].mode, c.mode);
        EXPECT_EQ(pedals[1].common, c.common);
        for (int p : {0, 1, 2}) {
            EXPECT_EQ(pedals[p].additional, before_.pedals[p].additional) << p;
            if (p != 1) {
                EXPECT_EQ(pedals[p].mode, before_.pedals[p].mode) << p;
                EXPECT_EQ(pedals[p].common, before_.pedals[p].common) << p;
            }
        }
        EXPECT_FALSE(State().StandardSettingDialogOpen);
    }
}

TEST_F(StandardEndToEnd, PullingTheUnitOutClosesTheDialogWithoutWriting) {
    Start({Pedal(0, Marked({0, 4})), Pedal(1, Marked({1}))});
    ASSERT_NE(OpenFor(1), nullptr);
    Do("radiobuttonDoubleClick");
    unit_->Unplug();
    EXPECT_TRUE(Gone());
    EXPECT_FALSE(State().StandardSettingDialogOpen);
    EXPECT_FALSE(State().CloseStandardSetting);
    EXPECT_EQ(unit_->CommandCount(SET_OUTPUT_MODE_AND_DATA), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !StandardButton(0)->isEnabled(); }, 2000)) << "no unit shown";
    EXPECT_EQ(unit_->Image().pedals[1].mode, SIMPLE_CLICK);
}

}  // namespace
}  // namespace tarvik::test
