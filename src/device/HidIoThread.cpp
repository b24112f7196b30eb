// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/HidIoThread.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>

#include "device/HidChannel.h"
#include "model/ProtocolConstants.h"

namespace tarvik {

namespace {

using Clock = std::chrono::steady_clock;

// Room for any report a device could send; what arrives is delivered with its own length.
constexpr std::size_t kReadBufferSize = 256;
// Reports are sent one per exchange; a longer queue means the unit stopped taking them.
constexpr std::size_t kMaxPendingWrites = 64;
// The kernel keeps 64 unread reports per open node; more than this means the device never stops
// sending, and the write goes out anyway.
constexpr int kMaxStaleReports = 256;

}  // namespace

// What the thread and its owner share; the thread holds it for as long as it runs.
struct HidIoShared {
    std::mutex mutex;
    std::condition_variable wake;     // a report queued, or stop
    std::condition_variable stopped;  // the thread closed the channel and ends
    std::deque<QByteArray> pending;
    bool stop = false;
    bool done = false;
    HidIoEvents events;  // emptied by Stop()
    HidIoTiming timing;

    // Events run under the lock, so that Stop() cannot return while one runs.
    template <class Call>
    void Tell(Call call) {
        std::lock_guard<std::mutex> lock(mutex);
        if (!stop) call(events);
    }
    // The exchange in progress is over for its caller: stopping, or the next report is waiting.
    bool Superseded() {
        std::lock_guard<std::mutex> lock(mutex);
        return stop || !pending.empty();
    }
};

namespace {

bool ReadFailed(HidIoShared& s, HidChannel& channel) {
    const QString error = channel.Error();
    s.Tell([&](HidIoEvents& e) {
        if (e.readFailed) e.readFailed(error);
    });
    return false;
}

// One report out and its answer in. False when a read failed: the unit is gone, the thread ends.
bool Exchange(HidIoShared& s, HidChannel& channel, const QByteArray& out) {
    unsigned char buffer[kReadBufferSize];

    // Whatever is there now arrived while no exchange waited: it is never this report's answer.
    for (int stale = 0; stale < kMaxStaleReports; ++stale) {
        const int n = channel.ReadTimeout(buffer, sizeof buffer, 0);
        if (n < 0) return ReadFailed(s, channel);
        if (n == 0) break;
    }

    const int written =
        channel.Write(reinterpret_cast<const unsigned char*>(out.constData()), std::size_t(out.size()));
    // Kernels count the report ID byte or not; either way all report bytes went out.
    const bool ok = written >= REPORT_SIZE;
    const QString error = ok ? QString() : (written < 0 ? channel.Error() : QStringLiteral("short write"));
    s.Tell([&](HidIoEvents& e) {
        if (e.writeDone) e.writeDone(ok, error);
    });
    if (!ok) return true;

    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(s.timing.answerTimeoutMs);
    const auto slice = std::chrono::milliseconds(std::max(1, s.timing.readSliceMs));
    while (!s.Superseded()) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) break;
        const int n = channel.ReadTimeout(buffer, sizeof buffer, int(std::min(left, slice).count()));
        if (n < 0) return ReadFailed(s, channel);
        if (n == 0) continue;
        const QByteArray report(reinterpret_cast<const char*>(buffer), std::min(n, int(sizeof buffer)));
        s.Tell([&](HidIoEvents& e) {
            if (e.input) e.input(report);
        });
        // A report of another length is damaged, not the answer: the answer may still come.
        if (report.size() == REPORT_SIZE) break;
    }
    return true;
}

void Run(std::shared_ptr<HidIoShared> s, std::unique_ptr<HidChannel> channel) {
    for (;;) {
        QByteArray out;
        {
            std::unique_lock<std::mutex> lock(s->mutex);
            s->wake.wait(lock, [&] { return s->stop || !s->pending.empty(); });
            if (s->stop) break;
            out = s->pending.front();
            s->pending.pop_front();
        }
        if (!Exchange(*s, *channel, out)) break;
    }
    channel.reset();  // closed on the thread that made every other call
    {
        std::lock_guard<std::mutex> lock(s->mutex);
        s->done = true;
    }
    s->stopped.notify_all();
}

}  // namespace

HidIoThread::HidIoThread(std::unique_ptr<HidChannel> channel, HidIoTiming timing, HidIoEvents events)
    : shared_(std::make_shared<HidIoShared>()) {
    shared_->timing = timing;
    shared_->events = std::move(events);
    thread_ = std::thread(Run, shared_, std::move(channel));
}

HidIoThread::~HidIoThread() {
    Stop();
}

bool HidIoThread::Queue(const QByteArray& report) {
    {
        std::lock_guard<std::mutex> lock(shared_->mutex);
        if (shared_->stop || shared_->done || shared_->pending.size() >= kMaxPendingWrites) return false;
        shared_->pending.push_back(report);
    }
    shared_->wake.notify_one();
    return true;
}

void HidIoThread::Stop() {
    if (!thread_.joinable()) return;
    {
        std::lock_guard<std::mutex> lock(shared_->mutex);
        shared_->stop = true;
        shared_->events = {};
    }
    shared_->wake.notify_all();
    bool done = false;
    {
        std::unique_lock<std::mutex> lock(shared_->mutex);
        done = shared_->stopped.wait_for(lock,
                                         std::chrono::milliseconds(std::max(0, shared_->timing.stopWaitMs)),
                                         [this] { return shared_->done; });
    }
    // A read or write that is still running cannot be cut short through hidapi; the thread closes
    // the channel as soon as it returns and reports nothing more.
    if (done)
        thread_.join();
    else
        thread_.detach();
}

}  // namespace tarvik
