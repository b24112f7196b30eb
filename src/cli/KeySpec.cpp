// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/KeySpec.h"

#include <QStringList>
#include <algorithm>

#include "cli/Suggest.h"
#include "model/KeyNames.h"
#include "model/OutputCodes.h"
#include "model/ProtocolConstants.h"

namespace tarvik::cli {

namespace {

using Problem = KeySpecSplit::Problem;

QString Hex(int value) { return QStringLiteral("0x%1").arg(value, 2, 16, QLatin1Char('0')); }

// How many '+'-separated pieces a key name can span: "キーパッド +" spans two.
int LongestJoin() {
    static const int longest = [] {
        qsizetype most = 0;
        for (const KeyName& k : KnownKeyNames()) most = std::max(most, QString::fromStdString(k.name).count('+'));
        return static_cast<int>(most) + 1;
    }();
    return longest;
}

// "0x" and hex digits: 0..0xff, or -1.
int HexUsage(const QString& text) {
    if (!text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) return -1;
    const QString digits = text.mid(2);
    if (digits.isEmpty() || digits.size() > 8) return -1;
    for (const QChar c : digits) {
        if (!c.isDigit() && !QStringLiteral("abcdefABCDEF").contains(c)) return -1;
    }
    const unsigned value = digits.toUInt(nullptr, 16);
    return value <= 0xFF ? static_cast<int>(value) : -1;
}

// The part `candidate` names; Unknown when none, Ambiguous when several keys share the name.
Problem Classify(const QString& candidate, bool single, KeySpecPart& part, std::vector<int>& usages) {
    part.text = candidate;
    const std::string utf8 = candidate.toStdString();
    if (single) {
        if (const auto bit = ModifierByName(utf8)) {
            part.modifier = true;
            part.value = *bit;
            return Problem::None;
        }
    }
    const KeyNameMatch match = FindKeyByName(utf8);
    if (match.kind == KeyNameMatch::Kind::Found) {
        part.value = match.usage;
        return Problem::None;
    }
    if (match.kind == KeyNameMatch::Kind::Ambiguous) {
        usages = match.usages;
        return Problem::Ambiguous;
    }
    if (single) {
        if (const int usage = HexUsage(candidate); usage >= 0) {
            part.value = usage;
            return Problem::None;
        }
    }
    return Problem::Unknown;
}

QStringList SuggestionNames(bool keys) {
    QStringList names;
    for (const ModifierBit& m : kModifierBits) names << QString::fromLatin1(m.name);
    if (keys) {
        for (const KeyName& k : KnownKeyNames()) names << QString::fromStdString(k.name);
    }
    return names;
}

QString HexList(const std::vector<int>& usages) {
    QStringList listed;
    for (std::size_t i = 0; i < usages.size() && i < 3; ++i) listed << Hex(usages[i]);
    if (usages.size() > 3) listed << QStringLiteral("…");
    return listed.join(QStringLiteral(", "));
}

// Modifiers first, then the keys, as typed.
QString InOrder(const std::vector<KeySpecPart>& parts) {
    QStringList modifiers;
    QStringList keys;
    for (const KeySpecPart& p : parts) (p.modifier ? modifiers : keys) << p.text;
    return (modifiers + keys).join(QLatin1Char('+'));
}

bool Fail(QString& error, const QString& line) {
    error = line;
    return false;
}

}  // namespace

KeySpecSplit SplitKeySpec(const QString& text) {
    KeySpecSplit split;
    if (text.trimmed().isEmpty()) {
        split.problem = Problem::Empty;
        return split;
    }
    const QStringList pieces = text.split(QLatin1Char('+'));
    const auto n = static_cast<int>(pieces.size());
    std::vector<qsizetype> start(static_cast<std::size_t>(n) + 1, 0);
    for (int k = 0; k < n; ++k) start[k + 1] = start[k] + pieces[k].size() + 1;

    for (int i = 0; i < n;) {
        bool taken = false;
        // The longest run of pieces that names something wins, so "キーパッド +" is not read as
        // "キーパッド" and an empty name.
        for (int length = std::min(LongestJoin(), n - i); length >= 1 && !taken; --length) {
            const QString candidate = text.mid(start[i], start[i + length] - 1 - start[i]).trimmed();
            if (candidate.isEmpty()) continue;
            KeySpecPart part;
            const Problem problem = Classify(candidate, length == 1, part, split.usages);
            if (problem == Problem::Ambiguous) {
                split.problem = problem;
                split.token = candidate;
                return split;
            }
            if (problem == Problem::None) {
                split.parts.push_back(part);
                i += length;
                taken = true;
            }
        }
        if (taken) continue;
        const QString piece = pieces[i].trimmed();
        if (piece.isEmpty()) {
            split.problem = i == n - 1 ? Problem::TrailingPlus : Problem::EmptyPart;
            return split;
        }
        split.problem = Problem::Unknown;
        split.token = piece;
        split.tokenStart = start[i] + pieces[i].indexOf(piece);
        split.tokenLength = piece.size();
        return split;
    }
    return split;
}

bool ParseFormKeys(const QString& argument, const QString& text, const KeyRule& rule, ParsedKeys& keys,
                   QString& error) {
    const QString head = QStringLiteral("%1 '%2': ").arg(argument, text);
    const QString allowed = QStringLiteral("; allowed ") + QLatin1String(rule.allowed);
    const bool takesKeys = rule.maxKeys > 0;
    const KeySpecSplit split = SplitKeySpec(text);
    switch (split.problem) {
        case Problem::None: break;
        case Problem::Empty: return Fail(error, head + QStringLiteral("empty") + allowed);
        case Problem::EmptyPart: return Fail(error, head + QStringLiteral("empty name between two '+'") + allowed);
        case Problem::TrailingPlus: return Fail(error, head + QStringLiteral("ends with '+'") + allowed);
        case Problem::Ambiguous:
            return Fail(error, head + QStringLiteral("'%1' names several keys (%2); give its usage ID in hex")
                                          .arg(split.token, HexList(split.usages)));
        case Problem::Unknown: {
            QStringList suggestions;
            for (const QString& name : NearestNames(split.token, SuggestionNames(takesKeys)))
                suggestions << QString(text).replace(split.tokenStart, split.tokenLength, name);
            const QString what = takesKeys ? QStringLiteral("key") : QStringLiteral("modifier");
            const QString hint = suggestions.isEmpty()
                                     ? allowed + (takesKeys ? QStringLiteral("; a key by its name or its usage ID in "
                                                                             "hex, 0x01..0xe7")
                                                            : QString())
                                     : DidYouMean(suggestions);
            return Fail(error, head + QStringLiteral("unknown %1 '%2'").arg(what, split.token) + hint);
        }
    }

    ParsedKeys result;
    bool keySeen = false;
    for (const KeySpecPart& part : split.parts) {
        if (part.modifier) {
            if (keySeen) {
                return Fail(error, head + QStringLiteral("modifiers come before the keys") +
                                       DidYouMean({InOrder(split.parts)}));
            }
            result.modifiers |= static_cast<std::uint8_t>(part.value);
            continue;
        }
        keySeen = true;
        if (!takesKeys) return Fail(error, head + QStringLiteral("'%1' is no modifier").arg(part.text) + allowed);
        if (part.value < 1 || part.value > Max_KeyUsageID) {
            return Fail(error, head + QStringLiteral("%1 is no key of the key table; allowed usage IDs 0x01..0xe7")
                                          .arg(Hex(part.value)));
        }
        result.keys.push_back(static_cast<std::uint8_t>(part.value));
    }
    const auto count = static_cast<int>(result.keys.size());
    if (count < rule.minKeys) return Fail(error, head + QStringLiteral("no key") + allowed);
    if (count > rule.maxKeys) return Fail(error, head + QStringLiteral("%1 keys").arg(count) + allowed);
    keys = result;
    return true;
}

QStringList ModifierWords() {
    QStringList words;
    for (const ModifierBit& m : kModifierBits) words << QString::fromUtf8(m.name);
    return words;
}

QStringList KeyWords() {
    QStringList words;
    for (const KeyName& k : KnownKeyNames()) {
        const QString word = QString::fromStdString(k.name);
        // A name with a blank in it would need quoting at the prompt; its hex ID serves instead.
        if (!word.contains(QLatin1Char(' ')) && !words.contains(word)) words << word;
    }
    return words;
}

}  // namespace tarvik::cli
