// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "device/HID_PnP.h"
#include "device/UnitFlows.h"
#include "model/ProtocolConstants.h"
#include "sim/SimulatedUnit.h"
#include "support/Builders.h"
#include "units/Snapshot.h"

namespace tarvik {
namespace {

using test::Pedal;
using test::Unit;

// Two chords: the second lives in the additional data.
const PedalImage kChords = Pedal(9, {0x2c, 0x0a, 0x10, 0x03, 0, 0, 2, 4, 5});

DeviceState StateOf(const UnitImage& unit) {
    DeviceState state;
    state.NumberOfPedals = static_cast<int>(unit.pedals.size());
    for (std::size_t p = 0; p < unit.pedals.size(); ++p) {
        state.OutputMode[p] = unit.pedals[p].mode;
        state.CommonData[p] = unit.pedals[p].common;
        state.AdditionalData[p] = unit.pedals[p].additional;
    }
    return state;
}

TEST(Snapshot, ThePlanSortsPedalsIntoToWriteUnwritableAndUnchanged) {
    const DeviceState unit = StateOf(Unit({Pedal(1, {4}), Pedal(1, {5}), Pedal(1, {6}), kChords}));
    const RestorePlan plan = PlanRestore(Unit({Pedal(1, {4}), kChords, Pedal(0, {0x28}), kChords}), unit);
    EXPECT_EQ(plan.toWrite, std::vector<int>({2}));
    EXPECT_EQ(plan.unwritable, std::vector<int>({1}));
    EXPECT_EQ(plan.unchanged, std::vector<int>({0, 3}));
    EXPECT_EQ(PedalsNoCommandRebuilds(unit), std::vector<int>({3}));

    const RestorePlan other = PlanRestore(Unit({Pedal(1, {4})}), unit);
    EXPECT_FALSE(other.CountMatches());
    EXPECT_TRUE(other.toWrite.empty());
}

TEST(Snapshot, OnlyTheDifferingPedalsAreWrittenAndReadBack) {
    SimulatedUnit sim(Unit({Pedal(1, {4}), Pedal(1, {5}), Pedal(1, {6})}));
    DeviceState state;
    HID_PnP link(sim, state);
    UnitFlowListener listener;
    ASSERT_EQ(ReadUnit(link, state, listener), ReadOutcome::Done);
    const UnitImage snapshot = Unit({Pedal(1, {4}), Pedal(0, {0x28}), Pedal(1, {6})});
    sim.ClearTranscript();

    const RestoreOutcome outcome = WriteRestore(link, state, snapshot, PlanRestore(snapshot, state));
    EXPECT_EQ(outcome.result, RestoreOutcome::Done);
    EXPECT_EQ(outcome.written, std::vector<int>({1}));
    EXPECT_EQ(sim.CommandCount(SET_OUTPUT_MODE_AND_DATA), 1);
    EXPECT_EQ(sim.Image().pedals[1].mode, 0);
    EXPECT_EQ(sim.Image().pedals[1].common[0], 0x28);
}

}  // namespace
}  // namespace tarvik
