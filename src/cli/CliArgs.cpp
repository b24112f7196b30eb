// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliArgs.h"

#include <QCommandLineParser>
#include <QSet>

#include "cli/FormValues.h"
#include "cli/SetForm.h"
#include "cli/ShellQuote.h"
#include "model/ModeChoice.h"
#include "model/ProtocolConstants.h"
#include "storage/NativeName.h"

#include <sys/stat.h>

namespace tarvik::cli {

namespace {

// The commands before and after the set forms, which SetForms() lists.
const char* const kCommandsBeforeSet =
    "Commands:\n"
    "  list                        units found: path, firmware version, pedal count\n"
    "  show [PEDAL] [--json]       one pedal or every pedal: index, name, description of its setting\n"
    "                              and the `tarvikctl set` command that writes it again\n";

const char* const kCommandsAfterSet =
    "  reset [--yes]               factory setting for every pedal (asks first unless --yes)\n"
    "  dump [FILE|-] [--force]     snapshot of the unit as a unit file, to standard output without FILE\n"
    "                              or with -; an existing FILE is replaced only with --force\n"
    "  restore FILE                write each pedal's mode and 13 common bytes from a snapshot\n"
    "  doctor                      what stands between you and the unit: hidraw nodes, their usage\n"
    "                              pages and permissions, whether the udev rule is installed\n"
    "\n";

const char* const kValues =
    "PEDAL is an index 0..4, the pedal's name for the unit's pedal count as `show` prints it\n"
    "(e.g. 左ペダル), or an English alias: center, left, right, far-left, far-right (pedal for a\n"
    "one-pedal unit).\n"
    "\n"
    "KEYSPEC is modifiers, then keys, joined by '+'. The modifiers are ctrl, shift, alt (option) and\n"
    "cmd (gui, super, win), and rctrl, rshift, ralt and rcmd for the right hand. A key is any row of\n"
    "the key list, named as there (a, 1, F5, F13, Space, Enter (Return), →, キーパッド /, ...), by an\n"
    "easier name (enter, esc, backspace, left, right, up, down, pageup, minus, comma, ...) or by its\n"
    "HID usage ID in hex (0x28). key and repeat-key take one key, or modifiers alone; chord takes 1\n"
    "to 6 keys. MODIFIERS are modifiers alone. OUTPUT of on-change is none, or modifiers and one key.\n";

const char* const kNotes =
    "Set, reset and restore read every written pedal back and compare; a mismatch fails.\n"
    "Restore refuses pedals that hold several chords (mode 9), whose further chords no command\n"
    "writes, unless the unit already holds exactly that setting; it refuses a snapshot of another\n"
    "pedal count.\n"
    "\n"
    "With --simulate=FILE the commands work on a simulated unit kept in FILE (a unit file, as\n"
    "`dump` writes it); what a command writes is saved back to FILE. --simulate alone uses a\n"
    "built-in three-pedal unit that forgets everything when the command ends.\n"
    "\n"
    "Dump writes FILE whole or not at all, and only over a regular file (or through a symbolic\n"
    "link to one); unit files are read only from regular files. A file is replaced only when you\n"
    "may write it yourself, keeps its owner and permissions, and must still be the file that was\n"
    "read (or looked at) when the command began: not a link or another file put there since.\n"
    "File names are taken as the bytes given. An option may be given once; an empty value or\n"
    "argument (an unset shell variable) is refused.\n"
    "\n"
    "Exit status: 0 success; 1 a unit problem (none found, no access, send error, time-out,\n"
    "unsupported firmware, refused pedal, read-back mismatch); 2 bad usage or input (also a file\n"
    "that may not be written, and no for reset's question); 3 the work is done but standard\n"
    "output could not be written (the message says what was done).\n"
    "\n";

const char* const kExamplesBeforeSet =
    "Examples:\n"
    "  tarvikctl list\n"
    "  tarvikctl show\n"
    "  tarvikctl show left --json\n";

const char* const kExamplesAfterSet =
    "  tarvikctl dump pedals.json\n"
    "  tarvikctl dump --force pedals.json\n"
    "  tarvikctl dump - | less\n"
    "  tarvikctl restore pedals.json\n"
    "  tarvikctl --device /dev/hidraw3 reset --yes\n"
    "  tarvikctl --simulate=unit.json --transcript set 0 key f5\n"
    "  tarvikctl doctor\n";

// Where the command column's descriptions start; a longer usage puts its description below.
constexpr int kDescriptionColumn = 30;

QString SetFormLines() {
    QString lines;
    int mode = 0;
    for (const SetFormHelp& form : SetForms()) {
        const QString usage = QStringLiteral("  set PEDAL ") + QString::fromUtf8(form.usage);
        const QString description =
            QStringLiteral("%1 (mode %2)\n").arg(QString::fromUtf8(form.description)).arg(mode++);
        lines +=
            usage.size() + 2 <= kDescriptionColumn
                ? usage.leftJustified(kDescriptionColumn) + description
                : usage + QLatin1Char('\n') + QString(kDescriptionColumn, QLatin1Char(' ')) + description;
    }
    return lines;
}

// The options of the set forms, with the ranges and defaults the forms take.
QString SetOptionLines() {
    constexpr int kOptionColumn = 34;
    using namespace modes;
    const auto rate = [](int tenths) {
        return tenths % 10 == 0 ? QString::number(tenths / 10)
                                : QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
    };
    QString lines = QStringLiteral("Options of the set forms (defaults in brackets):\n");
    // An option and what it takes, on as many lines as `says` has.
    const auto add = [&lines](const char* option, const QString& says) {
        const QString indent(kOptionColumn, QLatin1Char(' '));
        lines += (QStringLiteral("  ") + QLatin1String(option)).leftJustified(kOptionColumn) +
                 QString(says).replace(QLatin1Char('\n'), QLatin1Char('\n') + indent) + QLatin1Char('\n');
    };
    add("--first-ms N, --interval-ms N",
        QStringLiteral("%1..%2 ms [%3]").arg(CLICK_MS_MIN).arg(CLICK_MS_MAX).arg(CLICK_MS_DEFAULT));
    add("--second same|hold", QStringLiteral("the second click as long as the first, or held until\n"
                                             "the pedal is released [same]"));
    add("--rate R", QStringLiteral("%1..%2 a second, one decimal at most [%3];\n"
                                   "wheel: a whole number, %4..%5 [%6]")
                        .arg(rate(RATE_TENTHS_MIN), rate(RATE_TENTHS_MAX), rate(RATE_TENTHS_DEFAULT))
                        .arg(WHEEL_RATE_MIN)
                        .arg(WHEEL_RATE_MAX)
                        .arg(WHEEL_RATE_DEFAULT));
    add("--speed N",
        QStringLiteral("%1..%2 dots a second [%3]").arg(SPEED_MIN).arg(SPEED_MAX).arg(SPEED_DEFAULT));
    add("--repeats N", QStringLiteral("0..%1, 0: until the pedal is released [0;\n"
                                      "chord: %2]; pointer: 0..%3")
                           .arg(REPEATS_MAX)
                           .arg(CHORD_REPEATS_DEFAULT)
                           .arg(POINTER_REPEATS_MAX));
    add("--accelerate I", QStringLiteral("%1..%2 (pointer: %1..%3); the rate accelerates, as\n"
                                         "it does not without this option")
                              .arg(ACCELERATE_MIN)
                              .arg(ACCELERATE_MAX)
                              .arg(POINTER_ACCELERATE_MAX));
    add("--on-ms N, --off-ms N",
        QStringLiteral("%1..%2 ms [%3]").arg(CHORD_MS_MIN).arg(CHORD_MS_MAX).arg(CHORD_MS_DEFAULT));
    add("--count chords|series", QStringLiteral("what chord's --repeats counts [series]"));
    return lines + QLatin1Char('\n');
}

QString SetExampleLines() {
    // The examples go round the pedals' English names.
    const char* const pedals[] = {"left", "right", "center"};
    QString lines;
    std::size_t n = 0;
    for (const SetFormHelp& form : SetForms()) {
        lines += QStringLiteral("  tarvikctl set %1 %2\n")
                     .arg(QLatin1String(pedals[n++ % 3]), QString::fromUtf8(form.example));
    }
    return lines;
}

// BUTTON, BUTTONS and DIRECTION, named as their tables name them.
QString CodeLines() {
    QStringList buttons;
    for (const ClickCode& c : kClickCodes) {
        if (IsSingleButton(c.code)) buttons << QString::fromLatin1(c.name);
    }
    QStringList directions;
    for (const DirectionPair& d : kDirections) directions << QString::fromLatin1(d.name);
    return QStringLiteral(
               "BUTTON is %1; BUTTONS is one of them or several joined by '+' (%2).\n"
               "DIRECTION of pointer is %3.\n\n")
        .arg(OrList(buttons), QString::fromLatin1(kClickCodes[3].name), OrList(directions));
}

QString CommandsHelp() {
    return QString::fromUtf8(kCommandsBeforeSet) + SetFormLines() + QString::fromUtf8(kCommandsAfterSet) +
           QString::fromUtf8(kValues) + CodeLines() + SetOptionLines() + QString::fromUtf8(kNotes) +
           QString::fromUtf8(kExamplesBeforeSet) + SetExampleLines() + QString::fromUtf8(kExamplesAfterSet);
}

struct Arity {
    const char* command;
    int min;
    int max;
    const char* usage;
    bool severalUnits = true;  // --simulate may then be given once for each unit
};

constexpr int kAny = 1000;

constexpr Arity kArities[] = {
    {"list", 0, 0, "list"},
    {"show", 0, 1, "show [PEDAL] [--json]"},
    {"set", 1, kAny, "set PEDAL FORM [ARGUMENTS] (tarvikctl --help lists the forms)"},
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

// The option whose name `name` is.
const QCommandLineOption* OptionNamed(const QString& name, const QList<QCommandLineOption>& options) {
    for (const QCommandLineOption& option : options) {
        if (option.names().contains(name)) return &option;
    }
    return nullptr;
}

// The first option given more than once, or null.
const QCommandLineOption* Repeated(const QCommandLineParser& parser, const QList<QCommandLineOption>& options) {
    QList<const QCommandLineOption*> seen;
    for (const QString& name : parser.optionNames()) {
        const QCommandLineOption* option = OptionNamed(name, options);
        if (option != nullptr && seen.contains(option)) return option;
        seen << option;
    }
    return nullptr;
}

// True when `text` may be offered as typed: a shell word without control characters or bytes
// that are not UTF-8.
bool ShowsAsTyped(const QString& text) { return EscapedForMessage(text) == text; }

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

// The option of tarvikctl's own that `argument` is ("--device", "-json", "--simulate=FILE"), if any.
const QCommandLineOption* OwnOption(const QString& argument, const QList<QCommandLineOption>& options) {
    if (!argument.startsWith(QLatin1Char('-'))) return nullptr;
    QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    name = name.left(name.indexOf(QLatin1Char('=')));
    for (const QCommandLineOption& option : options) {
        if (!name.isEmpty() && option.names().contains(name)) return &option;
    }
    return nullptr;
}

// Takes the arguments of `set` out of `arguments`: everything after the command word that is not
// one of tarvikctl's own options (with its value) is the set form's, handed over untouched, so that
// its own options (--rate 2.5) and values ("-1", "---") are not taken for tarvikctl's.
QStringList TakeSetArguments(QStringList& arguments, const QList<QCommandLineOption>& options) {
    qsizetype command = -1;
    for (qsizetype i = 1; i < arguments.size() && command < 0; ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--")) return {};  // the parser takes everything after it as it is
        if (!a.startsWith(QLatin1Char('-')) || a.size() == 1) {
            command = i;
        } else if (const QCommandLineOption* own = OwnOption(a, options);
                   own != nullptr && !own->valueName().isEmpty() && !a.contains(QLatin1Char('='))) {
            ++i;  // its value
        }
    }
    if (command < 0 || arguments[command] != QLatin1String("set")) return {};
    QStringList kept = arguments.mid(0, command + 1);
    QStringList setArguments;
    for (qsizetype i = command + 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        const QCommandLineOption* own = OwnOption(a, options);
        if (own == nullptr) {
            setArguments << a;
            continue;
        }
        kept << a;
        if (!own->valueName().isEmpty() && !a.contains(QLatin1Char('=')) && i + 1 < arguments.size())
            kept << arguments[++i];
    }
    arguments = kept;
    return setArguments;
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
    const QList<QCommandLineOption> options{help, version, simulate, transcript, device, json, yes, force};
    parser.addOptions(options);
    parser.addPositionalArgument(QStringLiteral("COMMAND"), QStringLiteral("One of the commands below."),
                                 QStringLiteral("COMMAND [ARGUMENTS]"));

    // An empty FILE is an unset shell variable, not the built-in unit (which is --simulate alone).
    for (const QString& a : arguments.mid(1)) {
        if (a == QLatin1String("--")) break;
        if (a == QLatin1String("--simulate=") || a == QLatin1String("-simulate=")) {
            message = QStringLiteral("--simulate= names no FILE (an unset shell variable?); --simulate alone is the "
                                     "built-in unit");
            return ParseOutcome::Error;
        }
    }
    QStringList parsed = NormaliseSimulate(arguments);
    const QStringList setArguments = TakeSetArguments(parsed, options);
    if (!parser.parse(parsed)) {
        message = parser.errorText() + QStringLiteral(" (see tarvikctl --help)");
        return ParseOutcome::Error;
    }
    if (const QCommandLineOption* twice = Repeated(parser, options)) {
        const bool simulateTwice = twice->names().contains(QStringLiteral("simulate"));
        const QStringList positional = parser.positionalArguments();
        const Arity* arity = positional.isEmpty() ? nullptr : FindCommand(positional.first());
        // Several simulated units are several files; one file twice would be one unit twice.
        const QStringList files = parser.values(simulate);
        const bool sameTwice = simulateTwice && QSet<QString>(files.begin(), files.end()).size() != files.size();
        if (!simulateTwice || arity == nullptr || !arity->severalUnits || sameTwice) {
            message = QStringLiteral("--%1 given more than once%2")
                          .arg(twice->names().last(),
                               simulateTwice ? QStringLiteral("; each names a unit file of its own") : QString());
            return ParseOutcome::Error;
        }
    }
    if (parser.isSet(help)) {
        // Qt names the program by the path it was started with; the help reads better without it.
        message = parser.helpText();
        const qsizetype firstLineEnd = message.indexOf(QLatin1Char('\n'));
        const qsizetype options = message.lastIndexOf(QLatin1String(" [options]"), firstLineEnd);
        if (options > 0) message.replace(0, options, QStringLiteral("Usage: tarvikctl"));
        message += QLatin1Char('\n') + CommandsHelp();
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
    request.args = positional.mid(1) + setArguments;
    request.simulate = parser.isSet(simulate);
    request.simulateFiles = parser.values(simulate);
    request.simulateFile = request.simulateFiles.value(0);
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
        // Offered only as a command that would run: a regular file, named as it can be typed.
        const QString attached = ShellWord(QStringLiteral("--simulate=") + request.command);
        struct stat st{};
        if (::stat(NativeName(request.command).constData(), &st) == 0 && S_ISREG(st.st_mode) && ShowsAsTyped(attached)) {
            message += QStringLiteral("; to simulate a unit file, attach it: %1").arg(attached);
        }
        return ParseOutcome::Error;
    }
    const int n = static_cast<int>(request.args.size());
    if (n < arity->min || n > arity->max) {
        message = QStringLiteral("usage: tarvikctl %1").arg(QString::fromUtf8(arity->usage));
        return ParseOutcome::Error;
    }
    for (const QString& a : request.args) {
        if (!a.isEmpty()) continue;
        message = QStringLiteral("an empty argument (an unset shell variable?); usage: tarvikctl %1")
                      .arg(QString::fromUtf8(arity->usage));
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
    return ParseOutcome::Run;
}

}  // namespace tarvik::cli
