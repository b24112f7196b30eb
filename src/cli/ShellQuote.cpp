// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ShellQuote.h"

#include <algorithm>

namespace tarvik::cli {

namespace {

// Characters no shell gives a meaning to, anywhere in a word.
bool Plain(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || QStringLiteral("+-_.,:/=@%").contains(c);
}

}  // namespace

QString ShellWord(const QString& word) {
    if (!word.isEmpty() && std::all_of(word.cbegin(), word.cend(), Plain)) return word;
    QString quoted = word;
    quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString ShellCommand(const QStringList& words) {
    QStringList quoted;
    for (const QString& w : words) quoted << ShellWord(w);
    return quoted.join(QLatin1Char(' '));
}

}  // namespace tarvik::cli
