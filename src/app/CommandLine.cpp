// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QtGlobal>
#include <cstdio>

#include "model/ProtocolConstants.h"
#include "storage/UnitFile.h"

namespace tarvik {

namespace {

const QString kSimulate = QStringLiteral("simulate");
const QString kSimulateWithFile = QStringLiteral("--simulate=");

// Options QGuiApplication, QApplication and the platform plugins take out of argv themselves.
// They are read with one or two leading dashes.
const QStringList kQtOptionsWithValue{
    QStringLiteral("platform"), QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
    QStringLiteral("plugin"),   QStringLiteral("qwindowgeometry"),    QStringLiteral("geometry"),
    QStringLiteral("qwindowtitle"), QStringLiteral("title"),          QStringLiteral("qwindowicon"),
    QStringLiteral("icon"),     QStringLiteral("session"),            QStringLiteral("display"),
    QStringLiteral("name"),     QStringLiteral("visual"),             QStringLiteral("style"),
    QStringLiteral("stylesheet")};
const QStringList kQtFlags{QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
                           QStringLiteral("dograb"),  QStringLiteral("sync"),        QStringLiteral("testability")};
// Also taken in the attached form "-style=fusion"; the debugger only so.
const QStringList kQtAttached{QStringLiteral("style"), QStringLiteral("stylesheet"), QStringLiteral("qmljsdebugger")};

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

QString VersionNumber() {
    return QStringLiteral("%1.%2.%3").arg(Win_Major).arg(Win_Minor).arg(Win_Revision);
}

// "-platform" or "--platform" -> "platform"; empty for anything that is not an option word.
QString OptionWord(const QString& argument) {
    if (argument.startsWith(QLatin1String("--"))) return argument.mid(2);
    if (argument.startsWith(QLatin1Char('-'))) return argument.mid(1);
    return {};
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

int UsageError(const QString& what) {
    Print(stderr, QStringLiteral("tarvik-config: %1\n%2\nTry 'tarvik-config --help' for more.\n")
                      .arg(what, QString::fromUtf8(kUsageLine)));
    return 2;
}

}  // namespace

QStringList WithoutQtOptions(const QStringList& arguments) {
    QStringList out;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString word = i > 0 ? OptionWord(arguments[i]) : QString();
        if (word.isEmpty()) {
            out << arguments[i];
            continue;
        }
        const qsizetype equals = word.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? word : word.left(equals);
        if (equals >= 0 && kQtAttached.contains(name)) continue;
        if (equals < 0 && kQtFlags.contains(name)) continue;
        if (equals < 0 && kQtOptionsWithValue.contains(name)) {
            ++i;  // and its value
            continue;
        }
        out << arguments[i];
    }
    return out;
}

int ParseCommandLine(const QStringList& arguments, StartOptions& options) {
    // QCommandLineParser has no optional values: "--simulate=FILE" is split off by hand.
    QStringList args;
    QString file;
    QStringList files;
    bool fileGiven = false;
    const QStringList ours = WithoutQtOptions(arguments);
    for (qsizetype i = 0; i < ours.size(); ++i) {
        const QString& a = ours[i];
        if (i > 0 && a.startsWith(kSimulateWithFile)) {
            file = a.mid(kSimulateWithFile.size());
            // Several files are several units; one file twice would be one unit shown twice.
            if (files.contains(file)) return UsageError(QStringLiteral("--simulate=%1 given twice").arg(file));
            files << file;
            fileGiven = true;
            if (files.size() == 1) args << QStringLiteral("--simulate");
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
    if (!parser.parse(args)) return UsageError(parser.errorText());
    if (parser.isSet(help)) {
        Print(stdout, QString::fromUtf8(kUsageLine) + QStringLiteral(
                          "\n"
                          "Configures the Tarvik USB foot-pedal unit: shows what each pedal sends and sets it.\n"
                          "\n"
                          "Options:\n"
                          "  --simulate         Run on a built-in simulated three-pedal unit instead of USB.\n"
                          "  --simulate=FILE    Run on the simulated unit kept in the JSON unit file FILE; what is\n"
                          "                     written to it is saved there. Give it once for each unit.\n"
                          "  -h, --help         Display this help.\n"
                          "  -v, --version      Display the version.\n"
                          "\n"
                          "Qt's own options (-platform NAME, -style NAME, -reverse, ...) are accepted too.\n"
                          "The command-line tool tarvikctl does the same without a window.\n"));
        return 0;
    }
    if (parser.isSet(version)) {
        Print(stdout, QStringLiteral("tarvik-config %1\n").arg(VersionNumber()));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return UsageError(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    }

    options.simulate = parser.isSet(kSimulate);
    options.unitFile.clear();
    options.unitFiles.clear();
    options.unitImage = DefaultUnitImage();
    if (fileGiven) {
        for (const QString& each : files) {
            UnitImage image;
            if (!LoadUnitFile(each, image)) return 2;
            if (options.unitFiles.isEmpty()) options.unitImage = std::move(image);
            options.unitFiles << each;
        }
        options.unitFile = options.unitFiles.first();
    }
    return -1;
}

bool DisplayAvailable(const QStringList& arguments) {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(variable)) return true;
    }
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString word = OptionWord(arguments[i]);
        if (word == QLatin1String("platform")) return true;
    }
    return false;
}

}  // namespace tarvik
