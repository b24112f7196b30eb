// SPDX-License-Identifier: GPL-3.0-or-later
#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <algorithm>

#include "FuzzEntries.h"
#include "device/Alert.h"
#include "device/Console.h"
#include "model/DeviceState.h"
#include "device/HID_PnP.h"
#include "device/HidBackend.h"
#include "device/UnitFlows.h"
#include "model/PedalContents.h"

namespace tarvik::fuzz {

namespace {

const QString kPath = QStringLiteral("fuzz:0");

// A unit that answers with the input. Each write takes the next chunk: a header byte, then what it
// says. Header & 7 == 7: the write fails; == 6: the unit is pulled out; otherwise header >> 3 bytes
// (0..31) are one report, and a report that is not 16 bytes long is followed by the next chunk, as a
// damaged report ends no exchange. A write that gets no 16-byte report, and any write after the
// input ran out, finds the unit gone, so no exchange waits for its time-out.
class ScriptedUnit : public HidBackend {
public:
    ScriptedUnit(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    QStringList Enumerate() override { return plugged_ ? QStringList{kPath} : QStringList{}; }
    OpenResult Open(const QString& path) override {
        if (!plugged_ || path != kPath) return OpenResult::NoUnit;
        open_ = true;
        return OpenResult::Opened;
    }
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    QString OpenPath() const override { return open_ ? kPath : QString(); }

    void Write(const QByteArray&) override {
        if (!open_) {
            emit writeDone(false);
            return;
        }
        if (used_ < size_ && (data_[used_] & 7) == 7) {
            ++used_;
            emit writeDone(false);
            return;
        }
        emit writeDone(true);
        constexpr int kMostReportsPerWrite = 4;
        for (int reports = 0; reports < kMostReportsPerWrite && used_ < size_; ++reports) {
            const std::uint8_t header = data_[used_++];
            if ((header & 7) >= 6) break;
            const std::size_t length = std::min<std::size_t>(header >> 3, size_ - used_);
            const QByteArray report(reinterpret_cast<const char*>(data_ + used_), static_cast<qsizetype>(length));
            used_ += length;
            emit inputReport(report);
            if (length == REPORT_SIZE) return;
        }
        PullOut();
    }

private:
    void PullOut() {
        plugged_ = false;
        open_ = false;
        emit removed(kPath);
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t used_ = 0;
    bool plugged_ = true;
    bool open_ = false;
};

class Quiet : public AlertPresenter {
    int ShowMessage(const std::string&) override { return ALERT_FIRST_BUTTON; }
    int Confirm(const std::string&, const std::string&) override { return ALERT_SECOND_BUTTON; }
};

// The description must be whole UTF-8 text: it goes straight into a widget and a terminal.
bool IsUtf8(const std::string& text) {
    const QString decoded = QString::fromStdString(text);
    return decoded.toStdString() == text && !decoded.contains(QChar::ReplacementCharacter);
}

Problem Describe(int pedal) {
    State().SelectedPedalNo = pedal;
    const std::string text = PedalContentsText();
    if (text.empty()) return "pedal " + std::to_string(pedal) + " has no description";
    if (!IsUtf8(text)) return "pedal " + std::to_string(pedal) + "'s description is not UTF-8";
    return {};
}

}  // namespace

Problem Answers(const std::uint8_t* data, std::size_t size) {
    // The exchange runs on Qt's event machinery, which needs an application object.
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "fuzz";
        static char* argv[] = {name, nullptr};
        new QCoreApplication(argc, argv);  // lives as long as the process
    }
    Quiet quiet;
    AlertPresenter& previous = CurrentAlertPresenter();
    SetAlertPresenter(&quiet);
    SetConsoleSink([](const std::string&) {});

    Problem problem;
    {
        State() = DeviceState{};
        ScriptedUnit unit(data, size);
        HID_PnP link(unit, State());
        link.SetTickIntervalMs(1);
        UnitFlowListener listener;
        const ReadOutcome outcome = ReadUnit(link, State(), listener);
        const int count = State().NumberOfPedals;
        if (count < 0 || count > NUMBER_OF_PEDALS_MAX) problem = "pedal count " + std::to_string(count) + " kept";
        for (int p = 0; problem.empty() && outcome == ReadOutcome::Done && p < count; ++p) problem = Describe(p);
    }
    // Any record at all, also one no read would store: the first bytes as mode, common and
    // additional data of pedal 0.
    if (problem.empty()) {
        DeviceState& s = State();
        s = DeviceState{};
        std::size_t i = 0;
        if (i < size) s.OutputMode[0] = data[i++];
        for (auto& b : s.CommonData[0]) b = i < size ? data[i++] : 0;
        for (auto& b : s.AdditionalData[0]) b = i < size ? data[i++] : 0;
        problem = Describe(0);
    }

    SetConsoleSink({});
    SetAlertPresenter(&previous);
    State() = DeviceState{};
    return problem;
}

}  // namespace tarvik::fuzz
