// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line: --simulate[=FILE], --help, --version. Nothing else changes what it does.
#pragma once

#include <QString>
#include <QStringList>

#include "model/UnitImage.h"

namespace tarvik {

struct StartOptions {
    bool simulate = false;
    QString unitFile;     // empty: the built-in unit
    QStringList unitFiles;  // every --simulate=FILE, in order: one simulated unit each
    UnitImage unitImage;  // the simulated unit to run on, read from unitFile when given
};

// The first line of the help, and what a usage error repeats.
inline constexpr const char* kUsageLine = "Usage: tarvik-config [--simulate[=FILE]]";

// `arguments` (program name first) without the options Qt's application object takes for itself
// (-platform NAME, -style=NAME, -reverse, ...), which are none of our business.
QStringList WithoutQtOptions(const QStringList& arguments);

// Parses `arguments` (program name first; Qt's own options are skipped) and reads the unit file.
// Needs no application object and no display, so it runs before either exists. Returns -1 to go
// on, otherwise the exit status after help, version (on standard output) or an error (on standard
// error).
int ParseCommandLine(const QStringList& arguments, StartOptions& options);

// Whether Qt can be expected to find a display: DISPLAY or WAYLAND_DISPLAY is set, or a platform is
// chosen (QT_QPA_PLATFORM, -platform). Without one Qt aborts; the caller explains instead.
bool DisplayAvailable(const QStringList& arguments);

}  // namespace tarvik
