// SPDX-License-Identifier: GPL-3.0-or-later
// tarvikctl: shows and changes a Tarvik unit's pedal settings from the command line.
#include <QCoreApplication>
#include <QStringList>
#include <csignal>

#include "cli/CliArgs.h"
#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/UnitSession.h"
#include "i18n/Language.h"
#include "storage/NativeName.h"

using namespace tarvik::cli;

namespace {

int RunCommand(const CliRequest& request) {
    if (request.command == QLatin1String("doctor")) return RunDoctor(request);

    UnitSession session;
    if (const int status = session.Prepare(request); status != EXIT_OK) return status;
    int status = EXIT_USAGE;
    if (request.command == QLatin1String("list")) status = RunList(session);
    else if (request.command == QLatin1String("show")) status = RunShow(session, request);
    else if (request.command == QLatin1String("set")) status = RunSet(session, request);
    else if (request.command == QLatin1String("reset")) status = RunReset(session, request);
    else if (request.command == QLatin1String("dump")) status = RunDump(session, request);
    else if (request.command == QLatin1String("restore")) status = RunRestore(session, request);
    // A simulated unit keeps what was written to it, also when the command failed halfway: a real
    // unit would too.
    const int saved = session.SaveSimulation();
    return status != EXIT_OK ? status : saved;
}

// What a command had done when its output could not be written.
QString DoneBeforeOutputFailed(const QString& command) {
    if (command == QLatin1String("set")) return QStringLiteral("the pedal was written and read back");
    if (command == QLatin1String("reset")) return QStringLiteral("every pedal was reset and read back");
    if (command == QLatin1String("restore")) return QStringLiteral("the snapshot was restored and read back");
    return QStringLiteral("what it received is incomplete");
}

}  // namespace

int main(int argc, char** argv) {
    // Past a file-size limit a write then fails and says so, instead of the program ending halfway
    // through a file.
    std::signal(SIGXFSZ, SIG_IGN);
    GuardStandardStreams();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarvikctl"));
    tarvik::i18n::UseDesktopLanguage();
    InstallCliOutput();

    // The arguments as the bytes given: a file name need not be UTF-8.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << tarvik::NameFromNative(QByteArray(argv[i]));
    CliRequest request;
    QString message;
    switch (ParseCommandLine(arguments, request, message)) {
    case ParseOutcome::Help:
    case ParseOutcome::Version:
        Out(message.toStdString());
        if (const QString why = OutputFailure(); !why.isEmpty()) {
            Error(QStringLiteral("cannot write to standard output (%1)").arg(why));
            return EXIT_OUTPUT;
        }
        return EXIT_OK;
    case ParseOutcome::Error:
        Error(message);
        return EXIT_USAGE;
    case ParseOutcome::Run:
        break;
    }
    const int status = RunCommand(request);
    // Data that did not all reach its destination (a full disk behind `> file`) is no success;
    // the message says what was done all the same.
    const QString why = OutputFailure();
    if (why.isEmpty() || status != EXIT_OK) return status;
    Error(QStringLiteral("standard output could not be written (%1); %2")
              .arg(why, DoneBeforeOutputFailed(request.command)));
    return EXIT_OUTPUT;
}
