// The connection manager's Waiting/Connected states as the simulated unit comes and goes.
#include <gtest/gtest.h>

#include "LinkRig.h"

namespace tarvik::test {
namespace {

TEST(Connection, TheProbeAtStartTakesAUnitThatIsThere) {
    LinkRig rig;
    EXPECT_TRUE(rig.link.HasDevice());
    EXPECT_EQ(rig.link.myDevice(), "sim:0");
    EXPECT_TRUE(rig.unit.IsOpen());
    EXPECT_TRUE(State().DeviceDetected);
    EXPECT_TRUE(State().DeviceDetectedChanged);
    EXPECT_EQ(State().selfRef, &rig.link);
}

TEST(Connection, WithoutAUnitItWaitsAndEveryPlugAndUnplugRaisesTheChange) {
    LinkRig rig(DefaultUnitImage(), 1, false);
    EXPECT_FALSE(rig.link.HasDevice());
    EXPECT_FALSE(State().DeviceDetected);
    EXPECT_TRUE(State().DeviceDetectedChanged);
    EXPECT_EQ(rig.link.LastOpenResult(), OpenResult::NoUnit);
    for (int round = 1; round <= 3; ++round) {
        State().DeviceDetectedChanged = false;
        rig.unit.Plug();
        EXPECT_TRUE(rig.link.HasDevice() && State().DeviceDetected && State().DeviceDetectedChanged) << round;
        EXPECT_EQ(rig.link.ConnectionSerial(), round);

        // The standard dialog is told to close only when it is open.
        State().DeviceDetectedChanged = State().CloseStandardSetting = false;
        State().StandardSettingDialogOpen = round == 2;
        rig.unit.Unplug();
        EXPECT_FALSE(rig.link.HasDevice() || State().DeviceDetected) << round;
        EXPECT_TRUE(State().DeviceDetectedChanged) << round;
        EXPECT_EQ(State().CloseStandardSetting, round == 2);
    }
}

TEST(Connection, NotificationsThatAreNotAboutTheHeldUnitChangeNothing) {
    LinkRig rig;
    State().DeviceDetectedChanged = false;
    emit rig.unit.removed(QStringLiteral("/dev/hidraw7"));  // another device
    emit rig.unit.removed(QString());
    emit rig.unit.arrived(QStringLiteral("/dev/hidraw8"));  // a second unit while one is held
    EXPECT_TRUE(rig.link.HasDevice() && rig.unit.IsOpen());
    EXPECT_FALSE(State().DeviceDetectedChanged);
    EXPECT_EQ(rig.link.ConnectionSerial(), 1);
}

TEST(Connection, GuardsKeepANotificationOfTheSameKindFromStartingAgain) {
    LinkRig rig(DefaultUnitImage(), 1, false);
    State().flag_MyNewDeviceCallback = true;
    rig.unit.Plug();
    EXPECT_FALSE(rig.link.HasDevice());
    State().flag_MyNewDeviceCallback = false;
    MyNewDeviceCallback();
    ASSERT_TRUE(rig.link.HasDevice());

    State().flag_MyRemovalCallback = true;
    MyRemovalCallback(QStringLiteral("sim:0"));
    EXPECT_TRUE(rig.link.HasDevice());
    State().flag_MyRemovalCallback = false;
    MyRemovalCallback(QStringLiteral("sim:0"));
    EXPECT_FALSE(rig.link.HasDevice());
}

TEST(Connection, ASecondManagerDoesNotHearTheFirstOnesUnit) {
    SimulatedUnit first;
    HID_PnP stale(first);
    LinkRig current(DefaultUnitImage(), 1, false);  // publishes itself; `stale` is no longer reachable
    EXPECT_EQ(State().selfRef, &current.link);
    first.Unplug();
    first.Plug();
    EXPECT_FALSE(current.link.HasDevice());
    EXPECT_FALSE(State().DeviceDetected);
}

}  // namespace
}  // namespace tarvik::test
