// The dialog as the main window opens it: over a unit it has read, deleted when it closes, and
// sending only when a standard edit has armed the send.
#include <gtest/gtest.h>

#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "model/DeviceState.h"
#include "device/HID_PnP.h"
#include "sim/SimulatedUnit.h"
#include "support/ScriptedPresenter.h"
#include "ui/AdvancedSettingDialogViewController.h"
#include "ui/MainWindowViewController.h"

namespace tarvik::test {
namespace {

TEST(AdvancedFromMainWindow, ShowsTheChordsReadAndSendsOnlyWhenArmed) {
    ScriptedPresenter presenter;
    UnitImage image = DefaultUnitImage();
    image.pedals[1].mode = PLURAL_SIMULTANEOUS_KEY_OUTPUT;
    image.pedals[1].common = {0x2C, 0x0A, 0x10, 0x83, 0, 5, 0, 1, 0, 0, 0, 0, 0};
    image.pedals[1].additional[1] = 2;
    SimulatedUnit unit(image);
    MainWindowViewController window(unit);
    window.plugNPlay().SetTickIntervalMs(5);
    bool read = false;
    QObject::connect(&window, &MainWindowViewController::unitRead, [&read](bool) { read = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return read; }, 3000)) << "the unit was never read";

    // Unarmed: the chords come from the unit, OK closes and deletes the dialog and sends nothing.
    unit.ClearTranscript();
    QPointer<AdvancedSettingDialogViewController> dialog = window.SetPedal2Advanced_clicked(1);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->windowTitle().toStdString(), "高度な設定 左ペダル");
    EXPECT_EQ(unit.CommandCount(GET_ADDITIONAL_DATA), 1);
    EXPECT_EQ(dialog->PSKO_KeyData()[0][1], 1);
    EXPECT_EQ(dialog->PSKO_KeyData()[1][1], 2);
    dialog->findChild<QPushButton*>("C_buttonOK")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, 3000)) << "closed and deleted";
    EXPECT_EQ(State().OutputMode[1], SIMPLE_CLICK);
    EXPECT_EQ(unit.CommandCount(SET_OUTPUT_MODE_AND_DATA), 0);
    EXPECT_TRUE(presenter.All().empty());

    // Armed as a standard edit would have left it: OK writes the unit and confirms.
    dialog = window.SetPedal2Advanced_clicked(2);
    ASSERT_TRUE(dialog);
    State().SettingEnabled = true;
    dialog->findChild<QAbstractButton*>("PM_radiobuttonUpperLeft")->click();
    dialog->findChild<QPushButton*>("PM_buttonOK")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, 3000));
    ASSERT_EQ(unit.Image().pedals.size(), 3u);
    EXPECT_EQ(unit.Image().pedals[2].mode, POINTER_MOVE);
    const std::array<std::uint8_t, NUMBER_OF_COMMON_DATA> expected{255, 255, 0, 0, 3, 232, 0, 0, 0, 0, 0, 0, 1};
    EXPECT_EQ(unit.Image().pedals[2].common, expected);
    EXPECT_EQ(unit.Image().pedals[1].mode, PLURAL_SIMULTANEOUS_KEY_OUTPUT) << "the unarmed OK sent nothing";
    ASSERT_EQ(presenter.Texts().size(), 1u);
    EXPECT_EQ(presenter.Texts()[0], "Tarvikの右ペダルの設定が正常に終わりました。");
}

}  // namespace
}  // namespace tarvik::test
