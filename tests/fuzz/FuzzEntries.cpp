// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzEntries.h"

namespace tarvik::fuzz {

const std::vector<Target>& Targets() {
    static const std::vector<Target> targets{
        {"unit_file", &UnitFile},
        {"answers", &Answers},
        {"cli_arguments", &CliArguments},
        {"report_descriptor", &ReportDescriptor},
    };
    return targets;
}

}  // namespace tarvik::fuzz
