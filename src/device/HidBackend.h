// SPDX-License-Identifier: GPL-3.0-or-later
// The seam between the connection manager and the operating system's HID access. The real backend
// talks to hidraw through hidapi; the simulated unit implements the same interface for tests and demos.
// Everything here is used from the GUI thread; signals are delivered on it.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

namespace tarvik {

// Why a unit that is present could not be opened.
enum class OpenResult { Opened, NoUnit, PermissionDenied, Failed };

class HidBackend : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~HidBackend() override = default;

    // Paths of the matching units present now (vendor ID, product ID, usage page 0xFF00), in a
    // stable order. The first is the one a probe takes.
    virtual QStringList Enumerate() = 0;

    // Opens the unit at `path`; while open, its input reports arrive as inputReport().
    // Opening another unit first closes the one held.
    virtual OpenResult Open(const QString& path) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    virtual QString OpenPath() const = 0;

    // Sends one 16-byte output report (no report ID). The result arrives later as writeDone(); a
    // backend that knows at once may emit it before returning.
    virtual void Write(const QByteArray& report) = 0;

    // The serial number the unit at `path` reports, empty when it reports none.
    virtual QString SerialNumberOf(const QString& path) {
        (void)path;
        return {};
    }

    // Human-readable reason of the last failed Open or Write, for messages.
    virtual QString LastError() const { return {}; }

signals:
    // A matching unit appeared (path given), or some matching unit went away (path given).
    void arrived(const QString& path);
    void removed(const QString& path);
    // One 16-byte input report from the open unit.
    void inputReport(const QByteArray& report);
    // Outcome of the last Write: true when the unit took the report.
    void writeDone(bool ok);
};

}  // namespace tarvik
