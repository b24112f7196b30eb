// SPDX-License-Identifier: GPL-3.0-or-later
// Snapshots of a unit's settings (the unit-file format) as both programs take and put them back:
// what a restore would change, writing only that, and reading each written pedal back.
#pragma once

#include <QString>
#include <vector>

#include "device/ExchangeEnding.h"
#include "model/DeviceState.h"
#include "model/UnitImage.h"
#include "storage/SafeFile.h"

namespace tarvik {

class HID_PnP;

struct RestorePlan {
    int snapshotCount = 0;
    int unitCount = 0;
    std::vector<int> toWrite;     // differ from the unit, and a command can write them
    std::vector<int> unwritable;  // differ, but hold several chords, which no command can send
    std::vector<int> unchanged;   // the unit holds them as the snapshot does

    bool CountMatches() const { return snapshotCount == unitCount; }
};

// What putting `snapshot` on the unit read into `state` would do. With another pedal count the
// lists stay empty: such a snapshot is refused whole.
RestorePlan PlanRestore(const UnitImage& snapshot, const DeviceState& state);

// The pedals of `state` holding a setting no command can write again (several chords): what a
// factory reset would lose for good.
std::vector<int> PedalsNoCommandRebuilds(const DeviceState& state);

struct RestoreOutcome {
    enum Result {
        Done,            // every pedal of toWrite written and read back as the snapshot holds it
        WriteFailed,     // writing `pedal` failed (`ending`); the pedals after it were not written
        Mismatch,        // read back, but `mismatched` do not hold what was written
    } result = Done;
    int pedal = -1;
    ExchangeEnding ending = ExchangeEnding::Answered;
    std::vector<int> written;
    std::vector<int> mismatched;
};

// Writes each pedal of plan.toWrite from `snapshot` into the unit and reads it back (the one write
// flow); `state` holds what the unit holds afterwards.
RestoreOutcome WriteRestore(HID_PnP& link, DeviceState& state, const UnitImage& snapshot, const RestorePlan& plan);

// The settings read into `state` (its NumberOfPedals pedals, at most five) with the firmware
// version: what a snapshot holds.
UnitImage SnapshotOf(const DeviceState& state);
// Writes SnapshotOf(state) to `path`, whole or not at all (with `expected`, only over that file).
bool ExportSnapshot(const QString& path, const DeviceState& state, Existing existing, QString& error,
                    const FileIdentity* expected = nullptr);

}  // namespace tarvik
