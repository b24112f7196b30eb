// SPDX-License-Identifier: GPL-3.0-or-later
// set: one pedal to the setting a form names, written over the pedal's record, then read back.
#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/PedalArg.h"
#include "cli/SetForm.h"
#include "cli/UnitSession.h"
#include "model/DeviceState.h"
#include "model/PedalNames.h"
#include "model/Texts.h"

namespace tarvik::cli {

int RunSet(UnitSession& session, const CliRequest& request) {
    // Everything the command line can get wrong is refused before the unit is touched.
    QString error;
    if (!IsPedalArgument(request.args.at(0), error)) {
        Error(error);
        return EXIT_USAGE;
    }
    const SetFormResult form = ParseSetForm(request.args.mid(1));
    if (!form.choice) {
        Error(form.error);
        return EXIT_USAGE;
    }
    if (const int status = session.Attach(); status != EXIT_OK) return status;
    if (const int status = session.Read(); status != EXIT_OK) return status;

    const int count = session.Device().NumberOfPedals;
    const int p = ResolvePedal(request.args.at(0), count, error);
    if (p < 0) {
        Error(error);
        return EXIT_USAGE;
    }
    // The bytes the form does not name keep what the unit holds.
    if (const int status = session.WriteChecked(p, *form.choice); status != EXIT_OK) return status;
    Out(std::string(text::SettingDoneBefore) + ShownPedalName(count, p) + text::SettingDoneAfter + "\n");
    return EXIT_OK;
}

}  // namespace tarvik::cli
