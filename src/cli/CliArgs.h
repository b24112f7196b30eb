// SPDX-License-Identifier: GPL-3.0-or-later
// tarvikctl's command line, parsed with QCommandLineParser into one request.
#pragma once

#include <QString>
#include <QStringList>

namespace tarvik::cli {

struct CliRequest {
    bool simulate = false;
    QString simulateFile;        // the first of simulateFiles; empty: the built-in three-pedal unit
    QStringList simulateFiles;   // one simulated unit each, in order (an empty one: the built-in unit)
    bool transcript = false;
    QString device;        // empty: the first unit found
    bool json = false;     // show
    bool yes = false;      // reset
    bool force = false;    // dump: replace an existing FILE
    QString command;
    QStringList args;      // the command's own arguments
};

enum class ParseOutcome { Run, Help, Version, Error };

// `arguments` includes the program name. On Help and Version `message` is the text to print on
// standard output; on Error it says what was wrong.
ParseOutcome ParseCommandLine(const QStringList& arguments, CliRequest& request, QString& message);

}  // namespace tarvik::cli
