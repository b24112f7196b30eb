// SPDX-License-Identifier: GPL-3.0-or-later
// File names as the bytes the system gives. A Linux name need not be UTF-8, and Qt's own
// conversion turns the bytes it cannot read into U+FFFD, so that such a file could be neither
// found nor written under its own name. Here each such byte stands for itself as a code point
// U+DC80..U+DCFF (a lone surrogate, which no valid text holds), and goes back to the same byte.
#pragma once

#include <QByteArray>
#include <QString>

namespace tarvik {

// The bytes `name` came from; any other lone surrogate becomes U+FFFD's bytes.
QByteArray NativeName(const QString& name);
// `bytes` as text: UTF-8 where they are valid UTF-8, each other byte as U+DC80 + (byte - 0x80).
QString NameFromNative(const QByteArray& bytes);
// `text` for a one-line message: control characters, DEL and the bytes above as escapes ("\n",
// "\t", "\x00", "\xff"); everything else as it is.
QString EscapedForMessage(const QString& text);

}  // namespace tarvik
