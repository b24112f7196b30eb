// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/UnitFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <cmath>

#include "storage/JsonDuplicateKeys.h"

namespace tarvik {

namespace {

constexpr qint64 kMaxFileBytes = 1 << 20;  // a unit file is a few kilobytes
constexpr int kMaxAnswerDelayMs = 60000;

// The first problem found; every check names its field.
struct Refusal {
    QString message;
};

[[noreturn]] void Refuse(const QString& field, const QString& reason) { throw Refusal{field + ": " + reason}; }

long long WholeNumber(const QJsonValue& v, const QString& field) {
    if (!v.isDouble()) Refuse(field, QStringLiteral("expected a whole number"));
    const double d = v.toDouble();
    if (!std::isfinite(d) || d != std::floor(d)) Refuse(field, QStringLiteral("expected a whole number"));
    // Bounded before the conversion, which would be undefined for huge values; far beyond every
    // range here.
    if (d > 1e12) Refuse(field, QStringLiteral("too large"));
    if (d < -1e12) Refuse(field, QStringLiteral("too small"));
    return static_cast<long long>(d);
}

int InRange(const QJsonValue& v, const QString& field, long long lo, long long hi) {
    const long long n = WholeNumber(v, field);
    if (n < lo || n > hi) Refuse(field, QStringLiteral("%1 is outside %2..%3").arg(n).arg(lo).arg(hi));
    return static_cast<int>(n);
}

template <std::size_t N>
std::array<std::uint8_t, N> HexBytes(const QJsonValue& v, const QString& field) {
    if (!v.isString()) Refuse(field, QStringLiteral("expected hex bytes in a string"));
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList tokens = v.toString().split(blanks, Qt::SkipEmptyParts);
    if (tokens.size() != static_cast<qsizetype>(N)) {
        Refuse(field, QStringLiteral("%1 bytes, expected %2").arg(tokens.size()).arg(N));
    }
    // Exactly two digits: a sign, a "0x" or a lone digit is a typing slip, not a byte.
    static const QRegularExpression hexByte(QRegularExpression::anchoredPattern(QStringLiteral("[0-9A-Fa-f]{2}")));
    std::array<std::uint8_t, N> bytes{};
    for (std::size_t i = 0; i < N; ++i) {
        const QString& token = tokens[static_cast<qsizetype>(i)];
        if (!hexByte.match(token).hasMatch()) {
            Refuse(field, QStringLiteral("\"%1\" is not a hex byte (two digits, 00..ff)").arg(token));
        }
        bytes[i] = static_cast<std::uint8_t>(token.toUInt(nullptr, 16));
    }
    return bytes;
}

void OnlyKnownFields(const QJsonObject& object, const QSet<QString>& known, const QString& prefix) {
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!known.contains(it.key())) Refuse(prefix + it.key(), QStringLiteral("unknown field"));
    }
}

PedalImage ParsePedal(const QJsonValue& v, const QString& field) {
    if (!v.isObject()) Refuse(field, QStringLiteral("expected an object"));
    const QJsonObject o = v.toObject();
    OnlyKnownFields(o, {QStringLiteral("mode"), QStringLiteral("common"), QStringLiteral("additional")}, field + ".");
    PedalImage pedal;
    if (!o.contains(QStringLiteral("mode"))) Refuse(field + ".mode", QStringLiteral("missing"));
    pedal.mode = static_cast<std::uint8_t>(InRange(o.value(QStringLiteral("mode")), field + ".mode", 0, 255));
    if (!o.contains(QStringLiteral("common"))) Refuse(field + ".common", QStringLiteral("missing"));
    pedal.common = HexBytes<NUMBER_OF_COMMON_DATA>(o.value(QStringLiteral("common")), field + ".common");
    if (o.contains(QStringLiteral("additional"))) {
        pedal.additional =
            HexBytes<ADDITIONAL_DATA_ONE_PEDAL>(o.value(QStringLiteral("additional")), field + ".additional");
    }
    return pedal;
}

