// The connection manager's Waiting/Connected states as the simulated unit comes and goes.
#include <gtest/gtest.h>

#include "device/DeviceState.h"
#include "LinkRig.h"

namespace tarvik::test {
namespace {

TEST(Connection, UnitPresentAtStartIsTakenByTheProbe) {
    LinkRig rig;
    EXPECT_TRUE(rig.link.HasDevice());
    EXPECT_EQ(rig.link.myDevice(), "sim:0");
    EXPECT_TRUE(rig.unit.IsOpen());
    EXPECT_TRUE(State().DeviceDetected);
    EXPECT_TRUE(State().DeviceDetectedChanged);
    EXPECT_EQ(State().selfRef, &rig.link);
    EXPECT_EQ(rig.link.ConnectionSerial(), 1);
    EXPECT_EQ(rig.link.LastOpenResult(), OpenResult::Opened);
}

TEST(Connection, NoUnitAtStartWaits) {
    SimulatedUnit unit;
    unit.Unplug();
    HID_PnP link(unit);
    EXPECT_FALSE(link.HasDevice());
    EXPECT_FALSE(State().DeviceDetected);
    EXPECT_TRUE(State().DeviceDetectedChanged);
    EXPECT_EQ(link.ConnectionSerial(), 0);
    EXPECT_EQ(link.LastOpenResult(), OpenResult::NoUnit);

    State().DeviceDetectedChanged = false;
    unit.Plug();
    EXPECT_TRUE(link.HasDevice());
    EXPECT_TRUE(State().DeviceDetected);
    EXPECT_TRUE(State().DeviceDetectedChanged);
    EXPECT_EQ(link.ConnectionSerial(), 1);
}

TEST(Connection, UnplugAndReplugRaiseTheChangeEachTime) {
    LinkRig rig;
    for (int round = 1; round <= 3; ++round) {
        SCOPED_TRACE(round);
        State().DeviceDetectedChanged = false;
        rig.unit.Unplug();
        EXPECT_FALSE(rig.link.HasDevice());
        EXPECT_FALSE(State().DeviceDetected);
        EXPECT_TRUE(State().DeviceDetectedChanged);

        State().DeviceDetectedChanged = false;
        rig.unit.Plug();
        EXPECT_TRUE(rig.link.HasDevice());
        EXPECT_TRUE(State().DeviceDetected);
        EXPECT_TRUE(State().DeviceDetectedChanged);
        EXPECT_EQ(rig.link.ConnectionSerial(), 1 + round);
    }
}

TEST(Connection, NotificationsThatAreNotAboutTheHeldUnitChangeNothing) {
    struct Case {
        const char* name;
        void (*notify)(SimulatedUnit&);
    };
    const Case cases[] = {
        {"another device removed", [](SimulatedUnit& u) { emit u.removed(QStringLiteral("/dev/hidraw7")); }},
        {"empty path removed", [](SimulatedUnit& u) { emit u.removed(QString()); }},
        {"arrival while connected", [](SimulatedUnit& u) { emit u.arrived(QStringLiteral("/dev/hidraw8")); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        State() = DeviceState{};
        LinkRig rig;
        State().DeviceDetectedChanged = false;
        c.notify(rig.unit);
        EXPECT_TRUE(rig.link.HasDevice());
        EXPECT_TRUE(State().DeviceDetected);
        EXPECT_FALSE(State().DeviceDetectedChanged);
        EXPECT_EQ(rig.link.ConnectionSerial(), 1);
        EXPECT_TRUE(rig.unit.IsOpen());
    }
}

TEST(Connection, RemovalClosesTheStandardDialogOnlyWhenItIsOpen) {
    for (bool dialogOpen : {false, true}) {
        SCOPED_TRACE(dialogOpen);
        State() = DeviceState{};
        LinkRig rig;
        State().StandardSettingDialogOpen = dialogOpen;
        rig.unit.Unplug();
        EXPECT_EQ(State().CloseStandardSetting, dialogOpen);
    }
}

TEST(Connection, GuardsKeepANotificationOfTheSameKindFromStartingAgain) {
    SimulatedUnit unit;
    unit.Unplug();
    HID_PnP link(unit);
    State().flag_MyNewDeviceCallback = true;
    unit.Plug();
    EXPECT_FALSE(link.HasDevice());

    State().flag_MyNewDeviceCallback = false;
    MyNewDeviceCallback();
    ASSERT_TRUE(link.HasDevice());

    State().flag_MyRemovalCallback = true;
    MyRemovalCallback(QStringLiteral("sim:0"));
    EXPECT_TRUE(link.HasDevice());
    State().flag_MyRemovalCallback = false;
    MyRemovalCallback(QStringLiteral("sim:0"));
    EXPECT_FALSE(link.HasDevice());
}

TEST(Connection, UnitWithoutPermissionStaysWaitingAndSaysWhy) {
    SimulatedUnit unit;
    unit.SetOpenResult(OpenResult::PermissionDenied);
    HID_PnP link(unit);
    EXPECT_FALSE(link.HasDevice());
    EXPECT_FALSE(State().DeviceDetected);
    EXPECT_EQ(link.LastOpenResult(), OpenResult::PermissionDenied);
    EXPECT_EQ(unit.LastError(), "permission denied");

    // Once the rule is in place, the next arrival takes it.
    unit.SetOpenResult(OpenResult::Opened);
    unit.Unplug();
    unit.Plug();
    EXPECT_TRUE(link.HasDevice());
    EXPECT_EQ(link.LastOpenResult(), OpenResult::Opened);
}

TEST(Connection, ASecondManagerDoesNotHearTheFirstOnesUnit) {
    SimulatedUnit first;
    SimulatedUnit second;
    second.Unplug();
    HID_PnP stale(first);
    HID_PnP current(second);  // publishes itself; `stale` is no longer reachable
    EXPECT_EQ(State().selfRef, &current);
    first.Unplug();
    EXPECT_FALSE(State().DeviceDetected);  // from current's probe, untouched by `first`
    EXPECT_FALSE(current.HasDevice());
    first.Plug();
    EXPECT_FALSE(current.HasDevice());
}

}  // namespace
}  // namespace tarvik::test
