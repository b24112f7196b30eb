// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PedalArg.h"

#include <QStringList>
#include <algorithm>
#include <array>

#include "model/PedalNames.h"
#include "model/ProtocolConstants.h"

namespace tarvik::cli {

namespace {

struct Alias {
    const char* english;
    int count;  // the pedal name this stands for: ShownPedalName(count, pedal)
    int pedal;
};

// English names for the positions the pedal names describe; a five-pedal unit names every position.
constexpr std::array<Alias, 9> kAliases{{
    {"center", 5, 0},
    {"centre", 5, 0},
    {"middle", 5, 0},
    {"left", 5, 1},
    {"right", 5, 2},
    {"far-left", 5, 3},
    {"far-right", 5, 4},
    {"pedal", 1, 0},
    {"single", 1, 0},
}};

QString NameOf(const Alias& a) { return QString::fromStdString(ShownPedalName(a.count, a.pedal)); }

const QString kSuffix = QStringLiteral("ペダル");

QString EnglishFor(const QString& name) {
    for (const Alias& a : kAliases) {
        if (name == NameOf(a)) return QString::fromUtf8(a.english);
    }
    return {};
}

// The Japanese pedal name `text` stands for, or empty. "左" is taken for "左ペダル".
QString JapaneseName(const QString& text) {
    const QString lower = text.trimmed().toLower();
    for (const Alias& a : kAliases) {
        if (lower == QLatin1String(a.english)) return NameOf(a);
    }
    for (const Alias& a : kAliases) {
        const QString name = NameOf(a);
        if (text == name || (!text.isEmpty() && text + kSuffix == name)) return name;
    }
    return {};
}

// 0..NUMBER_OF_PEDALS_MAX-1 for a plain index, -2 for digits out of range (however many), -1 for
// no number.
int Index(const QString& text) {
    if (text.isEmpty() || !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return -1;
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok && value < NUMBER_OF_PEDALS_MAX ? value : -2;
}

}  // namespace

QString PedalList(int count) {
    QStringList items;
    for (int p = 0; p < count && p < NUMBER_OF_PEDALS_MAX; ++p) {
        const QString name = QString::fromStdString(ShownPedalName(count, p));
        const QString english = EnglishFor(name);
        items << (english.isEmpty() ? QStringLiteral("%1 %2").arg(p).arg(name)
                                    : QStringLiteral("%1 %2 (%3)").arg(p).arg(name, english));
    }
    return items.join(QStringLiteral(", "));
}

bool IsPedalArgument(const QString& text, QString& error) {
    const int index = Index(text);
    if (index >= 0 || !JapaneseName(text).isEmpty()) return true;
    if (index == -2) {
        error = QStringLiteral("pedal %1: a unit has at most %2 pedals, numbered 0 to %3")
                    .arg(text).arg(NUMBER_OF_PEDALS_MAX).arg(NUMBER_OF_PEDALS_MAX - 1);
    } else {
        error = QStringLiteral("'%1' names no pedal; give an index 0..4, a name such as 左ペダル, or center, "
                               "left, right, far-left, far-right").arg(text);
    }
    return false;
}

int ResolvePedal(const QString& text, int count, QString& error) {
    const int index = Index(text);
    if (index >= 0 && index < count) return index;
    if (index < 0) {
        const QString name = JapaneseName(text);
        for (int p = 0; p < count && p < NUMBER_OF_PEDALS_MAX; ++p) {
            if (!name.isEmpty() && QString::fromStdString(ShownPedalName(count, p)) == name) return p;
        }
    }
    error = count > 0 ? QStringLiteral("this unit has no pedal '%1'; its pedals: %2").arg(text, PedalList(count))
                      : QStringLiteral("this unit reports no pedals");
    return -1;
}

QStringList PedalWords() {
    QStringList words;
    for (int p = 0; p < NUMBER_OF_PEDALS_MAX; ++p) words << QString::number(p);
    for (const Alias& a : kAliases) words << QString::fromUtf8(a.english);
    for (int count = 1; count <= NUMBER_OF_PEDALS_MAX; ++count) {
        for (int p = 0; p < count; ++p) {
            const QString name = QString::fromStdString(ShownPedalName(count, p));
            if (!name.isEmpty() && !words.contains(name)) words << name;
        }
    }
    return words;
}

}  // namespace tarvik::cli
