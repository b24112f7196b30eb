// SPDX-License-Identifier: GPL-3.0-or-later
// reset: every pedal back to its factory setting, after the user said yes on the terminal (or
// --yes), then read back.
#include <unistd.h>

#include <iostream>
#include <string>

#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/UnitSession.h"
#include "device/Alert.h"
#include "device/Console.h"
#include "device/UnitFlows.h"
#include "model/ChordRecord.h"
#include "model/DeviceState.h"
#include "model/ModeDecoder.h"
#include "model/PedalNames.h"
#include "model/Texts.h"

namespace tarvik::cli {

namespace {

// The first line of the window's confirmation; its second line is about buttons.
std::string ConfirmQuestion() {
    const std::string full = text::Tr(text::ResetConfirm);
    return full.substr(0, full.find("\r\n"));
}

// A pedal that holds several chords keeps all but the first in data no command writes: once reset,
// neither `restore` nor `set` can bring that setting back.
void WarnOfSettingsNoSnapshotKeeps(int count) {
    for (int p = 0; p < count; ++p) {
        const auto i = static_cast<std::size_t>(p);
        if (!modes::HoldsSeveralChords(State().OutputMode[i], State().CommonData[i])) continue;
        Error(
            QStringLiteral("warning: pedal %1 (%2) holds %3 chords (mode 9); after the reset no snapshot or "
                           "command can bring them back")
                .arg(p)
                .arg(QString::fromStdString(ShownPedalName(count, p)))
                .arg(chord::NumberOfOutputs(State().CommonData[i])));
    }
}

bool AskOnTerminal(int count) {
    std::cerr << text::ProductTitle << ": " << ConfirmQuestion() << "\n"
              << "Reset " << count << (count == 1 ? " pedal" : " pedals")
              << " to the factory setting? Type y to reset, anything else cancels [y/N]: " << std::flush;
    std::string answer;
    if (!std::getline(std::cin, answer)) return false;
    return answer == "y" || answer == "Y" || answer == "yes" || answer == "YES" || answer == "Yes";
}

}  // namespace

int RunReset(UnitSession& session, const CliRequest& request) {
    if (!request.yes && isatty(STDIN_FILENO) == 0) {
        Error(QStringLiteral("reset asks before it overwrites every pedal, but standard input is not a terminal; "
                             "add --yes to reset without asking. Nothing was changed."));
        return EXIT_USAGE;
    }
    if (const int status = session.Attach(); status != EXIT_OK) return status;
    if (const int status = session.Read(); status != EXIT_OK) return status;

    int count = State().NumberOfPedals;
    WarnOfSettingsNoSnapshotKeeps(count);
    if (!request.yes) {
        // No other program is kept from the unit while a person decides; the unit is taken again after.
        session.Detach();
        if (!AskOnTerminal(count)) {
            ConsoleLine(text::Tr(text::ConsoleCancelled));
            Error(QStringLiteral("nothing was changed"));
            return EXIT_USAGE;  // as when no terminal could be asked
        }
        if (const int status = session.Attach(); status != EXIT_OK) return status;
        if (const int status = session.Read(); status != EXIT_OK) return status;
        count = State().NumberOfPedals;
    }
    ConsoleLine(text::ConsoleResetting);
    // A failed exchange is told as it happens; the reset goes on with the next pedal.
    class Telling : public UnitFlowListener {
        void ExchangeFailed(ExchangeEnding ending) override { AlertExchangeFailure(ending); }
    } telling;
    const bool failed = FactoryReset(session.Link(), State(), telling) != ExchangeEnding::Answered;
    if (failed) alertBox(text::Tr(text::ResetFailed));

    std::vector<WrittenPedal> written;
    for (int p = 0; p < count; ++p) written.push_back(RecordOf(p));
    if (failed) {
        Error(QStringLiteral("the factory reset did not finish (see above); some pedals may keep their setting"));
        return EXIT_UNIT;
    }
    if (const int status = session.VerifyWritten(written); status != EXIT_OK) return status;
    Out("All " + std::to_string(count) + (count == 1 ? " pedal is" : " pedals are") +
        " back at the factory setting.\n");
    return EXIT_OK;
}

}  // namespace tarvik::cli
