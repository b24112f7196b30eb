// SPDX-License-Identifier: GPL-3.0-or-later
#include "KernelLikeChannel.h"

#include <sys/prctl.h>

#include <algorithm>
#include <cstring>

namespace tarvik::test {

namespace {

// The kernel wakes a reader when the report comes in; a timed wait for the report's time would be
// up to the thread's timer slack (50 us by default) late, a cost no real unit adds. The slack is
// made as small as it goes for each wait and put back afterwards.
struct TightTimer {
    const long saved = ::prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0);
    TightTimer() { ::prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0); }
    ~TightTimer() {
        if (saved > 0) ::prctl(PR_SET_TIMERSLACK, static_cast<unsigned long>(saved), 0, 0, 0);
    }
};

}  // namespace

class KernelLikeChannel final : public HidChannel {
public:
    explicit KernelLikeChannel(std::shared_ptr<KernelLikeNode> node) : node_(std::move(node)) {}
    ~KernelLikeChannel() override {
        node_->Locked([&] { node_->closed_ = true; node_->threads_.insert(std::this_thread::get_id()); });
        node_->changed_.notify_all();
    }
    int Write(const unsigned char* data, std::size_t length) override { return node_->Write(data, length); }
    int ReadTimeout(unsigned char* data, std::size_t length, int milliseconds) override {
        return node_->Read(data, length, milliseconds);
    }
    QString Error() override {
        return node_->Locked([&] { return node_->pulled_; }) ? QStringLiteral("No such device")
                                                              : QStringLiteral("Input/output error");
    }

private:
    std::shared_ptr<KernelLikeNode> node_;
};

std::unique_ptr<HidChannel> KernelLikeNode::Open() { return std::make_unique<KernelLikeChannel>(shared_from_this()); }

// Reports become readable in the order they arrive.
void KernelLikeNode::Enqueue(Clock::time_point at, const QByteArray& bytes) {
    if (pulled_) return;
    queue_.insert(std::find_if(queue_.begin(), queue_.end(), [&](const Pending& p) { return p.readableAt > at; }),
                  Pending{at, bytes});
    changed_.notify_all();
}

int KernelLikeNode::Write(const unsigned char* data, std::size_t length) {
    std::unique_lock<std::mutex> lock(mutex_);
    ++writes_;
    threads_.insert(std::this_thread::get_id());
    written_.emplace_back(reinterpret_cast<const char*>(data), qsizetype(length));
    if (pulled_) return -1;
    if (writeResult_ && *writeResult_ != int(length)) return *writeResult_;
    // The backend writes report ID 0 (an unnumbered report) first: the unit gets the bytes after it.
    const Clock::time_point at = Clock::now() + delay_;
    for (const QByteArray& answer : firmware_(written_.back().mid(1))) Enqueue(at, answer);
    return int(length);
}

// The backend's reads always have a time-out (0: only looks).
int KernelLikeNode::Read(unsigned char* data, std::size_t length, int milliseconds) {
    std::unique_lock<std::mutex> lock(mutex_);
    ++reads_;
    threads_.insert(std::this_thread::get_id());
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        if (pulled_) return -1;
        const Clock::time_point now = Clock::now();
        if (!queue_.empty() && queue_.front().readableAt <= now) {
            const std::size_t n = std::min(length, std::size_t(queue_.front().bytes.size()));
            std::memcpy(data, queue_.front().bytes.constData(), n);
            queue_.pop_front();
            return int(n);
        }
        if (now >= deadline) return 0;
        ++blockedReads_;
        changed_.notify_all();
        {
            const TightTimer tight;
            const bool due = !queue_.empty() && queue_.front().readableAt < deadline;
            changed_.wait_until(lock, due ? queue_.front().readableAt : deadline);
        }
        --blockedReads_;
    }
}

}  // namespace tarvik::test
