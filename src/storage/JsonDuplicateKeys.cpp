// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/JsonDuplicateKeys.h"

#include <QSet>
#include <vector>

namespace tarvik {

namespace {

struct Frame {
    bool object = false;
    bool expectKey = false;  // objects: the next string is a key
    QSet<QString> keys;
    QString key;             // objects: the key whose value is being read
    int index = 0;           // arrays: the element being read
};

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Decodes the string whose opening quote is at `i`; leaves `i` after its closing quote (or at the end).
QString TakeString(const QByteArray& json, qsizetype& i) {
    QString out;
    qsizetype run = ++i;  // start of the current run of plain bytes
    auto flush = [&](qsizetype end) { out += QString::fromUtf8(json.constData() + run, end - run); };
    while (i < json.size()) {
        const char c = json[i];
        if (c == '"') {
            flush(i);
            ++i;
            return out;
        }
        if (c != '\\') {
            ++i;
            continue;
        }
        flush(i);
        if (i + 1 >= json.size()) {
            i = json.size();
            return out;
        }
        const char e = json[i + 1];
        i += 2;
        switch (e) {
        case 'b': out += QChar(u'\b'); break;
        case 'f': out += QChar(u'\f'); break;
        case 'n': out += QChar(u'\n'); break;
        case 'r': out += QChar(u'\r'); break;
        case 't': out += QChar(u'\t'); break;
        case 'u': {
            int code = 0;
            int digits = 0;
            for (; digits < 4 && i < json.size(); ++digits, ++i) {
                const int d = HexDigit(json[i]);
                if (d < 0) break;
                code = code * 16 + d;
            }
            out += QChar(static_cast<char16_t>(code));  // surrogate halves pair up in the QString
            break;
        }
        default: out += QLatin1Char(e); break;  // \" \\ \/
        }
        run = i;
    }
    flush(json.size());
    return out;
}

QString PathOf(const std::vector<Frame>& stack, const QString& key) {
    QString path;
    for (const Frame& f : stack) {
        if (&f == &stack.back()) break;
        if (f.object) path += (path.isEmpty() ? QString() : QStringLiteral(".")) + f.key;
        else path += QStringLiteral("[%1]").arg(f.index);
    }
    return path.isEmpty() ? key : path + QLatin1Char('.') + key;
}

}  // namespace

QString FirstDuplicateKey(const QByteArray& json) {
    std::vector<Frame> stack;
    qsizetype i = 0;
    while (i < json.size()) {
        const char c = json[i];
        switch (c) {
        case '"': {
            const QString s = TakeString(json, i);
            if (!stack.empty() && stack.back().object && stack.back().expectKey) {
                Frame& top = stack.back();
                if (top.keys.contains(s)) return PathOf(stack, s);
                top.keys.insert(s);
                top.key = s;
                top.expectKey = false;
            }
            continue;
        }
        case '{':
        case '[': {
            Frame f;
            f.object = c == '{';
            f.expectKey = f.object;
            stack.push_back(std::move(f));
            break;
        }
        case '}':
        case ']':
            if (!stack.empty()) stack.pop_back();
            break;
        case ',':
            if (!stack.empty()) {
                if (stack.back().object) stack.back().expectKey = true;
                else ++stack.back().index;
            }
            break;
        default:
            break;
        }
        ++i;
    }
    return {};
}

}  // namespace tarvik
