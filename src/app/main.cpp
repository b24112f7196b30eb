// SPDX-License-Identifier: GPL-3.0-or-later
// tarvik-config: configures the Tarvik USB foot-pedal unit.
#include <QApplication>
#include <QStringList>
#include <cstdio>

#include "app/AppDelegate.h"
#include "app/CommandLine.h"
#include "app/DesktopIdentity.h"
#include "i18n/Language.h"
#include "ui/MainWindowViewController.h"

namespace {

QStringList RawArguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace

int main(int argc, char** argv) {
    // The whole command line is answered before Qt looks for a display: help, version, a usage error
    // and a bad unit file all work without one (help2man and scripts run so).
    tarvik::StartOptions options;
    const QStringList raw = RawArguments(argc, argv);
    if (const int status = tarvik::ParseCommandLine(raw, options); status >= 0) return status;
    if (!tarvik::DisplayAvailable(raw)) {
        std::fputs("tarvik-config: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                   "Without a display, the command-line tool works: tarvikctl --help\n",
                   stderr);
        return 1;
    }

    QApplication app(argc, argv);
    tarvik::i18n::UseDesktopLanguage();
    tarvik::ApplyDesktopIdentity();

    tarvik::AppDelegate delegate(options);
    QApplication::setQuitOnLastWindowClosed(delegate.applicationShouldTerminateAfterLastWindowClosed());
    delegate.applicationDidFinishLaunching();
    delegate.Window().show();
    app.exec();
    delegate.applicationWillTerminate();
    return 0;
}
