// SPDX-License-Identifier: GPL-3.0-or-later
// What the device rigs share: reports written as hex, and the event loop run for a while.
#pragma once

#include <QByteArray>
#include <QEventLoop>
#include <QTimer>

namespace tarvik::test {

// "94 00 01" -> bytes
inline QByteArray Hex(const char* text) { return QByteArray::fromHex(QByteArray(text)); }

inline void RunEventsFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace tarvik::test
