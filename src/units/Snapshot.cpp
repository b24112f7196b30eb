// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/Snapshot.h"

#include <algorithm>

#include "device/WriteFlow.h"
#include "model/ModeDecoder.h"
#include "storage/UnitFile.h"

namespace tarvik {

namespace {

bool Same(const PedalImage& pedal, const DeviceState& state, std::size_t p) {
    return state.OutputMode[p] == pedal.mode && state.CommonData[p] == pedal.common &&
           state.AdditionalData[p] == pedal.additional;
}

}  // namespace

RestorePlan PlanRestore(const UnitImage& snapshot, const DeviceState& state) {
    RestorePlan plan;
    plan.snapshotCount = static_cast<int>(snapshot.pedals.size());
    plan.unitCount = state.NumberOfPedals;
    if (!plan.CountMatches()) return plan;
    for (int p = 0; p < plan.unitCount; ++p) {
        const auto i = static_cast<std::size_t>(p);
        const PedalImage& pedal = snapshot.pedals[i];
        if (Same(pedal, state, i)) {
            plan.unchanged.push_back(p);
        } else if (modes::HoldsSeveralChords(pedal.mode, pedal.common)) {
            // The chords after the first live in the additional data, which no command writes.
            plan.unwritable.push_back(p);
        } else {
            plan.toWrite.push_back(p);
        }
    }
    return plan;
}

std::vector<int> PedalsNoCommandRebuilds(const DeviceState& state) {
    std::vector<int> pedals;
    for (int p = 0; p < state.NumberOfPedals && p < NUMBER_OF_PEDALS_MAX; ++p) {
        const auto i = static_cast<std::size_t>(p);
        if (modes::HoldsSeveralChords(state.OutputMode[i], state.CommonData[i])) pedals.push_back(p);
    }
    return pedals;
}

RestoreOutcome WriteRestore(HID_PnP& link, DeviceState& state, const UnitImage& snapshot, const RestorePlan& plan) {
    RestoreOutcome outcome;
    for (const int p : plan.toWrite) {
        const PedalImage& pedal = snapshot.pedals[static_cast<std::size_t>(p)];
        outcome.written.push_back(p);
        const WriteResult result = WriteRecord(link, state, p, pedal.mode, pedal.common);
        if (result.outcome == WriteOutcome::Failed) {
            outcome.result = RestoreOutcome::WriteFailed;
            outcome.pedal = p;
            outcome.ending = result.ending;
            return outcome;
        }
        if (result.outcome == WriteOutcome::Differs) outcome.mismatched.push_back(p);
    }
    if (!outcome.mismatched.empty()) outcome.result = RestoreOutcome::Mismatch;
    return outcome;
}

UnitImage SnapshotOf(const DeviceState& state) {
    UnitImage image;
    image.firmware = {state.VersionNumberMajor, state.VersionNumberMinor, state.VersionNumberRevision};
    image.pedals.resize(static_cast<std::size_t>(std::clamp(state.NumberOfPedals, 0, NUMBER_OF_PEDALS_MAX)));
    for (std::size_t p = 0; p < image.pedals.size(); ++p) {
        image.pedals[p].mode = state.OutputMode[p];
        image.pedals[p].common = state.CommonData[p];
        image.pedals[p].additional = state.AdditionalData[p];
    }
    return image;
}

bool ExportSnapshot(const QString& path, const DeviceState& state, Existing existing, QString& error,
                    const FileIdentity* expected) {
    return WriteUnitFile(path, SnapshotOf(state), error, existing, expected);
}

}  // namespace tarvik
