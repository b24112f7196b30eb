// A device behind HidChannel that a test scripts: reads hand out queued reports or fail, writes are
// recorded, and every call notes the thread it came from.
#pragma once

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "device/HidapiBackend.h"

namespace tarvik::testing_support {

struct FakeDevice {
    std::mutex mutex;
    std::condition_variable readable;
    std::deque<QByteArray> reads;   // handed out one per read
    bool failReads = false;         // the next read fails (the unit was pulled)
    int writeResult = 0;            // 0: the length written; otherwise returned as is
    std::vector<QByteArray> writes;
    std::set<std::thread::id> callThreads;
    bool closed = false;
    std::thread::id closeThread;

    void PushRead(const QByteArray& bytes) {
        std::lock_guard<std::mutex> lock(mutex);
        reads.push_back(bytes);
        readable.notify_all();
    }
    void FailReads() {
        std::lock_guard<std::mutex> lock(mutex);
        failReads = true;
        readable.notify_all();
    }
};

class FakeChannel : public HidChannel {
public:
    explicit FakeChannel(std::shared_ptr<FakeDevice> device) : device_(std::move(device)) {}
    ~FakeChannel() override {
        std::lock_guard<std::mutex> lock(device_->mutex);
        device_->closed = true;
        device_->closeThread = std::this_thread::get_id();
    }

    int Write(const unsigned char* data, std::size_t length) override {
        std::lock_guard<std::mutex> lock(device_->mutex);
        device_->callThreads.insert(std::this_thread::get_id());
        device_->writes.emplace_back(reinterpret_cast<const char*>(data), qsizetype(length));
        return device_->writeResult != 0 ? device_->writeResult : int(length);
    }
    int ReadTimeout(unsigned char* data, std::size_t length, int milliseconds) override {
        std::unique_lock<std::mutex> lock(device_->mutex);
        device_->callThreads.insert(std::this_thread::get_id());
        device_->readable.wait_for(lock, std::chrono::milliseconds(milliseconds),
                                   [&] { return device_->failReads || !device_->reads.empty(); });
        if (device_->failReads) return -1;
        if (device_->reads.empty()) return 0;
        const QByteArray next = device_->reads.front();
        device_->reads.pop_front();
        const std::size_t n = std::min(length, std::size_t(next.size()));
        std::memcpy(data, next.constData(), n);
        return int(n);
    }
    QString Error() override { return QStringLiteral("fake device error"); }

private:
    std::shared_ptr<FakeDevice> device_;
};

}  // namespace tarvik::testing_support
