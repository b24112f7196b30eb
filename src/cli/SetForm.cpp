// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/SetForm.h"

#include <utility>

#include "cli/FormValues.h"
#include "cli/KeySpec.h"
#include "cli/Suggest.h"

namespace tarvik::cli {

namespace {

using namespace modes;

struct Input {
    QStringList positional;
    std::vector<std::pair<QString, QString>> options;

    const QString* Option(const char* name) const {
        for (const auto& [key, value] : options) {
            if (key == QLatin1String(name)) return &value;
        }
        return nullptr;
    }
};

using Builder = bool (*)(const Input&, ModeChoice&, QString&);

struct Form {
    SetFormHelp help;
    std::vector<const char*> positional;  // their names, as the usage shows them
    int required;                         // how many of them must be given
    std::vector<const char*> options;
    Builder build;
};

constexpr const char* kUntilRelease = " (0: until the pedal is released)";

bool Whole(const Input& in, const char* name, int low, int high, const char* unit, int fallback, int& value,
           QString& error) {
    const QString* text = in.Option(name);
    if (text == nullptr) {
        value = fallback;
        return true;
    }
    return ReadWhole(QLatin1String(name), *text, low, high, unit, value, error);
}

bool Timing(const Input& in, DoubleClickTiming& timing, QString& error) {
    int first = 0;
    int interval = 0;
    int second = 0;
    if (!Whole(in, "--first-ms", CLICK_MS_MIN, CLICK_MS_MAX, " ms", CLICK_MS_DEFAULT, first, error) ||
        !Whole(in, "--interval-ms", CLICK_MS_MIN, CLICK_MS_MAX, " ms", CLICK_MS_DEFAULT, interval, error)) {
        return false;
    }
    if (const QString* text = in.Option("--second")) {
        QStringList names;
        for (const SecondClickCode& s : kSecondClicks) names << QString::fromLatin1(s.name);
        if (!ReadName(QStringLiteral("--second"), *text, names, second, error)) return false;
    }
    timing = {static_cast<std::uint8_t>(first), kSecondClicks[static_cast<std::size_t>(second)].code,
              static_cast<std::uint8_t>(interval)};
    return true;
}

bool Repeats(const Input& in, int most, int fallback, int& repeats, QString& error) {
    return Whole(in, "--repeats", 0, most, kUntilRelease, fallback, repeats, error);
}

// --accelerate I: none when not given.
bool Accelerate(const Input& in, int most, std::optional<int>& index, QString& error) {
    const QString* text = in.Option("--accelerate");
    if (text == nullptr) return true;
    int value = 0;
    if (!ReadWhole(QStringLiteral("--accelerate"), *text, ACCELERATE_MIN, most, "", value, error)) return false;
    index = value;
    return true;
}

bool ReadRepetition(const Input& in, Repetition& repetition, QString& error) {
    int repeats = 0;
    std::optional<int> accelerate;
    if (!Repeats(in, REPEATS_MAX, 0, repeats, error) || !Accelerate(in, ACCELERATE_MAX, accelerate, error)) return false;
    repetition.repeats = static_cast<std::uint16_t>(repeats);
    if (accelerate) repetition.accelerate = static_cast<std::uint16_t>(*accelerate);
    return true;
}

bool Rate(const Input& in, int& tenths, QString& error) {
    const QString* text = in.Option("--rate");
    if (text == nullptr) {
        tenths = RATE_TENTHS_DEFAULT;
        return true;
    }
    return ReadTenths(QStringLiteral("--rate"), *text, RATE_TENTHS_MIN, RATE_TENTHS_MAX, tenths, error);
}

KeyOutput OneKey(const ParsedKeys& keys) { return {keys.modifiers, keys.keys.empty() ? std::uint8_t{0} : keys.keys[0]}; }

bool BuildKey(const Input& in, ModeChoice& out, QString& error) {
    ParsedKeys keys;
    if (!ParseFormKeys(QStringLiteral("KEYSPEC"), in.positional[0], KEY_OR_MODIFIERS, keys, error)) return false;
    out = OneKey(keys);
    return true;
}

bool BuildClick(const Input& in, ModeChoice& out, QString& error) {
    Click click;
    if (!ReadButtons(QStringLiteral("BUTTONS"), in.positional[0], click.buttons, error)) return false;
    out = click;
    return true;
}

bool BuildDoubleClick(const Input& in, ModeChoice& out, QString& error) {
    DoubleClick d;
    if (!in.positional.isEmpty() && !ReadButton(QStringLiteral("BUTTON"), in.positional[0], d.button, error)) return false;
    if (!Timing(in, d.timing, error)) return false;
    out = d;
    return true;
}

bool ModifiersAndButton(const Input& in, std::uint8_t& modifiers, std::uint8_t& button, QString& error) {
    ParsedKeys keys;
    if (!ParseFormKeys(QStringLiteral("MODIFIERS"), in.positional[0], MODIFIERS_ONLY, keys, error)) return false;
    modifiers = keys.modifiers;
    return ReadButton(QStringLiteral("BUTTON"), in.positional[1], button, error);
}

bool BuildModifierClick(const Input& in, ModeChoice& out, QString& error) {
    ModifierClick m;
    if (!ModifiersAndButton(in, m.modifiers, m.button, error)) return false;
    out = m;
    return true;
}

bool BuildModifierDoubleClick(const Input& in, ModeChoice& out, QString& error) {
    ModifierDoubleClick m;
    if (!ModifiersAndButton(in, m.modifiers, m.button, error) || !Timing(in, m.timing, error)) return false;
    out = m;
    return true;
}

bool BuildRepeatKey(const Input& in, ModeChoice& out, QString& error) {
    RepeatKey r;
    ParsedKeys keys;
    int rate = 0;
    if (!ParseFormKeys(QStringLiteral("KEYSPEC"), in.positional[0], KEY_OR_MODIFIERS, keys, error) ||
        !Rate(in, rate, error) || !ReadRepetition(in, r.repetition, error)) {
        return false;
    }
    r.key = OneKey(keys);
    r.rateTenths = static_cast<std::uint16_t>(rate);
    out = r;
    return true;
}

// The pointer encoder is the advanced dialog's: it keeps the previous divisor above an index of 1000
// and caps the repeats at 65534, so the form takes only what it writes as asked.
bool BuildPointer(const Input& in, ModeChoice& out, QString& error) {
    MoveDirection direction{};
    PointerMoveChoice p;
    std::optional<int> accelerate;
    if (!ReadDirection(QStringLiteral("DIRECTION"), in.positional[0], direction, error) ||
        !Whole(in, "--speed", SPEED_MIN, SPEED_MAX, " dots per second", SPEED_DEFAULT, p.speedIndex, error) ||
        !Repeats(in, POINTER_REPEATS_MAX, 0, p.repeats, error) ||
        !Accelerate(in, POINTER_ACCELERATE_MAX, accelerate, error)) {
        return false;
    }
    p.direction = direction;
    p.setNumber = true;
    p.accelerated = accelerate.has_value();
    p.accelerationIndex = accelerate.value_or(0);
    out = p;
    return true;
}

bool BuildWheel(const Input& in, ModeChoice& out, QString& error) {
    Wheel w;
    QStringList names;
    for (const WheelCode& code : kWheelDirections) names << QString::fromLatin1(code.name);
    int direction = 0;
    int rate = 0;
    if (!ReadName(QStringLiteral("DIRECTION"), in.positional[0], names, direction, error) ||
        !Whole(in, "--rate", WHEEL_RATE_MIN, WHEEL_RATE_MAX, " per second, whole numbers", WHEEL_RATE_DEFAULT, rate,
               error) ||
        !ReadRepetition(in, w.repetition, error)) {
        return false;
    }
    w.direction = kWheelDirections[static_cast<std::size_t>(direction)].code;
    w.rate = static_cast<std::uint16_t>(rate);
    out = w;
    return true;
}

bool BuildRepeatClick(const Input& in, ModeChoice& out, QString& error) {
    RepeatClick r;
    int rate = 0;
    if (!ReadButton(QStringLiteral("BUTTON"), in.positional[0], r.button, error) || !Rate(in, rate, error) ||
        !ReadRepetition(in, r.repetition, error)) {
        return false;
    }
    r.rateTenths = static_cast<std::uint16_t>(rate);
    out = r;
    return true;
}

bool BuildChord(const Input& in, ModeChoice& out, QString& error) {
    Chord c;
    ParsedKeys keys;
    int on = 0;
    int off = 0;
    int repeats = 0;
    int unit = 1;
    if (!ParseFormKeys(QStringLiteral("KEYSPEC"), in.positional[0], CHORD_KEYS, keys, error) ||
        !Whole(in, "--on-ms", CHORD_MS_MIN, CHORD_MS_MAX, " ms", CHORD_MS_DEFAULT, on, error) ||
        !Whole(in, "--off-ms", CHORD_MS_MIN, CHORD_MS_MAX, " ms", CHORD_MS_DEFAULT, off, error) ||
        !Repeats(in, REPEATS_MAX, CHORD_REPEATS_DEFAULT, repeats, error)) {
        return false;
    }
    if (const QString* text = in.Option("--count")) {
        QStringList names;
        for (const RepeatUnit& u : kRepeatUnits) names << QString::fromLatin1(u.name);
        if (!ReadName(QStringLiteral("--count"), *text, names, unit, error)) return false;
    }
    c.onMs = static_cast<std::uint16_t>(on);
    c.offMs = static_cast<std::uint16_t>(off);
    c.repeats = static_cast<std::uint16_t>(repeats);
    c.bySeries = kRepeatUnits[static_cast<std::size_t>(unit)].series;
    c.modifiers = keys.modifiers;
    for (std::size_t k = 0; k < keys.keys.size() && k < c.keys.size(); ++k) c.keys[k] = keys.keys[k];
    out = c;
    return true;
}

// OUTPUT of on-change: none, or modifiers and exactly one key.
bool ChangeOutput(const Input& in, const char* name, std::optional<KeyOutput>& output, QString& error) {
    const QString* text = in.Option(name);
    if (text == nullptr || text->trimmed().compare(QLatin1String("none"), Qt::CaseInsensitive) == 0) return true;
    ParsedKeys keys;
    if (!ParseFormKeys(QLatin1String(name), *text, ONE_KEY, keys, error)) return false;
    output = OneKey(keys);
    return true;
}

bool BuildOnChange(const Input& in, ModeChoice& out, QString& error) {
    OnChange c;
    if (!ChangeOutput(in, "--press", c.press, error) || !ChangeOutput(in, "--release", c.release, error)) return false;
    out = c;
    return true;
}

const std::vector<Form>& Forms() {
    static const std::vector<Form> forms{
        {{"key", "key KEYSPEC", "key ctrl+shift+f13", "one key with modifiers, or modifiers alone"},
         {"KEYSPEC"}, 1, {}, BuildKey},
        {{"click", "click BUTTONS", "click left+right", "a click of one button, or of several at once"},
         {"BUTTONS"}, 1, {}, BuildClick},
        {{"double-click", "double-click [BUTTON] [--first-ms N] [--second same|hold] [--interval-ms N]",
          "double-click right --second hold", "a double click"},
         {"BUTTON"}, 0, {"--first-ms", "--second", "--interval-ms"}, BuildDoubleClick},
        {{"modifier-click", "modifier-click MODIFIERS BUTTON", "modifier-click ctrl+shift left",
          "a click with modifiers held"},
         {"MODIFIERS", "BUTTON"}, 2, {}, BuildModifierClick},
        {{"modifier-double-click",
          "modifier-double-click MODIFIERS BUTTON [--first-ms N] [--second same|hold] [--interval-ms N]",
          "modifier-double-click cmd left --interval-ms 30", "a double click with modifiers held"},
         {"MODIFIERS", "BUTTON"}, 2, {"--first-ms", "--second", "--interval-ms"}, BuildModifierDoubleClick},
        {{"repeat-key", "repeat-key KEYSPEC [--rate R] [--repeats N] [--accelerate I]",
          "repeat-key down --rate 2.5 --repeats 20", "a key struck again and again"},
         {"KEYSPEC"}, 1, {"--rate", "--repeats", "--accelerate"}, BuildRepeatKey},
        {{"pointer", "pointer DIRECTION [--speed N] [--repeats N] [--accelerate I]",
          "pointer up-left --speed 300", "the pointer moving in one of eight directions"},
         {"DIRECTION"}, 1, {"--speed", "--repeats", "--accelerate"}, BuildPointer},
        {{"wheel", "wheel forward|backward [--rate N] [--repeats N] [--accelerate I]",
          "wheel backward --rate 20", "the wheel turning"},
         {"DIRECTION"}, 1, {"--rate", "--repeats", "--accelerate"}, BuildWheel},
        {{"repeat-click", "repeat-click BUTTON [--rate R] [--repeats N] [--accelerate I]",
          "repeat-click left --rate 5 --repeats 3", "a button clicked again and again"},
         {"BUTTON"}, 1, {"--rate", "--repeats", "--accelerate"}, BuildRepeatClick},
        {{"chord", "chord KEYSPEC [--on-ms N] [--off-ms N] [--repeats N] [--count chords|series]",
          "chord shift+a+b --on-ms 100 --repeats 3",
          "up to six keys pressed together, once or again and again"},
         {"KEYSPEC"}, 1, {"--on-ms", "--off-ms", "--repeats", "--count"}, BuildChord},
        {{"on-change", "on-change [--press OUTPUT] [--release OUTPUT]", "on-change --press f13 --release f14",
          "one output on press, another on release"},
         {}, 0, {"--press", "--release"}, BuildOnChange},
    };
    return forms;
}

QStringList Names(const std::vector<const char*>& names) {
    QStringList list;
    for (const char* n : names) list << QString::fromLatin1(n);
    return list;
}

bool Fail(QString& error, const QString& line) {
    error = line;
    return false;
}

// Positionals and options of a form; every option the form knows at most once, each with a value.
bool Split(const Form& form, const QStringList& args, Input& in, QString& error) {
    const QString name = QString::fromLatin1(form.help.name);
    const QString usage = QStringLiteral("; usage: ") + QLatin1String(form.help.usage);
    const QStringList known = Names(form.options);
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith(QLatin1String("--")) || arg.size() == 2) {
            in.positional << arg;
            continue;
        }
        const qsizetype equals = arg.indexOf(QLatin1Char('='));
        const QString option = equals < 0 ? arg : arg.left(equals);
        if (!known.contains(option)) {
            const QString allowed = known.isEmpty() ? QStringLiteral("; %1 takes no options").arg(name)
                                                    : QStringLiteral("; options: ") + known.join(QStringLiteral(", "));
            return Fail(error, QStringLiteral("%1: unknown option '%2'").arg(name, option) + allowed +
                                   DidYouMean(NearestNames(option, known)));
        }
        if (in.Option(option.toLatin1().constData()) != nullptr)
            return Fail(error, QStringLiteral("%1: given twice").arg(option));
        QString value;
        if (equals >= 0) {
            value = arg.mid(equals + 1);
        } else if (i + 1 < args.size() && !args[i + 1].startsWith(QLatin1String("--"))) {
            value = args[++i];
        } else {
            return Fail(error, QStringLiteral("%1: value missing").arg(option) + usage);
        }
        in.options.emplace_back(option, value);
    }
    const auto given = in.positional.size();
    if (given < form.required) {
        return Fail(error, QStringLiteral("%1: %2 missing").arg(name, QLatin1String(form.positional[given])) + usage);
    }
    if (given > static_cast<qsizetype>(form.positional.size())) {
        return Fail(error, QStringLiteral("%1: unexpected argument '%2'").arg(name, in.positional[form.positional.size()]) +
                               usage);
    }
    return true;
}

}  // namespace

