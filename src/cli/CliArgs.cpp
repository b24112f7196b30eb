#include "cli/CliArgs.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include "model/ProtocolConstants.h"

namespace tarvik::cli {

namespace {

const char* const kCommands =
    "Commands:\n"
    "  list                        units found: path, firmware version, pedal count\n"
    "  show [--json]               every pedal: index, name, description of its setting\n"
    "  set PEDAL key KEYSPEC       one standard key with left-hand modifiers\n"
    "  set PEDAL click left|right|middle\n"
    "                              one click of the left, right or middle button\n"
    "  set PEDAL double-click      left double click (15 ms click, 15 ms apart)\n"
    "  reset [--yes]               factory setting for every pedal (asks first unless --yes)\n"
    "  dump [FILE|-] [--force]     snapshot of the unit as a unit file, to standard output without FILE\n"
    "                              or with -; an existing FILE is replaced only with --force\n"
    "  restore FILE                write each pedal's mode and 13 common bytes from a snapshot\n"
    "  doctor                      what stands between you and the unit: hidraw nodes, their usage\n"
    "                              pages and permissions, whether the udev rule is installed\n"
    "\n"
    "PEDAL is an index 0..4, the pedal's name for the unit's pedal count as `show` prints it\n"
    "(e.g. 左ペダル), or an English alias: center, left, right, far-left, far-right (pedal for a\n"
    "one-pedal unit).\n"
    "\n"
    "KEYSPEC is a key of the standard set, optionally after left-hand modifiers joined with '+':\n"
    "ctrl, shift, alt (option), cmd (gui, super, win). The key is named as in the key list\n"
    "(a, 1, F5, Space, Tab, Escape, Enter (Return), Home, →, キーパッド /, ...), by an alias (enter,\n"
    "esc, backspace, left, right, up, down, pageup, pagedown, minus, comma, period, slash, ...)\n"
    "or by its HID usage ID in hex (0x28). Modifiers alone (ctrl+shift) send only the modifiers.\n"
    "\n"
    "Set, reset and restore read every written pedal back and compare; a mismatch fails.\n"
    "Restore refuses pedals in the multi-chord mode (9), whose additional data no command writes,\n"
    "unless the unit already holds exactly that setting; it refuses a snapshot of another pedal count.\n"
    "\n"
    "With --simulate=FILE the commands work on a simulated unit kept in FILE (a unit file, as\n"
    "`dump` writes it); what a command writes is saved back to FILE. --simulate alone uses a\n"
    "built-in three-pedal unit that forgets everything when the command ends.\n"
    "\n"
    "Dump writes FILE whole or not at all, and only over a regular file (or through a symbolic\n"
    "link to one); unit files are read only from regular files.\n"
    "\n"
    "Exit status: 0 success; 1 a unit problem (none found, no access, send error, time-out,\n"
    "unsupported firmware, refused pedal, read-back mismatch); 2 bad usage or input.\n"
    "\n"
    "Examples:\n"
    "  tarvikctl list\n"
    "  tarvikctl show\n"
    "  tarvikctl set left key ctrl+shift+a\n"
    "  tarvikctl set 1 key enter\n"
    "  tarvikctl set 右ペダル click right\n"
    "  tarvikctl set center double-click\n"
    "  tarvikctl dump pedals.json\n"
    "  tarvikctl dump --force pedals.json\n"
    "  tarvikctl dump - | less\n"
    "  tarvikctl restore pedals.json\n"
    "  tarvikctl --device /dev/hidraw3 reset --yes\n"
    "  tarvikctl --simulate=unit.json --transcript set 0 key f5\n"
    "  tarvikctl doctor\n";

struct Arity {
    const char* command;
    int min;
    int max;
    const char* usage;
};

constexpr Arity kArities[] = {
    {"list", 0, 0, "list"},
    {"show", 0, 0, "show [--json]"},
    {"set", 2, 3, "set PEDAL key KEYSPEC | set PEDAL click left|right|middle | set PEDAL double-click"},
    {"reset", 0, 0, "reset [--yes]"},
    {"dump", 0, 1, "dump [FILE|-] [--force]"},
    {"restore", 1, 1, "restore FILE"},
    {"doctor", 0, 0, "doctor"},
};

const Arity* FindCommand(const QString& name) {
    for (const Arity& a : kArities) {
        if (name == QLatin1String(a.command)) return &a;
    }
    return nullptr;
}

// QCommandLineParser has no option with an optional value: "--simulate" alone becomes
// "--simulate=" (empty value: the built-in unit). FILE must therefore be attached with '='.
QStringList NormaliseSimulate(const QStringList& arguments) {
    QStringList out;
    bool optionsEnded = false;
    for (const QString& a : arguments) {
        if (a == QLatin1String("--")) optionsEnded = true;
        out << ((!optionsEnded && a == QLatin1String("--simulate")) ? QStringLiteral("--simulate=") : a);
    }
    return out;
}

// "set PEDAL key KEYSPEC" and friends: the shape only; the values are checked by the command.
QString CheckSetShape(const QStringList& args) {
    const QString& what = args.value(1);
    if (what == QLatin1String("key")) {
        if (args.size() != 3) return QStringLiteral("set PEDAL key needs a KEYSPEC, e.g. ctrl+shift+a");
    } else if (what == QLatin1String("click")) {
        if (args.size() != 3) return QStringLiteral("set PEDAL click needs left, right or middle");
    } else if (what == QLatin1String("double-click")) {
        if (args.size() != 2) return QStringLiteral("set PEDAL double-click takes nothing after it");
    } else {
        return QStringLiteral("set PEDAL needs key KEYSPEC, click left|right|middle or double-click, not '%1'")
            .arg(what);
    }
    return {};
}

}  // namespace

ParseOutcome ParseCommandLine(const QStringList& arguments, CliRequest& request, QString& message) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Shows and changes the settings of a Tarvik USB foot-pedal unit from the command line."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("Show the version and exit."));
    const QCommandLineOption simulate(
        QStringLiteral("simulate"),
        QStringLiteral("Work on a simulated unit: the built-in three-pedal unit, or the unit file FILE "
                       "(given as --simulate=FILE), which is updated by commands that write."),
        QStringLiteral("FILE"));
    const QCommandLineOption transcript(
        QStringLiteral("transcript"),
        QStringLiteral("Write every report to standard error: '> ' and 16 hex bytes for a sent report, "
                       "'< ' and 16 hex bytes for a received one."));
    const QCommandLineOption device(
        QStringLiteral("device"),
        QStringLiteral("Use the unit at PATH (as `list` shows it) instead of the first one found."),
        QStringLiteral("PATH"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("show: print a JSON array."));
    const QCommandLineOption yes(QStringLiteral("yes"), QStringLiteral("reset: do not ask first (needed where standard input is not a terminal)."));
    const QCommandLineOption force(QStringLiteral("force"),
                                   QStringLiteral("dump: replace FILE when it exists (a regular file, or a symbolic "
                                                  "link to one, which stays a link)."));
    parser.addOptions({help, version, simulate, transcript, device, json, yes, force});
    parser.addPositionalArgument(QStringLiteral("COMMAND"), QStringLiteral("One of the commands below."),
                                 QStringLiteral("COMMAND [ARGUMENTS]"));

    if (!parser.parse(NormaliseSimulate(arguments))) {
        message = parser.errorText() + QStringLiteral(" (see tarvikctl --help)");
        return ParseOutcome::Error;
    }
    if (parser.isSet(help)) {
        // Qt names the program by the path it was started with; the help reads better without it.
        message = parser.helpText();
        const qsizetype firstLineEnd = message.indexOf(QLatin1Char('\n'));
        const qsizetype options = message.lastIndexOf(QLatin1String(" [options]"), firstLineEnd);
        if (options > 0) message.replace(0, options, QStringLiteral("Usage: tarvikctl"));
        message += QLatin1Char('\n') + QString::fromUtf8(kCommands);
        return ParseOutcome::Help;
    }
    if (parser.isSet(version)) {
        message = QStringLiteral("tarvikctl %1.%2.%3\n").arg(Win_Major).arg(Win_Minor).arg(Win_Revision);
        return ParseOutcome::Version;
    }

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        message = QStringLiteral("no command given (see tarvikctl --help)");
        return ParseOutcome::Error;
    }
    request.command = positional.first();
    request.args = positional.mid(1);
    request.simulate = parser.isSet(simulate);
    request.simulateFile = parser.value(simulate);
    request.transcript = parser.isSet(transcript);
    request.device = parser.value(device);
    request.json = parser.isSet(json);
    request.yes = parser.isSet(yes);
    request.force = parser.isSet(force);

