// SPDX-License-Identifier: GPL-3.0-or-later
// Diagnostic console lines ("timeout", "alert_OK_pushed", …). They go to standard output unless a
// sink is installed: the CLI keeps its standard output for data, tests capture the lines.
#pragma once

#include <functional>
#include <string>

namespace tarvik {

using ConsoleSink = std::function<void(const std::string& line)>;

void ConsoleLine(const std::string& line);
// nullptr-like empty function restores standard output.
void SetConsoleSink(ConsoleSink sink);

}  // namespace tarvik
