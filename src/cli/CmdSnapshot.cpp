// SPDX-License-Identifier: GPL-3.0-or-later
// dump and restore: a unit's settings to and from a unit file.
#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/UnitSession.h"
#include "model/DeviceState.h"
#include "model/ModeDecoder.h"
#include "model/PedalNames.h"
#include "storage/UnitFile.h"
#include "sim/UnitImage.h"

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

    const UnitImage image = ImageFromState();
    if (toStandardOutput) {
        Out(UnitFileText(image).toStdString());
        return EXIT_OK;
    }
    QString error;
    if (!WriteUnitFile(file, image, error, existing, &seen)) {
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

    const int count = State().NumberOfPedals;
    const int snapshotCount = static_cast<int>(snapshot.pedals.size());
    if (snapshotCount != count) {
        Error(QStringLiteral("%1 holds %2 pedals but this unit has %3; nothing was written")
                  .arg(file).arg(snapshotCount).arg(count));
        return EXIT_USAGE;
    }

    int refused = 0;
    int unchanged = 0;
    std::vector<WrittenPedal> written;
    for (int p = 0; p < count; ++p) {
        const PedalImage& pedal = snapshot.pedals[static_cast<std::size_t>(p)];
        const QString name = QString::fromStdString(ShownPedalName(count, p));
        const auto i = static_cast<std::size_t>(p);
        // One chord lives wholly in the common bytes; the chords after it live in the additional
        // data, which no command writes.
        if (modes::HoldsSeveralChords(pedal.mode, pedal.common)) {
            if (State().OutputMode[i] == pedal.mode && State().CommonData[i] == pedal.common &&
                State().AdditionalData[i] == pedal.additional) {
                ++unchanged;  // the unit already holds exactly this: nothing to write, nothing refused
                continue;
            }
            Error(QStringLiteral("pedal %1 (%2): not restored: its multi-chord setting (mode 9) keeps chords in "
                                 "additional data, which the unit cannot be sent").arg(p).arg(name));
            ++refused;
            continue;
        }
        State().SelectedPedalNo = p;
        State().OutputMode[i] = pedal.mode;
        State().CommonData[i] = pedal.common;
        written.push_back(RecordOf(p));
        if (session.Write(p) != EXIT_OK) {
            Error(QStringLiteral("writing pedal %1 (%2) failed (see above); the pedals after it were not written")
                      .arg(p).arg(name));
            return EXIT_UNIT;
        }
    }
    if (const int status = session.VerifyWritten(written); status != EXIT_OK) return status;
    std::string summary = "Restored " + std::to_string(written.size()) + " of " + std::to_string(count) +
                          " pedals from " + file.toStdString();
    if (unchanged > 0) summary += "; " + std::to_string(unchanged) + " already as in the snapshot";
    if (refused > 0) summary += "; " + std::to_string(refused) + " refused";
    Out(summary + ".\n");
    return refused > 0 ? EXIT_UNIT : EXIT_OK;
}

}  // namespace tarvik::cli
