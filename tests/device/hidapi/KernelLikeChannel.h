// SPDX-License-Identifier: GPL-3.0-or-later
// A hidraw node of the unit as the kernel presents it, behind the backend's HidChannel seam: a read
// blocks until a report is there or its time-out passes; each write is answered after a delay the
// test sets; reports keep their order and their length; the node can be pulled. Every call is
// counted and noted with its thread. Used by the backend's tests and by tarvik-bench (no GoogleTest).
#pragma once

#include <QByteArray>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <thread>
#include <vector>

#include "device/HidChannel.h"

namespace tarvik::test {

class KernelLikeNode : public std::enable_shared_from_this<KernelLikeNode> {
public:
    // The unit's side: the reports it sends back, in order, for a report it took (given without the
    // report ID byte). Runs on the thread that writes, with the node locked.
    using Firmware = std::function<std::vector<QByteArray>(const QByteArray& report)>;

    static std::shared_ptr<KernelLikeNode> Create(Firmware firmware) {
        return std::shared_ptr<KernelLikeNode>(new KernelLikeNode(std::move(firmware)));
    }
    // A channel on this node, as HidapiBackendOptions::openChannel hands one out.
    std::unique_ptr<HidChannel> Open();

    void SetAnswerDelay(std::chrono::microseconds delay) { Locked([&] { delay_ = delay; }); }
    // A write returns this instead of its length (e.g. -1 for a failed write, 5 for a short one).
    void SetWriteResult(std::optional<int> result) { Locked([&] { writeResult_ = result; }); }
    // A report the unit sends now, asked for or not.
    void Queue(const QByteArray& report) { Locked([&] { Enqueue(Clock::now(), report); }); }
    // The unit is gone: a read in progress and every later call fail.
    void Pull() { Locked([&] { pulled_ = true; changed_.notify_all(); }); }

    int Reads() const { return Locked([&] { return reads_; }); }
    int Unread() const { return Locked([&] { return int(queue_.size()); }); }
    int Writes() const { return Locked([&] { return writes_; }); }
    // Reports written, report ID byte included.
    std::vector<QByteArray> Written() const { return Locked([&] { return written_; }); }
    bool Closed() const { return Locked([&] { return closed_; }); }
    // Every thread that called the channel, its close included.
    std::set<std::thread::id> CallThreads() const { return Locked([&] { return threads_; }); }
    bool WaitForBlockedRead() const { return WaitFor([this] { return blockedReads_ > 0; }); }
    bool WaitForClose() const { return WaitFor([this] { return closed_; }); }

private:
    friend class KernelLikeChannel;
    explicit KernelLikeNode(Firmware firmware) : firmware_(std::move(firmware)) {}

    using Clock = std::chrono::steady_clock;
    struct Pending { Clock::time_point readableAt; QByteArray bytes; };

    template <class F>
    auto Locked(F f) const -> decltype(f()) {
        std::lock_guard<std::mutex> lock(mutex_);
        return f();
    }
    template <class P>
    bool WaitFor(P done) const {  // up to ten seconds
        std::unique_lock<std::mutex> lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(10), done);
    }
    int Write(const unsigned char* data, std::size_t length);
    int Read(unsigned char* data, std::size_t length, int milliseconds);
    void Enqueue(Clock::time_point at, const QByteArray& bytes);  // with the node locked

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::deque<Pending> queue_;
    Firmware firmware_;
    std::chrono::microseconds delay_{0};
    std::optional<int> writeResult_;
    bool pulled_ = false, closed_ = false;
    int reads_ = 0, writes_ = 0, blockedReads_ = 0;
    std::vector<QByteArray> written_;
    std::set<std::thread::id> threads_;
};

}  // namespace tarvik::test
