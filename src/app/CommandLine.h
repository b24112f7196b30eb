// The program's command line: --simulate[=FILE], --help, --version. Nothing else changes what it does.
#pragma once

#include <QString>
#include <QStringList>

#include "sim/UnitImage.h"

namespace tarvik {

struct StartOptions {
    bool simulate = false;
    QString unitFile;     // empty: the built-in unit
    UnitImage unitImage;  // the simulated unit to run on, read from unitFile when given
};

// True when the arguments ask for help or the version, which need no display.
bool AsksForHelpOrVersion(const QStringList& arguments);

// Reads the unit file named by a "--simulate=FILE" among `arguments`, if any, before anything else
// starts. Returns -1 to go on, else the exit status after the error on standard error.
int CheckUnitFileArgument(const QStringList& arguments);

// Parses `arguments` (program name first) and reads the unit file. Returns -1 to go on, otherwise
// the exit status after help, version (on standard output) or an error (on standard error).
int ParseCommandLine(const QStringList& arguments, StartOptions& options);

}  // namespace tarvik
