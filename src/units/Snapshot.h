// SPDX-License-Identifier: GPL-3.0-or-later
// Snapshots of a unit's settings (the unit-file format) as both programs take and put them back:
// what a restore would change, writing only that, and reading each written pedal back.
#pragma once

#include <QString>
#include <vector>

#include "device/ExchangeEnding.h"
#include "model/DeviceState.h"
#include "sim/UnitImage.h"
#include "storage/SafeFile.h"

namespace tarvik {

class HID_PnP;
class UnitFlowListener;

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
        ReadBackFailed,  // the unit could not be read again to check
        Mismatch,        // read back, but `mismatched` do not hold what was written
    } result = Done;
    int pedal = -1;
    ExchangeEnding ending = ExchangeEnding::Answered;
    std::vector<int> written;
    std::vector<int> mismatched;
};

// Writes plan.toWrite from `snapshot` into `state` and the unit, then reads the unit again into
// `state` and compares each written pedal.
RestoreOutcome WriteRestore(HID_PnP& link, DeviceState& state, const UnitImage& snapshot, const RestorePlan& plan,
                            UnitFlowListener& listener);

// Writes the settings read into `state` to `path` as a snapshot, whole or not at all.
bool ExportSnapshot(const QString& path, const DeviceState& state, Existing existing, QString& error);

}  // namespace tarvik
