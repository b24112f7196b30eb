// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/NativeName.h"

namespace tarvik {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

bool IsEscapedByte(char16_t c) { return c >= 0xDC80 && c <= 0xDCFF; }

// The length of the valid UTF-8 sequence at data[i], or 0.
qsizetype Utf8Length(const QByteArray& data, qsizetype i) {
    const auto byte = [&](qsizetype k) { return static_cast<unsigned char>(data[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) return 1;
    qsizetype n = 0;
    unsigned min = 0;
    if (lead >= 0xC2 && lead <= 0xDF) n = 2, min = 0x80;
    else if (lead >= 0xE0 && lead <= 0xEF) n = 3, min = 0x800;
    else if (lead >= 0xF0 && lead <= 0xF4) n = 4, min = 0x10000;
    else return 0;
    if (i + n > data.size()) return 0;
    unsigned code = lead & (0x7F >> n);
    for (qsizetype k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
    if (code < min || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return 0;
    return n;
}

}  // namespace

QString NameFromNative(const QByteArray& bytes) {
    QString out;
    qsizetype i = 0;
    while (i < bytes.size()) {
        const qsizetype n = Utf8Length(bytes, i);
        if (n == 0) {
            out += QChar(char16_t(kEscapeBase + static_cast<unsigned char>(bytes[i])));
            ++i;
            continue;
        }
        out += QString::fromUtf8(bytes.constData() + i, n);
        i += n;
    }
    return out;
}

QByteArray NativeName(const QString& name) {
    QByteArray out;
    qsizetype runStart = 0;
    for (qsizetype i = 0; i <= name.size(); ++i) {
        const bool escaped = i < name.size() && IsEscapedByte(name[i].unicode()) &&
                             (i == 0 || !name[i - 1].isHighSurrogate());
        if (i < name.size() && !escaped) continue;
        out += name.mid(runStart, i - runStart).toUtf8();
        if (escaped) out += static_cast<char>(name[i].unicode() - kEscapeBase);
        runStart = i + 1;
    }
    return out;
}

QString EscapedForMessage(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const bool escaped = IsEscapedByte(c) && (i == 0 || !text[i - 1].isHighSurrogate());
        if (c == '\n') out += QLatin1String("\\n");
        else if (c == '\r') out += QLatin1String("\\r");
        else if (c == '\t') out += QLatin1String("\\t");
        else if (c < 0x20 || c == 0x7F || escaped) {
            out += QStringLiteral("\\x%1").arg(escaped ? c - kEscapeBase : c, 2, 16, QLatin1Char('0'));
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace tarvik
