// show: every pedal's name and description, as text or as JSON.
#include <string>

#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/JsonText.h"
#include "cli/UnitSession.h"
#include "model/DeviceState.h"
#include "model/PedalContents.h"
#include "model/PedalNames.h"

namespace tarvik::cli {

namespace {

std::string Description(int p) {
    State().SelectedPedalNo = p;
    return PedalContentsText();
}

std::string JsonPedal(int p, int count) {
    const auto i = static_cast<std::size_t>(p);
    std::string common;
    for (std::size_t b = 0; b < State().CommonData[i].size(); ++b) {
        if (b > 0) common += ", ";
        common += std::to_string(State().CommonData[i][b]);
    }
    return "  {\"pedal\": " + std::to_string(p) + ", \"name\": " + JsonString(ShownPedalName(count, p)) +
           ", \"mode\": " + std::to_string(State().OutputMode[i]) + ", \"common\": [" + common +
           "], \"description\": " + JsonString(Description(p)) + "}";
}

}  // namespace

int RunShow(UnitSession& session, const CliRequest& request) {
    if (const int status = session.Attach(); status != EXIT_OK) return status;
    if (const int status = session.Read(); status != EXIT_OK) return status;

    const int count = State().NumberOfPedals;
    if (count == 0) Error(QStringLiteral("the unit reports no pedals"));
    std::string out;
    if (request.json) {
        out = "[";
        for (int p = 0; p < count; ++p) out += (p == 0 ? "\n" : ",\n") + JsonPedal(p, count);
        out += count > 0 ? "\n]\n" : "]\n";
    } else {
        for (int p = 0; p < count; ++p) {
            out += "pedal " + std::to_string(p) + ": " + ShownPedalName(count, p) + "\n";
            out += UnixLines(Description(p)) + "\n\n";
        }
    }
    Out(out);
    return EXIT_OK;
}

}  // namespace tarvik::cli