UnitImage Parse(const QByteArray& json) {
    QJsonParseError parseError{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        Refuse(QStringLiteral("unit file"),
               QStringLiteral("not JSON (%1 at offset %2)").arg(parseError.errorString()).arg(parseError.offset));
    }
    if (!doc.isObject()) Refuse(QStringLiteral("unit file"), QStringLiteral("expected a JSON object"));
    if (const QString twice = FirstDuplicateKey(json); !twice.isEmpty()) {
        Refuse(twice, QStringLiteral("given more than once"));
    }
    const QJsonObject o = doc.object();
    OnlyKnownFields(o,
                    {QStringLiteral("firmware"), QStringLiteral("pedals"), QStringLiteral("pedal_count"),
                     QStringLiteral("answer_delay_ms"), QStringLiteral("silent_commands")},
                    QString());

    UnitImage image;
    if (o.contains(QStringLiteral("firmware"))) {
        const QJsonValue v = o.value(QStringLiteral("firmware"));
        const QString field = QStringLiteral("firmware");
        const QString expected = QStringLiteral("expected three numbers 0..255");
        if (!v.isArray() || v.toArray().size() != 3) Refuse(field, expected);
        const QJsonArray a = v.toArray();
        for (int i = 0; i < 3; ++i) {
            const QString part = QStringLiteral("firmware[%1]").arg(i);
            image.firmware[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(InRange(a[i], part, 0, 255));
        }
    }

    if (!o.contains(QStringLiteral("pedals"))) Refuse(QStringLiteral("pedals"), QStringLiteral("missing"));
    const QJsonValue pedals = o.value(QStringLiteral("pedals"));
    if (!pedals.isArray()) Refuse(QStringLiteral("pedals"), QStringLiteral("expected a list"));
    const QJsonArray list = pedals.toArray();
    if (list.size() > NUMBER_OF_PEDALS_MAX) {
        Refuse(QStringLiteral("pedals"),
               QStringLiteral("%1 entries, at most %2").arg(list.size()).arg(NUMBER_OF_PEDALS_MAX));
    }
    for (qsizetype i = 0; i < list.size(); ++i) {
        image.pedals.push_back(ParsePedal(list[i], QStringLiteral("pedals[%1]").arg(i)));
    }

    if (o.contains(QStringLiteral("pedal_count"))) {
        image.pedalCount = InRange(o.value(QStringLiteral("pedal_count")), QStringLiteral("pedal_count"), 0, 255);
    }
    if (o.contains(QStringLiteral("answer_delay_ms"))) {
        const QString field = QStringLiteral("answer_delay_ms");
        const long long ms = WholeNumber(o.value(field), field);
        if (ms < 0) Refuse(field, QStringLiteral("%1 is negative").arg(ms));
        if (ms > kMaxAnswerDelayMs) Refuse(field, QStringLiteral("%1 is above %2").arg(ms).arg(kMaxAnswerDelayMs));
        image.answerDelayMs = static_cast<int>(ms);
    }
    if (o.contains(QStringLiteral("silent_commands"))) {
        const QJsonValue v = o.value(QStringLiteral("silent_commands"));
        if (!v.isArray()) Refuse(QStringLiteral("silent_commands"), QStringLiteral("expected a list"));
        const QJsonArray codes = v.toArray();
        for (qsizetype i = 0; i < codes.size(); ++i) {
            const QString field = QStringLiteral("silent_commands[%1]").arg(i);
            const long long code = WholeNumber(codes[i], field);
            if (code < GET_VERSION_NUMBER || code > SET_NUMBER_OF_PEDALS) {
                Refuse(field, QStringLiteral("%1 is not a command code (%2..%3)")
                                  .arg(code)
                                  .arg(GET_VERSION_NUMBER)
                                  .arg(SET_NUMBER_OF_PEDALS));
            }
            image.silentCommands.push_back(static_cast<int>(code));
        }
    }
    return image;
}

template <std::size_t N>
QString HexText(const std::array<std::uint8_t, N>& bytes) {
    QStringList parts;
    for (std::uint8_t b : bytes) parts << QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0'));
    return parts.join(QLatin1Char(' '));
}

}  // namespace

bool ParseUnitFile(const QByteArray& json, UnitImage& image, QString& error) {
    try {
        image = Parse(json);
        return true;
    } catch (const Refusal& refusal) {
        error = refusal.message;
        return false;
    }
}

UnitFileRead ReadUnitFileAt(const QString& path, UnitImage& image, FileIdentity* identity) {
    QByteArray json;
    UnitFileRead read;
    if (!ReadRegularFile(path, kMaxFileBytes, json, read.error, identity)) {
        read.outcome = UnitFileRead::Unreadable;
    } else if (!ParseUnitFile(json, image, read.error)) {
        read.error = path + ": " + read.error;
        read.outcome = UnitFileRead::Malformed;
    } else {
        read.outcome = UnitFileRead::Read;
    }
    return read;
}

bool ReadUnitFile(const QString& path, UnitImage& image, QString& error) {
    const UnitFileRead read = ReadUnitFileAt(path, image);
    error = read.error;
    return read.outcome == UnitFileRead::Read;
}

QByteArray UnitFileText(const UnitImage& image) {
    QJsonObject o;
    o.insert(QStringLiteral("firmware"), QJsonArray{image.firmware[0], image.firmware[1], image.firmware[2]});
    QJsonArray pedals;
    for (const PedalImage& pedal : image.pedals) {
        QJsonObject p;
        p.insert(QStringLiteral("mode"), pedal.mode);
        p.insert(QStringLiteral("common"), HexText(pedal.common));
        const bool anyAdditional =
            std::any_of(pedal.additional.begin(), pedal.additional.end(), [](std::uint8_t b) { return b != 0; });
        if (anyAdditional) p.insert(QStringLiteral("additional"), HexText(pedal.additional));
        pedals.append(p);
    }
    o.insert(QStringLiteral("pedals"), pedals);
    if (image.pedalCount >= 0) o.insert(QStringLiteral("pedal_count"), image.pedalCount);
    if (image.answerDelayMs > 0) o.insert(QStringLiteral("answer_delay_ms"), image.answerDelayMs);
    if (!image.silentCommands.empty()) {
        QJsonArray codes;
        for (int code : image.silentCommands) codes.append(code);
        o.insert(QStringLiteral("silent_commands"), codes);
    }
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

bool WriteUnitFile(const QString& path, const UnitImage& image, QString& error, Existing existing,
                   const FileIdentity* expected) {
    return SaveFile(path, UnitFileText(image), existing, expected, error) == Saved::Yes;
}

}  // namespace tarvik
