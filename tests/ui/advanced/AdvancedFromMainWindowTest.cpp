// The dialog as the main window opens it: over a unit it has read, deleted when it closes, and
// sending only when a standard edit has armed the send.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
#include <functional>
#include <memory>

#include "device/DeviceState.h"
#include "device/HID_PnP.h"
#include "sim/SimulatedUnit.h"
#include "support/ScriptedPresenter.h"
#include "ui/AdvancedSettingDialogViewController.h"
#include "ui/MainWindowViewController.h"

namespace tarvik::test {
namespace {

bool WaitFor(const std::function<bool()>& done, int ms = 3000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

class AdvancedFromMainWindow : public testing::Test {
protected:
    void SetUp() override {
        UnitImage image = DefaultUnitImage();
        image.pedals[1].mode = PLURAL_SIMULTANEOUS_KEY_OUTPUT;
        image.pedals[1].common = {0x2C, 0x0A, 0x10, 0x83, 0, 5, 0, 1, 0, 0, 0, 0, 0};
        image.pedals[1].additional[1] = 2;
        image.pedals[1].additional[8] = 0;
        unit = std::make_unique<SimulatedUnit>(image);
        window = std::make_unique<MainWindowViewController>(*unit);
        window->plugNPlay().SetTickIntervalMs(5);
        QObject::connect(window.get(), &MainWindowViewController::unitRead, [this](bool) { read = true; });
        ASSERT_TRUE(WaitFor([this] { return read; })) << "the unit was never read";
    }

    ScriptedPresenter presenter;
    std::unique_ptr<SimulatedUnit> unit;
    std::unique_ptr<MainWindowViewController> window;
    bool read = false;
};

TEST_F(AdvancedFromMainWindow, ShowsTheChordsReadFromTheUnitAndSendsNothingUnarmed) {
    unit->ClearTranscript();
    QPointer<AdvancedSettingDialogViewController> dialog = window->SetPedal2Advanced_clicked(1);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->PSKO_NumberOfOutput(), 3);
    EXPECT_EQ(dialog->PSKO_KeyData()[0][1], 1);
    EXPECT_EQ(dialog->PSKO_KeyData()[1][1], 2);
    EXPECT_EQ(dialog->windowTitle().toStdString(), "高度な設定 左ペダル");
    EXPECT_EQ(unit->CommandCount(GET_ADDITIONAL_DATA), 1);

    dialog->findChild<QPushButton*>("C_buttonOK")->click();
    EXPECT_TRUE(WaitFor([&] { return dialog.isNull(); })) << "closed and deleted";
    EXPECT_EQ(State().OutputMode[1], SIMPLE_CLICK);
    EXPECT_EQ(unit->CommandCount(SET_OUTPUT_MODE_AND_DATA), 0);
    EXPECT_TRUE(presenter.All().empty());
}

TEST_F(AdvancedFromMainWindow, ArmedSendWritesTheUnitAndConfirms) {
    QPointer<AdvancedSettingDialogViewController> dialog = window->SetPedal2Advanced_clicked(2);
    ASSERT_TRUE(dialog);
    State().SettingEnabled = true;  // as a standard edit would have left it
    dialog->findChild<QAbstractButton*>("PM_radiobuttonUpperLeft")->click();
    dialog->findChild<QPushButton*>("PM_buttonOK")->click();
    EXPECT_TRUE(WaitFor([&] { return dialog.isNull(); }));
    ASSERT_EQ(unit->Image().pedals.size(), 3u);
    EXPECT_EQ(unit->Image().pedals[2].mode, POINTER_MOVE);
    const std::array<std::uint8_t, NUMBER_OF_COMMON_DATA> expected{255, 255, 0, 0, 3, 232, 0, 0, 0, 0, 0, 0, 1};
    EXPECT_EQ(unit->Image().pedals[2].common, expected);
    ASSERT_EQ(presenter.Texts().size(), 1u);
    EXPECT_EQ(presenter.Texts()[0], "Tarvikの右ペダルの設定が正常に終わりました。");
}

}  // namespace
}  // namespace tarvik::test