SetFormResult ParseSetForm(const QStringList& args) {
    SetFormResult result;
    QStringList names;
    for (const Form& f : Forms()) names << QString::fromLatin1(f.help.name);
    const QString allowed = QStringLiteral("allowed ") + names.join(QStringLiteral(", "));
    if (args.isEmpty()) {
        result.error = QStringLiteral("FORM missing; ") + allowed;
        return result;
    }
    const Form* form = nullptr;
    for (const Form& f : Forms()) {
        if (args[0].compare(QLatin1String(f.help.name), Qt::CaseInsensitive) == 0) form = &f;
    }
    if (form == nullptr) {
        const QStringList near = NearestNames(args[0], names);
        result.error = QStringLiteral("FORM '%1': unknown; ").arg(args[0]) + (near.isEmpty() ? allowed : DidYouMean(near).mid(2));
        return result;
    }
    Input in;
    ModeChoice choice;
    if (Split(*form, args, in, result.error) && form->build(in, choice, result.error)) result.choice = choice;
    return result;
}

const std::vector<SetFormHelp>& SetForms() {
    static const std::vector<SetFormHelp> help = [] {
        std::vector<SetFormHelp> all;
        for (const Form& f : Forms()) all.push_back(f.help);
        return all;
    }();
    return help;
}

}  // namespace tarvik::cli
