// SPDX-License-Identifier: GPL-3.0-or-later
// The command exchange of HID_PnP: one request on the wire at a time, nested waits, the tick that
// counts toward the time-out, and which input report is taken as the answer.
#include <QEventLoop>
#include <algorithm>

#include "device/Alert.h"
#include "device/HID_PnP.h"
#include "device/Reports.h"
#include "model/DeviceState.h"

namespace tarvik {

struct HID_PnP::InFlight {
    enum class Phase { Sending, Awaiting, Done };
    Phase phase = Phase::Sending;
    Ending ending = Ending::TimedOut;
    int sendTicks = 0;  // ticks spent waiting for the backend to take the report
    Report answer{};
};

struct HID_PnP::Wait {
    QEventLoop* loop = nullptr;
    bool woken = false;
};

void HID_PnP::PacketReceived() { state_.Flag_input = true; }

void HID_PnP::InputArrived(const QByteArray& report) {
    if (!HasDevice()) return;
    emit reportReceived(report);
    // A report of another length is damaged; it is never taken as an answer.
    if (report.size() != REPORT_SIZE) return;
    // Only the answer awaited now counts: a report nobody waits for must not end a later exchange.
    if (active_ == nullptr || active_->phase != InFlight::Phase::Awaiting || !state_.Flag_send) return;
    std::copy_n(reinterpret_cast<const std::uint8_t*>(report.constData()), REPORT_SIZE, active_->answer.begin());
    PacketReceived();
    check_INPUT();  // ends the wait at once, not at the next tick
}

template <class Done>
bool HID_PnP::WaitUntil(Done done) {
    while (!done()) {
        QEventLoop loop;
        Wait wait{&loop};
        waits_.push_back(&wait);
        loop.exec();
        waits_.erase(std::find(waits_.begin(), waits_.end(), &wait));
        // Not woken by us: the application is quitting and every event loop returns at once.
        if (!wait.woken) return false;
    }
    return true;
}

void HID_PnP::WakeWaits() {
    for (Wait* wait : waits_) {
        wait->woken = true;
        wait->loop->quit();
    }
}

void HID_PnP::Finish(Ending ending) {
    if (active_ == nullptr) return;
    active_->phase = InFlight::Phase::Done;
    active_->ending = ending;
    active_ = nullptr;
    tick_.stop();
    WakeWaits();
}

void HID_PnP::WriteFinished(bool ok) {
    if (active_ == nullptr || active_->phase != InFlight::Phase::Sending) return;
    if (!ok) {
        Finish(Ending::SendFailed);
        return;
    }
    // The time-out flag tells only about the wait that begins now.
    auto& s = state_;
    s.Flag_timeout = false;
    s.Flag_input = false;
    s.Count_timeout = 0;
    s.Flag_send = true;
    active_->phase = InFlight::Phase::Awaiting;
}

void HID_PnP::check_INPUT() {
    auto& s = state_;
    if (s.Flag_send && s.Flag_input) {
        s.Count_timeout = 0;
        s.Flag_send = false;
        s.Flag_input = false;
        Finish(Ending::Answered);
    } else if (s.Flag_send && !s.Flag_input) {
        if (++s.Count_timeout >= EXCHANGE_TIMEOUT_TICKS) {
            s.Flag_timeout = true;
            s.Flag_send = false;
            s.Flag_input = false;
            s.Count_timeout = 0;
            Finish(Ending::TimedOut);
        }
    } else if (active_ != nullptr && active_->phase == InFlight::Phase::Sending) {
        // A backend that never reports the write must not hold the program either.
        if (++active_->sendTicks >= EXCHANGE_TIMEOUT_TICKS) {
            s.Flag_timeout = true;
            Finish(Ending::TimedOut);
        }
    }
}

HID_PnP::Ending HID_PnP::RunExchange(std::uint8_t command, Report& outgoing, Report& answer) {
    auto& s = state_;
    // The request is taken now: whatever runs while it waits its turn must not change it.
    outgoing[pos::COMMAND] = command;
    const Report request = outgoing;

    // One request on the wire at a time; an exchange started inside another's wait goes after it.
    if (!WaitUntil([this] { return active_ == nullptr || !HasDevice(); })) return Ending::Abandoned;
    if (!HasDevice()) return Ending::NoUnit;

    InFlight ex;
    active_ = &ex;
    s.Count_timeout = 0;
    tick_.start(tickMs_);
    const QByteArray bytes(reinterpret_cast<const char*>(request.data()), REPORT_SIZE);
    emit reportSent(bytes);
    if (active_ == &ex) backend_.Write(bytes);  // may report its result before it returns
    const bool waited = WaitUntil([&ex] { return ex.phase == InFlight::Phase::Done; });
    if (!waited && active_ == &ex) {
        s.Flag_send = false;
        s.Flag_input = false;
        Finish(Ending::Abandoned);
    }

    // Between exchanges the caller sees the report it sent, whatever ran inside the wait.
    outgoing = request;
    if (ex.ending == Ending::Answered) answer = ex.answer;
    return ex.ending;
}

ExchangeEnding HID_PnP::Exchange(std::uint8_t command, Report& outgoing, Report& answer) {
    if (!HasDevice()) return Ending::NoUnit;
    return RunExchange(command, outgoing, answer);
}

bool HID_PnP::Communicate(std::uint8_t CommunicationCommand, bool MessageOn) {
    (void)MessageOn;  // every caller wants failures reported, and they are
    auto& s = state_;
    const ExchangeEnding ending = Exchange(CommunicationCommand, s.OutputPacketBuffer, s.InputPacketBuffer);
    AlertExchangeFailure(ending);
    return ending != Ending::Answered;
}

void HID_PnP::Communicate_AdditionalData() {
    if (!HasDevice()) return;
    auto& s = state_;
    FillAdditionalDataRequest(s.OutputPacketBuffer, s.SelectedPedalNo, s.DataNo);
    // Waited for so that its answer cannot end a later exchange; nobody reads it.
    Report discarded{};
    RunExchange(static_cast<std::uint8_t>(GET_ADDITIONAL_DATA), s.OutputPacketBuffer, discarded);
}

}  // namespace tarvik
