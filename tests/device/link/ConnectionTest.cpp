// SPDX-License-Identifier: GPL-3.0-or-later
// The connection manager's Waiting/Connected states as the simulated unit comes and goes, and the
// signal each change gives.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "LinkRig.h"

namespace tarvik::test {
namespace {

TEST(Connection, TheProbeTakesAUnitThatIsThereAndEveryPlugAndUnplugIsSignalled) {
    LinkRig rig;
    EXPECT_TRUE(rig.link.HasDevice() && rig.unit.IsOpen());
    EXPECT_EQ(rig.link.myDevice(), "sim:0");

    QSignalSpy attached(&rig.link, &HID_PnP::unitAttached);
    QSignalSpy removed(&rig.link, &HID_PnP::unitRemoved);
    for (int round = 1; round <= 2; ++round) {
        rig.unit.Unplug();
        EXPECT_FALSE(rig.link.HasDevice()) << round;
        EXPECT_EQ(removed.count(), round);
        rig.unit.Plug();
        EXPECT_TRUE(rig.link.HasDevice()) << round;
        EXPECT_EQ(attached.count(), round);
        EXPECT_EQ(rig.link.ConnectionSerial(), round + 1);
    }

    // Another device, or a second unit while one is held, changes nothing.
    emit rig.unit.removed(QStringLiteral("/dev/hidraw7"));
    emit rig.unit.arrived(QStringLiteral("/dev/hidraw8"));
    EXPECT_TRUE(rig.link.HasDevice() && rig.unit.IsOpen());
    EXPECT_EQ(removed.count() + attached.count(), 4);
}

TEST(Connection, AProbeThatFindsNoneIsARemovalAndSaysWhy) {
    LinkRig rig(DefaultUnitImage(), 1, false);
    EXPECT_FALSE(rig.link.HasDevice());
    EXPECT_EQ(rig.link.LastOpenResult(), OpenResult::NoUnit);
    QSignalSpy removed(&rig.link, &HID_PnP::unitRemoved);
    rig.unit.SetOpenResult(OpenResult::PermissionDenied);
    rig.unit.Plug();
    EXPECT_FALSE(rig.link.HasDevice());
    EXPECT_EQ(rig.link.LastOpenResult(), OpenResult::PermissionDenied);
    EXPECT_EQ(removed.count(), 1);
}

TEST(Connection, GuardsKeepANotificationOfTheSameKindFromStartingAgain) {
    LinkRig rig(DefaultUnitImage(), 1, false);
    State().flag_MyNewDeviceCallback = true;
    rig.unit.Plug();
    EXPECT_FALSE(rig.link.HasDevice());
    State().flag_MyNewDeviceCallback = false;
    emit rig.unit.arrived(QStringLiteral("sim:0"));
    ASSERT_TRUE(rig.link.HasDevice());

    State().flag_MyRemovalCallback = true;
    emit rig.unit.removed(QStringLiteral("sim:0"));
    EXPECT_TRUE(rig.link.HasDevice());
    State().flag_MyRemovalCallback = false;
    emit rig.unit.removed(QStringLiteral("sim:0"));
    EXPECT_FALSE(rig.link.HasDevice());
}

// Each manager hears its own backend only.
TEST(Connection, ASecondManagerDoesNotHearTheFirstOnesUnit) {
    LinkRig current(DefaultUnitImage(), 1, false);
    SimulatedUnit first;
    DeviceState other;
    HID_PnP stale(first, other);
    first.Unplug();
    first.Plug();
    EXPECT_TRUE(stale.HasDevice());
    EXPECT_FALSE(current.link.HasDevice());
}

}  // namespace
}  // namespace tarvik::test
