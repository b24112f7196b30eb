#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "sim/UnitFile.h"

namespace tarvik {

namespace {

const QString kSimulate = QStringLiteral("simulate");
const QString kSimulateWithFile = QStringLiteral("--simulate=");

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

QString VersionNumber() {
    return QStringLiteral("%1.%2.%3").arg(Win_Major).arg(Win_Minor).arg(Win_Revision);
}

// Reads the unit file of a "--simulate=FILE"; on failure says why on standard error.
bool LoadUnitFile(const QString& file, UnitImage& image) {
    if (file.isEmpty()) {
        Print(stderr, QStringLiteral("tarvik-config: --simulate=: no unit file given\n"));
        return false;
    }
    QString error;
    if (!ReadUnitFile(file, image, error)) {
        // The reason names the file already.
        Print(stderr, QStringLiteral("tarvik-config: %1\n").arg(error));
        return false;
    }
    return true;
}

}  // namespace

bool AsksForHelpOrVersion(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h") || a == QLatin1String("-?") ||
            a == QLatin1String("--version") || a == QLatin1String("-v"))
            return true;
    }
    return false;
}

int CheckUnitFileArgument(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!arguments[i].startsWith(kSimulateWithFile)) continue;
        UnitImage image;
        if (!LoadUnitFile(arguments[i].mid(kSimulateWithFile.size()), image)) return 2;
    }
    return -1;
}

int ParseCommandLine(const QStringList& arguments, StartOptions& options) {
    // QCommandLineParser has no optional values: "--simulate=FILE" is split off by hand.
    QStringList args;
    QString file;
    bool fileGiven = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (i > 0 && a.startsWith(kSimulateWithFile)) {
            file = a.mid(kSimulateWithFile.size());
            fileGiven = true;
            args << QStringLiteral("--simulate");
        } else {
            args << a;
        }
    }

    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
                                  QStringLiteral("Displays this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays version information."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(QCommandLineOption(kSimulate));
    if (!parser.parse(args)) {
        Print(stderr, QStringLiteral("tarvik-config: %1\nTry 'tarvik-config --help'.\n").arg(parser.errorText()));
        return 2;
    }
    if (parser.isSet(help)) {
        Print(stdout, QStringLiteral(
                          "Usage: tarvik-config [--simulate[=FILE]]\n"
                          "Configures the Tarvik USB foot-pedal unit.\n"
                          "\n"
                          "  --simulate         Run on a built-in simulated three-pedal unit instead of USB.\n"
                          "  --simulate=FILE    Run on the simulated unit described by the JSON unit file FILE.\n"
                          "  -h, --help         Display this help.\n"
                          "  -v, --version      Display the version.\n"));
        return 0;
    }
    if (parser.isSet(version)) {
        Print(stdout, QStringLiteral("tarvik-config %1\n").arg(VersionNumber()));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        Print(stderr, QStringLiteral("tarvik-config: unexpected argument '%1'\n").arg(parser.positionalArguments().first()));
        return 2;
    }

    options.simulate = parser.isSet(kSimulate);
    options.unitFile.clear();
    options.unitImage = DefaultUnitImage();
    if (fileGiven) {
        UnitImage image;
        if (!LoadUnitFile(file, image)) return 2;
        options.unitFile = file;
        options.unitImage = std::move(image);
    }
    return -1;
}

}  // namespace tarvik
