// SPDX-License-Identifier: GPL-3.0-or-later
// list: every unit present with its firmware version and pedal count, one line each.
#include <string>

#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/UnitSession.h"
#include "model/DeviceState.h"

namespace tarvik::cli {

int RunList(UnitSession& session) {
    const QStringList units = session.Units();
    if (units.isEmpty()) return session.Attach();  // says that none was found and what to do

    int status = EXIT_OK;
    for (const QString& path : units) {
        if (session.Attach(path) != EXIT_OK || session.Read() != EXIT_OK) {
            // The unit is there even when it cannot be read; the message above says why.
            std::string line = path.toStdString() + "\t";
            if (State().VersionNumberMajor >= FIRST_UNSUPPORTED_FIRMWARE_MAJOR) {
                line += "firmware " + FirmwareText().toStdString() + " (not supported)";
            } else {
                line += "not readable";
            }
            Out(line + "\n");
            status = EXIT_UNIT;
            continue;
        }
        const int count = State().NumberOfPedals;
        Out(path.toStdString() + "\tfirmware " + FirmwareText().toStdString() + "\t" + std::to_string(count) +
            (count == 1 ? " pedal" : " pedals") + "\n");
    }
    session.Detach();
    return status;
}

}  // namespace tarvik::cli
