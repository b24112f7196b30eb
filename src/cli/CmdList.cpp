// list: every unit present with its firmware version and pedal count, one line each.
#include <string>

#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/UnitSession.h"
#include "device/DeviceState.h"

namespace tarvik::cli {

int RunList(UnitSession& session) {
    const QStringList units = session.Units();
    if (units.isEmpty()) return session.Attach();  // says that none was found and what to do

    int status = EXIT_OK;
    for (const QString& path : units) {
        if (session.Attach(path) != EXIT_OK || session.Read() != EXIT_OK) {
            // The unit is there even when it cannot be read; the message above says why.
            const DeviceState& s = State();
            std::string line = path.toStdString() + "\t";
            if (s.VersionNumberMajor >= FIRST_UNSUPPORTED_FIRMWARE_MAJOR) {
                line += "firmware " + std::to_string(s.VersionNumberMajor) + "." + std::to_string(s.VersionNumberMinor) +
                        "." + std::to_string(s.VersionNumberRevision) + " (not supported)";
            } else {
                line += "not readable";
            }
            Out(line + "\n");
            status = EXIT_UNIT;
            continue;
        }
        const DeviceState& s = State();
        Out(path.toStdString() + "\tfirmware " + std::to_string(s.VersionNumberMajor) + "." +
            std::to_string(s.VersionNumberMinor) + "." + std::to_string(s.VersionNumberRevision) + "\t" +
            std::to_string(s.NumberOfPedals) + (s.NumberOfPedals == 1 ? " pedal" : " pedals") + "\n");
    }
    session.Detach();
    return status;
}

}  // namespace tarvik::cli
