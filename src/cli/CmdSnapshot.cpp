// SPDX-License-Identifier: GPL-3.0-or-later
// dump and restore: a unit's settings to and from a unit file.
#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/UnitSession.h"
#include "device/Alert.h"
#include "model/DeviceState.h"
#include "model/ModeDecoder.h"
#include "model/PedalNames.h"
#include "storage/UnitFile.h"
#include "units/Snapshot.h"
#include "model/UnitImage.h"

namespace tarvik::cli {

int RunDump(UnitSession& session, const CliRequest& request) {
    const QString file = request.args.value(0);
    const bool toStandardOutput = file.isEmpty() || file == QLatin1String("-");
    const Existing existing = request.force ? Existing::Replace : Existing::Keep;
    // A target that cannot be written is refused before the unit is touched; what it names then is
    // all the write may replace later.
    FileIdentity seen;
    if (!toStandardOutput) {
        const QString refusal = WriteRefusal(file, existing, &seen);
        if (!request.force && seen.exists) {
            Error(QStringLiteral("%1 exists already; add --force to replace it. Nothing was written").arg(file));
            return EXIT_USAGE;
        }
        if (!refusal.isEmpty()) {
            Error(refusal);
            return EXIT_USAGE;
        }
    }
    if (const int status = session.Attach(); status != EXIT_OK) return status;
    if (const int status = session.Read(); status != EXIT_OK) return status;

    if (toStandardOutput) {
        Out(UnitFileText(SnapshotOf(session.Device())).toStdString());
        return EXIT_OK;
    }
    QString error;
    if (!ExportSnapshot(file, session.Device(), existing, error, &seen)) {
        Error(error);
        return EXIT_USAGE;
    }
    return EXIT_OK;
}

int RunRestore(UnitSession& session, const CliRequest& request) {
    const QString& file = request.args.at(0);
    UnitImage snapshot;
    QString error;
    if (!ReadUnitFile(file, snapshot, error)) {
        Error(error);
        return EXIT_USAGE;
    }
    if (const int status = session.Attach(); status != EXIT_OK) return status;
    if (const int status = session.Read(); status != EXIT_OK) return status;

    const RestorePlan plan = PlanRestore(snapshot, session.Device());
    if (!plan.CountMatches()) {
        Error(QStringLiteral("%1 holds %2 pedals but this unit has %3; nothing was written")
                  .arg(file).arg(plan.snapshotCount).arg(plan.unitCount));
        return EXIT_USAGE;
    }
    const int count = plan.unitCount;
    for (const int p : plan.unwritable) {
        // The chords after the first live in the additional data, which no command writes.
        Error(QStringLiteral("pedal %1 (%2): not restored: its multi-chord setting (mode 9) keeps chords in "
                             "additional data, which the unit cannot be sent")
                  .arg(p)
                  .arg(QString::fromStdString(ShownPedalName(count, p))));
    }
    const RestoreOutcome outcome = WriteRestore(session.Link(), session.Device(), snapshot, plan);
    switch (outcome.result) {
    case RestoreOutcome::WriteFailed:
        AlertExchangeFailure(outcome.ending);
        Error(QStringLiteral("writing pedal %1 (%2) failed (see above); the pedals after it were not written")
                  .arg(outcome.pedal)
                  .arg(QString::fromStdString(ShownPedalName(count, outcome.pedal))));
        return EXIT_UNIT;
    case RestoreOutcome::Mismatch:
        for (const int p : outcome.mismatched) {
            const PedalImage& meant = snapshot.pedals[static_cast<std::size_t>(p)];
            session.ReportDifference(p, meant.mode, meant.common);
        }
        return EXIT_UNIT;
    case RestoreOutcome::Done:
        break;
    }
    if (const int status = session.SaveSimulation(); status != EXIT_OK) return status;
    std::string summary = "Restored " + std::to_string(outcome.written.size()) + " of " + std::to_string(count) +
                          " pedals from " + file.toStdString();
    if (!plan.unchanged.empty()) summary += "; " + std::to_string(plan.unchanged.size()) + " already as in the snapshot";
    if (!plan.unwritable.empty()) summary += "; " + std::to_string(plan.unwritable.size()) + " refused";
    Out(summary + ".\n");
    return plan.unwritable.empty() ? EXIT_OK : EXIT_UNIT;
}

}  // namespace tarvik::cli
