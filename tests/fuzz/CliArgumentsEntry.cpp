// SPDX-License-Identifier: GPL-3.0-or-later
#include <QString>
#include <QStringList>
#include <array>

#include "FuzzEntries.h"
#include "cli/CliArgs.h"
#include "cli/KeySpec.h"
#include "cli/PedalArg.h"
#include "cli/SetForm.h"
#include "model/ProtocolConstants.h"
#include "storage/NativeName.h"

namespace tarvik::fuzz {

namespace {

Problem Refused(bool ok, const QString& error, const char* parser) {
    if (!ok && error.isEmpty()) return std::string(parser) + ": refused without a message";
    return {};
}

Problem KeySpec(const QStringList& words) {
    for (const cli::KeyRule& rule : {cli::KEY_OR_MODIFIERS, cli::CHORD_KEYS, cli::ONE_KEY, cli::MODIFIERS_ONLY}) {
        cli::ParsedKeys keys;
        QString error;
        const bool ok = cli::ParseFormKeys(QStringLiteral("KEYSPEC"), words.value(0), rule, keys, error);
        if (Problem p = Refused(ok, error, "KEYSPEC"); !p.empty()) return p;
        const int count = static_cast<int>(keys.keys.size());
        if (ok && (count < rule.minKeys || count > rule.maxKeys)) return "KEYSPEC: " + std::to_string(count) + " keys taken";
    }
    return {};
}

Problem Pedal(const QStringList& words) {
    QString error;
    if (Problem p = Refused(cli::IsPedalArgument(words.value(0), error), error, "PEDAL"); !p.empty()) return p;
    for (int count = -1; count <= NUMBER_OF_PEDALS_MAX + 1; ++count) {
        const int pedal = cli::ResolvePedal(words.value(0), count, error);
        if (pedal < -1 || (pedal >= 0 && pedal >= count)) return "PEDAL: pedal " + std::to_string(pedal) + " of " + std::to_string(count);
        if (Problem p = Refused(pedal >= 0, error, "PEDAL"); !p.empty()) return p;
    }
    return {};
}

// The whole command line, `set` forms included.
Problem CommandLine(const QStringList& words) {
    cli::CliRequest request;
    QString message;
    const cli::ParseOutcome outcome = cli::ParseCommandLine(QStringList{QStringLiteral("tarvikctl")} + words, request, message);
    return Refused(outcome != cli::ParseOutcome::Error, message, "command line");
}

// A `set` form with its arguments and options: a choice, or exactly one line that says why not.
Problem SetForm(const QStringList& words) {
    const cli::SetFormResult result = cli::ParseSetForm(words);
    if (result.choice.has_value() == !result.error.isEmpty()) return "set form: a choice and a message, or neither";
    if (result.error.contains(QLatin1Char('\n'))) return "set form: a message of more than one line";
    return {};
}

// Every parser of tarvikctl's arguments. A new one (a `set` form, an option's value) is one more
// line here; the input's first byte picks the parser, so the corpus keeps working.
constexpr std::array<Problem (*)(const QStringList&), 4> kParsers{
    &KeySpec,
    &Pedal,
    &CommandLine,
    &SetForm,
};

}  // namespace

Problem CliArguments(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return {};
    // The words as a shell hands them over, one per line, and as tarvikctl takes them: as their bytes.
    const QString text =
        NameFromNative(QByteArray(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1)));
    return kParsers[data[0] % kParsers.size()](text.split(QLatin1Char('\n')));
}

}  // namespace tarvik::fuzz
