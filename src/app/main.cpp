// tarvik-config: configures the Tarvik USB foot-pedal unit.
#include <QApplication>
#include <QStringList>

#include "app/AppDelegate.h"
#include "app/CommandLine.h"
#include "ui/MainWindowViewController.h"

namespace {

QStringList RawArguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace

int main(int argc, char** argv) {
    tarvik::StartOptions options;
    // Help, version and a bad unit file need no display: they are answered before the GUI starts.
    const QStringList raw = RawArguments(argc, argv);
    if (tarvik::AsksForHelpOrVersion(raw)) return tarvik::ParseCommandLine(raw, options);
    if (const int status = tarvik::CheckUnitFileArgument(raw); status >= 0) return status;

    QApplication app(argc, argv);
    // Qt's own options (-platform, …) are gone from arguments() now.
    if (const int status = tarvik::ParseCommandLine(QApplication::arguments(), options); status >= 0) return status;

    tarvik::AppDelegate delegate(options);
    QApplication::setQuitOnLastWindowClosed(delegate.applicationShouldTerminateAfterLastWindowClosed());
    delegate.applicationDidFinishLaunching();
    delegate.Window().show();
    app.exec();
    delegate.applicationWillTerminate();
    return 0;
}
