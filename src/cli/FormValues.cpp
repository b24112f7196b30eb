// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/FormValues.h"

#include "cli/Suggest.h"

namespace tarvik::cli {

namespace {

bool Fail(QString& error, const QString& line) {
    error = line;
    return false;
}

QString Head(const QString& argument, const QString& text) { return QStringLiteral("%1 '%2': ").arg(argument, text); }

bool AllDigits(const QString& text) {
    if (text.isEmpty()) return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    }
    return true;
}

// Digits to a number; anything longer than nine digits is out of every range here.
long long DigitsValue(const QString& digits) {
    QString significant = digits;
    while (significant.size() > 1 && significant.startsWith(QLatin1Char('0'))) significant.remove(0, 1);
    return significant.size() > 9 ? -1 : significant.toLongLong();
}

QString Tenths(int tenths) {
    return tenths % 10 == 0 ? QString::number(tenths / 10) : QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
}

QStringList SingleButtonNames() {
    QStringList names;
    for (const ClickCode& c : kClickCodes) {
        if (IsSingleButton(c.code)) names << QString::fromLatin1(c.name);
    }
    return names;
}

}  // namespace

QString OrList(const QStringList& names) {
    if (names.size() <= 1) return names.join(QString());
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" or ") + names.last();
}

bool ReadWhole(const QString& argument, const QString& text, int low, int high, const char* unit, int& value,
               QString& error) {
    const long long v = AllDigits(text) ? DigitsValue(text) : -1;
    if (v < low || v > high) {
        return Fail(error, Head(argument, text) + QStringLiteral("allowed %1..%2%3").arg(low).arg(high).arg(QLatin1String(unit)));
    }
    value = static_cast<int>(v);
    return true;
}

bool ReadTenths(const QString& argument, const QString& text, int low, int high, int& tenths, QString& error) {
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    const QString whole = dot < 0 ? text : text.left(dot);
    const QString decimal = dot < 0 ? QStringLiteral("0") : text.mid(dot + 1);
    long long v = -1;
    if (AllDigits(whole) && AllDigits(decimal) && decimal.size() == 1) {
        const long long w = DigitsValue(whole);
        if (w >= 0) v = w * 10 + decimal.toInt();
    }
    if (v < low || v > high) {
        return Fail(error, Head(argument, text) +
                               QStringLiteral("allowed %1..%2 per second, at most one decimal").arg(Tenths(low), Tenths(high)));
    }
    tenths = static_cast<int>(v);
    return true;
}

bool ReadButton(const QString& argument, const QString& text, std::uint8_t& code, QString& error) {
    if (const auto button = SingleButtonByName(text.trimmed().toStdString())) {
        code = *button;
        return true;
    }
    const QStringList names = SingleButtonNames();
    return Fail(error, Head(argument, text) + QStringLiteral("allowed ") + OrList(names) +
                           DidYouMean(NearestNames(text, names)));
}

bool ReadButtons(const QString& argument, const QString& text, std::uint8_t& code, QString& error) {
    const QStringList names = SingleButtonNames();
    const QString allowed = QStringLiteral("allowed ") + names.join(QStringLiteral(", ")) +
                            QStringLiteral(", or several joined by '+' (left+right)");
    const QStringList parts = text.split(QLatin1Char('+'));
    // The buttons named rightly: a suggestion in place of a wrong part must not repeat one.
    std::uint8_t named = 0;
    for (const QString& part : parts) named |= SingleButtonByName(part.trimmed().toStdString()).value_or(0);
    std::uint8_t buttons = 0;
    for (const QString& part : parts) {
        const auto button = SingleButtonByName(part.trimmed().toStdString());
        if (!button) {
            QStringList unused;
            for (const QString& name : names) {
                if (!(named & SingleButtonByName(name.toStdString()).value_or(0))) unused << name;
            }
            return Fail(error, Head(argument, text) + QStringLiteral("unknown button '%1'; ").arg(part.trimmed()) +
                                   allowed + DidYouMean(NearestNames(part, unused)));
        }
        if (buttons & *button) {
            return Fail(error, Head(argument, text) + QStringLiteral("'%1' twice; ").arg(part.trimmed()) + allowed);
        }
        buttons |= *button;
    }
    code = buttons;
    return true;
}

bool ReadDirection(const QString& argument, const QString& text, MoveDirection& direction, QString& error) {
    if (const DirectionPair* d = FindDirection(text.trimmed().toStdString())) {
        direction = d->direction;
        return true;
    }
    QStringList names;
    for (const DirectionPair& d : kDirections) names << QString::fromLatin1(d.name);
    return Fail(error, Head(argument, text) + QStringLiteral("allowed ") + OrList(names) +
                           DidYouMean(NearestNames(text, names)));
}

bool ReadName(const QString& argument, const QString& text, const QStringList& names, int& index, QString& error) {
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (names[i].compare(text.trimmed(), Qt::CaseInsensitive) == 0) {
            index = static_cast<int>(i);
            return true;
        }
    }
    return Fail(error, Head(argument, text) + QStringLiteral("allowed ") + OrList(names) +
                           DidYouMean(NearestNames(text, names)));
}

}  // namespace tarvik::cli
