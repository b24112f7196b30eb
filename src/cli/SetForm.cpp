// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/SetForm.h"

#include <cstring>
#include <span>
#include <utility>

#include "cli/FormValues.h"
#include "cli/KeySpec.h"
#include "cli/Suggest.h"
#include "model/modes/ModeRow.h"

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

const KeyRule& RuleOf(KeyCount count) {
    switch (count) {
        case KeyCount::KeyOrModifiers: return KEY_OR_MODIFIERS;
        case KeyCount::Chord: return CHORD_KEYS;
        case KeyCount::OneKey: return ONE_KEY;
        case KeyCount::ModifiersOnly: break;
    }
    return MODIFIERS_ONLY;
}

// The command line's answers to what a mode's form asks, with its refusal texts.
class Reader final : public FormReader {
public:
    Reader(const ModeForm& form, const Input& in, QString& error) : form_(form), in_(in), error_(error) {}

    bool Given(const char* argument) const override { return Text(argument) != nullptr; }
    bool Is(const char* argument, const char* word) const override {
        const QString* text = Text(argument);
        return text != nullptr && text->trimmed().compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }
    bool Keys(const char* argument, KeyCount count, TypedKeys& keys) override {
        const QString* text = Text(argument);
        ParsedKeys parsed;
        if (text == nullptr) return true;
        if (!ParseFormKeys(QLatin1String(argument), *text, RuleOf(count), parsed, error_)) return false;
        keys = {parsed.modifiers, parsed.keys};
        return true;
    }
    bool Button(const char* argument, std::uint8_t& code) override {
        const QString* text = Text(argument);
        return text == nullptr || ReadButton(QLatin1String(argument), *text, code, error_);
    }
    bool Buttons(const char* argument, std::uint8_t& code) override {
        const QString* text = Text(argument);
        return text == nullptr || ReadButtons(QLatin1String(argument), *text, code, error_);
    }
    bool Direction(const char* argument, MoveDirection& direction) override {
        const QString* text = Text(argument);
        return text == nullptr || ReadDirection(QLatin1String(argument), *text, direction, error_);
    }
    bool Name(const char* argument, std::span<const char* const> names, int& index) override {
        const QString* text = Text(argument);
        QStringList list;
        for (const char* n : names) list << QString::fromLatin1(n);
        return text == nullptr || ReadName(QLatin1String(argument), *text, list, index, error_);
    }
    bool Whole(const char* argument, int low, int high, const char* unit, int& value) override {
        const QString* text = Text(argument);
        return text == nullptr || ReadWhole(QLatin1String(argument), *text, low, high, unit, value, error_);
    }
    bool Tenths(const char* argument, int low, int high, int& tenths) override {
        const QString* text = Text(argument);
        return text == nullptr || ReadTenths(QLatin1String(argument), *text, low, high, tenths, error_);
    }

private:
    // A positional by its name in the form, or an option.
    const QString* Text(const char* argument) const {
        for (std::size_t i = 0; i < form_.positional.size(); ++i) {
            if (std::strcmp(form_.positional[i], argument) == 0)
                return static_cast<qsizetype>(i) < in_.positional.size() ? &in_.positional[static_cast<qsizetype>(i)]
                                                                         : nullptr;
        }
        return in_.Option(argument);
    }

    const ModeForm& form_;
    const Input& in_;
    QString& error_;
};

QStringList Names(std::span<const char* const> names) {
    QStringList list;
    for (const char* n : names) list << QString::fromLatin1(n);
    return list;
}

bool Fail(QString& error, const QString& line) {
    error = line;
    return false;
}

// Positionals and options of a form; every option the form knows at most once, each with a value.
bool Split(const ModeForm& form, const QStringList& args, Input& in, QString& error) {
    const QString name = QString::fromLatin1(form.name);
    const QString usage = QStringLiteral("; usage: ") + QLatin1String(form.usage);
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
    for (const ModeRow* row : ModeRows()) names << QString::fromLatin1(row->form.name);
    const QString allowed = QStringLiteral("allowed ") + names.join(QStringLiteral(", "));
    if (args.isEmpty()) {
        result.error = QStringLiteral("FORM missing; ") + allowed;
        return result;
    }
    const ModeForm* form = nullptr;
    for (const ModeRow* row : ModeRows()) {
        if (args[0].compare(QLatin1String(row->form.name), Qt::CaseInsensitive) == 0) form = &row->form;
    }
    if (form == nullptr) {
        const QStringList near = NearestNames(args[0], names);
        result.error = QStringLiteral("FORM '%1': unknown; ").arg(args[0]) + (near.isEmpty() ? allowed : DidYouMean(near).mid(2));
        return result;
    }
    Input in;
    ModeChoice choice;
    if (!Split(*form, args, in, result.error)) return result;
    Reader reader(*form, in, result.error);
    if (form->read(reader, choice)) result.choice = choice;
    return result;
}

const std::vector<SetFormHelp>& SetForms() {
    static const std::vector<SetFormHelp> help = [] {
        std::vector<SetFormHelp> all;
        for (const ModeRow* row : ModeRows()) {
            const ModeForm& f = row->form;
            all.push_back({f.name, f.usage, f.example, f.description});
        }
        return all;
    }();
    return help;
}

}  // namespace tarvik::cli
