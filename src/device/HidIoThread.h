// SPDX-License-Identifier: GPL-3.0-or-later
// The one thread that makes every call on an open unit's channel (hidapi 0.13 is not safe with a read
// on one thread and a write on another). It is driven by requests: while nothing is in flight it
// sleeps and reads nothing. For each queued report it drains what the unit sent meanwhile (nobody
// waited for it, so it is never an answer), writes, and reads until an answer-sized report, the
// answer deadline, a newer report to send, or a stop.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <thread>

#include "model/ProtocolConstants.h"

namespace tarvik {

class HidChannel;
struct HidIoShared;

struct HidIoTiming {
    // Longest single read while an answer is awaited: how late a stop, or a report queued after an
    // exchange its caller gave up on, is noticed by the thread.
    int readSliceMs = 20;
    // How long after a write reports are read as its answer: the exchange's time-out.
    int answerTimeoutMs = EXCHANGE_TICK_MS * EXCHANGE_TIMEOUT_TICKS;
    // How long Stop() waits for the thread to close the channel before leaving that to the thread.
    int stopWaitMs = 30;
};

// What the thread reports. Each is called on the I/O thread, never after Stop() has returned.
struct HidIoEvents {
    std::function<void(bool ok, const QString& error)> writeDone;
    std::function<void(const QByteArray& report)> input;   // as read, with its real length
    std::function<void(const QString& error)> readFailed;  // the thread has ended
};

class HidIoThread {
public:
    // Starts the thread, which owns `channel` from now on and destroys (closes) it when it ends.
    // Throws std::system_error when no thread can be started.
    HidIoThread(std::unique_ptr<HidChannel> channel, HidIoTiming timing, HidIoEvents events);
    // Stop().
    ~HidIoThread();

    HidIoThread(const HidIoThread&) = delete;
    HidIoThread& operator=(const HidIoThread&) = delete;

    // Queues one report exactly as it goes to the channel (report ID byte first). False when the
    // thread has ended (the unit is gone) or too many reports wait (the unit stopped taking them).
    bool Queue(const QByteArray& report);

    // No event is reported once this returns. Waits at most timing.stopWaitMs for the thread to
    // close the channel; when the thread is still inside a read or write then, it is left to close
    // the channel as soon as that call returns.
    void Stop();

private:
    std::shared_ptr<HidIoShared> shared_;  // outlives this object while the thread runs
    std::thread thread_;
};

}  // namespace tarvik
