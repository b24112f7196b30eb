// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built tarvikctl and looks at what it wrote.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "support/FileKinds.h"

namespace tarvik::test {

struct CtlResult {
    int exitCode = -1;
    QString out;  // standard output
    QString err;  // standard error
};

// Standard input is closed at once, as in a script.
CtlResult RunCtl(const QStringList& args);
// tarvik-config as it is started where no display exists (a terminal over ssh, a build machine
// running help2man): its command line must be answered without Qt aborting.
CtlResult RunGuiWithoutDisplay(const QStringList& args);
// tarvikctl under a file-size limit of 0 (ulimit -f 0): every write to a file fails.
CtlResult RunCtlWithoutFileSpace(const QStringList& args);
// tarvikctl started by the shell command `script`, in which "$0" is tarvikctl and "$@" `args`
// (`exec "$0" "$@" >/dev/full`).
CtlResult RunCtlThroughShell(const QString& script, const QStringList& args);

// Lines of standard error that start with `prefix` ("> " for the reports sent).
QStringList LinesStartingWith(const QString& text, const QString& prefix);

// A unit file with these pedals ("mode", "common" hex) and firmware 2.1.0.
QByteArray UnitJson(const QList<QPair<int, QString>>& pedals, const QString& extra = {});
// Three pedals; pedal 0 carries a byte at the end that no standard edit touches.
QByteArray ThreePedals();

}  // namespace tarvik::test
