// SPDX-License-Identifier: GPL-3.0-or-later
// Writes tarvikctl's bash completion: the script template with the words tarvikctl itself knows
// (commands, options, set forms and their options from its help; pedal names, modifiers, keys,
// buttons and directions from the tables the program reads them with), so no second copy of any
// list exists.
//   tarvikctl-completion TEMPLATE OUT
#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>
#include <iostream>

#include "cli/CliArgs.h"
#include "cli/KeySpec.h"
#include "cli/PedalArg.h"
#include "model/OutputCodes.h"

namespace tarvik::cli {

namespace {

struct CompletionWords {
    QStringList commands;          // list, show, set, ...
    QStringList options;           // -h, --help, --simulate, ...
    QStringList optionsWithValue;  // the options shown with <VALUE>
    QStringList setForms;          // key, click, double-click, ...
    QStringList setOptions;        // --rate, --repeats, ...: every set form's options, each with a value
    // "FORM:N" (N counts the form's arguments from 1) and "FORM:--OPTION": the words offered there,
    // where "@keyspec" and "@modifiers" stand for a KEYSPEC and for MODIFIERS.
    QMap<QString, QStringList> formArguments;
    QMap<QString, QStringList> formOptions;  // FORM: its options
};

// 'word' for bash, with any ' inside closed, escaped and reopened.
QString Quoted(const QString& word) {
    QString out = word;
    out.replace(QLatin1String("'"), QLatin1String("'\\''"));
    return QLatin1Char('\'') + out + QLatin1Char('\'');
}

QString Array(const QString& name, const QStringList& words) {
    QStringList quoted;
    for (const QString& w : words) quoted << Quoted(w);
    return name + QStringLiteral("=(") + quoted.join(QLatin1Char(' ')) + QStringLiteral(")\n");
}

// An associative array of word lists, each one word a line.
QString Map(const QString& name, const QMap<QString, QStringList>& lists) {
    QString out = QStringLiteral("declare -gA %1=(").arg(name);
    for (auto it = lists.cbegin(); it != lists.cend(); ++it) {
        out += QStringLiteral(" [%1]=%2").arg(Quoted(it.key()), Quoted(it.value().join(QLatin1Char('\n'))));
    }
    return out + QStringLiteral(" )\n");
}

// The lines of the help's section that starts with `heading` ("Options:"), up to the next blank line.
QStringList Section(const QString& help, const QString& heading) {
    QStringList lines;
    bool in = false;
    for (const QString& line : help.split(QLatin1Char('\n'))) {
        if (!in) {
            in = line == heading;
            continue;
        }
        if (line.trimmed().isEmpty()) break;
        lines << line;
    }
    return lines;
}

// What a set form's argument written `token` in the help takes: its alternatives ("same|hold"), or
// for a placeholder the words of the table the program reads it with.
QStringList ArgumentWords(const QString& token) {
    if (token.contains(QLatin1Char('|'))) return token.split(QLatin1Char('|'));
    if (token == QLatin1String("KEYSPEC")) return {QStringLiteral("@keyspec")};
    if (token == QLatin1String("OUTPUT")) return {QStringLiteral("none"), QStringLiteral("@keyspec")};
    if (token == QLatin1String("MODIFIERS")) return {QStringLiteral("@modifiers")};
    QStringList words;
    if (token == QLatin1String("BUTTON") || token == QLatin1String("BUTTONS")) {
        for (const ClickCode& c : kClickCodes) {
            if (token == QLatin1String("BUTTONS") || IsSingleButton(c.code))
                words << QString::fromLatin1(c.name);
        }
    } else if (token == QLatin1String("DIRECTION")) {
        for (const DirectionPair& d : kDirections) words << QString::fromLatin1(d.name);
    }
    return words;
}

// "set PEDAL FORM ARGUMENTS": the form, its arguments in order and its options ("[--rate R]").
void AddSetForm(CompletionWords& words, const QStringList& tokens) {
    const QString& form = tokens[2];
    if (!words.setForms.contains(form)) words.setForms << form;
    int position = 0;
    for (qsizetype i = 3; i < tokens.size(); ++i) {
        QString token = tokens[i];
        token.remove(QLatin1Char('[')).remove(QLatin1Char(']'));
        QString key;
        if (token.startsWith(QLatin1String("--"))) {
            words.formOptions[form] << token;
            if (!words.setOptions.contains(token)) words.setOptions << token;
            if (i + 1 >= tokens.size()) continue;
            key = form + QLatin1Char(':') + token;
            token = tokens[++i];
            token.remove(QLatin1Char('[')).remove(QLatin1Char(']'));
        } else {
            key = QStringLiteral("%1:%2").arg(form).arg(++position);
        }
        const QStringList offered = ArgumentWords(token);
        if (!offered.isEmpty()) words.formArguments[key] = offered;
    }
}

// The help's "Options:" and "Commands:" sections: each option, each command, each "set PEDAL FORM"
// with what its arguments and options take.
CompletionWords WordsFromHelp(const QString& help) {
    CompletionWords words;
    static const QRegularExpression option(QStringLiteral("(?:^|[ ,])(--?[A-Za-z][A-Za-z0-9-]*)( <[A-Z]+>)?"));
    for (const QString& line : Section(help, QStringLiteral("Options:"))) {
        // Only the option column of an option's first line; descriptions may quote other options.
        if (!line.startsWith(QLatin1String("  -"))) continue;
        const QString column = line.trimmed().section(QStringLiteral("  "), 0, 0);
        auto it = option.globalMatch(column);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            words.options << m.captured(1);
            if (!m.captured(2).isEmpty()) words.optionsWithValue << m.captured(1);
        }
    }
    for (const QString& line : Section(help, QStringLiteral("Commands:"))) {
        // A command line starts two blanks in; deeper lines continue a description.
        if (!line.startsWith(QLatin1String("  ")) || line.size() < 3 || line[2].isSpace()) continue;
        const QString usage = line.trimmed().section(QStringLiteral("  "), 0, 0);
        const QStringList tokens = usage.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (tokens.isEmpty()) continue;
        if (!words.commands.contains(tokens[0])) words.commands << tokens[0];
        if (tokens[0] == QLatin1String("set") && tokens.size() >= 3) AddSetForm(words, tokens);
    }
    return words;
}

// The template with its line "@TARVIKCTL_WORDS@" replaced by bash arrays of the words.
QString CompletionScript(const QString& scriptTemplate, const CompletionWords& words) {
    QString block;
    block += Array(QStringLiteral("_tarvikctl_commands"), words.commands);
    block += Array(QStringLiteral("_tarvikctl_options"), words.options);
    block += Array(QStringLiteral("_tarvikctl_options_with_value"), words.optionsWithValue);
    block += Array(QStringLiteral("_tarvikctl_set_forms"), words.setForms);
    block += Array(QStringLiteral("_tarvikctl_set_options"), words.setOptions);
    block += Map(QStringLiteral("_tarvikctl_form_arguments"), words.formArguments);
    block += Map(QStringLiteral("_tarvikctl_form_options"), words.formOptions);
    block += Array(QStringLiteral("_tarvikctl_pedals"), PedalWords());
    block += Array(QStringLiteral("_tarvikctl_modifiers"), ModifierWords());
    block += Array(QStringLiteral("_tarvikctl_keys"), KeyWords());
    QString script = scriptTemplate;
    script.replace(QStringLiteral("@TARVIKCTL_WORDS@\n"), block);
    return script;
}

}  // namespace
}  // namespace tarvik::cli

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::cerr << "usage: tarvikctl-completion TEMPLATE OUT\n";
        return 2;
    }
    QFile in(args[1]);
    if (!in.open(QIODevice::ReadOnly)) {
        std::cerr << "tarvikctl-completion: cannot read " << args[1].toStdString() << '\n';
        return 1;
    }
    tarvik::cli::CliRequest request;
    QString help;
    tarvik::cli::ParseCommandLine({QStringLiteral("tarvikctl"), QStringLiteral("--help")}, request, help);
    const tarvik::cli::CompletionWords words = tarvik::cli::WordsFromHelp(help);
    if (words.commands.isEmpty() || words.options.isEmpty() || words.setForms.isEmpty()) {
        std::cerr << "tarvikctl-completion: tarvikctl --help lists no commands, options or set forms\n";
        return 1;
    }
    QSaveFile out(args[2]);
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(tarvik::cli::CompletionScript(QString::fromUtf8(in.readAll()), words).toUtf8()) < 0 ||
        !out.commit()) {
        std::cerr << "tarvikctl-completion: cannot write " << args[2].toStdString() << '\n';
        return 1;
    }
    return 0;
}