    const Arity* arity = FindCommand(request.command);
    if (arity == nullptr) {
        message = QStringLiteral("unknown command '%1'; commands: list, show, set, reset, dump, restore, doctor "
                                 "(see tarvikctl --help)")
                      .arg(request.command);
        if (QFileInfo::exists(request.command)) {
            message += QStringLiteral("; to simulate a unit file, attach it: --simulate=%1").arg(request.command);
        }
        return ParseOutcome::Error;
    }
    const int n = static_cast<int>(request.args.size());
    if (n < arity->min || n > arity->max) {
        message = QStringLiteral("usage: tarvikctl %1").arg(QString::fromUtf8(arity->usage));
        return ParseOutcome::Error;
    }
    if (request.json && request.command != QLatin1String("show")) {
        message = QStringLiteral("--json goes with show only");
        return ParseOutcome::Error;
    }
    if (request.yes && request.command != QLatin1String("reset")) {
        message = QStringLiteral("--yes goes with reset only");
        return ParseOutcome::Error;
    }
    if (request.force && request.command != QLatin1String("dump")) {
        message = QStringLiteral("--force goes with dump only");
        return ParseOutcome::Error;
    }
    if (parser.isSet(device) && request.device.isEmpty()) {
        message = QStringLiteral("--device needs a PATH (tarvikctl list shows them)");
        return ParseOutcome::Error;
    }
    if (request.command == QLatin1String("set")) {
        message = CheckSetShape(request.args);
        if (!message.isEmpty()) return ParseOutcome::Error;
    }
    return ParseOutcome::Run;
}

}  // namespace tarvik::cli
